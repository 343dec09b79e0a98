// Every window at its designed size, filled with the longest texts the
// shipped records give: each text control shows its whole text, no control
// reaches past its window or its frame, and no text or picture lies under
// another control. In English, Spanish, German, and a made-up language whose
// every text is 40 % longer and full of accents (BREV_LAYOUT_LANGUAGES picks
// some: "en,es,de,pseudo").
#include "testsupport.h"

#include "editor/dataeditorwindow.h"
#include "app/mainwindow.h"
#include "app/playerprogress.h"
#include "app/progresswindow.h"
#include "screens/reviewwindow.h"
#include "store/progressstore.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "store/records.h"
#include "screens/namemewindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/matchwidgets.h"
#include "screens/multiplechoicewindow.h"
#include "screens/matchwindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/sortwindow.h"
#include "screens/quotationwindow.h"
#include "screens/scorewindow.h"
#include "setup/setupdialog.h"
#include "store/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace brev;
using test::Fixture;

namespace {

// The made-up language: each word 40 % longer (rounded up), its letters
// accented, so that a text that was never translated stands out and every
// translated one needs more room than any real translation. Placeholders
// (%1, %n), accelerators (&) and line breaks stay as they are.
class LongerLanguage : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? lengthened(QString::fromUtf8(source)) : QString();
    }

    static QString lengthened(const QString& text)
    {
        static const QString plain = QStringLiteral("aeiouncyAEIOUNCY");
        static const QString accented = QStringLiteral("áéíóúñçýÁÉÍÓÚÑÇÝ");
        static const QString extra = QStringLiteral("àéîõü");
        QString out;
        qsizetype i = 0;
        while (i < text.size()) {
            if (text[i] == u'%' && i + 1 < text.size()) { // %1, %n, %L1
                qsizetype end = i + 1 + (text[i + 1] == u'L' ? 1 : 0);
                while (end < text.size() && (text[end].isDigit() || text[end] == u'n') && end - i < 3)
                    ++end;
                out += text.sliced(i, end - i);
                i = end;
                continue;
            }
            if (!text[i].isLetter()) {
                out += text[i++];
                continue;
            }
            qsizetype end = i;
            while (end < text.size() && text[end].isLetter())
                ++end;
            const qsizetype length = end - i;
            for (; i < end; ++i) {
                const qsizetype k = plain.indexOf(text[i]);
                out += k < 0 ? text[i] : accented[k];
            }
            for (qsizetype k = 0; k < (length * 4 + 9) / 10; ++k)
                out += extra[k % extra.size()];
        }
        return out;
    }
};

// The texts of a window test in one language; English again afterwards.
class Language {
public:
    explicit Language(const QString& name)
    {
        if (name == QLatin1String("pseudo"))
            QCoreApplication::installTranslator(&longer_);
        else
            ok_ = useLanguage(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&longer_);
        useLanguage(QStringLiteral("en"), QString());
    }
    bool ok() const { return ok_; }

private:
    LongerLanguage longer_;
    bool ok_ = true;
};

// The languages this run checks.
QStringList languages()
{
    const QString chosen = qEnvironmentVariable("BREV_LAYOUT_LANGUAGES", QStringLiteral("en,es,de,pseudo"));
    return chosen.split(u',', Qt::SkipEmptyParts);
}

// A text that went through the made-up language shows its accents.
bool lengthened(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0xC0 && c.unicode() <= 0xFF; });
}

// What a category's screen shows of a record: the asked text or the name.
enum class Longest { Items, Names };

QString shownText(const Records& records, int record, int category, Longest longest)
{
    if (longest == Longest::Names)
        return questionText(records, 0, TextKind::Item, record, 0);
    if (screenFor(category) == Screen::Sorting)
        return questionText(records, category, TextKind::Item, record, category);
    return fieldText(records, record, category);
}

