#include "store/records.h"

#include "base/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace brev {

namespace {

// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::Records)
};

constexpr int kLo16 = -32768;
constexpr int kHi16 = 32767;

// The 25 items of a record line, in file order.
enum class Kind { Text, Number };
struct Item {
    const char* name;
    Kind kind;
    QString President::*text;
    int President::*number;
};

const std::array<Item, kItemsPerRecord>& recordItems()
{
    using P = President;
    static const std::array<Item, kItemsPerRecord> items{{
        {"name", Kind::Text, &P::name, nullptr},
        {"spare1", Kind::Text, &P::spare1, nullptr},
        {"image", Kind::Text, &P::image, nullptr},
        {"termKey", Kind::Number, nullptr, &P::termKey},
        {"term", Kind::Text, &P::term, nullptr},
        {"birthKey", Kind::Number, nullptr, &P::birthKey},
        {"birth", Kind::Text, &P::birth, nullptr},
        {"spareNum1", Kind::Number, nullptr, &P::spareNum1},
        {"vice", Kind::Text, &P::vice, nullptr},
        {"birthplace", Kind::Text, &P::birthplace, nullptr},
        {"home", Kind::Text, &P::home, nullptr},
        {"endKind", Kind::Number, nullptr, &P::endKind},
        {"wife", Kind::Text, &P::wife, nullptr},
        {"spare2", Kind::Text, &P::spare2, nullptr},
        {"party", Kind::Text, &P::party, nullptr},
        {"opponent", Kind::Text, &P::opponent, nullptr},
        {"spare3", Kind::Text, &P::quotation, nullptr},
        {"spareNum2", Kind::Number, nullptr, &P::spareNum2},
        {"spare4", Kind::Text, &P::quotationSource, nullptr},
        {"secState", Kind::Text, &P::secState, nullptr},
        {"secWar", Kind::Text, &P::secWar, nullptr},
        {"attnGen", Kind::Text, &P::attnGen, nullptr},
        {"court", Kind::Text, &P::court, nullptr},
        {"link", Kind::Text, &P::link, nullptr},
        {"dif", Kind::Number, nullptr, &P::dif},
    }};
    return items;
}

} // namespace

QString portraitName(int record)
{
    const int n = record <= 23 ? record : record + 1;
    return QStringLiteral("brev%1.gif").arg(n);
}

