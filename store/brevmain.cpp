#include "store/brevmain.h"

#include "store/context.h"
#include "base/textfile.h"

#include <QFileInfo>

namespace brev {

namespace {

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
        {"spare4", Kind::Text, &P::spare4, nullptr},
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

std::optional<QString> readdata(AppContext& ctx, const QString& file)
{
    const QString shown = QFileInfo(file).fileName();
    QString why;
    const auto text = readTextFile(ctx.path(file), &why);
    if (!text)
        return QStringLiteral("The data file %1 cannot be read: %2.").arg(shown, why);

    ItemReader in(*text);
    const auto openQuote = [&](const QString& where) {
        return QStringLiteral("The data file %1 ends inside a quoted text: %2 opens a double quote on line %3 "
                              "that is never closed.")
            .arg(shown, where)
            .arg(in.itemLine());
    };
    std::array<President, kTableSlots> table{};
    for (int i = 1; i <= kRecords; ++i) {
        President& p = table[i];
        int itemNo = 0;
        int firstLine = 0;
        for (const Item& item : recordItems()) {
            ++itemNo;
            const auto endsEarly = [&] {
                if (in.problem() == ItemReader::Problem::OpenQuote)
                    return openQuote(QStringLiteral("record %1, item %2 (%3),")
                                         .arg(i).arg(itemNo).arg(QLatin1String(item.name)));
                return QStringLiteral("The data file %1 ends early: record %2 of %3 stops before item %4 (%5).")
                    .arg(shown).arg(i).arg(kRecords).arg(itemNo).arg(QLatin1String(item.name));
            };
            if (item.kind == Kind::Text) {
                const auto v = in.next();
                if (!v)
                    return endsEarly();
                p.*item.text = storableText(*v);
            } else {
                QString bad;
                const auto v = in.nextNumber(kLo16, kHi16, &bad);
                if (!v && bad.isEmpty())
                    return endsEarly();
                if (!v) {
                    const bool range = in.problem() == ItemReader::Problem::OutOfRange;
                    return QStringLiteral("The data file %1 is damaged: record %2, item %3 (%4) holds \"%6\", "
                                          "which is %7 (line %5).")
                        .arg(shown).arg(i).arg(itemNo).arg(QLatin1String(item.name)).arg(in.itemLine())
                        .arg(shownValue(bad), range ? QStringLiteral("out of range (-32768 to 32767)")
                                                    : QStringLiteral("not a whole number"));
                }
                p.*item.number = *v;
            }
            if (itemNo == 1)
                firstLine = in.itemLine();
        }
        // Each record is one line with a name: anything else means the records
        // and the link section would be read out of step.
        if (p.name.trimmed().isEmpty())
            return QStringLiteral("The data file %1 is damaged: record %2 (line %3) has no name.")
                .arg(shown).arg(i).arg(firstLine);
        if (!in.endedLine())
            return QStringLiteral("The data file %1 is damaged: record %2 (line %3) holds more than %4 items.")
                .arg(shown).arg(i).arg(firstLine).arg(kItemsPerRecord);
        p.image = portraitName(i);
    }
    const auto base = in.next();
    if (!base) {
        if (in.problem() == ItemReader::Problem::OpenQuote)
            return openQuote(QStringLiteral("the base address of the link section"));
        return QStringLiteral("The data file %1 ends early: the link section is missing.").arg(shown);
    }
    for (int i = 1; i <= kRecords; ++i) {
        const auto link = in.next();
        if (!link && in.problem() == ItemReader::Problem::OpenQuote)
            return openQuote(QStringLiteral("the link of record %1").arg(i));
        if (!link)
            return QStringLiteral("The data file %1 ends early: the link section stops before the link of record %2 of %3.")
                .arg(shown).arg(i).arg(kRecords);
        table[i].link = storableText(*link);
    }
    if (!in.atEnd())
        return QStringLiteral("The data file %1 is damaged: line %2 holds more after the link of record %3; the file "
                              "holds %3 records, one per line, then the base address and %3 links.")
            .arg(shown).arg(in.line()).arg(kRecords);
    ctx.presidents = table;
    ctx.linkbase = storableText(*base);
    ctx.nrecords = kRecords;
    return std::nullopt;
}

QByteArray dataText(const RefData& data)
{
    QByteArray out;
    for (int i = 1; i <= data.nrecords; ++i) {
        const President& p = data.presidents[i];
        QByteArray line;
        for (const Item& item : recordItems()) {
            if (!line.isEmpty())
                line += ',';
            line += item.kind == Kind::Text ? quoted(p.*item.text) : QByteArray::number(p.*item.number);
        }
        out += line + "\r\n";
    }
    out += quoted(data.linkbase) + "\r\n";
    for (int i = 1; i <= data.nrecords; ++i)
        out += quoted(data.presidents[i].link) + "\r\n";
    return out;
}

bool writedata(AppContext& ctx, const QString& file)
{
    const QString why = saveFileAtomically(ctx.path(file), dataText(ctx));
    if (why.isEmpty())
        return true;
    ctx.messages->ok(QStringLiteral("%1 could not be saved: %2").arg(file, why));
    return false;
}

std::optional<QString> initdata(AppContext& ctx)
{
    ctx.datafile = QString::fromLatin1(kDataFile);
    if (auto error = readdata(ctx, ctx.datafile))
        return error;
    ctx.itemUse.assign(ctx.nrecords + 1, 0);
    return std::nullopt;
}

QString imagefile(const AppContext& ctx, int record)
{
    if (record < 0 || record >= kTableSlots)
        return {};
    return ctx.presidents[record].image;
}

} // namespace brev
