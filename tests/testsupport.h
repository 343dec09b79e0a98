#pragma once
// Test doubles for the seams, a program in a temporary directory, questions
// on records chosen by the test, and a driver that answers modal windows as
// they appear.
#include "app/program.h"
#include "base/seededrandom.h"
#include "game/gameloop.h"
#include "models/questionmodel.h"
#include "rules/texts.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QObject>
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
    std::deque<bool> answers;                      // yes/no answers, "yes" when empty
    std::function<void(const QString&)> onMessage; // runs while the "box" is open
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

// A scripted class link: answers each request at once with the next of
// `replies` (no answer, status 0, once they run out), and keeps the requests.
class TestLink : public ClassLink {
public:
    struct Request {
        QByteArray method;
        QString url;
        QByteArray body;
    };
    void post(const QUrl& url, const QByteArray& json, Done done) override;
    void get(const QUrl& url, Done done) override;
    std::deque<LinkReply> replies;
    QList<Request> requests;

private:
    void answer(Request request, const Done& done);
};

// A draw that places the records a test chose, slot by slot (moving their
// usage counters as the program's draw does), and answers a question's
// shuffles with the numbers given (0 when they run out: no swap, the
// multiple-choice answer in the first place).
class ChosenDraw : public ItemDraw {
public:
    ChosenDraw(Program& program, QList<int> records, QList<double> numbers = {})
        : ItemDraw(program.records, program.session.itemUse, program.random), records_(std::move(records)),
          numbers_(std::move(numbers))
    {}
    int pick(int category, Chosen& chosen, int slot, PickRule rule,
             const std::function<bool(int)>& suits) override;
    double uniform() override;

private:
    QList<int> records_;
    QList<double> numbers_;
};

// A program whose directory is a fresh temporary directory, with the test
// seams installed.
struct Fixture {
    // dir: the program directory; a fresh temporary one when empty.
    explicit Fixture(quint64 seed = 1, const QString& dir = QString());
    QTemporaryDir tmp;
    TestRandom* random;
    TestMessages* messages;
    TestSound* sound;
    TestShell* shell;
    TestClock* clock;
    TestLink* link;
    std::unique_ptr<Program> program;

    QString path(const QString& name) const { return program->path(name); }
    // The lines of "brevquiz.log", without the empty one after the last line break.
    QStringList logLines() const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // 41 made-up records (distinct texts in every field) in the table, with
    // counters at 0; all in play.
    void loadSampleRecords();
    WindowParts parts() { return program->windowParts(); }
    // A question of `category` on the model of type Model, loaded through
    // `draw` (the program's own draw when null).
    template <class Model, class... Args>
    std::unique_ptr<Model> question(int category, ItemDraw* draw = nullptr, Args... args)
    {
        auto q = std::make_unique<Model>(draw ? *draw : program->draw, category, args...);
        return q->load() ? std::move(q) : nullptr;
    }
    // The game over the program's objects.
    Game game()
    {
        return Game(program->settings, program->session, program->log, program->questionFile, program->draw,
                    &program->sounds);
    }
};

// A mouse drag: press on the bar, move in steps, release over the target.
// The bar holds the mouse from its press on, as a real drag's would.
void drag(QWidget* bar, QWidget* target);

// A full hall of fame that no test game can enter, so that a game ends with
// its final message and opens no hall-of-fame window.
void fillHallOfFame(HallOfFame& hof);

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

// The program's windows built over a fixture's program, as the game builds them.
#include "app/gameui.h"
#include "screens/questionwindow.h"
#include "editor/dataeditorwindow.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "setup/setupdialog.h"

namespace brev::test {

struct TestSetup : SetupDialog {
    explicit TestSetup(Program& p, QWidget* parent = nullptr)
        : SetupDialog(p.settings, p.records, p.session, p.questionFile, p.messages, p.clock,
                      p.path(QString::fromLatin1(kHelpFile)), setupOpeners(p), parent)
    {}
};

struct TestHallOfFame : HallOfFameWindow {
    explicit TestHallOfFame(Program& p, QWidget* parent = nullptr)
        : HallOfFameWindow(p.hof, p.messages, p.shell, p.settings.hofBaseUrl(), parent)
    {}
};

struct TestNameEntry : NameEntryDialog {
    TestNameEntry(Program& p, int place, QWidget* parent = nullptr)
        : NameEntryDialog(p.settings.settings, p.sounds, place, parent)
    {}
};

struct TestEditor : DataEditorWindow {
    explicit TestEditor(Program& p, QWidget* parent = nullptr)
        : DataEditorWindow(p.records, p.dir, p.messages, p.shell, parent)
    {}
};

} // namespace brev::test

namespace brev::test {

// A question of a category, loaded, and its window as the game builds it;
// no window when the records cannot fill the question.
struct QuestionOnScreen {
    std::unique_ptr<QuestionModel> question;
    std::unique_ptr<QuestionWindow> window;
};
QuestionOnScreen questionOnScreen(Program& p, int category);

// Asks a loaded question as a game does: its load lines, then its window
// and score screen (answered by a ModalDriver), its turn applied.
inline Asked askInWindow(Program& p, QuestionModel& question)
{
    WindowGameUi ui(p);
    const Asked asked = Game(p.settings, p.session, p.log, p.questionFile, p.draw, &p.sounds)
                            .present(ui, question, {1, 1})
                            .asked;
    p.log.flush();
    return asked;
}

// In a ModalDriver step: the window w as Type, or the step fails (closing w).
#define EXPECT_WINDOW(Type, var, w)                                                                          \
    auto* var = qobject_cast<Type*>(w);                                                                      \
    if (!var) {                                                                                              \
        w->close();                                                                                          \
        QFAIL("expected the " #Type " window, got " + w->objectName().toLatin1());                           \
    }

} // namespace brev::test
