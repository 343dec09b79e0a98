#include "hof/nameentrydialog.h"

#include "base/state.h"
#include "store/hoflist.h"
#include "store/sounds.h"
#include "widgets/windowhelpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 5175;
constexpr int kClientHeight = 2880;

QLineEdit* makeBox(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    // A text longer than the box is drawn smaller rather than cut.
    const QFont designed = parent->font();
    QObject::connect(e, &QLineEdit::textChanged, e, [e, designed](const QString& text) {
        // Inside the frame, less the box's own margin of two pixels a side.
        const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
        const QSize room =
            e->contentsRect().marginsRemoved(e->textMargins()).size() - QSize(2 * frame + 4, 2 * frame);
        e->setFont(fittedFont(designed, text, room, false));
    });
    return e;
}

// Keeps Enter in a text box from reaching the dialog and its default button.
class EnterStaysInBox : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};
} // namespace

NameEntryDialog::NameEntryDialog(Settings& settings, Sounds& sounds, int place, QWidget* parent)
    : QDialog(parent), settings_(settings), sounds_(sounds), place_(place)
{
    build();
    load();
}

void NameEntryDialog::build()
{
    setObjectName(QStringLiteral("NameEntry"));
    setWindowTitle(tr("Enter Your Name"));
    setModal(true);
    setFont(designFont(false, 10));
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    prompt = new QLabel(tr("You have made the Hall of Fame. Please enter your name:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(prompt, 360, 240, 4455, 615);

    // Tab order follows the creation order: name, its button, address, its button.
    nameBox = makeBox(this, "Name1", 20);
    placeTwips(nameBox, 360, 840, 2895, 375);
    nameBox->setAccessibleName(tr("Your name"));
    localButton = makeButton(this, "OK", tr("Local HOF only"), QString());
    placeTwips(localButton, 3600, 840, 1215, 495);

    emailPrompt = new QLabel(tr("  Please enter email address:"), this);
    emailPrompt->setObjectName(QStringLiteral("Label2"));
    placeTwips(emailPrompt, 240, 1680, 3015, 315);
    fitCaption(emailPrompt);
    emailBox = makeBox(this, "email", 30);
    emailPrompt->setBuddy(emailBox);
    emailBox->setToolTip(tr("Need email for online entry"));
    placeTwips(emailBox, 360, 2040, 2895, 420);
    websiteButton = makeButton(this, "Command1", tr("Website HOF entry"),
                               tr("Enters your name in the Brevallo Game online HOF"));
    placeTwips(websiteButton, 3600, 2040, 1215, 495);

    // A caption wider than its button in this font widens both buttons and the window.
    const int buttonWidth =
        std::max({localButton->width(), localButton->sizeHint().width(), websiteButton->sizeHint().width()});
    for (QPushButton* b : {localButton, websiteButton})
        b->resize(buttonWidth, b->height());
    resize(std::max(width(), localButton->x() + buttonWidth + twips(this, 360)), height());

    // Enter in the name box presses "Local HOF only", the default button; in
    // the address box it does nothing, as the address may be meant for the
    // online entry.
    localButton->setDefault(true);
    emailBox->installEventFilter(new EnterStaysInBox(emailBox));

    connect(localButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(websiteButton, &QPushButton::clicked, this, [this] {
        online_ = true;
        accept();
    });
}

void NameEntryDialog::load()
{
    centreOnScreen(this);
    prompt->setText(
        tr("You have made number %1 on the Hall of Fame list. Please enter your name:").arg(place_));
    fitCaption(prompt);
    nameBox->setText(settings_.playername);
    emailBox->setText(settings_.playeremail);
    nameBox->setFocus();
    sounds_.play(SfxHallOfFame);
}

void NameEntryDialog::done(int result)
{
    // The close box, Escape and both buttons all keep what was typed; the
    // files have no escape for a double quote, so it is kept as an apostrophe.
    if (!unloaded_) {
        unloaded_ = true;
        settings_.playername = fileSafeText(nameBox->text());
        settings_.playeremail = fileSafeText(emailBox->text());
    }
    QDialog::done(result);
}

} // namespace brev