// Leaves only the `count` records with the longest distinct texts drawable.
void drawLongest(Program& p, int category, Longest longest, int count)
{
    std::vector<int> records;
    for (int r = 1; r <= p.records.inPlay(); ++r)
        records.push_back(r);
    std::stable_sort(records.begin(), records.end(), [&](int a, int b) {
        return shownText(p.records, a, category, longest).size() >
               shownText(p.records, b, category, longest).size();
    });
    std::fill(p.session.itemUse.begin(), p.session.itemUse.end(), 32767);
    QStringList taken;
    for (int r : records) {
        const QString text = shownText(p.records, r, category, longest);
        if (int(taken.size()) < count && !taken.contains(text) &&
            !fieldText(p.records, r, category).trimmed().isEmpty()) {
            taken << text;
            p.session.itemUse[size_t(r)] = 0;
        }
    }
}

// Copies the shipped data, pictures and sounds into the fixture's directory.
void shipData(Fixture& f)
{
    QDirIterator it(QStringLiteral(BREV_DATA_DIR), QDir::Files);
    while (it.hasNext()) {
        it.next();
        QFile::copy(it.filePath(), f.path(it.fileName()));
    }
    const auto error = f.program->readRecords();
    QVERIFY2(!error, error ? qPrintable(*error) : "");
    const auto problem = f.program->readAddOn();
    QVERIFY2(!problem, problem ? qPrintable(*problem) : "");
}

QString plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

