// The yardstick of the start-up benchmark: a bare Qt widget window the size of
// the game's main window that quits once it has painted, as the game does
// with --quit-after-start.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintQuit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !closing_) {
            closing_ = true;
            QTimer::singleShot(0, static_cast<QWidget*>(watched), &QWidget::close);
        }
        return false;
    }

private:
    bool closing_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(360, 420);
    FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
