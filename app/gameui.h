#pragma once
// The game loop's windows: the question screens, the setup screen and the
// hall of fame entry.
#include "game/gameloop.h"

class QWidget;

namespace brev {

struct AppContext;

class WindowGameUi : public GameUi {
public:
    explicit WindowGameUi(AppContext& ctx, QWidget* parent = nullptr);
    Asked openScreen(Screen screen) override;
    void showSetup() override;
    void enterHof(int adjusted, const QString& game, int percent, int extra) override;
    void tell(const QString& text) override;

private:
    Asked openWindow(Screen screen);
    AppContext& ctx_;
    QWidget* parent_;
};

} // namespace brev
