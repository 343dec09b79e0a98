#pragma once
// The Name Me question: a president's name hidden letter by letter, guessed by
// typing letters while a stage picture grows with every wrong one. Its record
// has nothing written: the log and the question file write nothing of it.
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <QList>
#include <QRectF>

namespace brev {

class NameMeModel : public QuestionModel {
    Q_DECLARE_TR_FUNCTIONS(brev::NameMeModel)
public:
    // maxdif: the game's maximum difficulty; 6 - maxdif + 1 wrong letters
    // are allowed, at least 4.
    NameMeModel(ItemDraw& draw, int category, int maxdif) : QuestionModel(draw, category), maxdif_(maxdif) {}

    // Draws the president.
    bool load() override;
    QString reviewQuestion() const override;
    QString rightAnswer() const override { return answer_; }
    // The one president asked about: the one to name.
    QuestionRecord unanswered() const override;

    enum class Outcome {
        NotALetter, // "Press a letter, only"
        Repeated,   // a wrong letter typed again: nothing happens
        Found,      // the letter is in the name
        Missed,     // a wrong letter; the name is still open
        Won,        // the name is complete
        Lost,       // too many wrong letters
        Closes,     // a key after the name was lost: on to the score screen, then the window closes
    };
    struct KeyResult {
        Outcome outcome = Outcome::NotALetter;
        QList<int> sounds; // played now, in order (Found and Missed)
        Verdict verdict;   // Won and Lost: the judgement, with the score screen's texts
    };
    // One typed character.
    KeyResult press(QChar typed);

    int record() const { return record_; }
    // The portrait file of the president to name.
    QString portraitFile() const;
    const QString& answer() const { return answer_; }
    const QString& pattern() const { return pattern_; }
    // What the name label shows.
    const QString& mask() const { return mask_; }
    // The wrong letters, each after a space.
    const QString& tried() const { return tried_; }
    int misses() const { return int(tried_.size() / 2); }
    int triesAllowed() const { return triesAllowed_; }
    bool finished() const { return finished_; }
    // The name label's point size for the answer's length.
    double nameFontSize() const;
    // Where the stage picture stands, in twips; it grows 1.2 times per miss
    // around its designed centre.
    QRectF stageRect() const { return stage_; }
    // The stage picture for the misses so far ("eagle4.jpg"), empty before any.
    QString stagePicture() const;
    // The wrong-letters label: the letters, then "Better luck next time!".
    QString lettersText() const;
    // Under the stage picture: the warning, then "Too many tries!".
    QString warning() const;
    // The tries left in words ("3 tries left"); once the name is lost, what
    // the next key does.
    QString triesText() const;

    // The window's caption, and its instruction alone, which the window
    // also shows inside (a narrow title bar may cut the caption).
    static QString caption();
    static QString instruction();

private:
    void rebuildMask();
    // The judgement of a finished name: won or lost.
    Verdict judged(bool won) const;

    int maxdif_ = 1;
    int record_ = 0;
    QString answer_;
    QString pattern_;
    QString mask_;
    QString tried_;
    int triesAllowed_ = 6;
    bool finished_ = false;
    QRectF stage_;
};

} // namespace brev
