#pragma once
// President records and their data file.
#include "base/problem.h"
#include "base/state.h"

#include <QString>
#include <array>
#include <optional>
#include <utility>
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
    QString quotationSource; // item "spare4": where the quotation comes from (document or speech, and date)
    QString secState;
    QString secWar;
    QString attnGen;
    QString court;
    QString link;
    int dif = 0;

    bool operator==(const President&) const = default;
    // Served in periods apart ("1885-1889, 1893-1897"): the first period ended
    // in a way (a lost election) that endKind does not tell.
    bool servedApart() const { return term.contains(u','); }
};

inline constexpr int kRecords = 41;        // records 1..41 of the data file
inline constexpr int kItemsPerRecord = 25;
inline constexpr char kDataFile[] = "brev.dat";
// The add-on beside it: the presidents after 1993, records 42 on, in the
// same syntax (records, then the base address and one link per record).
inline constexpr char kAddOnFile[] = "brevplus.dat";

// The records as read, slot r holding record r; slot 0 and the slot after the
// last record stay empty. Read-only once loaded: the readers replace the whole
// table, and the only change after that is the data editor's difficulty,
// made through edit() (as test set-ups do).
class RecordTable {
public:
    RecordTable() : slots_(kRecords + 2) {}
    explicit RecordTable(std::vector<President> table) : slots_(std::move(table)) {}

    const President& operator[](size_t slot) const { return slots_[slot]; }
    size_t size() const { return slots_.size(); }
    std::vector<President>::const_iterator begin() const { return slots_.begin(); }
    std::vector<President>::const_iterator end() const { return slots_.end(); }
    bool operator==(const RecordTable&) const = default;

    President& edit(size_t slot) { return slots_[slot]; }

private:
    std::vector<President> slots_;
};

struct RefData {
    RecordTable presidents;
    int nrecords = 0;        // the records a game draws from: 1..nrecords
    int baseRecords = 0;     // records 1..baseRecords come from the data file, the rest from the add-on
    QString linkbase;
    QString addOnLinkbase;   // the add-on's base address for its records' links
    std::array<QString, kCategories> catnames{};
    std::array<QString, 6> endkinds{};

    // Every record in the table, the add-on's included.
    int loadedRecords() const { return int(presidents.size()) - 2; }
    bool isRecord(int r) const { return r >= 1 && r <= loadedRecords(); }
    // The web address of record r's link (base address and link).
    QString linkOf(int r) const;
};

// "brev" + N + ".gif", N = i for 1..23 and i + 1 from 24 on.
QString portraitName(int record);

// Reads the whole data file. On success fills presidents, linkbase and nrecords
// and returns nothing; otherwise returns a message naming the file and the place
// that is wrong, and leaves the table as it was.
Problem readdata(AppContext& ctx, const QString& file);
// Writes the data file's records and the link section. The file is replaced
// only once the new contents are complete; a failure names the file and why.
Problem writedata(AppContext& ctx, const QString& file);
// Reads "brev.dat" and creates the usage counters (all 0).
Problem initdata(AppContext& ctx);
// Reads the add-on's records after the data file's (already read) and puts
// them in play when `inPlay`. A missing add-on is no problem; a damaged one
// returns a message naming the file, line and item, and the table keeps the
// data file's records only.
Problem readAddOn(AppContext& ctx, const QString& file, bool inPlay);
// Records after the data file's take part in games, or not (the setting is
// kept even while no add-on is loaded).
void setLaterPresidents(AppContext& ctx, bool on);
// Writes the add-on's records (42 on) with their link section.
Problem writeAddOn(AppContext& ctx, const QString& file);
QString imagefile(const AppContext& ctx, int record);

// The data file's text for the table in memory (records 1..baseRecords), and
// the add-on's (the records after them).
QByteArray dataText(const RefData& data);
QByteArray addOnText(const RefData& data);

} // namespace brev
