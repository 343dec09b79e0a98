#include "setup/setupdialog.h"

#include "base/classlink.h"
#include "base/numbers.h"
#include "base/seams.h"
#include "game/questionexport.h"
#include "rules/gamesession.h"
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
#include <QValidator>

namespace brev {

namespace {
constexpr int kClientWidth = 8520;
constexpr int kClientHeight = 6060 + 420; // room for the bonus tick box below the buttons

// Where every control goes, in twips. A number row's label stands centred on
// its row, with room above and below for a second line when a language makes
// the caption longer than the row; the spin button follows the box. The
// maximum difficulty's row stands inside its frame, frameDiff.
constexpr TwipsPlace kLayout[] = {
    {"frameDiff", 240, 120, 3240, 1020},
    {"Label6", 180, 420 - 120, 1320, 375 + 240},
    {"tmaxdif", 1620, 420, 720, 375},
    {"UpDown3", 1620 + 720, 420, 300, 375},
    {"Label4", 240, 1380 - 120, 2160, 375 + 240},
    {"nquestion", 2460, 1380, 720, 375},
    {"UpDown1", 2460 + 720, 1380, 300, 375},
    {"Check1", 240, 1980, 3240, 375},
    {"lblLanguage", 240, 2520, 3240, 315},
    {"cmbLanguage", 240, 2880, 3240, 375},
    {"lblClass", 240, 3360, 1500, 375},
    {"txtClass", 1800, 3360, 1680, 375},
    {"cmdmakeq", 240, 3840, 3240, 450},
    {"cmdTabbed", 240, 4410, 3240, 450},
    {"List1", 3720, 240, 4560, 4620},
    {"cmdEdit", 240, 5280, 1200, 450},
    {"cmdhof", 1560, 5280, 1200, 450},
    {"cmdhelp", 2880, 5280, 1200, 450},
    {"cmdOK", 7080, 5280, 1200, 450},
    {"chkBonus", 240, 5880, 3240, 375},
    {"chkLater", 3720, 5880, 4560, 375},
};

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A class code as it is typed: the code's alphabet only, upper-cased, six
// characters at most; whole when empty or six long.
class ClassCodeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar& c : input) {
            c = c.toUpper();
            if (c.unicode() > 127 || !QByteArrayView(kClassCodeAlphabet).contains(char(c.unicode())))
                return Invalid;
        }
        if (input.size() > kClassCodeLength)
            return Invalid;
        return input.isEmpty() || input.size() == kClassCodeLength ? Acceptable : Intermediate;
    }
};

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(6);
    return e;
}
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
void addNumberRow(QWidget* parent, QLabel*& label, const char* labelName, QLineEdit*& box,
                  const char* boxName, const QString& text, UpDown*& spin, const char* spinName)
{
    label = makeLabel(parent, labelName);
    label->setWordWrap(true);
    box = makeBox(parent, boxName, text);
    label->setBuddy(box);
    spin = new UpDown(box, parent);
    spin->setObjectName(QString::fromLatin1(spinName));
}

} // namespace

// ---- setup

SetupDialog::SetupDialog(SettingsStore& settings, Records& records, GameSession& session,
                         QuestionFile& questionFile, Messages& messages, Clock& clock,
                         const QString& helpText, SetupOpeners openers, QWidget* parent)
    : QDialog(parent), store_(settings), records_(records), session_(session), questionFile_(questionFile),
      messages_(messages), clock_(clock), helpText_(helpText), openers_(std::move(openers))
{
    build();
    retranslate();
    load();
    layoutControls();
    centreOnScreen(this);
}

void SetupDialog::build()
{
    setObjectName(QStringLiteral("setup"));
    setModal(true);
    setFont(designFont(false, 10));

    difficultyGroup = new QGroupBox(this);
    difficultyGroup->setObjectName(QStringLiteral("frameDiff"));
    addNumberRow(difficultyGroup, maxDifficultyLabel, "Label6", maxDifficultyBox, "tmaxdif",
                 QStringLiteral("1"), maxDifficultySpin, "UpDown3");
    addNumberRow(this, questionsLabel, "Label4", questionsBox, "nquestion", QStringLiteral("5"),
                 questionsSpin, "UpDown1");

    soundBox = new QCheckBox(this);
    soundBox->setObjectName(QStringLiteral("Check1"));

    // The language of the windows: the system's, or one named in its own language.
    languageLabel = makeLabel(this, "lblLanguage");
    languageBox = new QComboBox(this);
    languageBox->setObjectName(QStringLiteral("cmbLanguage"));
    languageBox->addItem(QString(), QString());
    for (const GameLanguage& language : kLanguages)
        languageBox->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    languageLabel->setBuddy(languageBox);

    classLabel = makeLabel(this, "lblClass");
    classBox = new QLineEdit(this);
    classBox->setObjectName(QStringLiteral("txtClass"));
    classBox->setMaxLength(kClassCodeLength);
    classBox->setValidator(new ClassCodeValidator(classBox));
    classLabel->setBuddy(classBox);

    onlineButton = makeButton(this, "cmdmakeq", QString());
    tabbedButton = makeButton(this, "cmdTabbed", QString());

    categoryList = new QListWidget(this);
    categoryList->setObjectName(QStringLiteral("List1"));
    categoryList->setSelectionMode(QAbstractItemView::MultiSelection);
    categoryList->setItemDelegate(new FocusMarkDelegate(categoryList));
    categoryList->setStyleSheet(
        QStringLiteral("QListWidget::item:selected { background: rgb(0, 0, 160); color: white; }"));

    editButton = makeButton(this, "cmdEdit", QString());
    hofButton = makeButton(this, "cmdhof", QString());
    helpButton = makeButton(this, "cmdhelp", QString());
    okButton = makeButton(this, "cmdOK", QString());

    bonusBox = new QCheckBox(this);
    bonusBox->setObjectName(QStringLiteral("chkBonus"));
    laterBox = new QCheckBox(this);
    laterBox->setObjectName(QStringLiteral("chkLater"));

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
}

