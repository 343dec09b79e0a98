#pragma once
// The president records and their two data files: "brev.dat" (records 1 to
// 41) and its add-on "brevplus.dat" (the presidents after 1993, records 42
// on). Readers return a problem naming the file, record, item and line and
// leave the records as they were; writers replace a file only once its new
// contents are complete and name the file and the system's reason on failure.
#include "base/problem.h"

#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace brev {

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
    QString quotation; // item "spare3" of the file: a quotation of the president ("Who said it?")
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

inline constexpr int kRecords = 41; // records 1..41 of the data file
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

// The records the program read, read-only once loaded, and which of them
// take part in games. One owner (start-up); everything else reads them.
class Records {
public:
    RecordTable presidents;
    int baseRecords = 0; // records 1..baseRecords come from the data file, the rest from the add-on
    QString linkbase;
    QString addOnLinkbase; // the add-on's base address for its records' links

    // The records a game draws from: 1..inPlay().
    int inPlay() const { return inPlay_; }
    // Every record in the table, the add-on's included.
    int loadedRecords() const { return int(presidents.size()) - 2; }
    bool isRecord(int r) const { return r >= 1 && r <= loadedRecords(); }
    // The web address of record r's link (base address and link).
    QString linkOf(int r) const;
    // The portrait file of a record ("brev1.gif"), or empty for no record.
    QString imageFile(int r) const;
    // The records after the data file's take part in games, or not (the
    // choice is kept even while no add-on is loaded).
    void setLaterPresidents(bool on);
    bool laterPresidents() const { return later_; }

private:
    friend Problem readRecords(Records&, const QString&);
    friend Problem readAddOn(Records&, const QString&, bool);
    int inPlay_ = 0;
    bool later_ = true;
};

// "brev" + N + ".gif", N = i for 1..23 and i + 1 from 24 on.
QString portraitName(int record);

// Reads the whole data file (records 1..41 and their links). On success the
// records replace the table's; otherwise returns a message naming the file
// and the place that is wrong, and leaves the records as they were.
Problem readRecords(Records& records, const QString& path);
// Reads the add-on's records after the data file's (already read) and puts
// them in play when `inPlay`. A missing add-on is no problem; a damaged one
// returns a message naming the file, line and item, and the table keeps the
// data file's records only.
Problem readAddOn(Records& records, const QString& path, bool inPlay);
// Writes the data file's records and link section, or the add-on's.
Problem writeRecords(const Records& records, const QString& path);
Problem writeAddOn(const Records& records, const QString& path);

// The data file's text for the table in memory (records 1..baseRecords), and
// the add-on's (the records after them).
QByteArray dataText(const Records& records);
QByteArray addOnText(const Records& records);

} // namespace brev
