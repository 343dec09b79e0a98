#include "setup/setupdialog.h"

#include "base/numbers.h"
#include "base/seams.h"
#include "game/questionexport.h"
#include "store/gamesession.h"
#include "store/language.h"
#include "store/questionfile.h"
#include "store/records.h"
#include "store/settingsstore.h"
#include "widgets/focusmarks.h"
#include "widgets/windowhelpers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
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
    // Centred on its row, with room above and below for a second line when a
    // language makes the caption longer than the row.
    label->setWordWrap(true);
    placeTwips(label, at.left, at.top - 120, at.labelWidth, 375 + 240);
    box = makeBox(parent, boxName, text);
    label->setBuddy(box);
    placeTwips(box, at.boxLeft, at.top, 720, 375);
    spin = new UpDown(box, parent);
    spin->setObjectName(QString::fromLatin1(spinName));
    placeTwips(spin, at.boxLeft + 720, at.top, 300, 375);
}

} // namespace

// ---- setup

SetupDialog::SetupDialog(SettingsStore& settings, Records& records, GameSession& session, QuestionFile& questionFile,
                         Messages& messages, Clock& clock, const QString& helpText, SetupOpeners openers,
                         QWidget* parent)
    : QDialog(parent), store_(settings), records_(records), session_(session), questionFile_(questionFile),
      messages_(messages), clock_(clock), helpText_(helpText), openers_(std::move(openers))
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

    difficultyGroup = new QGroupBox(tr("Difficulty"), this);
    difficultyGroup->setObjectName(QStringLiteral("frameDiff"));
    placeTwips(difficultyGroup, 240, 120, 3240, 1020);
    addNumberRow(difficultyGroup, maxDifficultyLabel, "Label6", tr("Maximum"), maxDifficultyBox, "tmaxdif",
                 QStringLiteral("1"), maxDifficultySpin, "UpDown3", {180, 420, 1320, 1620});
    addNumberRow(this, questionsLabel, "Label4", tr("Questions per game"), questionsBox, "nquestion",
                 QStringLiteral("5"), questionsSpin, "UpDown1", {240, 1380, 2160, 2460});

    soundBox = new QCheckBox(tr("Sound effects"), this);
    soundBox->setObjectName(QStringLiteral("Check1"));
    placeTwips(soundBox, 240, 1980, 3240, 375);

    // The language of the windows opened from now on: the system's, or one
    // named in its own language.
    languageLabel = makeLabel(this, "lblLanguage", tr("Language"));
    placeTwips(languageLabel, 240, 2520, 3240, 315);
    languageBox = new QComboBox(this);
    languageBox->setObjectName(QStringLiteral("cmbLanguage"));
    languageBox->addItem(tr("System language"), QString());
    for (const GameLanguage& language : kLanguages)
        languageBox->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    languageLabel->setBuddy(languageBox);
    placeTwips(languageBox, 240, 2880, 3240, 375);

    onlineButton = makeButton(this, "cmdmakeq", tr("Make online questions"), QString());
    placeTwips(onlineButton, 240, 3840, 3240, 450);
    tabbedButton = makeButton(this, "cmdTabbed", tr("Make 50 tabbed questions"), QString());
    placeTwips(tabbedButton, 240, 4410, 3240, 450);

    categoryList = new QListWidget(this);
    categoryList->setObjectName(QStringLiteral("List1"));
    categoryList->setSelectionMode(QAbstractItemView::MultiSelection);
    categoryList->setToolTip(tr("Colored items are selected"));
    categoryList->setAccessibleName(tr("Categories"));
    categoryList->setItemDelegate(new FocusMarkDelegate(categoryList));
    categoryList->setStyleSheet(QStringLiteral(
        "QListWidget::item:selected { background: rgb(0, 0, 160); color: white; }"));
    placeTwips(categoryList, 3720, 240, 4560, 4620);

    editButton = makeButton(this, "cmdEdit", tr("Edit"), tr("Change item data"));
    placeTwips(editButton, 240, 5280, 1200, 450);
    hofButton = makeButton(this, "cmdhof", tr("HOF"), tr("Show Hall of Fame"));
    placeTwips(hofButton, 1560, 5280, 1200, 450);
    helpButton = makeButton(this, "cmdhelp", tr("Help"), QString());
    placeTwips(helpButton, 2880, 5280, 1200, 450);
    okButton = makeButton(this, "cmdOK", tr("OK"), tr("Click here to continue"));
    placeTwips(okButton, 7080, 5280, 1200, 450);

    bonusBox = new QCheckBox(tr("Bonus questions"), this);
    bonusBox->setObjectName(QStringLiteral("chkBonus"));
    bonusBox->setToolTip(tr("Also ask odd one out, Name Me, quotations and more"));
    placeTwips(bonusBox, 240, 5880, 3240, 375);
    laterBox = new QCheckBox(tr("Presidents after 1993"), this);
    laterBox->setObjectName(QStringLiteral("chkLater"));
    laterBox->setToolTip(tr("Also ask about the presidents from George W. Bush on"));
    placeTwips(laterBox, 3720, 5880, 4560, 375);

    nq_.box = questionsBox;
    max_.box = maxDifficultyBox;
    connect(questionsBox, &QLineEdit::textChanged, this, &SetupDialog::nquestionChanged);
    connect(maxDifficultyBox, &QLineEdit::textChanged, this, &SetupDialog::tmaxdifChanged);
    // A box left empty (or holding a lone minus sign) shows its last number again.
    for (NumberBox* nb : {&nq_, &max_})
        connect(nb->box, &QLineEdit::editingFinished, this, [nb] {
            bool ok = false;
            nb->box->text().trimmed().toInt(&ok);
            if (!ok)
                nb->box->setText(QString::number(nb->value));
        });
    connect(soundBox, &QCheckBox::clicked, this,
            [this](bool ticked) { store_.settings.soundon = ticked ? 1 : 0; });
    connect(laterBox, &QCheckBox::clicked, this, [this](bool ticked) {
        records_.setLaterPresidents(ticked);
        messages_.show(store_.saveLaterPresidents(ticked));
    });
    connect(bonusBox, &QCheckBox::clicked, this, [this](bool ticked) {
        store_.setBonusQuestions(ticked, session_.bonusLeftOut);
        messages_.show(store_.saveBonusQuestions(ticked));
    });
    connect(languageBox, &QComboBox::activated, this, [this](int index) {
        const QString setting = languageBox->itemData(index).toString();
        messages_.show(store_.saveLanguage(setting));
        useLanguageSetting(setting);
    });
    connect(helpButton, &QPushButton::clicked, this, [this] { showHelpText(messages_, helpText_, 3); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(hofButton, &QPushButton::clicked, this, [this] {
        if (openers_.hallOfFame)
            openers_.hallOfFame(this);
    });
    connect(editButton, &QPushButton::clicked, this, [this] {
        if (openers_.editor)
            openers_.editor(this);
    });
    connect(onlineButton, &QPushButton::clicked, this, [this] { makeQuestions(ExportMode::Online); });
    connect(tabbedButton, &QPushButton::clicked, this, [this] { makeQuestions(ExportMode::Tabbed); });

    // Captions longer than their controls in the language shown: the row of
    // buttons grows into the room beside it, and what still does not fit is
    // drawn smaller.
    widenButtonRow({editButton, hofButton, helpButton});
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        fitCaption(button);
    for (QLabel* label : findChildren<QLabel*>())
        fitCaption(label);
}

// The list shows every category whole: names wider than the list in the
// language shown are drawn smaller, down to 9 points, and beyond that the
// list, its column and the window grow to the right.
void SetupDialog::fitCategoryList()
{
    constexpr double kSmallest = 9;
    QStyle* style = categoryList->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, categoryList) + 1;
    QFont font = categoryList->font();
    const auto widest = [this](const QFont& f) {
        int width = 0;
        for (int i = 0; i < categoryList->count(); ++i)
            width = std::max(width, QFontMetrics(f).horizontalAdvance(categoryList->item(i)->text()));
        return width;
    };
    const auto room = [&](const QFont& f) {
        const int inside = categoryList->height() - 2 * categoryList->frameWidth();
        const bool scrolls = categoryList->count() * (QFontMetrics(f).height() + 2) > inside;
        return categoryList->width() - 2 * categoryList->frameWidth() - 2 * margin
               - (scrolls ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    };
    while (widest(font) > room(font) && font.pointSizeF() > kSmallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    categoryList->setFont(font);
    const int extra = widest(font) - room(font);
    if (extra <= 0)
        return;
    categoryList->resize(categoryList->width() + extra, categoryList->height());
    laterBox->resize(laterBox->width() + extra, laterBox->height());
    okButton->move(okButton->x() + extra, okButton->y());
    resize(width() + extra, height());
    centreOnScreen(this);
}

// An export button: the mode goes on, the log starts afresh with the date, and
// the next game asks the mode's number of questions. A tabbed export needs a
// selected category that writes tabbed lines; without one it is refused.
void SetupDialog::makeQuestions(ExportMode mode)
{
    if (mode == ExportMode::Tabbed) {
        std::array<int, kCategories> selected{};
        for (int k = kFirstListedCategory; k <= kLastListedCategory && k - 1 < categoryList->count(); ++k)
            selected[size_t(k)] = categoryList->item(k - 1)->isSelected() ? -1 : 0;
        for (const int k : kBonusCategories)
            selected[size_t(k)] = store_.settings.catenabled[size_t(k)];
        if (const auto refusal = tabbedRefusal(selected, bonusBox->isChecked())) {
            messages_.ok(*refusal);
            return;
        }
    }
    startExport(mode, store_, session_, questionFile_, clock_.today());
    messages_.show(questionFile_.takeProblem());
    maxqlimit_ = exportQuestionLimit(mode);
    questionsBox->setText(QString::number(maxqlimit_));
    messages_.ok(exportStartMessage(mode));
}

void SetupDialog::load()
{
    Settings& s = store_.settings;
    centreOnScreen(this);
    setWindowTitle(tr("Brevallo Game Setup"));
    maxqlimit_ = 10;

    // The log threshold and the minimum difficulty are not the player's to
    // choose: every line is logged and no record is left out by difficulty.
    s.loglevel = 0;
    s.mindif = 1;
    s.mindifIsText = true;
    maxdiflimit_ = 3;

    nq_.value = 5;
    max_.value = 1;
    questionsBox->setText(QString::number(s.nquestions));
    nquestionChanged();
    maxDifficultyBox->setText(QString::number(s.maxdif));
    tmaxdifChanged();

    for (int k = kFirstListedCategory; k <= kLastListedCategory; ++k) {
        auto* item = new QListWidgetItem(categoryName(k, Wording::Shown), categoryList);
        item->setSelected(s.catenabled[size_t(k)] != 0);
    }
    fitCategoryList();
    if (s.soundon != 0)
        soundBox->setChecked(true);
    bonusBox->setChecked(store_.bonusQuestions);
    laterBox->setChecked(records_.laterPresidents());
    languageBox->setCurrentIndex(std::max(0, languageBox->findData(store_.language())));
    maxDifficultyBox->setFocus();
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
    nb.value = clampNumber(typed, lower, upper);
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
    Settings& s = store_.settings;
    const bool exporting = session_.exporting();
    s.nquestions = exporting ? maxqlimit_ : nq_.value;
    s.maxdif = max_.value;
    for (int k = kFirstListedCategory; k <= kLastListedCategory && k - 1 < categoryList->count(); ++k)
        s.catenabled[size_t(k)] = categoryList->item(k - 1)->isSelected() ? -1 : 0;
    messages_.show(store_.save());
}

} // namespace brev