// Every text of the screen in the language shown.
void SetupDialog::retranslate()
{
    setWindowTitle(tr("Brevallo Game Setup"));
    difficultyGroup->setTitle(tr("Difficulty"));
    maxDifficultyLabel->setText(tr("Maximum"));
    questionsLabel->setText(tr("Questions per game"));
    soundBox->setText(tr("Sound effects"));
    languageLabel->setText(tr("Language"));
    languageBox->setItemText(0, tr("System language"));
    classLabel->setText(tr("Class code"));
    classBox->setAccessibleName(tr("Class code"));
    classBox->setToolTip(tr("The code your teacher gave you, six letters and digits: every finished game is "
                            "reported to the class. Empty for no class."));
    onlineButton->setText(tr("Make online questions"));
    tabbedButton->setText(tr("Make 50 tabbed questions"));
    categoryList->setToolTip(tr("Colored items are selected"));
    categoryList->setAccessibleName(tr("Categories"));
    for (int i = 0; i < categoryList->count(); ++i)
        categoryList->item(i)->setText(categoryName(kFirstListedCategory + i, Wording::Shown));
    editButton->setText(tr("Edit"));
    editButton->setToolTip(tr("Change item data"));
    hofButton->setText(tr("HOF"));
    hofButton->setToolTip(tr("Show Hall of Fame"));
    helpButton->setText(tr("Help"));
    okButton->setText(tr("OK"));
    okButton->setToolTip(tr("Click here to continue"));
    bonusBox->setText(tr("Bonus questions"));
    bonusBox->setToolTip(tr("Also ask odd one out, Name Me, quotations and more"));
    laterBox->setText(tr("Presidents after 1993"));
    laterBox->setToolTip(tr("Also ask about the presidents from George W. Bush on"));
}

// Every control at its design place in the designed type, then fitted to the
// texts of the language shown: the row of buttons grows into the room beside
// it, what still does not fit is drawn smaller, and the category list makes
// room for its longest name.
void SetupDialog::layoutControls()
{
    resize(twips(this, kClientWidth), twips(this, kClientHeight));
    placeControls(this, kLayout);
    const auto buttons = findChildren<QAbstractButton*>();
    const auto labels = findChildren<QLabel*>();
    for (QWidget* w : buttons)
        w->setFont(font()); // the dialog's, as designed
    for (QWidget* w : labels)
        w->setFont(font());
    categoryList->setFont(font());
    widenButtonRow({editButton, hofButton, helpButton});
    for (QAbstractButton* button : buttons)
        fitCaption(button);
    for (QLabel* label : labels)
        fitCaption(label);
    fitCategoryList();
}

// A language chosen on the Language box shows at once: the texts change and
// the screen is laid out for them anew, keeping its centre where it was.
void SetupDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const QPoint centre = frameGeometry().center();
    retranslate();
    layoutControls();
    if (isVisible())
        move(pos() + centre - frameGeometry().center());
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
        return categoryList->width() - 2 * categoryList->frameWidth() - 2 * margin -
               (scrolls ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
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
    messages_.show(startExport(mode, store_, session_, questionFile_, clock_.today()));
    maxqlimit_ = exportQuestionLimit(mode);
    questionsBox->setText(QString::number(maxqlimit_));
    messages_.ok(exportStartMessage(mode));
}

void SetupDialog::load()
{
    Settings& s = store_.settings;
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
    if (s.soundon != 0)
        soundBox->setChecked(true);
    bonusBox->setChecked(store_.bonusQuestions);
    laterBox->setChecked(records_.laterPresidents());
    languageBox->setCurrentIndex(std::max(0, languageBox->findData(store_.language())));
    classBox->setText(store_.classCode());
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
    const QString code = classBox->text();
    if (!classBox->hasAcceptableInput())
        messages_.ok(tr("The class code %1 is not whole: a class code has six letters and digits. It was not "
                        "saved.")
                         .arg(code));
    else if (code != store_.classCode())
        messages_.show(store_.saveClassCode(code));
}

} // namespace brev
