#pragma once
// The player's progress: every president of the current set as a portrait
// with his mastery mark (in words too, for tooltips and screen readers), the
// accuracy per kind of question, and a chart of the final scores over time.
// "Practice" closes the window with PracticeChosen: the caller starts a
// practice game. With a class code, the class's practice set is named.
#include "store/progress.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace brev {

class ProgressStore;

// The final scores of the player's games as percentages, oldest on the left;
// practice games drawn hollow.
class ScoreChart : public QWidget {
    Q_OBJECT
public:
    explicit ScoreChart(QWidget* parent = nullptr);
    void setResults(const QList<GameResult>& results);
    // The chart in words: how many games, the latest and the best.
    QString summary() const;
    // The games the chart draws: the latest that fit its width, one at
    // least every few pixels, so a long history stays a readable line.
    QList<GameResult> drawnResults() const;
    // A percentage on the axis: "50%", or as the language shown writes it.
    static QString axisLabel(int percent);
    QSize sizeHint() const override { return {360, 200}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    QList<GameResult> results_;
};

// The class's practice set in words, for the Progress window: "Class
// practice: Washington to Madison" for consecutive records, else a list
// ("Lincoln, Grant to Garfield, Wilson"), the longer part of a long one
// counted ("and 12 more"). Presidents by surname, by name where two share
// it. Empty for an empty set.
QString classPracticeText(const QList<int>& classSet, const QList<PresidentEntry>& presidents);

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum Result { Closed = QDialog::Rejected, PracticeChosen = QDialog::Accepted };
    // set: the presidents in play, term order; portraits: their picture
    // files, in the same order; classPractice: the class's practice set in
    // words (none when empty).
    ProgressWindow(ProgressStore& store, const QString& player, const QList<PresidentEntry>& set,
                   const QStringList& portraits, QWidget* parent = nullptr,
                   const QString& classPractice = QString());

    QLabel* playerLabel;
    QLabel* classLabel;
    QListWidget* presidentGrid;
    QTableWidget* categoryTable;
    ScoreChart* chart;
    QLabel* problemLabel;
    QPushButton* practiceButton;
    QPushButton* closeButton;
};

} // namespace brev
