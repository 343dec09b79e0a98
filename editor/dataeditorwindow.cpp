#include "editor/dataeditorwindow.h"

#include "store/context.h"
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

DataEditorWindow::DataEditorWindow(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx), browser_(ctx)
{
    build();
    filllist();
    fillform();
    setupform(this);
}

void DataEditorWindow::build()
{
    setObjectName(QStringLiteral("brevedit"));
    setWindowTitle(QStringLiteral("Edit"));
    setModal(true);
    setFont(designFont(false, 9.75));
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    cmbitem = new QComboBox(this);
    cmbitem->setObjectName(QStringLiteral("cmbitem"));
    cmbitem->setToolTip(QStringLiteral("Choose an item to display"));
    cmbitem->setMaxVisibleItems(20);
    // The list drops down below the box instead of opening over it: a list
    // opened under the pointer takes the pointer out of this window, and a
    // window manager whose focus follows the pointer (twm) then takes the
    // focus away, which closes the list as soon as it opened.
    cmbitem->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cmdPrev = makeButton(this, "cmdPrev", QStringLiteral("Previous"));
    cmdNext = makeButton(this, "cmdNext", QStringLiteral("Next"));
    lBirth = makeLabel(this, "lBirth");
    lBirthplace = makeLabel(this, "lBirthplace");
    lhome = makeLabel(this, "lhome");
    lterm = makeLabel(this, "lterm");
    lwife = makeLabel(this, "lwife");
    lSecST = makeLabel(this, "lSecST");
    lSecWar = makeLabel(this, "lSecWar");
    lAttnGen = makeLabel(this, "lAttnGen");
    lVice = makeLabel(this, "lVice");
    Label2 = makeLabel(this, "Label2", QStringLiteral("More info"));
    cmdURL = makeButton(this, "cmdURL", QString());
    Label1 = makeLabel(this, "Label1", QStringLiteral("image "));
    txtImage = makeBox(this, "txtImage", QString());
    txtImage->setReadOnly(true);   // shows the portrait's file name; nothing would keep an edit
    Label1->setBuddy(txtImage);
    Image1 = makeLabel(this, "Image1");
    Image1->setScaledContents(true);
    Frame2 = new QGroupBox(QStringLiteral("Difficulty"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    dif = makeBox(Frame2, "dif", QStringLiteral("1"));
    dif->setToolTip(QStringLiteral("Change the difficulty"));
    dif->setAlignment(Qt::AlignRight);
    dif->setMaxLength(6);
    placeTwips(dif, 240, 330, 840, 375);
    Command1 = makeButton(this, "Command1", QStringLiteral("ok"),
                          QStringLiteral("Save changes, & return to setup screen"));
    placeControls(this, kLayout);

    // The keyboard order follows the screen: list, paging, link, picture name,
    // difficulty, ok.
    setTabOrder(cmbitem, cmdPrev);
    setTabOrder(cmdPrev, cmdNext);
    setTabOrder(cmdNext, cmdURL);
    setTabOrder(cmdURL, txtImage);
    setTabOrder(txtImage, dif);
    setTabOrder(dif, Command1);

    connect(cmbitem, &QComboBox::activated, this, [this](int index) {
        browser_.choose(index);
        fillform();
        ctx_.messages->show(browser_.nameProblem());
    });
    connect(cmdNext, &QPushButton::clicked, this, [this] {
        browser_.next();
        fillform();
        ctx_.messages->show(browser_.nameProblem());
    });
    connect(cmdPrev, &QPushButton::clicked, this, [this] {
        browser_.previous();
        fillform();
        ctx_.messages->show(browser_.nameProblem());
    });
    connect(dif, &QLineEdit::textEdited, this,
            [this](const QString& text) { showDif(browser_.difChanged(text)); });
    connect(dif, &QLineEdit::editingFinished, this, [this] { showDif(browser_.difLeft()); });
    connect(cmdURL, &QPushButton::clicked, this, [this] { ctx_.messages->show(browser_.openLink()); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        ctx_.messages->show(browser_.save());
        accept();
    });
}

void DataEditorWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(shown_, true))
        ctx_.messages->show(browser_.nameProblem());   // the first record's, once the window is up
}

void DataEditorWindow::filllist()
{
    cmbitem->clear();
    cmbitem->addItems(browser_.names());
}

void DataEditorWindow::fillform()
{
    const auto facts = browser_.facts();
    QLabel* const labels[] = {lBirth, lBirthplace, lhome, lterm, lwife, lSecST, lSecWar, lAttnGen, lVice};
    for (size_t i = 0; i < facts.size(); ++i)
        showFact(labels[i], facts[i], font());
    cmbitem->setCurrentIndex(browser_.position() - 1);
    cmdURL->setText(browser_.link());
    txtImage->setText(browser_.image());
    showDif(browser_.difText());
    const QString portrait = browser_.portraitPath();
    const QPixmap picture = portrait.isEmpty() ? QPixmap() : QPixmap(portrait);
    Image1->setPixmap(picture);
    Image1->setVisible(!picture.isNull());   // no portrait, or its file is missing
}

// Writes the model's text into the box without raising the box's own change.
void DataEditorWindow::showDif(const QString& text)
{
    if (dif->text() == text)
        return;
    const int cursor = dif->cursorPosition();
    dif->setText(text);
    dif->setCursorPosition(std::min(cursor, int(text.size())));
}

void editdata(AppContext& ctx, QWidget* parent)
{
    DataEditorWindow window(ctx, parent);
    window.exec();
}

} // namespace brev