bool isControl(const QWidget* w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// The faults of one window, each naming the window, the control and its text.
class Inspection {
public:
    Inspection(QWidget* window, QStringList allowedCovers)
        : window_(window), allowed_(std::move(allowedCovers))
    {}

    QStringList run()
    {
        const auto all = window_->findChildren<QWidget*>();
        if (untranslated(window_->windowTitle()))
            fault(window_, QStringLiteral("has an untranslated caption"), window_->windowTitle());
        for (QWidget* w : all) {
            if (!inWindow(w))
                continue;
            checkBounds(w);
            checkText(w);
            checkTranslated(w);
        }
        for (QWidget* w : all)
            if (inWindow(w))
                checkCovered(w);
        return faults_;
    }

private:
    // A control shown in this window (a dialog it opened is its child, not its part).
    bool inWindow(const QWidget* w) const
    {
        return isControl(w) && w->window() == window_ && w->isVisibleTo(window_);
    }

    void fault(const QWidget* w, const QString& what, const QString& text = QString())
    {
        faults_ << QStringLiteral("%1/%2: %3%4")
                       .arg(window_->objectName(), w->objectName(), what,
                            text.isEmpty() ? QString() : QStringLiteral(" \"") + text + u'"');
    }

    void checkBounds(QWidget* w)
    {
        const QRect inWindow(w->mapTo(window_, QPoint(0, 0)), w->size());
        if (!window_->rect().contains(inWindow))
            fault(w, QStringLiteral("reaches past the window (%1,%2 %3x%4 in %5x%6)")
                         .arg(inWindow.x())
                         .arg(inWindow.y())
                         .arg(inWindow.width())
                         .arg(inWindow.height())
                         .arg(window_->width())
                         .arg(window_->height()));
        else if (w->parentWidget() != window_ && !w->parentWidget()->rect().contains(w->geometry()))
            fault(w, QStringLiteral("reaches past ") + w->parentWidget()->objectName());
    }

    // In the made-up language, the texts that are never records' data (captions,
    // buttons, ticks, frames, tooltips) all went through the catalogue.
    static bool untranslated(const QString& text)
    {
        const bool checking = lengthened(QCoreApplication::translate("brev::SetupDialog", "OK"));
        return checking && std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) &&
               !lengthened(text);
    }

    void checkTranslated(QWidget* w)
    {
        QString text;
        // (The editor's link button shows a record's link.)
        auto* button = qobject_cast<QPushButton*>(w);
        if (button && w->objectName() != QLatin1String("cmdURL"))
            text = button->text();
        else if (auto* tick = qobject_cast<QCheckBox*>(w))
            text = tick->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        if (untranslated(text))
            fault(w, QStringLiteral("shows an untranslated text"), text);
        if (untranslated(w->toolTip()))
            fault(w, QStringLiteral("has an untranslated tooltip"), w->toolTip());
    }

    // Text in a rectangle: on one line, or wrapped within its height.
    void fits(const QWidget* w, const QFont& font, const QRect& room, const QString& text, bool wrap,
              int align)
    {
        if (text.isEmpty())
            return;
        QRect need;
        if (Qt::mightBeRichText(text) && !wrap) {
            QTextDocument doc;
            doc.setDocumentMargin(0);
            doc.setDefaultFont(font);
            doc.setHtml(text);
            need = QRect(0, 0, int(doc.idealWidth()), int(doc.size().height()));
        } else {
            need = QFontMetrics(font).boundingRect(room, align | (wrap ? Qt::TextWordWrap : 0), text);
        }
        if (need.width() > room.width() || need.height() > room.height())
            fault(w,
                  QStringLiteral("cuts its text (needs %1x%2, has %3x%4)")
                      .arg(need.width())
                      .arg(need.height())
                      .arg(room.width())
                      .arg(room.height()),
                  text);
    }

    void checkText(QWidget* w)
    {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->pixmap().isNull()) {
                const int m = label->margin() + std::max(0, label->indent());
                fits(w, label->font(), label->contentsRect().adjusted(m, m, -m, -m), label->text(),
                     label->wordWrap(), int(label->alignment()));
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = button->text();
            QStyle::SubElement part = QStyle::SE_PushButtonContents;
            if (qobject_cast<QCheckBox*>(button))
                part = QStyle::SE_CheckBoxContents;
            else if (qobject_cast<QRadioButton*>(button))
                part = QStyle::SE_RadioButtonContents;
            const QRect room = button->style()->subElementRect(part, &opt, button);
            fits(w, button->font(), room, plain(button->text()), false, Qt::AlignCenter);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(edit);
            const QRect room = edit->style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &opt, edit)
                                   .marginsRemoved(edit->textMargins())
                                   .adjusted(2, 1, -2, -1);
            fits(w, edit->font(), room, edit->text(), false, Qt::AlignLeft | Qt::AlignVCenter);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (QFontMetrics(box->font()).horizontalAdvance(plain(box->title())) > box->width())
                fault(w, QStringLiteral("cuts its title"), box->title());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                              QStyle::SC_ComboBoxEditField, combo);
            fits(w, combo->font(), room, combo->currentText(), false, Qt::AlignLeft | Qt::AlignVCenter);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            checkList(list);
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            checkTable(table);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            if (text->horizontalScrollBar()->maximum() > 0)
                fault(w, QStringLiteral("hides the ends of its lines behind a scroll bar"),
                      text->toPlainText().section(u'\n', 0, 0));
        } else if (auto* bar = qobject_cast<NameBar*>(w)) {
            // A bar draws its name smaller, down to 7 points, then on two lines.
            QFont small = bar->font();
            small.setPointSizeF(7);
            fits(w, small, bar->rect().adjusted(4, 2, -4, -2), bar->text(), true, Qt::AlignCenter);
        }
    }

    void checkList(QListWidget* list)
    {
        list->scrollToTop();
        const QRect viewport = list->viewport()->rect();
        if (list->horizontalScrollBar()->isVisible())
            fault(list, QStringLiteral("shows a horizontal scroll bar"));
        // An item view keeps a margin beside the text of each line.
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->item(i)->text();
            const QRect at = list->visualItemRect(list->item(i));
            const QRect room = at.adjusted(margin, 0, -margin, 0);
            const QRect need = QFontMetrics(list->font())
                                   .boundingRect(QRect(0, 0, room.width(), 10000),
                                                 list->wordWrap() ? Qt::TextWordWrap : 0, text);
            // A grid of pictures scrolls down to its later rows; a list shows every line.
            const bool outOfView = list->viewMode() == QListView::IconMode
                                       ? at.left() < viewport.left() || at.right() > viewport.right()
                                       : !viewport.contains(at);
            if (outOfView || need.width() > room.width() || need.height() > room.height())
                fault(list,
                      QStringLiteral("cuts item %1 (needs %2x%3, has %4x%5 at %6 in %7)")
                          .arg(i)
                          .arg(need.width())
                          .arg(need.height())
                          .arg(room.width())
                          .arg(room.height())
                          .arg(at.y())
                          .arg(viewport.height()),
                      text);
        }
    }

    // Every cell's text whole in its cell, on as many lines as the table wraps it.
    void checkTable(QTableWidget* table)
    {
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                const QRect room =
                    item ? table->visualItemRect(item).adjusted(margin, 0, -margin, 0) : QRect();
                const QRect need = QFontMetrics(table->font())
                                       .boundingRect(QRect(0, 0, room.width(), 10000),
                                                     table->wordWrap() ? Qt::TextWordWrap : 0,
                                                     item ? item->text() : QString());
                if (item && (need.width() > room.width() || need.height() > room.height()))
                    fault(table,
                          QStringLiteral("cuts cell %1, %2 (needs %3x%4, has %5x%6)")
                              .arg(row)
                              .arg(column)
                              .arg(need.width())
                              .arg(need.height())
                              .arg(room.width())
                              .arg(room.height()),
                          item->text());
            }
    }

    bool showsContent(QWidget* w) const
    {
        if (auto* label = qobject_cast<QLabel*>(w))
            return !label->text().isEmpty() || !label->pixmap().isNull();
        if (qobject_cast<PortraitBox*>(w))
            return true;
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<NameBar*>(w) || qobject_cast<QAbstractItemView*>(w) ||
               qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w);
    }

    // Where a control draws its text or picture, in its own coordinates.
    static QRect contentRoom(QWidget* w)
    {
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->contentsRect();
        if (qobject_cast<NameBar*>(w))
            return w->rect().adjusted(4, 2, -4, -2);
        if (qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(w);
            return w->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, w);
        }
        return w->rect();
    }

    // A control lies under every later sibling, in stacking order.
    void checkCovered(QWidget* w)
    {
        if (!showsContent(w))
            return;
        const QRect room = contentRoom(w).translated(w->pos());
        const QObjectList& siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto* other = qobject_cast<QWidget*>(siblings[i]);
            if (!other || !inWindow(other))
                continue;
            const QRect common = room.intersected(other->geometry());
            if (common.width() <= 1 || common.height() <= 1)
                continue;
            if (allowed_.contains(other->objectName() + QStringLiteral(" over ") + w->objectName()))
                continue;
            auto* label = qobject_cast<QLabel*>(w);
            fault(w, QStringLiteral("lies under ") + other->objectName(), label ? label->text() : QString());
        }
    }

    QWidget* window_;
    QStringList allowed_;
    QStringList faults_;
};

