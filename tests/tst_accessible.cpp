// What an assistive tool finds in every window: each control a player can
// reach by keyboard has a name, and every custom matching piece has an action.
#include "testsupport.h"

#include "store/records.h"

#include "app/mainwindow.h"
#include "editor/dataeditorwindow.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "screens/matchwidgets.h"
#include "screens/matchwindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/namemewindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/quotationwindow.h"
#include "screens/scorewindow.h"
#include "screens/sortwindow.h"
#include "setup/setupdialog.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

using namespace brev;
using test::Fixture;

namespace {

void walk(QAccessibleInterface* node, const QString& window, QStringList& faults, int depth = 0)
{
    if (!node || depth > 30)
        return;
    const QAccessible::State s = node->state();
    const QString id = window + QLatin1Char('/') +
                       (node->object() ? node->object()->objectName() : QString()) +
                       QStringLiteral(" (role %1)").arg(int(node->role()));
    if (s.focusable && !s.invisible && node->text(QAccessible::Name).trimmed().isEmpty())
        faults << id + QStringLiteral(": no name");
    const QObject* o = node->object();
    if ((qobject_cast<const NameBar*>(o) || qobject_cast<const DescriptionLabel*>(o) ||
         qobject_cast<const PortraitBox*>(o)) &&
        (!node->actionInterface() || node->actionInterface()->actionNames().isEmpty()))
        faults << id + QStringLiteral(": no action");
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), window, faults, depth + 1);
}

QStringList faultsOf(QWidget* w)
{
    w->show();
    QStringList faults;
    if (!QTest::qWaitForWindowExposed(w))
        return {w->objectName() + QStringLiteral(": never shown")};
    walk(QAccessible::queryAccessibleInterface(w), w->objectName(), faults);
    return faults;
}

const QStringList kOtherWindows{"setup", "showscor", "HOF", "NameEntry", "brevedit", "main"};

// One of kOtherWindows by its object name; the main window loaded.
std::unique_ptr<QWidget> otherWindow(Fixture& f, const QString& name)
{
    Program& p = *f.program;
    if (name == u"main") {
        f.write(QStringLiteral("brev.dat"), dataText(p.records));
        auto w = std::make_unique<brev::MainWindow>(p);
        return w->load() ? std::move(w) : nullptr;
    }
    if (name == u"setup")
        return std::make_unique<test::TestSetup>(p);
    if (name == u"showscor") {
        auto w = std::make_unique<ScoreWindow>(p.session);
        w->showRunningScore();
        return w;
    }
    if (name == u"HOF")
        return std::make_unique<test::TestHallOfFame>(p);
    if (name == u"NameEntry")
        return std::make_unique<test::TestNameEntry>(p, 1);
    return std::make_unique<test::TestEditor>(p);
}

// Sample records with a quotation each, so that every question screen can be built.
void loadQuotedRecords(Fixture& f)
{
    f.loadSampleRecords();
    for (int i = 1; i <= kRecords; ++i)
        f.program->records.presidents.edit(i).quotation = QStringLiteral("Quotation %1").arg(i);
    f.program->settings.settings.soundon = 0;
}

} // namespace

class TstAccessible : public QObject {
    Q_OBJECT
private slots:
    void everyFocusableNodeNamed();
    void namesFollowThePlay();
    void focusStartsFirstAndTabReads_data();
    void focusStartsFirstAndTabReads();
    void hallOfFameRowsReadInWords();
};

