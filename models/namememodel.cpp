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
    return QString::fromLatin1(stageWord) + QString::number(triesAllowed_ - misses() + 1) +
           QStringLiteral(".jpg");
}

QString NameMeModel::warning() const
{
    if (finished_)
        return tr("Too many tries!");
    //: The stage picture that grows with every wrong letter is an eagle.
    return tr("Guess the word before the eagle can appear!");
}

QString NameMeModel::triesText() const
{
    if (finished_)
        return tr("No tries left. Press any key to see your score.");
    const int left = triesAllowed_ - misses();
    return left == 1 ? tr("One try left") : tr("%n tries left", "", left);
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
        result.verdict = judged(false);
        return result;
    }
    rebuildMask();
    if (pattern_ != answer_) {
        result.outcome = Outcome::Found;
        return result;
    }
    result.outcome = Outcome::Won;
    result.verdict = judged(true);
    return result;
}

QuestionRecord NameMeModel::unanswered() const
{
    QuestionRecord r = QuestionModel::unanswered();
    r.items = {AskedItem{record_, r.question, {}, r.right, false}};
    return r;
}

Verdict NameMeModel::judged(bool won) const
{
    Verdict v;
    QuestionRecord& r = v.record;
    r = unanswered();
    r.items[0].given = pattern_;
    r.items[0].correct = won;
    r.given =
        won ? pattern_ : QCoreApplication::translate("Review", "%1 (wrong letters:%2)").arg(pattern_, tried_);
    r.points = won ? triesAllowed_ - misses() : 0;
    r.possible = triesAllowed_;
    v.sound = won ? SfxCorrect : SfxWrong;
    v.heading = resultsHeading();
    v.results =
        (won ? pattern_ + kLineBreak + tr("You got it!") : answer_ + kLineBreak + tr("Too many tries!")) +
        kLineBreak + tr("*** Scored %1 of %2").arg(r.points).arg(r.possible);
    return v;
}

QString NameMeModel::reviewQuestion() const
{
    return QCoreApplication::translate("Review", "Name the president in the portrait");
}

} // namespace brev
