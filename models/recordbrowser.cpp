#include "models/recordbrowser.h"

#include "base/state.h"
#include "store/links.h"
#include "store/records.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace brev {

namespace {
constexpr int kHighestDif = 3;
constexpr int kLowestDif = 1;
const QString kSpace = QStringLiteral(" ");

// An empty box, or a lone sign, is a number the player has not finished typing.
bool stillTyping(const QString& typed)
{
    return typed.isEmpty() || typed == QLatin1String("-") || typed == QLatin1String("+");
}
} // namespace

RecordBrowser::RecordBrowser(Records& records, QString dir) : records_(records), dir_(std::move(dir))
{
    // Every loaded record, the add-on's too, whether or not they are in play.
    const int count = records_.loadedRecords();
    itemmap_.assign(size_t(count + 2), 0);
    for (int r = 1; r <= count; ++r) {
        names_ << records_.presidents[size_t(r)].name;
        itemmap_[size_t(r)] = r;
    }
    position_ = 1;
    record_ = itemmap_[1];
    positions_ = count;
    fillform();
}

const President& RecordBrowser::shown() const
{
    const int r = record_;
    return records_.presidents[size_t(records_.isRecord(r) ? r : 0)];
}

void RecordBrowser::next()
{
    if (position_ < positions_)
        ++position_;
    record_ = itemmap_[size_t(position_)];
    fillform();
}

void RecordBrowser::previous()
{
    if (position_ > 1)
        --position_;
    record_ = itemmap_[size_t(position_)];
    fillform();
}

void RecordBrowser::choose(int index)
{
    if (index < 0 || index >= positions_)
        return;
    record_ = itemmap_[size_t(index + 1)];
    position_ = record_;
    fillform();
}

std::array<QString, 9> RecordBrowser::facts() const
{
    return factsOf(record_);
}

std::array<QString, 9> RecordBrowser::factsOf(int record) const
{
    const President& p = records_.presidents[size_t(records_.isRecord(record) ? record : 0)];
    return {tr("Birth: %1").arg(p.birth),      tr("Birthplace: %1").arg(p.birthplace),
            tr("Home: %1").arg(p.home),        tr("Term: %1").arg(p.term),
            tr("First Lady: %1").arg(p.wife),  tr("Sec'y State: %1").arg(p.secState),
            tr("Sec'y War: %1").arg(p.secWar), tr("Attn Gen: %1").arg(p.attnGen),
            tr("Vice Pres: %1").arg(p.vice)};
}

QString RecordBrowser::name() const
{
    return shown().name;
}

QString RecordBrowser::link() const
{
    return shown().link;
}

QString RecordBrowser::image() const
{
    return shown().image;
}

QString RecordBrowser::portraitPath() const
{
    const QString file = records_.imageFile(record_);
    if (file <= kSpace)
        return {};
    return path(file);
}

void RecordBrowser::fillform()
{
    difChanged(QString::number(shown().dif));
}

Problem RecordBrowser::nameProblem() const
{
    if (!shown().name.isEmpty())
        return std::nullopt;
    return tr("Problem? no name for %1").arg(record_);
}

const QString& RecordBrowser::difChanged(const QString& text)
{
    // A box given the text it already holds raises no change.
    if (text == difText_)
        return difText_;
    difText_ = text;
    const QString typed = text.trimmed();
    if (stillTyping(typed))
        return difText_;
    const int r = record_;
    if (!records_.isRecord(r))
        return difText_;
    bool ok = false;
    double value = QLocale::c().toDouble(typed, &ok);
    if (!ok || !std::isfinite(value)) {
        difText_ = QString::number(records_.presidents[size_t(r)].dif);
        return difText_;
    }
    if (value > kHighestDif) {
        difText_ = QString::number(kHighestDif);
        value = kHighestDif;
    }
    if (!(value >= kLowestDif)) {
        difText_ = QString::number(kLowestDif);
        value = kLowestDif;
    }
    records_.presidents.edit(size_t(r)).dif = static_cast<int>(std::nearbyint(value));
    (r > records_.baseRecords ? changedAddOn_ : changedBase_) = true;
    return difText_;
}

const QString& RecordBrowser::difLeft()
{
    if (stillTyping(difText_.trimmed()))
        difText_ = QString::number(shown().dif);
    return difText_;
}

Problem RecordBrowser::openLink(Shell& shell)
{
    if (shown().link <= kSpace)
        return tr("No internet link available");
    return brev::openLink(shell, dir_, records_.linkOf(record_));
}

QString RecordBrowser::path(const QString& name) const
{
    return QDir(dir_).filePath(name);
}

Problem RecordBrowser::save()
{
    Problem problem =
        changedBase_ ? writeRecords(records_, path(QString::fromLatin1(kDataFile))) : std::nullopt;
    const Problem addOn =
        changedAddOn_ ? writeAddOn(records_, path(QString::fromLatin1(kAddOnFile))) : std::nullopt;
    if (problem && addOn)
        return *problem + kLineBreak + *addOn;
    return problem ? problem : addOn;
}

} // namespace brev
