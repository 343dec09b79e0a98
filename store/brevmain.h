#pragma once
// President records and their data file.
#include "base/state.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace brev {

struct AppContext;

struct President {
    QString name;
    QString spare1;
    QString image;
    int termKey = 0;
    QString term;
    int birthKey = 0;
    QString birth;
    int spareNum1 = 0;
    QString vice;
    QString birthplace;
    QString home;
    int endKind = 0;
    QString wife;
    QString party;
    QString spare2;
    QString opponent;
    QString quotation;       // item "spare3" of the file: a quotation of the president ("Who said it?")
    int spareNum2 = 0;
    QString spare4;
    QString secState;
    QString secWar;
    QString attnGen;
    QString court;
    QString link;
    int dif = 0;

    bool operator==(const President&) const = default;
};

inline constexpr int kRecords = 41;        // records 1..41 of the data file
inline constexpr int kTableSlots = 43;     // slots 0..42; 0 and 42 stay empty
inline constexpr int kItemsPerRecord = 25;
inline constexpr char kDataFile[] = "brev.dat";

struct RefData {
    std::array<President, kTableSlots> presidents{};
    int nrecords = 0;
    QString linkbase;
    QString datafile;
    std::vector<int> itemUse;   // slots 0..nrecords
    std::array<QString, kCategories> catnames{};
    std::array<QString, 5> endkinds{};
};

// "brev" + N + ".gif", N = i for 1..23 and i + 1 for 24..41.
QString portraitName(int record);

// Reads the whole data file. On success fills presidents, linkbase and nrecords
// and returns nothing; otherwise returns a message naming the file and the place
// that is wrong, and leaves the table as it was.
std::optional<QString> readdata(AppContext& ctx, const QString& file);
// Writes records 1..nrecords and the link section. The file is replaced only once
// the new contents are complete; on failure the system's error text is shown.
bool writedata(AppContext& ctx, const QString& file);
// Reads "brev.dat" and creates the usage counters (all 0).
std::optional<QString> initdata(AppContext& ctx);
QString imagefile(const AppContext& ctx, int record);

// The data file's text for the table in memory.
QByteArray dataText(const RefData& data);

} // namespace brev