namespace {

// A file's records and its link section, read but not yet in the table.
struct RecordFile {
    std::vector<President> records;
    QString linkbase;
};

// Reads record lines numbered from `first`, then the base address and one link
// per record. With `count` -1 the records run up to the first line that holds
// a single value, the base address. The message names the first fault.
Result<RecordFile> parseRecords(const QString& text, const QString& shown, int first, int count)
{
    RecordFile out;
    ItemReader in(text);
    const auto openQuote = [&](const QString& where) {
        //: %2 names the value: "record 3, item 5 (term)," or "the link of record 3"
        return Texts::tr("The data file %1 ends inside a quoted text: %2 opens a double quote on line %3 "
                         "that is never closed.")
            .arg(shown, where)
            .arg(in.itemLine());
    };
    std::optional<QString> base;
    for (int i = first; count < 0 || i < first + count; ++i) {
        President p;
        int itemNo = 0;
        int firstLine = 0;
        for (const Item& item : recordItems()) {
            ++itemNo;
            const auto endsEarly = [&] {
                if (in.fault() == ItemReader::Fault::OpenQuote)
                    return openQuote(Texts::tr("record %1, item %2 (%3),")
                                         .arg(i)
                                         .arg(itemNo)
                                         .arg(QLatin1String(item.name)));
                if (count < 0)
                    return Texts::tr("The data file %1 ends early: record %2 stops before item %3 (%4).")
                        .arg(shown)
                        .arg(i)
                        .arg(itemNo)
                        .arg(QLatin1String(item.name));
                return Texts::tr("The data file %1 ends early: record %2 of %3 stops before item %4 (%5).")
                    .arg(shown)
                    .arg(i)
                    .arg(count)
                    .arg(itemNo)
                    .arg(QLatin1String(item.name));
            };
            if (item.kind == Kind::Text) {
                const auto v = in.next();
                if (!v && itemNo == 1 && count < 0 && in.fault() != ItemReader::Fault::OpenQuote)
                    return failure(
                        Texts::tr("The data file %1 ends early: the link section is missing.").arg(shown));
                if (!v)
                    return failure(endsEarly());
                // An add-on's records end at the line that holds only the base address.
                if (itemNo == 1 && count < 0 && in.endedLine()) {
                    base = *v;
                    break;
                }
                p.*item.text = storableText(*v);
            } else {
                const auto v = in.nextNumber(kLo16, kHi16);
                const QString& bad = in.lastValue();
                if (!v && bad.isEmpty())
                    return failure(endsEarly());
                if (!v) {
                    const char* damaged =
                        in.fault() == ItemReader::Fault::OutOfRange
                            ? QT_TRANSLATE_NOOP("brev::Records",
                                                "The data file %1 is damaged: record %2, item %3 (%4) holds "
                                                "\"%6\", which is out of range (-32768 to 32767) (line %5).")
                            : QT_TRANSLATE_NOOP("brev::Records",
                                                "The data file %1 is damaged: record %2, item %3 (%4) holds "
                                                "\"%6\", which is not a whole number (line %5).");
                    return failure(Texts::tr(damaged)
                                       .arg(shown)
                                       .arg(i)
                                       .arg(itemNo)
                                       .arg(QLatin1String(item.name))
                                       .arg(in.itemLine())
                                       .arg(shownValue(bad)));
                }
                p.*item.number = *v;
            }
            if (itemNo == 1)
                firstLine = in.itemLine();
        }
        if (base)
            break;
        // Each record is one line with a name: anything else means the records
        // and the link section would be read out of step.
        if (p.name.trimmed().isEmpty())
            return failure(Texts::tr("The data file %1 is damaged: record %2 (line %3) has no name.")
                               .arg(shown)
                               .arg(i)
                               .arg(firstLine));
        if (!in.endedLine())
            return failure(
                Texts::tr("The data file %1 is damaged: record %2 (line %3) holds more than %4 items.")
                    .arg(shown)
                    .arg(i)
                    .arg(firstLine)
                    .arg(kItemsPerRecord));
        p.image = portraitName(i);
        out.records.push_back(p);
    }
    if (!base) {
        base = in.next();
        if (!base && in.fault() == ItemReader::Fault::OpenQuote)
            return failure(openQuote(Texts::tr("the base address of the link section")));
        if (!base)
            return failure(Texts::tr("The data file %1 ends early: the link section is missing.").arg(shown));
    }
    const int last = first + int(out.records.size()) - 1;
    for (int i = first; i <= last; ++i) {
        const auto link = in.next();
        if (!link && in.fault() == ItemReader::Fault::OpenQuote)
            return failure(openQuote(Texts::tr("the link of record %1").arg(i)));
        if (!link && count < 0)
            return failure(Texts::tr("The data file %1 ends early: the link section stops before the link of "
                                     "record %2.")
                               .arg(shown)
                               .arg(i));
        if (!link)
            return failure(Texts::tr("The data file %1 ends early: the link section stops before the link of "
                                     "record %2 of %3.")
                               .arg(shown)
                               .arg(i)
                               .arg(count));
        out.records[size_t(i - first)].link = storableText(*link);
    }
    if (!in.atEnd()) {
        if (count < 0)
            return failure(
                Texts::tr("The data file %1 is damaged: line %2 holds more after the link of record %3; "
                          "the file holds its records, one per line, then the base address and one link "
                          "per record.")
                    .arg(shown)
                    .arg(in.line())
                    .arg(last));
        return failure(
            Texts::tr("The data file %1 is damaged: line %2 holds more after the link of record %3; "
                      "the file holds %3 records, one per line, then the base address and %3 links.")
                .arg(shown)
                .arg(in.line())
                .arg(count));
    }
    out.linkbase = storableText(*base);
    return out;
}

// One file's text: the records first..last, the base address and their links.
QByteArray recordsText(const Records& data, int first, int last, const QString& linkbase)
{
    QByteArray out;
    for (int i = first; i <= last; ++i) {
        const President& p = data.presidents[size_t(i)];
        QByteArray line;
        for (const Item& item : recordItems()) {
            if (!line.isEmpty())
                line += ',';
            line += item.kind == Kind::Text ? quoted(p.*item.text) : QByteArray::number(p.*item.number);
        }
        out += line + "\r\n";
    }
    out += quoted(linkbase) + "\r\n";
    for (int i = first; i <= last; ++i)
        out += quoted(data.presidents[size_t(i)].link) + "\r\n";
    return out;
}

Problem saveRecords(const QString& path, const QByteArray& text)
{
    if (const auto why = saveFileAtomically(path, text))
        return Texts::tr("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), *why);
    return std::nullopt;
}

} // namespace

QString Records::linkOf(int r) const
{
    if (!isRecord(r))
        return {};
    return (r > baseRecords ? addOnLinkbase : linkbase) + presidents[size_t(r)].link;
}

QString Records::imageFile(int r) const
{
    return isRecord(r) ? presidents[size_t(r)].image : QString();
}

void Records::setLaterPresidents(bool on)
{
    later_ = on;
    inPlay_ = on ? loadedRecords() : std::min(baseRecords, loadedRecords());
}

Problem readRecords(Records& records, const QString& path)
{
    const QString shown = QFileInfo(path).fileName();
    const Result<QString> text = readTextFile(path);
    if (const Problem why = text.problem())
        return Texts::tr("The data file %1 cannot be read: %2.").arg(shown, *why);
    const Result<RecordFile> read = parseRecords(*text, shown, 1, kRecords);
    if (!read)
        return read.problem();
    std::vector<President> table(1);
    table.insert(table.end(), read->records.begin(), read->records.end());
    table.emplace_back();
    records.presidents = RecordTable(std::move(table));
    records.linkbase = read->linkbase;
    records.addOnLinkbase.clear();
    records.baseRecords = kRecords;
    records.inPlay_ = kRecords;
    return std::nullopt;
}

Problem readAddOn(Records& records, const QString& path, bool inPlay)
{
    records.later_ = inPlay;
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QString shown = QFileInfo(path).fileName();
    const auto keepBase = [&](const QString& why) {
        return why + QStringLiteral("\r\n") +
               Texts::tr("The game goes on with the %1 presidents of %2.")
                   .arg(records.baseRecords)
                   .arg(QString::fromLatin1(kDataFile));
    };
    const Result<QString> text = readTextFile(path);
    if (const Problem why = text.problem())
        return keepBase(Texts::tr("The data file %1 cannot be read: %2.").arg(shown, *why));
    const Result<RecordFile> read = parseRecords(*text, shown, records.baseRecords + 1, -1);
    if (!read)
        return keepBase(*read.problem());
    std::vector<President> table(records.presidents.begin(),
                                 records.presidents.begin() + records.baseRecords + 1);
    table.insert(table.end(), read->records.begin(), read->records.end());
    table.emplace_back();
    records.presidents = RecordTable(std::move(table));
    records.addOnLinkbase = read->linkbase;
    records.setLaterPresidents(inPlay);
    return std::nullopt;
}

QByteArray dataText(const Records& data)
{
    return recordsText(data, 1, std::min(data.baseRecords, data.loadedRecords()), data.linkbase);
}

QByteArray addOnText(const Records& data)
{
    return recordsText(data, data.baseRecords + 1, data.loadedRecords(), data.addOnLinkbase);
}

Problem writeRecords(const Records& records, const QString& path)
{
    return saveRecords(path, dataText(records));
}

Problem writeAddOn(const Records& records, const QString& path)
{
    return saveRecords(path, addOnText(records));
}

} // namespace brev
