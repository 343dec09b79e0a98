#pragma once
// Closes the window it watches, as Quit does, once the window has painted,
// and says "painted" on the output at that moment (the start-up benchmark
// times it). The game's --quit-after-start and the benchmark's bare window
// share it, so both stop at the same point.
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace brev {

class FirstPaintQuit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !closing_) {
            closing_ = true;
            // Once the whole window, its controls included, is painted.
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    bool closing_ = false;
};

} // namespace brev
