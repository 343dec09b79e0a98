#include "setup/setupdialog.h"

#include "editor/dataeditorwindow.h"
#include "game/questionexport.h"
#include "store/settingsfile.h"
#include "hof/halloffamewindow.h"
#include "store/cmnfunc.h"
#include "store/gamelog.h"
#include "store/context.h"
#include "store/plussettings.h"
#include "widgets/focusmarks.h"
#include "widgets/windowhelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace brev {

namespace {
constexpr int kClientWidth = 8520;
constexpr int kClientHeight = 6060 + 420;   // room for the bonus tick box below the buttons

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(6);
    return e;
}
// Where a number row's parts go, in twips: the label's left, the row's top,
// the label's width and the box's left; the spin button follows the box.
struct RowPlace {
    int left, top, labelWidth, boxLeft;
};
} // namespace

// ---- UpDown

UpDown::UpDown(QLineEdit* buddy, QWidget* parent) : QWidget(parent), buddy_(buddy)
{
    up = new QToolButton(this);
    up->setObjectName(QStringLiteral("up"));
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    up->setFocusPolicy(Qt::NoFocus);
    down = new QToolButton(this);
    down->setObjectName(QStringLiteral("down"));
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    down->setFocusPolicy(Qt::NoFocus);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDown::stepBy(int delta)
{
    bool ok = false;
    const int value = buddy_->text().trimmed().toInt(&ok);
    if (!ok)
        return;
    buddy_->setText(QString::number(value + delta));
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
}

namespace {

// A label, a number box and the spin button bound to it, on one row.
void addNumberRow(QWidget* parent, QLabel*& label, const char* labelName, const QString& caption,
                  QLineEdit*& box, const char* boxName, const QString& text, UpDown*& spin,
                  const char* spinName, const RowPlace& at)
{
    label = makeLabel(parent, labelName, caption);
    placeTwips(label, at.left, at.top, at.labelWidth, 375);
    box = makeBox(parent, boxName, text);
    label->setBuddy(box);
    placeTwips(box, at.boxLeft, at.top, 720, 375);
    spin = new UpDown(box, parent);
    spin->setObjectName(QString::fromLatin1(spinName));
    placeTwips(spin, at.boxLeft + 720, at.top, 300, 375);
}

} // namespace

// ---- setup

SetupDialog::SetupDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    build();
    load();
}

