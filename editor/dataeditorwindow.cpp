#include "editor/dataeditorwindow.h"

#include "base/seams.h"
#include "widgets/windowhelpers.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <utility>

namespace brev {

namespace {
constexpr int kClientWidth = 9600;
constexpr int kClientHeight = 5160;
constexpr int kFactTop = 840;
constexpr int kFactStep = 330;

constexpr TwipsPlace kLayout[] = {
    {"cmbitem", 240, 240, 4440, 375},
    {"cmdPrev", 4920, 240, 1080, 375},
    {"cmdNext", 6120, 240, 1080, 375},
    {"lBirth", 240, kFactTop, 6960, 300},
    {"lBirthplace", 240, kFactTop + kFactStep, 6960, 300},
    {"lhome", 240, kFactTop + 2 * kFactStep, 6960, 300},
    {"lterm", 240, kFactTop + 3 * kFactStep, 6960, 300},
    {"lwife", 240, kFactTop + 4 * kFactStep, 6960, 300},
    {"lSecST", 240, kFactTop + 5 * kFactStep, 6960, 300},
    {"lSecWar", 240, kFactTop + 6 * kFactStep, 6960, 300},
    {"lAttnGen", 240, kFactTop + 7 * kFactStep, 6960, 300},
    {"lVice", 240, kFactTop + 8 * kFactStep, 6960, 300},
    {"Label2", 240, 3960, 1080, 375},
    {"cmdURL", 1320, 3960, 5880, 375},
    {"Label1", 240, 4500, 1080, 375},
    {"txtImage", 1320, 4500, 2760, 375},
    {"Image1", 7440, 240, 1920, 2880},
    {"Frame2", 7440, 3240, 1920, 840},
    {"Command1", 7440, 4440, 1920, 450},
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A fact that is wider than its label is shown in a smaller type, down to
// 7 points; the whole text is also the label's tooltip.
void showFact(QLabel* label, const QString& text, const QFont& font)
{
    QFont fitted = font;
    const int room = label->width() - 2;
    while (fitted.pointSizeF() > 7.0 && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    label->setFont(fitted);
    label->setText(text);
    label->setToolTip(QFontMetrics(fitted).horizontalAdvance(text) > room ? text : QString());
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}
} // namespace

DataEditorWindow::DataEditorWindow(Records& records, const QString& dir, Messages& messages, Shell& shell,
                                   QWidget* parent)
    : QDialog(parent), messages_(messages), shell_(shell), browser_(records, dir)
{
    build();
    filllist();
    fillform();
    centreOnScreen(this);
}

void DataEditorWindow::build()
{
    setObjectName(QStringLiteral("brevedit"));
    setWindowTitle(tr("Edit"));
    setModal(true);
    setFont(designFont(false, 9.75));
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    recordList = new QComboBox(this);
    recordList->setObjectName(QStringLiteral("cmbitem"));
    recordList->setToolTip(tr("Choose an item to display"));
    recordList->setMaxVisibleItems(20);
    // The list drops down below the box instead of opening over it: a list
    // opened under the pointer takes the pointer out of this window, and a
    // window manager whose focus follows the pointer (twm) then takes the
    // focus away, which closes the list as soon as it opened.
    recordList->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    previousButton = makeButton(this, "cmdPrev", tr("Previous"));
    nextButton = makeButton(this, "cmdNext", tr("Next"));
    const char* factNames[9] = {"lBirth", "lBirthplace", "lhome",    "lterm", "lwife",
                                "lSecST", "lSecWar",     "lAttnGen", "lVice"};
    for (int i = 0; i < 9; ++i)
        facts[i] = makeLabel(this, factNames[i]);
    linkLabel = makeLabel(this, "Label2", tr("More info"));
    linkButton = makeButton(this, "cmdURL", QString());
    imageLabel = makeLabel(this, "Label1", tr("image "));
    imageBox = makeBox(this, "txtImage", QString());
    imageBox->setReadOnly(true); // shows the portrait's file name; nothing would keep an edit
    imageLabel->setBuddy(imageBox);
    portrait = makeLabel(this, "Image1");
    portrait->setScaledContents(true);
    difficultyGroup = new QGroupBox(tr("Difficulty"), this);
    difficultyGroup->setObjectName(QStringLiteral("Frame2"));
    difficultyBox = makeBox(difficultyGroup, "dif", QStringLiteral("1"));
    difficultyBox->setToolTip(tr("Change the difficulty"));
    difficultyBox->setAlignment(Qt::AlignRight);
    difficultyBox->setMaxLength(6);
    placeTwips(difficultyBox, 240, 330, 840, 375);
    okButton = makeButton(this, "Command1", tr("ok"), tr("Save changes, & return to setup screen"));
    placeControls(this, kLayout);
    fitFacts();
    fitRowLabel(linkLabel, linkButton);
    fitRowLabel(imageLabel, imageBox);
    for (QPushButton* b : {previousButton, nextButton, okButton})
        fitCaption(b);

    // The keyboard order follows the screen: list, paging, link, picture name,
    // difficulty, ok.
    setTabOrder(recordList, previousButton);
    setTabOrder(previousButton, nextButton);
    setTabOrder(nextButton, linkButton);
    setTabOrder(linkButton, imageBox);
    setTabOrder(imageBox, difficultyBox);
    setTabOrder(difficultyBox, okButton);

    connect(recordList, &QComboBox::activated, this, [this](int index) {
        browser_.choose(index);
        fillform();
        messages_.show(browser_.nameProblem());
    });
    connect(nextButton, &QPushButton::clicked, this, [this] {
        browser_.next();
        fillform();
        messages_.show(browser_.nameProblem());
    });
    connect(previousButton, &QPushButton::clicked, this, [this] {
        browser_.previous();
        fillform();
        messages_.show(browser_.nameProblem());
    });
    connect(difficultyBox, &QLineEdit::textEdited, this,
            [this](const QString& text) { showDif(browser_.difChanged(text)); });
    connect(difficultyBox, &QLineEdit::editingFinished, this, [this] { showDif(browser_.difLeft()); });
    connect(linkButton, &QPushButton::clicked, this, [this] { messages_.show(browser_.openLink(shell_)); });
    connect(okButton, &QPushButton::clicked, this, [this] {
        messages_.show(browser_.save());
        accept();
    });
}

// Every record's fact lines fit their labels at 7 points at the least: line
// heads that a language makes longer widen the labels and the link, and move
// the picture's column and the window's right edge with them.
void DataEditorWindow::fitFacts()
{
    QFont smallest = font();
    smallest.setPointSizeF(7);
    const QFontMetrics metrics(smallest);
    int widest = 0;
    for (int r = 1; r <= browser_.positions(); ++r)
        for (const QString& fact : browser_.factsOf(r))
            widest = std::max(widest, metrics.horizontalAdvance(fact));
    const int extra = widest - (facts[0]->width() - 2);
    if (extra <= 0)
        return;
    for (QLabel* fact : facts)
        fact->resize(fact->width() + extra, fact->height());
    linkButton->resize(linkButton->width() + extra, linkButton->height());
    for (QWidget* w : std::initializer_list<QWidget*>{portrait, difficultyGroup, okButton})
        w->move(w->x() + extra, w->y());
    resize(width() + extra, height());
}

// A row's label wider than designed in the language shown takes room from
// the field beside it, whose right edge stays.
void DataEditorWindow::fitRowLabel(QLabel* label, QWidget* field)
{
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
    const int extra = needed - label->contentsRect().width();
    if (extra <= 0)
        return;
    label->resize(label->width() + extra, label->height());
    field->setGeometry(field->x() + extra, field->y(), field->width() - extra, field->height());
}

void DataEditorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(shown_, true))
        messages_.show(browser_.nameProblem()); // the first record's, once the window is up
}

void DataEditorWindow::filllist()
{
    recordList->clear();
    recordList->addItems(browser_.names());
}

void DataEditorWindow::fillform()
{
    const auto shown = browser_.facts();
    for (size_t i = 0; i < shown.size(); ++i)
        showFact(facts[i], shown[i], font());
    recordList->setCurrentIndex(browser_.position() - 1);
    linkButton->setText(browser_.link());
    imageBox->setText(browser_.image());
    showDif(browser_.difText());
    const QString file = browser_.portraitPath();
    const QPixmap picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    portrait->setPixmap(picture);
    portrait->setVisible(!picture.isNull()); // no portrait, or its file is missing
}

// Writes the model's text into the box without raising the box's own change.
void DataEditorWindow::showDif(const QString& text)
{
    if (difficultyBox->text() == text)
        return;
    const int cursor = difficultyBox->cursorPosition();
    difficultyBox->setText(text);
    difficultyBox->setCursorPosition(std::min(cursor, int(text.size())));
}

} // namespace brev