int slotsFor(int category)
{
    switch (screenFor(category)) {
    case Screen::Portraits:
    case Screen::OddOneOut: return 4;
    case Screen::NameMe: return 1;
    default: return 5;
    }
}

QStringList inspect(QWidget* w, const QStringList& allowed = {})
{
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        return {w->objectName() + QStringLiteral(": never shown")};
    QApplication::processEvents();
    return Inspection(w, allowed).run();
}

// The wrong letters a name does not hold, in the order a player might try them.
QString wrongLetters(const QString& name, int count)
{
    QString letters;
    for (QChar c : QStringLiteral("QZXJVKWYBFGPMUCDHLNOTRSIEA"))
        if (!name.toUpper().contains(c) && letters.size() < count)
            letters += c;
    return letters;
}

// Where a window's controls stand and in which type, one line each.
QStringList placesOf(const QWidget* window)
{
    QStringList places{
        QStringLiteral("%1 %2x%3").arg(window->objectName()).arg(window->width()).arg(window->height())};
    for (const QWidget* w : window->findChildren<QWidget*>())
        if (isControl(w) && w->window() == window)
            places << QStringLiteral("%1 %2,%3 %4x%5 %6pt")
                          .arg(w->objectName())
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(w->font().pointSizeF());
    return places;
}

