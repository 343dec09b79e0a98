// What an assistive tool finds in every window: each control a player can
// reach by keyboard has a name, and every custom matching piece has an action.
#include "testsupport.h"

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
    const QString id = window + QLatin1Char('/') + (node->object() ? node->object()->objectName() : QString()) +
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

} // namespace

class TstAccessible : public QObject {
    Q_OBJECT
private slots:
    void everyFocusableNodeNamed();
    void namesFollowThePlay();
};

void TstAccessible::everyFocusableNodeNamed()
{
    QStringList faults;
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.settings.soundon = 0;
    QList<Screen> seen;
    for (int category = 1; category < kCategories; ++category) {
        const Screen screen = screenFor(category);
        if (screen == Screen::None || seen.contains(screen))
            continue;
        ctx.game.category = category;
        std::unique_ptr<QuestionWindow> w;
        switch (screen) {
        case Screen::MultipleChoice: w = std::make_unique<MultipleChoiceWindow>(ctx); break;
        case Screen::Matching: w = std::make_unique<MatchWindow>(ctx); break;
        case Screen::Portraits: w = std::make_unique<PortraitMatchWindow>(ctx); break;
        case Screen::Sorting: w = std::make_unique<brev::SortWindow>(ctx); break;
        case Screen::OddOneOut: w = std::make_unique<OddOneOutWindow>(ctx); break;
        case Screen::NameMe: w = std::make_unique<NameMeWindow>(ctx); break;
        case Screen::Quotation: w = std::make_unique<QuotationWindow>(ctx); break;
        case Screen::None: break;
        }
        if (w->abandoned())
            continue;
        seen << screen;
        faults << faultsOf(w.get());
    }
    // The sample records fill every screen but the quotation one.
    QCOMPARE(seen.size(), 6);
    QVERIFY(!seen.contains(Screen::Quotation));
    {
        SetupDialog w(ctx);
        faults << faultsOf(&w);
    }
    {
        ScoreWindow w(ctx);
        faults << faultsOf(&w);
    }
    {
        HallOfFameWindow w(ctx);
        faults << faultsOf(&w);
    }
    {
        NameEntryDialog w(ctx);
        faults << faultsOf(&w);
    }
    {
        DataEditorWindow w(ctx);
        faults << faultsOf(&w);
    }
    {
        brev::MainWindow w(ctx);
        faults << faultsOf(&w);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TstAccessible::namesFollowThePlay()
{
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.settings.soundon = 0;
    ctx.game.category = 1;
    MultipleChoiceWindow choices(ctx);
    QCOMPARE(QAccessible::queryAccessibleInterface(choices.choice[2])->text(QAccessible::Name),
             QStringLiteral("Choice 3 of 5: ") + choices.choice[2]->text());

    for (int i = 1; i <= kRecords; ++i)
        ctx.presidents[i].name = QStringLiteral("Al Bo");
    ctx.game.category = 21;
    NameMeWindow w(ctx);
    QCOMPARE(w.Label2->accessibleName(), QStringLiteral("Hidden name: blank, blank, space, blank, blank"));
    QTest::keyClick(&w, Qt::Key_B);
    QCOMPARE(w.Label2->accessibleName(), QStringLiteral("Hidden name: blank, blank, space, B, blank"));
    QTest::keyClick(&w, Qt::Key_Z);
    QTest::keyClick(&w, Qt::Key_Q);
    QCOMPARE(w.Label1->accessibleName(),
             QStringLiteral("Wrong letters: Z Q. Tries left: %1").arg(w.model().triesAllowed() - 2));
}

QTEST_MAIN(TstAccessible)
#include "tst_accessible.moc"
