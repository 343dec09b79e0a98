#pragma once
// The hall of fame window: the list in fixed-pitch columns, Clear, the online
// list and OK. The list is built from memory each time the window opens.
#include "store/hoflist.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace brev {

struct AppContext;

class HallOfFameWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the list; shown with an empty list, it says "Hof was recently
    // cleared" first.
    explicit HallOfFameWindow(AppContext& ctx, QWidget* parent = nullptr);

    QPlainTextEdit* Text1;   // the list
    QPushButton* cmdClear;   // "Clear"
    QPushButton* cmdOnline;  // "Online HOF"
    QPushButton* cmdOK;      // "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void load();
    void clearClicked();

    AppContext& ctx_;
    bool shown_ = false;
};

// The name entry and the list as modal windows, for entering a score.
class HofDialogs : public HofWindows {
public:
    HofDialogs(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}
    bool nameEntry(int place) override;
    void showList() override;
    void tell(const QString& text) override;

private:
    AppContext& ctx_;
    QWidget* parent_;
};

} // namespace brev
