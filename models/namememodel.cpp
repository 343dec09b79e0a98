#include "models/namememodel.h"

#include "models/stageword.h"
#include "store/records.h"
#include "store/sounds.h"

#include <QCoreApplication>
#include <algorithm>

namespace brev {

namespace {
// The stage picture's design place in twips.
constexpr double kStageLeft = 6000;
constexpr double kStageTop = 1320;
constexpr double kStageWidth = 1215;
constexpr double kStageHeight = 1455;
constexpr double kGrowth = 1.2;
constexpr int kFewestTries = 4;
constexpr int kTriesBase = 6;
} // namespace

QString NameMeModel::caption()
{
    return tr("Name Me -- Press the letter keys to enter my name... ");
}

QString NameMeModel::instruction()
{
    //: Shown inside the window: the instruction of its caption, in the same words.
    return tr("Press the letter keys to enter my name...");
}

bool NameMeModel::load()
{
    triesAllowed_ = std::max(kFewestTries, kTriesBase + 1 - maxdif_);
    finished_ = false;
    tried_.clear();
    stage_ = QRectF(kStageLeft, kStageTop, kStageWidth, kStageHeight);
    record_ = pick(0);
    if (record_ <= 0)
        return false;
    answer_ = field(record_).toUpper();
    pattern_.clear();
    mask_.clear();
    for (const QChar c : answer_) {
        if (c == u' ') {
            mask_ += QStringLiteral("  ");
            pattern_ += u' ';
        } else if (c == u'.') {
            mask_ += QStringLiteral(". ");
            pattern_ += u'.';
        } else {
            mask_ += QStringLiteral("_ ");
            pattern_ += u'*';
        }
    }
    return true;
}

double NameMeModel::nameFontSize() const
{
    const auto n = answer_.size();
    if (n > 27)
        return 10;
    if (n > 23)
        return 12;
    if (n > 19)
        return 14;
    if (n > 14)
        return 18;
    return 24;
}

QString NameMeModel::portraitFile() const
{
    return records().imageFile(record_);
}

QString NameMeModel::stagePicture() const
{
    if (tried_.isEmpty())
        return {};
    return QString::fromLatin1(stageWord) + QString::number(triesAllowed_ - misses() + 1)
           + QStringLiteral(".jpg");
}

QString NameMeModel::warning() const
{
    if (finished_)
        return tr("Too many tries!");
    //: The stage picture that grows with every wrong letter is an eagle.
    return tr("Guess the word before the eagle can appear!");
}

QString NameMeModel::lettersText() const
{
    return finished_ ? tr("Better luck next time!") : tried_;
}

void NameMeModel::rebuildMask()
{
    mask_.clear();
    for (const QChar c : pattern_) {
        if (c == u'*')
            mask_ += QStringLiteral("_  ");
        else if (c == u'.')
            mask_ += QStringLiteral(". ");
        else
            mask_ += c + QStringLiteral(" ");
    }
}

NameMeModel::KeyResult NameMeModel::press(QChar typed)
{
    KeyResult result;
    if (finished_) {
        result.outcome = Outcome::Closes;
        return result;
    }
    const QChar key = typed.toUpper();
    if (key < u'A' || key > u'Z') {
        result.outcome = Outcome::NotALetter;
        return result;
    }
    if (tried_.contains(key)) {
        result.outcome = Outcome::Repeated;
        return result;
    }
    for (qsizetype i = 0; i < answer_.size(); ++i) {
        if (answer_[i] == key) {
            pattern_[i] = key;
            result.sounds << SfxLetterFound;
        }
    }
    if (result.sounds.isEmpty()) {
        result.sounds << SfxWrongPick;
        tried_ += u' ';
        tried_ += key;
        const double width = stage_.width() * kGrowth;
        const double height = width * 3 / 2;
        const QPointF centre(kStageLeft + kStageWidth / 2, kStageTop + kStageHeight / 2);
        stage_ = QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
        if (misses() < triesAllowed_) {
            result.outcome = Outcome::Missed;
            return result;
        }
        finished_ = true;
        mask_ = answer_;
        result.outcome = Outcome::Lost;
        result.verdict.possible = triesAllowed_;
        result.verdict.sound = SfxWrong;
        result.verdict.given = QCoreApplication::translate("Review", "%1 (wrong letters:%2)").arg(pattern_, tried_);
        return result;
    }
    rebuildMask();
    if (pattern_ != answer_) {
        result.outcome = Outcome::Found;
        return result;
    }
    result.outcome = Outcome::Won;
    result.verdict.points = triesAllowed_ - misses();
    result.verdict.possible = triesAllowed_;
    result.verdict.sound = SfxCorrect;
    result.verdict.results = pattern_ + kLineBreak + tr("You got it!");
    result.verdict.heading = resultsHeading();
    result.verdict.given = pattern_;
    return result;
}

QString NameMeModel::reviewQuestion() const
{
    return QCoreApplication::translate("Review", "Name the president in the portrait");
}

} // namespace brev