void SetupDialog::build()
{
    setObjectName(QStringLiteral("setup"));
    setModal(true);
    setFont(designFont(false, 10));
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    frameDiff = new QGroupBox(QStringLiteral("Difficulty"), this);
    frameDiff->setObjectName(QStringLiteral("frameDiff"));
    placeTwips(frameDiff, 240, 120, 3240, 1020);
    addNumberRow(frameDiff, Label6, "Label6", QStringLiteral("Maximum"), tmaxdif, "tmaxdif",
                 QStringLiteral("1"), UpDown3, "UpDown3", {180, 420, 1320, 1620});
    addNumberRow(this, Label4, "Label4", QStringLiteral("Questions per game"), nquestion, "nquestion",
                 QStringLiteral("5"), UpDown1, "UpDown1", {240, 1380, 2160, 2460});

    Check1 = new QCheckBox(QStringLiteral("Sound effects"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    placeTwips(Check1, 240, 1980, 3240, 375);

    cmdmakeq = makeButton(this, "cmdmakeq", QStringLiteral("Make online questions"), QString());
    placeTwips(cmdmakeq, 240, 3840, 3240, 450);
    cmdTabbed = makeButton(this, "cmdTabbed", QStringLiteral("Make 50 tabbed questions"), QString());
    placeTwips(cmdTabbed, 240, 4410, 3240, 450);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setToolTip(QStringLiteral("Colored items are selected"));
    List1->setAccessibleName(QStringLiteral("Categories"));
    List1->setItemDelegate(new FocusMarkDelegate(List1));
    List1->setStyleSheet(QStringLiteral(
        "QListWidget::item:selected { background: rgb(0, 0, 160); color: white; }"));
    placeTwips(List1, 3720, 240, 4560, 4620);

    cmdEdit = makeButton(this, "cmdEdit", QStringLiteral("Edit"), QStringLiteral("Change item data"));
    placeTwips(cmdEdit, 240, 5280, 1200, 450);
    cmdhof = makeButton(this, "cmdhof", QStringLiteral("HOF"), QStringLiteral("Show Hall of Fame"));
    placeTwips(cmdhof, 1560, 5280, 1200, 450);
    cmdhelp = makeButton(this, "cmdhelp", QStringLiteral("Help"), QString());
    placeTwips(cmdhelp, 2880, 5280, 1200, 450);
    cmdOK = makeButton(this, "cmdOK", QStringLiteral("OK"), QStringLiteral("Click here to continue"));
    placeTwips(cmdOK, 7080, 5280, 1200, 450);

    chkBonus = new QCheckBox(QStringLiteral("Bonus questions"), this);
    chkBonus->setObjectName(QStringLiteral("chkBonus"));
    chkBonus->setToolTip(QStringLiteral("Also ask odd one out, Name Me, quotations and more"));
    placeTwips(chkBonus, 240, 5880, 3240, 375);
    chkLater = new QCheckBox(QStringLiteral("Presidents after 1993"), this);
    chkLater->setObjectName(QStringLiteral("chkLater"));
    chkLater->setToolTip(QStringLiteral("Also ask about the presidents from George W. Bush on"));
    placeTwips(chkLater, 3720, 5880, 4560, 375);

    nq_.box = nquestion;
    max_.box = tmaxdif;
    connect(nquestion, &QLineEdit::textChanged, this, &SetupDialog::nquestionChanged);
    connect(tmaxdif, &QLineEdit::textChanged, this, &SetupDialog::tmaxdifChanged);
    // A box left empty (or holding a lone minus sign) shows its last number again.
    for (NumberBox* nb : {&nq_, &max_})
        connect(nb->box, &QLineEdit::editingFinished, this, [nb] {
            bool ok = false;
            nb->box->text().trimmed().toInt(&ok);
            if (!ok)
                nb->box->setText(QString::number(nb->value));
        });
    connect(Check1, &QCheckBox::clicked, this,
            [this](bool ticked) { ctx_.settings.soundon = ticked ? 1 : 0; });
    connect(chkLater, &QCheckBox::clicked, this, [this](bool ticked) {
        setLaterPresidents(ctx_, ticked);
        ctx_.messages->show(saveLaterPresidents(ctx_, ticked));
    });
    connect(chkBonus, &QCheckBox::clicked, this, [this](bool ticked) {
        setBonusQuestions(ctx_, ticked);
        ctx_.messages->show(saveBonusQuestions(ctx_, ticked));
    });
    connect(cmdhelp, &QPushButton::clicked, this,
            [this] { viewtext(ctx_, QStringLiteral("brevhelp.txt"), 3); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdhof, &QPushButton::clicked, this, [this] {
        HallOfFameWindow window(ctx_, this);
        window.exec();
    });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { editdata(ctx_, this); });
    connect(cmdmakeq, &QPushButton::clicked, this, [this] { makeQuestions(ExportMode::Online); });
    connect(cmdTabbed, &QPushButton::clicked, this, [this] { makeQuestions(ExportMode::Tabbed); });
}

// An export button: the mode goes on, the log starts afresh with the date, and
// the next game asks the mode's number of questions. A tabbed export needs a
// selected category that writes tabbed lines; without one it is refused.
void SetupDialog::makeQuestions(ExportMode mode)
{
    if (mode == ExportMode::Tabbed) {
        std::array<int, kCategories> selected{};
        for (int k = kFirstListedCategory; k <= kLastListedCategory && k - 1 < List1->count(); ++k)
            selected[size_t(k)] = List1->item(k - 1)->isSelected() ? -1 : 0;
        for (const int k : kBonusCategories)
            selected[size_t(k)] = ctx_.settings.catenabled[size_t(k)];
        if (const auto refusal = tabbedRefusal(selected, chkBonus->isChecked())) {
            ctx_.messages->ok(*refusal);
            return;
        }
    }
    startExport(ctx_, mode);
    ctx_.messages->show(takeLogProblem(ctx_));
    maxqlimit_ = exportQuestionLimit(mode);
    nquestion->setText(QString::number(maxqlimit_));
    ctx_.messages->ok(exportStartMessage(mode));
}

void SetupDialog::load()
{
    Settings& s = ctx_.settings;
    setupform(this);
    setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" Setup"));
    maxqlimit_ = 10;

    // The log threshold and the minimum difficulty are not the player's to
    // choose: every line is logged and no record is left out by difficulty.
    s.loglevel = 0;
    s.mindif = 1;
    s.mindifIsText = true;
    maxdiflimit_ = 3;

    nq_.value = 5;
    max_.value = 1;
    nquestion->setText(QString::number(s.nquestions));
    nquestionChanged();
    tmaxdif->setText(QString::number(s.maxdif));
    tmaxdifChanged();

    for (int k = kFirstListedCategory; k <= kLastListedCategory; ++k) {
        auto* item = new QListWidgetItem(ctx_.catnames[size_t(k)], List1);
        item->setSelected(s.catenabled[size_t(k)] != 0);
    }
    if (s.soundon != 0)
        Check1->setChecked(true);
    chkBonus->setChecked(ctx_.bonusQuestions);
    chkLater->setChecked(ctx_.laterPresidents);
    tmaxdif->setFocus();
}

// A number box's change handling: a number is clamped into its bounds and
// written back; text that is not a number brings back the last number, except
// an empty box or a lone minus sign, which the player is still typing.
void SetupDialog::changed(NumberBox& nb, int lower, int upper)
{
    const QString text = nb.box->text();
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok);
    if (!ok) {
        const QString t = text.trimmed();
        if (!t.isEmpty() && t != QLatin1String("-"))
            nb.box->setText(QString::number(nb.value));
        return;
    }
    nb.value = checknumber(typed, lower, upper);
    const QString clamped = QString::number(nb.value);
    if (text != clamped)
        nb.box->setText(clamped);
}

void SetupDialog::nquestionChanged()
{
    changed(nq_, 1, maxqlimit_);
}

void SetupDialog::tmaxdifChanged()
{
    changed(max_, 1, maxdiflimit_);
}

void SetupDialog::done(int result)
{
    unload();
    QDialog::done(result);
}

void SetupDialog::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Settings& s = ctx_.settings;
    const bool exporting = ctx_.game.onlineQuestionMode != 0 || ctx_.game.tabbedQuestionMode != 0;
    s.nquestions = exporting ? maxqlimit_ : nq_.value;
    s.maxdif = max_.value;
    for (int k = kFirstListedCategory; k <= kLastListedCategory && k - 1 < List1->count(); ++k)
        s.catenabled[size_t(k)] = List1->item(k - 1)->isSelected() ? -1 : 0;
    ctx_.messages->show(savesettings(ctx_));
}

} // namespace brev
