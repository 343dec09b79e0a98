#pragma once
// The main window: start-up, and the Play, Setup, About and Quit buttons.
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace Ui {
class MainWindow;
} // namespace Ui

namespace brev {

class Program;

// The application-wide name and version. No display name is set: the
// platform would append it to every window's caption.
void setupApplication();
// The icon of every window of the game; the main window sets it once it has
// painted.
void setApplicationIcon();

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up sequence and builds the controls. False when the
    // game cannot start (the player has been told why); the program then ends.
    bool load();

    std::unique_ptr<Ui::MainWindow> ui;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void play();
    // A message from the class reports: shown at once on the main window,
    // or, while a game or another window is open, once it has closed.
    void notice(const QString& text);
    void showNotices();
    void openSetup();
    void openProgress();
    void about();
    void stackAboutTexts();
    void layoutControls();
    void fitButtons();
    void buildControls();
    void setDesignFonts();
    bool showBackground(const QImage& image);

    Program& program_;
    QPixmap background_;
    bool painted_ = false;
    bool busy_ = false; // a game or a window of the main window is open
    QStringList notices_;
};

} // namespace brev
