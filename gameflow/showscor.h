#pragma once
// The score screen: the result of one question and the running score.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brev {

struct AppContext;

class showscor : public QDialog {
    Q_OBJECT
public:
    explicit showscor(AppContext& ctx, QWidget* parent = nullptr);

    // Label2 := "Current score: " score " of " possible "  (" percent "%)".
    void scoreCaption();

    QFrame* Frame1;
    QLabel* Label1;
    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QLabel* Label2;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void sizeChanged();
    AppContext& ctx_;
};

} // namespace brev
