#pragma once
// The hall of fame window: the list in fixed-pitch columns, Clear, the online
// list and OK. The list is built from memory each time the window opens.
#include "store/hoflist.h"

#include <QDialog>
#include <QUrl>

class QPlainTextEdit;
class QPushButton;

namespace brev {

class Messages;
class Shell;
class Sounds;
struct Settings;

class HallOfFameWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the list; shown with an empty list, it says "Hof was recently
    // cleared" first. messages: the questions and problems; shell and
    // baseUrl: the online list's browser and address.
    HallOfFameWindow(HallOfFame& hof, Messages& messages, Shell& shell, const QUrl& baseUrl,
                     QWidget* parent = nullptr);

    QPlainTextEdit* list;      // Text1
    QPushButton* clearButton;  // cmdClear, "Clear"
    QPushButton* onlineButton; // cmdOnline, "Online HOF"
    QPushButton* okButton;     // cmdOK, "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void fitButtons();
    void load();
    void clearClicked();

    HallOfFame& hof_;
    Messages& messages_;
    Shell& shell_;
    QUrl baseUrl_;
    bool shown_ = false;
};

// The name entry and the list as modal windows, for entering a score.
class HofDialogs : public HofWindows {
public:
    // settings: the player's name and address the name entry starts from and
    // keeps; sounds: the name entry's fanfare.
    HofDialogs(HallOfFame& hof, Settings& settings, Sounds& sounds, Messages& messages, Shell& shell,
               const QUrl& baseUrl, QWidget* parent)
        : hof_(hof), settings_(settings), sounds_(sounds), messages_(messages), shell_(shell),
          baseUrl_(baseUrl), parent_(parent)
    {}
    NameChoice nameEntry(int place) override;
    void showList() override;
    void tell(const QString& text) override;
    Problem open(const QUrl& address) override;

private:
    HallOfFame& hof_;
    Settings& settings_;
    Sounds& sounds_;
    Messages& messages_;
    Shell& shell_;
    QUrl baseUrl_;
    QWidget* parent_;
};

} // namespace brev
