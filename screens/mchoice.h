#pragma once
// The multiple-choice screen: one question, five answer choices, exactly one
// of the first four right.
#include <QAbstractButton>
#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

struct AppContext;

// An option button whose caption wraps onto several lines. It answers only
// to a mouse-button press (any button): moving the selection with the
// keyboard checks it without raising mousePressed.
class ChoiceButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ChoiceButton(QWidget* parent = nullptr);
    void setBackground(const QColor& colour);
    QSize sizeHint() const override;

signals:
    void mousePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor background_;
};

class mchoice : public QDialog {
    Q_OBJECT
public:
    // Loads the question: draws its records, fills the choices and writes
    // the log and export lines.
    explicit mchoice(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the question modally unless loading gave it up.
    void ask();

    // Position of the right choice, 0..3.
    int answerSlot() const { return answerSlot_; }
    // Loading found too few records for the category: nothing was asked.
    bool abandoned() const { return abandoned_; }

    QFrame* Frame1;
    QLabel* Label1;
    ChoiceButton* choice[5];
    QPushButton* cmdhelp;
    QPushButton* Command1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void load();
    void exhausted();
    void choose(int i);
    void help();
    void sizeChanged();
    QString categoryName() const;

    AppContext& ctx_;
    int answerSlot_ = 0;
    bool abandoned_ = false;
    bool answered_ = false;
};

} // namespace brev