// Chooses a language as the player does on the setup screen's Language box,
// or the made-up one, and lets the windows hear of it.
void choose(SetupDialog& setup, const QString& name, QTranslator& longer)
{
    if (name == QLatin1String("pseudo")) {
        QCoreApplication::installTranslator(&longer);
    } else {
        QCoreApplication::removeTranslator(&longer);
        const int index = setup.languageBox->findData(name);
        QVERIFY(index > 0);
        setup.languageBox->setCurrentIndex(index);
        emit setup.languageBox->activated(index);
    }
    QApplication::processEvents();
}

} // namespace

class TstLayout : public QObject {
    Q_OBJECT
private slots:
    void questionScreens_data();
    void questionScreens();
    void otherWindows_data();
    void otherWindows();
    void languageChangeOnSetup_data();
    void languageChangeOnSetup();
};

void TstLayout::questionScreens_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("longest");
    for (const QString& language : languages()) {
        for (int k = 1; k < kCategories; ++k) {
            if (screenFor(k) == Screen::None)
                continue;
            QTest::addRow("%s: %d %s, longest items", qPrintable(language), k, qPrintable(categoryName(k)))
                << language << k << int(Longest::Items);
            QTest::addRow("%s: %d %s, longest names", qPrintable(language), k, qPrintable(categoryName(k)))
                << language << k << int(Longest::Names);
        }
    }
}

void TstLayout::questionScreens()
{
    QFETCH(QString, language);
    QFETCH(int, category);
    QFETCH(int, longest);
    Language speaking(language);
    QVERIFY(speaking.ok());
    Fixture f;
    shipData(f);
    f.program->settings.settings.soundon = 0;
    // Fewest records first; more when the screen needs a wider choice.
    test::QuestionOnScreen shown;
    for (int count : {slotsFor(category), 2 * slotsFor(category), kRecords}) {
        if (shown.window)
            break;
        drawLongest(*f.program, category, Longest(longest), count);
        shown = test::questionOnScreen(*f.program, category);
    }
    QuestionWindow* window = shown.window.get();
    if (!window)
        QSKIP("the shipped records cannot fill this question: no game shows it");
    // The bars of the matching screen stand as a staircase, each a little
    // over the one below it, clear of its name.
    const QStringList staircase{QStringLiteral("Btn1_1 over Btn1_0"), QStringLiteral("Btn1_2 over Btn1_1"),
                                QStringLiteral("Btn1_3 over Btn1_2"), QStringLiteral("Btn1_4 over Btn1_3")};
    // The widest position line a game can show.
    window->showPosition(QStringLiteral("Question 32767 of 32767     Score: 32767 of 32767 (100%)"));
    QStringList faults = inspect(window, screenFor(category) == Screen::Matching ? staircase : QStringList());
    // No control (a widget without children of its own) runs under the position line.
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w != window->positionLabel && w->isVisibleTo(window) && w->findChildren<QWidget*>().isEmpty() &&
            QRect(w->mapTo(window, QPoint(0, 0)), w->size()).bottom() >= window->positionLabel->y())
            faults << QStringLiteral("%1 runs under the position line").arg(w->objectName());
    }
    if (auto* name = qobject_cast<NameMeWindow*>(window)) {
        // The caption's instruction stands in the window too, whole: a title bar may cut the caption.
        const QString instruction = name->instructionLabel->text();
        QVERIFY(name->instructionLabel->isVisibleTo(name) && instruction.size() > 20);
        QVERIFY2(name->windowTitle().contains(instruction), qPrintable(instruction));
        // Wrong letters grow the stage picture and show the letters and the warning.
        // Then more, until the name is lost and shown whole.
        const QString letters =
            wrongLetters(fieldText(f.program->records, shown.question->chosen()[0], category), 6);
        for (int i = 0; i < letters.size(); ++i) {
            QTest::keyClick(name, letters.at(i).toLatin1());
            if (i == 2 || i == letters.size() - 1)
                faults << Inspection(name, {}).run();
        }
        QVERIFY(name->isVisible());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TstLayout::otherWindows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString& language : languages())
        for (const char* name :
             {"main", "setup", "showscor", "HOF", "NameEntry", "brevedit", "review", "progress"})
            QTest::addRow("%s: %s", qPrintable(language), name) << language << QString::fromLatin1(name);
}

