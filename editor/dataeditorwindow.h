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

struct AppContext;

class DataEditorWindow : public QDialog {
    Q_OBJECT
public:
    explicit DataEditorWindow(AppContext& ctx, QWidget* parent = nullptr);

    RecordBrowser& browser() { return browser_; }

    QComboBox* cmbitem;      // the records' names
    QPushButton* cmdNext;    // "Next"
    QPushButton* cmdPrev;    // "Previous"
    QPushButton* Command1;   // "ok"
    QGroupBox* Frame2;       // "Difficulty"
    QLineEdit* dif;          // the record's difficulty
    QLabel* lBirth;
    QLabel* lBirthplace;
    QLabel* lhome;
    QLabel* lterm;
    QLabel* lwife;
    QLabel* lSecST;
    QLabel* lSecWar;
    QLabel* lAttnGen;
    QLabel* lVice;
    QLabel* Label2;        // "More info"
    QPushButton* cmdURL;   // the record's link
    QLabel* Label1;        // "image "
    QLineEdit* txtImage;   // the portrait's file name
    QLabel* Image1;        // the portrait

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void fillform();
    void filllist();
    void showDif(const QString& text);

    AppContext& ctx_;
    RecordBrowser browser_;
    bool shown_ = false;
};

// Shows the data editor modally and returns once it has closed.
void editdata(AppContext& ctx, QWidget* parent);

} // namespace brev
