#pragma once
// The name entry: a score has made the hall of fame; the player types a name
// and an e-mail address and keeps the entry local or also sends it online.
// However it closes, the typed name and address become playername and
// playeremail; only "Website HOF entry" asks for the online submission.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brev {

struct AppContext;

class NameEntryDialog : public QDialog {
    Q_OBJECT
public:
    // place: the rank the score took in the list, 1..30.
    NameEntryDialog(AppContext& ctx, int place, QWidget* parent = nullptr);

    void done(int result) override;
    // "Website HOF entry" closed the window.
    bool online() const { return online_; }

    QLabel* Label1;       // the prompt with the place taken
    QLineEdit* Name1;     // the player's name, at most 20 characters
    QPushButton* OK;      // "Local HOF only"
    QLabel* Label2;       // "  Please enter email address:"
    QLineEdit* email;     // at most 30 characters
    QPushButton* Command1;  // "Website HOF entry"

private:
    void build();
    void load();

    AppContext& ctx_;
    int place_;
    bool unloaded_ = false;
    bool online_ = false;
};

} // namespace brev