void TstLayout::otherWindows()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    Language speaking(language);
    QVERIFY(speaking.ok());
    Fixture f;
    shipData(f);
    Program& ctx = *f.program;
    QStringList faults;
    if (window == QLatin1String("main")) {
        brev::MainWindow w(ctx);
        QVERIFY(w.load());
        auto* about = w.findChild<QPushButton*>(QStringLiteral("aboutButton"));
        QVERIFY(about);
        about->click(); // the credits as well
        faults = inspect(&w);
    } else if (window == QLatin1String("setup")) {
        ctx.settings.bonusQuestions = true;
        test::TestSetup w(ctx);
        faults = inspect(&w);
    } else if (window == QLatin1String("showscor")) {
        ctx.session.score = 9999;
        ctx.session.possible = 9999;
        ctx.session.percent = 100;
        ScoreWindow w(ctx.session);
        QString longestName;
        for (int k = 0; k < kCategories; ++k)
            if (categoryName(k, Wording::Shown).size() > longestName.size())
                longestName = categoryName(k, Wording::Shown);
        // A sorting result of five long lines, then the points.
        QStringList lines;
        for (int i = 0; i < 5; ++i)
            lines << QStringLiteral("Henry Knox, Timothy Pickering, James McHenry 1789 > "
                                    "Timothy Pickering, John Marshall 1797");
        lines << QCoreApplication::translate("brev::MatchModel", "*** Scored %1 of %2").arg(0).arg(10);
        w.setResults(QCoreApplication::translate("brev::QuestionModel", "Results for %1").arg(longestName),
                     lines.join(QStringLiteral("\r\n")));
        w.showRunningScore();
        w.showQuestionsLeft(32766);
        faults = inspect(&w);
        // The points line stands whole under the box, and the box grows with the window.
        if (!w.pointsLabel->isVisibleTo(&w) ||
            w.pointsLabel->heightForWidth(w.pointsLabel->width()) > w.pointsLabel->height())
            faults << QStringLiteral("showscor/pointsLabel: the points line is not shown whole");
        const QSize box = w.resultsBox->size();
        w.resize(w.width() + 200, w.height() + 200);
        QApplication::processEvents();
        if (w.resultsBox->height() < box.height() + 150 || w.resultsBox->width() < box.width() + 150)
            faults << QStringLiteral("showscor/Text1: does not grow with the window");
        faults << Inspection(&w, {}).run();
    } else if (window == QLatin1String("HOF")) {
        for (int i = 1; i <= kHofPlaces; ++i)
            ctx.hof.entries[size_t(i)] = {32767,
                                          QStringLiteral("brev    "),
                                          100,
                                          QStringLiteral("3  Bartholomew Whitley"),
                                          QStringLiteral("12/31/2026"),
                                          0};
        ctx.hof.count = kHofPlaces;
        test::TestHallOfFame w(ctx);
        faults = inspect(&w);
    } else if (window == QLatin1String("NameEntry")) {
        ctx.settings.settings.playername = QStringLiteral("Bartholomew Whitley");
        ctx.settings.settings.playeremail = QStringLiteral("bartholomew.whitley@example.org");
        test::TestNameEntry w(ctx, 30);
        faults = inspect(&w);
    } else if (window == QLatin1String("review")) {
        // A sorting question's five long lines, as given and as right.
        ReviewEntry entry{32767, {}};
        entry.record.category = 15;
        entry.record.question = QStringLiteral("Sort by birthdate");
        entry.record.possible = 10;
        for (int i = 0; i < 5; ++i)
            entry.record.given +=
                QStringLiteral("Henry Knox, Timothy Pickering, James McHenry, John Marshall\r\n");
        entry.record.right = entry.record.given;
        ReviewWindow w({entry, entry});
        faults = inspect(&w);
    } else if (window == QLatin1String("progress")) {
        // Every president of the shipped set, some answered, with their portraits.
        ProgressStore store(f.path(QString::fromLatin1(kProgressFile)));
        const QDateTime when(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);
        QVERIFY(!store.beginGame(QStringLiteral("Bartholomew Whitley"), when, false));
        for (int r = 1; r <= ctx.records.inPlay(); r += 3) {
            const JudgedItem item{r, ctx.records.presidents[size_t(r)].name, r % 2 == 0, 5};
            QVERIFY(!store.recordQuestion({r % kCategories, 5, 5, {item}}, when));
        }
        for (int k = 1; k < kCategories; ++k) // every category's name in the table
            if (screenFor(k) != Screen::None) {
                const JudgedItem item{1, ctx.records.presidents[1].name, true, 5};
                QVERIFY(!store.recordQuestion({k, 5, 5, {item}}, when));
            }
        QVERIFY(!store.finishGame(QStringLiteral("Bartholomew Whitley"), 40, 50, false, when));
        const QList<PresidentEntry> set = presidentSet(ctx.records);
        QStringList portraits;
        for (const PresidentEntry& president : set)
            portraits << ctx.path(ctx.records.imageFile(president.record));
        ProgressWindow w(store, QStringLiteral("Bartholomew Whitley"), set, portraits);
        faults = inspect(&w);
    } else if (window == QLatin1String("brevedit")) {
        // Every record in turn, as the editor's "next" button shows them.
        test::TestEditor w(ctx);
        faults = inspect(&w);
        auto* next = w.findChild<QPushButton*>(QStringLiteral("cmdNext"));
        QVERIFY(next);
        for (int r = 2; r <= ctx.records.loadedRecords(); ++r) {
            next->click();
            faults << Inspection(&w, {}).run();
        }
        faults.removeDuplicates();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TstLayout::languageChangeOnSetup_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languages())
        QTest::addRow("%s", qPrintable(language)) << language;
}

// The setup screen open over the main window, its Language box changed from
// English (or German, to English) to the language and back: both windows
// show the new texts whole, and then stand exactly as they first stood.
void TstLayout::languageChangeOnSetup()
{
    QFETCH(QString, language);
    const QString first = language == QLatin1String("en") ? QStringLiteral("de") : QStringLiteral("en");
    Language speaking(first);
    QVERIFY(speaking.ok());
    Fixture f;
    shipData(f);
    f.program->settings.bonusQuestions = true;
    brev::MainWindow main(*f.program);
    QVERIFY(main.load());
    QVERIFY(inspect(&main).isEmpty());
    test::TestSetup setup(*f.program, &main);
    QVERIFY(inspect(&setup).isEmpty());
    const QStringList before = placesOf(&main) + placesOf(&setup);

    LongerLanguage longer;
    choose(setup, language, longer);
    const QStringList faults = Inspection(&setup, {}).run() + Inspection(&main, {}).run();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QCOMPARE(setup.okButton->text(), QCoreApplication::translate("brev::SetupDialog", "OK"));
    choose(setup, first, longer);
    QCOMPARE(placesOf(&main) + placesOf(&setup), before);
}

QTEST_MAIN(TstLayout)
#include "tst_layout.moc"
