// The yardstick of the start-up benchmark: a bare Qt widget window the size of
// the game's main window (with --label, holding one line of text, so that it
// sets up fonts as any window with text must) that quits once it has painted,
// as the game does with --quit-after-start, and says "painted" on its output
// at that moment.
#include "app/firstpaintquit.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(360, 420);
    if (argc > 1 && QByteArray(argv[1]) == "--label")
        (new QLabel(QStringLiteral("Bare window"), &window))->move(20, 20);
    brev::FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
