#pragma once
// After a game: its questions in order, each with the player's answer, the
// right answer and the points, marked right, partly right, wrong or skipped
// in words and colour. The list is one read-only text a screen reader reads
// line by line, its description how many went each way; "Copy" puts it on
// the clipboard as plain text.
#include "game/gameloop.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace brev {

class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReviewWindow(const QList<ReviewEntry>& entries, QWidget* parent = nullptr);

    QTextBrowser* list;
    QPushButton* copyButton;
    QPushButton* closeButton;

    // The list as HTML, each question with its mark.
    static QString html(const QList<ReviewEntry>& entries);

private:
    QList<ReviewEntry> entries_;
};

} // namespace brev
