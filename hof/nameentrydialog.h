#pragma once
// The name entry: a score has made the hall of fame; the player types a name
// and an e-mail address and keeps the entry local or also sends it online.
// However it closes, the typed name and address become playername and
// playeremail; only "Website HOF entry" asks for the online submission.
// Enter in the name box presses "Local HOF only", the default button.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brev {

class Sounds;
struct Settings;

class NameEntryDialog : public QDialog {
    Q_OBJECT
public:
    // settings: the player's name and address, shown and kept; sounds: the
    // fanfare as it opens; place: the rank the score took in the list, 1..30.
    NameEntryDialog(Settings& settings, Sounds& sounds, int place, QWidget* parent = nullptr);

    void done(int result) override;
    // "Website HOF entry" closed the window.
    bool online() const { return online_; }

    QLabel* prompt;             // Label1, with the place taken
    QLineEdit* nameBox;         // Name1, at most 20 characters
    QPushButton* localButton;   // OK, "Local HOF only"
    QLabel* emailPrompt;        // Label2, "  Please enter email address:"
    QLineEdit* emailBox;        // email, at most 30 characters
    QPushButton* websiteButton; // Command1, "Website HOF entry"

private:
    void build();
    void load();

    Settings& settings_;
    Sounds& sounds_;
    int place_;
    bool unloaded_ = false;
    bool online_ = false;
};

} // namespace brev
