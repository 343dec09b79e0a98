#pragma once
// The data editor "Edit": pages through the president records with their
// facts, portrait and link, and changes a record's difficulty. "ok" saves
// changed difficulties to "brev.dat"; the close box keeps them in memory only.
#include "models/recordbrowser.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brev {

class Messages;
class Records;
class Shell;

class DataEditorWindow : public QDialog {
    Q_OBJECT
public:
    // records: the table whose difficulties it changes; dir: the program
    // directory (portraits, data files); messages: problems; shell: the links.
    DataEditorWindow(Records& records, const QString& dir, Messages& messages, Shell& shell,
                     QWidget* parent = nullptr);

    RecordBrowser& browser() { return browser_; }

    QComboBox* recordList;       // cmbitem, the records' names
    QPushButton* nextButton;     // cmdNext, "Next"
    QPushButton* previousButton; // cmdPrev, "Previous"
    QPushButton* okButton;       // Command1, "ok"
    QGroupBox* difficultyGroup;  // Frame2, "Difficulty"
    QLineEdit* difficultyBox;    // dif
    // The nine facts, in the order shown (lBirth, lBirthplace, lhome, lterm,
    // lwife, lSecST, lSecWar, lAttnGen, lVice).
    enum Fact {
        Birth,
        Birthplace,
        Home,
        Term,
        Wife,
        SecretariesOfState,
        SecretariesOfWar,
        AttorneysGeneral,
        Vice
    };
    QLabel* facts[9];
    QLabel* linkLabel;       // Label2, "More info"
    QPushButton* linkButton; // cmdURL, the record's link
    QLabel* imageLabel;      // Label1, "image "
    QLineEdit* imageBox;     // txtImage, the portrait's file name
    QLabel* portrait;        // Image1

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void fitFacts();
    void fitRowLabel(QLabel* label, QWidget* field);
    void fillform();
    void filllist();
    void showDif(const QString& text);

    Messages& messages_;
    Shell& shell_;
    RecordBrowser browser_;
    bool shown_ = false;
};

} // namespace brev
