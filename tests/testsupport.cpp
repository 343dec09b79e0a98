#include "testsupport.h"

#include "game/questionkinds.h"
#include "screens/questionwindows.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QTest>

#include <algorithm>
#include <QFile>
#include <QTimer>
#include <QTimerEvent>

#include <sys/inotify.h>
#include <unistd.h>

namespace brev::test {

double TestRandom::uniform()
{
    ++calls;
    if (!script.empty()) {
        const double v = script.front();
        script.pop_front();
        return v;
    }
    return unitFromBits(gen_());
}

void TestMessages::ok(const QString& text)
{
    texts << text;
    if (onMessage)
        onMessage(text);
}

bool TestMessages::yesNo(const QString& text)
{
    texts << text;
    if (onMessage)
        onMessage(text);
    if (answers.empty())
        return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

bool TestSound::play(const QString& file)
{
    played << file;
    return result;
}

bool TestShell::openUrl(const QString& address)
{
    urls << address;
    return result;
}

int ChosenDraw::pick(int, Chosen& chosen, int slot, PickRule, const std::function<bool(int)>&)
{
    const int record = slot >= 0 && slot < records_.size() ? records_[slot] : 0;
    if (slot >= 0 && slot < int(chosen.size()) && record > 0) {
        chosen[size_t(slot)] = record;
        // The counters move as the program's draw moves them.
        if (record < int(usage().size()))
            usage()[size_t(record)] = std::min(32767, usage()[size_t(record)] + (slot == 0 ? 10 : 1));
    }
    return record;
}

double ChosenDraw::uniform()
{
    return numbers_.isEmpty() ? 0.0 : numbers_.takeFirst();
}

void TestLink::post(const QUrl& url, const QByteArray& json, Done done)
{
    answer({"POST", url.toString(), json}, done);
}

void TestLink::get(const QUrl& url, Done done)
{
    answer({"GET", url.toString(), {}}, done);
}

void TestLink::answer(Request request, const Done& done)
{
    requests << std::move(request);
    LinkReply reply{0, {}, QStringLiteral("Connection refused")};
    if (!replies.empty()) {
        reply = replies.front();
        replies.pop_front();
    }
    done(reply);
}

Fixture::Fixture(quint64 seed, const QString& dir)
{
    auto r = std::make_unique<TestRandom>(seed);
    auto m = std::make_unique<TestMessages>();
    auto s = std::make_unique<TestSound>();
    auto sh = std::make_unique<TestShell>();
    auto c = std::make_unique<TestClock>();
    auto l = std::make_unique<TestLink>();
    link = l.get();
    random = r.get();
    messages = m.get();
    sound = s.get();
    shell = sh.get();
    clock = c.get();
    Seams seams{std::move(r), std::move(m), std::move(s), std::move(sh), std::move(c), std::move(l)};
    program = std::make_unique<Program>(dir.isEmpty() ? tmp.path() : dir, std::move(seams));
}

void Fixture::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray Fixture::read(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Fixture::logLines() const
{
    QStringList lines =
        QString::fromLatin1(read(QStringLiteral("brevquiz.log"))).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void drag(QWidget* bar, QWidget* target)
{
    const QPoint from = bar->mapToGlobal(bar->rect().center());
    const QPoint to = target->mapToGlobal(target->rect().center());
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->rect().center());
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(bar, bar->mapFromGlobal(from + (to - from) * i / 4));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFromGlobal(to));
}

void fillHallOfFame(HallOfFame& hof)
{
    for (int i = 1; i <= kHofPlaces; ++i)
        hof.entries[size_t(i)].score = 1000;
    hof.count = kHofPlaces;
}

FileWrites::FileWrites(const QString& dir, const QString& name)
    : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(name.toLocal8Bit())
{
    if (fd_ >= 0)
        inotify_add_watch(fd_, QFile::encodeName(dir).constData(), IN_CREATE | IN_MOVED_TO);
}

FileWrites::~FileWrites()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int FileWrites::count()
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = fd_ >= 0 ? ::read(fd_, buffer, sizeof buffer) : -1;
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && name_ == event->name)
                ++count_;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return count_;
}

