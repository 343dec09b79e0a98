#pragma once
// The setup screen: questions per game, maximum difficulty, the categories
// that may come up and sound; every close writes the settings file.
#include "game/questionexport.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace brev {

struct AppContext;

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

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit SetupDialog(AppContext& ctx, QWidget* parent = nullptr);

    // Unloads the screen (saving its choices) however it is closed.
    void done(int result) override;

    int maxqlimit() const { return maxqlimit_; }
    int maxdiflimit() const { return maxdiflimit_; }

    QGroupBox* frameDiff;
    QLabel* Label6;
    QLineEdit* tmaxdif;
    UpDown* UpDown3;
    QLabel* Label4;
    QLineEdit* nquestion;
    UpDown* UpDown1;
    QCheckBox* Check1;
    QCheckBox* chkBonus;         // "Bonus questions": the categories beyond the list join the draw
    QCheckBox* chkLater;         // "Presidents after 1993": the add-on's records join the draw
    QListWidget* List1;
    QPushButton* cmdEdit;
    QPushButton* cmdhof;
    QPushButton* cmdhelp;
    QPushButton* cmdmakeq;
    QPushButton* cmdTabbed;
    QPushButton* cmdOK;

private:
    struct NumberBox {
        QLineEdit* box = nullptr;
        int value = 0;     // the last number the box held
    };
    void build();
    void load();
    void unload();
    void changed(NumberBox& nb, int lower, int upper);
    void nquestionChanged();
    void tmaxdifChanged();
    void makeQuestions(ExportMode mode);

    AppContext& ctx_;
    int maxqlimit_ = 10;
    int maxdiflimit_ = 3;
    NumberBox nq_, max_;
    bool unloaded_ = false;
};

} // namespace brev
