#pragma once
// The sorting screen: five items in the order they were drawn; a click on a
// line pushes that item up one place, "Done" judges the order. From the
// keyboard the arrow keys move the selection and Space or Enter pushes the
// selected item up. The screen has no way to skip its question.
#include "models/sortmodel.h"
#include "screens/questionwindow.h"

#include <QListWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

// The list of items. A left-button press on a line reports that line and
// selects nothing; the arrow keys move the selection as usual and Space,
// Enter or Return report the current line. The current line carries a
// dotted focus mark while the list has the focus.
class SortList : public QListWidget {
    Q_OBJECT
public:
    explicit SortList(QWidget* parent = nullptr);
    // The height that all lines take, each wrapped at the list's width.
    int linesHeight() const;

signals:
    void lineClicked(int line);
    void pushRequested(int line);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class SortWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question and fills the list.
    SortWindow(SortModel& model, const WindowParts& parts, QWidget* parent = nullptr);

    const SortModel& model() const { return model_; }
    // Refills the list from the current order; the selection is cleared.
    void refillList();

    QFrame* frame;           // Frame1
    QLabel* headingLabel;    // Label1, what to sort by
    SortList* itemList;      // List1, the five items
    QLabel* hintLabel;       // Label2, "Click to push an item up one slot"
    QPushButton* helpButton; // Command2, "Help"
    QPushButton* doneButton; // Command1, "Done"

public slots:
    // Escape and the close box leave the question open: only "Done" ends it.
    void reject() override;

protected:
    void layoutControls() override;

private:
    // Draws the lines as large as they fit the list, at most at the design's size.
    void fitList();
    void clickLine(int line);
    void pushLine(int line);
    void judgeOrder();

    SortModel& model_;
};

} // namespace brev