President sampleRecord(int i)
{
    President p;
    const QString n = QString::number(i);
    p.name = QStringLiteral("President ") + n;
    p.image = portraitName(i);
    p.termKey = 1788 + 4 * i;
    p.term = QStringLiteral("%1-%2").arg(p.termKey).arg(p.termKey + 4);
    p.birthKey = 1730 + 3 * i;
    p.birth = QStringLiteral("May %1, %2").arg(i % 28 + 1).arg(p.birthKey);
    p.vice = QStringLiteral("Vice ") + n;
    p.birthplace = QStringLiteral("Town %1, State").arg(i);
    p.home = QStringLiteral("Home ") + n;
    p.endKind = i % 5;
    p.wife = QStringLiteral("Lady ") + n;
    p.party = i % 2 ? QStringLiteral("Whig") : QStringLiteral("Democratic");
    p.opponent = QStringLiteral("Rival ") + n;
    p.secState = QStringLiteral("State ") + n;
    p.secWar = QStringLiteral("War ") + n;
    p.attnGen = QStringLiteral("Law ") + n;
    p.court = QStringLiteral("Justice ") + n;
    p.link = QStringLiteral("President_") + n;
    p.dif = i % 3 + 1;
    return p;
}

void Fixture::loadSampleRecords()
{
    Records& records = program->records;
    std::vector<President> table(kRecords + 2);
    for (int i = 1; i <= kRecords; ++i)
        table[size_t(i)] = sampleRecord(i);
    records.presidents = RecordTable(std::move(table));
    records.baseRecords = kRecords;
    records.linkbase = QStringLiteral("https://example.org/wiki/");
    records.setLaterPresidents(true);
    program->session.resetUsage(kRecords);
}

ModalDriver::ModalDriver()
{
    startTimer(5);
}

bool ModalDriver::seen(const QWidget* w) const
{
    return std::any_of(seen_.begin(), seen_.end(), [w](const QPointer<QWidget>& p) { return p == w; });
}

void ModalDriver::closeModalWindows()
{
    // Innermost first; each close lets the window's own event loop return.
    for (int guard = 0; guard < 32; ++guard) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->hide();
    }
}

void ModalDriver::timerEvent(QTimerEvent*)
{
    if (failed_ || QTest::currentTestFailed()) {
        failed_ = true;
        closeModalWindows();
        return;
    }
    if (steps_.empty())
        return;
    QWidget* active = QApplication::activeModalWidget();
    // Each window gets one step: a window already handled that shows up again
    // (the question window under its closing score screen) is passed over.
    if (!active || !active->isVisible() || seen(active))
        return;
    seen_.append(active);
    Step step = std::move(steps_.front());
    steps_.pop_front();
    ++handled_;
    // Run it from a fresh event so that a modal window it opens does not hold
    // up this timer. A window that closed before then gives the step back.
    QTimer::singleShot(0, this, [this, step = std::move(step), w = QPointer<QWidget>(active)] {
        if (!w || !w->isVisible() || QApplication::activeModalWidget() != w) {
            steps_.push_front(step);
            --handled_;
            return;
        }
        step(w);
        if (QTest::currentTestFailed()) {
            failed_ = true;
            closeModalWindows();
        }
    });
}

QuestionOnScreen questionOnScreen(Program& p, int category)
{
    QuestionOnScreen shown;
    shown.question = makeQuestion(screenFor(category), p.draw, category, p.settings.settings.maxdif);
    if (shown.question && shown.question->load())
        shown.window = makeWindow(*shown.question, p.windowParts(), p.dir, nullptr);
    return shown;
}

} // namespace brev::test
