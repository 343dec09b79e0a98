#pragma once
// Test doubles for the seams, a fresh context in a temporary directory, and a
// driver that answers modal windows as they appear.
#include "game/gameloop.h"
#include "store/settingsfile.h"
#include "store/pickitems.h"
#include "store/texts.h"
#include "store/context.h"

#include <QByteArray>
#include <QDir>
#include <QObject>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace brev::test {

// Seeded generator; values pushed onto `script` are returned first.
class TestRandom : public RandomSource {
public:
    explicit TestRandom(quint64 seed) : gen_(seed) {}
    double uniform() override;
    std::deque<double> script;
    int calls = 0;

private:
    std::mt19937_64 gen_;
};

class TestMessages : public Messages {
public:
    void ok(const QString& text) override;
    bool yesNo(const QString& text) override;
    QStringList texts;
    std::deque<bool> answers;                       // yes/no answers, "yes" when empty
    std::function<void(const QString&)> onMessage;  // runs while the "box" is open
};

class TestSound : public SoundPlayer {
public:
    bool play(const QString& file) override;
    QStringList played;
    bool result = true;
};

class TestShell : public Shell {
public:
    bool openUrl(const QString& address) override;
    QStringList urls;
    bool result = true;
};

class TestClock : public Clock {
public:
    QDate today() override { return date; }
    QDate date{2026, 12, 7};
};

// A context whose program directory is a fresh temporary directory, with the
// test seams installed and the category table filled.
struct Fixture {
    explicit Fixture(quint64 seed = 1);
    QTemporaryDir tmp;
    std::unique_ptr<AppContext> ctx;
    TestRandom* random;
    TestMessages* messages;
    TestSound* sound;
    TestShell* shell;
    TestClock* clock;

    QString path(const QString& name) const { return ctx->path(name); }
    // The lines of "brevquiz.log", without the empty one after the last line break.
    QStringList logLines() const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // 41 made-up records (distinct texts in every field) in the table, with
    // counters at 0; nrecords 41.
    void loadSampleRecords();
};

// A mouse drag: press on the bar, move in steps, release over the target.
// The bar holds the mouse from its press on, as a real drag's would.
void drag(QWidget* bar, QWidget* target);

// A full hall of fame that no test game can enter, so that a game ends with
// its final message and opens no hall-of-fame window.
void fillHallOfFame(AppContext& ctx);

// Counts how often a file of a directory is written whole through QSaveFile
// (created, or renamed into place) from construction on.
class FileWrites {
public:
    FileWrites(const QString& dir, const QString& name);
    ~FileWrites();
    FileWrites(const FileWrites&) = delete;
    FileWrites& operator=(const FileWrites&) = delete;
    // The writes seen so far.
    int count();

private:
    int fd_ = -1;
    QByteArray name_;
    int count_ = 0;
};

// A made-up but complete record i (1..41).
President sampleRecord(int i);

// Answers modal windows one after another: each step runs once a modal window
// it has not handled before is active, and gets that window. When a check in a
// step fails, the driver closes every modal window, then and from then on, so
// that the test ends at once with its failure instead of waiting on a window.
class ModalDriver : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    ModalDriver();
    void then(Step step) { steps_.push_back(std::move(step)); }
    bool done() const { return steps_.empty(); }
    int handled() const { return handled_; }

protected:
    void timerEvent(QTimerEvent*) override;

private:
    bool seen(const QWidget* w) const;
    static void closeModalWindows();

    std::deque<Step> steps_;
    bool failed_ = false;
    QList<QPointer<QWidget>> seen_;
    int handled_ = 0;
};

// A reader's or writer's problem as the list of messages a window would show.
inline QStringList told(const Problem& problem)
{
    return problem ? QStringList{*problem} : QStringList{};
}

} // namespace brev::test