void TstAccessible::everyFocusableNodeNamed()
{
    QStringList faults;
    Fixture f;
    loadQuotedRecords(f);
    QList<Screen> seen;
    for (int category = 1; category < kCategories; ++category) {
        const Screen screen = screenFor(category);
        if (screen == Screen::None || seen.contains(screen))
            continue;
        const test::QuestionOnScreen shown = test::questionOnScreen(*f.program, category);
        if (!shown.window)
            continue;
        seen << screen;
        faults << faultsOf(shown.window.get());
    }
    QCOMPARE(seen.size(), 7);
    for (const QString& name : kOtherWindows) {
        const std::unique_ptr<QWidget> w = otherWindow(f, name);
        faults << (w ? faultsOf(w.get()) : QStringList{name + QStringLiteral(": not built")});
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TstAccessible::namesFollowThePlay()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    p.settings.settings.soundon = 0;
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    MultipleChoiceWindow choices(*question, f.parts());
    QCOMPARE(QAccessible::queryAccessibleInterface(choices.choices[2])->text(QAccessible::Name),
             QStringLiteral("Choice 3 of 5: ") + choices.choices[2]->text());

    for (int i = 1; i <= kRecords; ++i)
        p.records.presidents.edit(i).name = QStringLiteral("Al Bo");
    const auto name = f.question<NameMeModel>(21, nullptr, 1);
    QVERIFY(name);
    NameMeWindow w(*name, f.parts(), p.dir);
    QCOMPARE(w.nameLabel->accessibleName(), QStringLiteral("Hidden name: blank, blank, space, blank, blank"));
    QTest::keyClick(&w, Qt::Key_B);
    QCOMPARE(w.nameLabel->accessibleName(), QStringLiteral("Hidden name: blank, blank, space, B, blank"));
    QTest::keyClick(&w, Qt::Key_Z);
    QTest::keyClick(&w, Qt::Key_Q);
    QCOMPARE(w.lettersLabel->accessibleName(),
             QStringLiteral("Wrong letters: Z Q. 4 tries left")); // six tries at difficulty 1
    // The window itself has the focus and tells both.
    QCOMPARE(w.accessibleDescription(),
             w.nameLabel->accessibleName() + QStringLiteral(". ") + w.lettersLabel->accessibleName());
}

void TstAccessible::focusStartsFirstAndTabReads_data()
{
    QTest::addColumn<int>("category"); // a question window's; 0: the window named by the row
    QTest::addColumn<QString>("first");
    // Where Tab goes from the first control on, back to it; empty: not checked.
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("mchoice") << 1 << "choice0" << QStringList{};
    // From the top bar of the staircase down, then the descriptions.
    QTest::newRow("qmatch") << 4 << "Btn1_4" << QStringList{"Btn1_3",   "Btn1_2",   "Btn1_1",   "Btn1_0",
                                                            "Label2_0", "Label2_1", "Label2_2", "Label2_3",
                                                            "Label2_4", "cmdhelp",  "Command1", "Command2"};
    // A bar first, though the portraits above the bars come first in the reading.
    QTest::newRow("imatch") << 11 << "Btn1_0" << QStringList{};
    QTest::newRow("qsort") << 12 << "List1" << QStringList{};
    QTest::newRow("qoddout") << 20 << "Option1_0" << QStringList{};
    QTest::newRow("NameMe") << 21 << "NameMe" << QStringList{};
    QTest::newRow("quote") << 29 << "choice0" << QStringList{"cmdhelp", "Command1", "Text1"};
    // The setup screen reads its left column, the list on the right, then the buttons' row.
    const QStringList setupTabs{"nquestion", "Check1",   "cmbLanguage", "txtClass", "cmdmakeq",
                                "cmdTabbed", "List1",    "cmdEdit",     "cmdhof",   "cmdhelp",
                                "cmdOK",     "chkBonus", "chkLater"};
    const QString firsts[] = {"tmaxdif", "Command1", "cmdOK", "Name1", "cmbitem", "playButton"};
    for (int i = 0; i < kOtherWindows.size(); ++i)
        QTest::newRow(qPrintable(kOtherWindows[i])) << 0 << firsts[i] << (i == 0 ? setupTabs : QStringList{});
}

void TstAccessible::focusStartsFirstAndTabReads()
{
    QFETCH(int, category);
    QFETCH(QString, first);
    QFETCH(QStringList, tabs);
    Fixture f;
    loadQuotedRecords(f);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    test::QuestionOnScreen shown;
    std::unique_ptr<QWidget> other;
    if (category)
        shown = test::questionOnScreen(*f.program, category);
    else
        other = otherWindow(f, tag);
    QWidget* const w = category ? shown.window.get() : other.get();
    QVERIFY(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), first);
    QStringList visited;
    for (int step = 0; !tabs.isEmpty() && step <= tabs.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, tabs.isEmpty() ? tabs : tabs + QStringList{first});
}

void TstAccessible::hallOfFameRowsReadInWords()
{
    Fixture f;
    HallOfFame& hof = f.program->hof;
    hof.entries[1] = {850, "brev    ", 95, QStringLiteral("3  Ada Lovelace"), QStringLiteral("12/7/2026"), 0};
    hof.entries[2] = {400, "brev    ", 60, QStringLiteral("1  Bo"), QStringLiteral("1/2/2026"), 0};
    hof.count = 2;
    test::TestHallOfFame w(*f.program);
    QCOMPARE(w.list->accessibleDescription(),
             QStringLiteral("1. Ada Lovelace, difficulty 3, score 850, 95 percent, 12/7/2026\n"
                            "2. Bo, difficulty 1, score 400, 60 percent, 1/2/2026"));
}

QTEST_MAIN(TstAccessible)
#include "tst_accessible.moc"
