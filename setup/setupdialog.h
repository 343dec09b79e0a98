#pragma once
// The setup screen: questions per game, maximum difficulty, the categories
// that may come up, sound, the language and the class code; every close
// writes the settings file. A language chosen here is stored in brevplus.ini
// at once and shows at once, on this screen and in every other window. The
// class code box takes only the code's alphabet, upper-cased as typed; the
// code goes into brevplus.ini as the screen closes, when it is whole (six
// characters) or empty, and the player is told when it is not.
#include "game/questionexport.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace brev {

class Clock;
class Messages;
class QuestionFile;
class Records;
class SettingsStore;
struct GameSession;

// A spin button bound to a text box: its arrows write the box's number plus
// or minus 1 into the box, whose own change handling then clamps it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, QWidget* parent = nullptr);
    void stepBy(int delta);
    QToolButton* up;
    QToolButton* down;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
};

// What the setup screen opens: the data editor and the hall of fame window,
// both modal over it.
struct SetupOpeners {
    std::function<void(QWidget* parent)> editor;
    std::function<void(QWidget* parent)> hallOfFame;
};

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    // settings: edited, and saved as the screen closes; records: the
    // "Presidents after 1993" tick puts them in play; session and
    // questionFile: an export switched on; helpText: the help file's path.
    SetupDialog(SettingsStore& settings, Records& records, GameSession& session, QuestionFile& questionFile,
                Messages& messages, Clock& clock, const QString& helpText, SetupOpeners openers,
                QWidget* parent = nullptr);

    // Unloads the screen (saving its choices) however it is closed.
    void done(int result) override;

    int maxqlimit() const { return maxqlimit_; }
    int maxdiflimit() const { return maxdiflimit_; }

    QGroupBox* difficultyGroup;  // frameDiff
    QLabel* maxDifficultyLabel;  // Label6, "Maximum"
    QLineEdit* maxDifficultyBox; // tmaxdif
    UpDown* maxDifficultySpin;   // UpDown3
    QLabel* questionsLabel;      // Label4, "Questions per game"
    QLineEdit* questionsBox;     // nquestion
    UpDown* questionsSpin;       // UpDown1
    QCheckBox* soundBox;         // Check1, "Sound effects"
    QCheckBox* bonusBox;         // chkBonus, "Bonus questions": the categories beyond the list join the draw
    QCheckBox* laterBox;         // chkLater, "Presidents after 1993": the add-on's records join the draw
    QLabel* languageLabel;       // lblLanguage, "Language"
    QComboBox* languageBox;      // cmbLanguage: the system's language, English, Spanish or German
    QLabel* classLabel;          // lblClass, "Class code"
    QLineEdit* classBox;         // txtClass: the class code, upper case, or empty for no class
    QListWidget* categoryList;   // List1
    QPushButton* editButton;     // cmdEdit
    QPushButton* hofButton;      // cmdhof
    QPushButton* helpButton;     // cmdhelp
    QPushButton* onlineButton;   // cmdmakeq, "Make online questions"
    QPushButton* tabbedButton;   // cmdTabbed, "Make 50 tabbed questions"
    QPushButton* okButton;       // cmdOK

protected:
    // A language change shows at once, laid out anew.
    void changeEvent(QEvent* event) override;

private:
    struct NumberBox {
        QLineEdit* box = nullptr;
        int value = 0; // the last number the box held
    };
    void build();
    void retranslate();
    void layoutControls();
    void load();
    void unload();
    void changed(NumberBox& nb, int lower, int upper);
    void nquestionChanged();
    void tmaxdifChanged();
    void makeQuestions(ExportMode mode);
    void fitCategoryList();

    SettingsStore& store_;
    Records& records_;
    GameSession& session_;
    QuestionFile& questionFile_;
    Messages& messages_;
    Clock& clock_;
    QString helpText_;
    SetupOpeners openers_;
    int maxqlimit_ = 10;
    int maxdiflimit_ = 3;
    NumberBox nq_, max_;
    bool unloaded_ = false;
};

} // namespace brev
