#include "hof/nameentrydialog.h"

#include "store/hoflist.h"
#include "store/cmnfunc.h"
#include "store/context.h"
#include "widgets/windowhelpers.h"

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
        const QSize room = e->contentsRect().marginsRemoved(e->textMargins()).size() - QSize(2 * frame + 4, 2 * frame);
        e->setFont(fittedFont(designed, text, room, false));
    });
    return e;
}
} // namespace

NameEntryDialog::NameEntryDialog(AppContext& ctx, int place, QWidget* parent)
    : QDialog(parent), ctx_(ctx), place_(place)
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

    Label1 = new QLabel(
        QStringLiteral("You have made the Hall of Fame. Please enter your name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label1, 360, 240, 4455, 615);

    // Tab order follows the creation order: name, its button, address, its button.
    Name1 = makeBox(this, "Name1", 20);
    placeTwips(Name1, 360, 840, 2895, 375);
    Name1->setAccessibleName(QStringLiteral("Your name"));
    OK = makeButton(this, "OK", QStringLiteral("Local HOF only"), QString());
    placeTwips(OK, 3600, 840, 1215, 495);

    Label2 = new QLabel(QStringLiteral("  Please enter email address:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTwips(Label2, 240, 1680, 3015, 315);
    email = makeBox(this, "email", 30);
    Label2->setBuddy(email);
    email->setToolTip(QStringLiteral("Need email for online entry"));
    placeTwips(email, 360, 2040, 2895, 420);
    Command1 = makeButton(this, "Command1", QStringLiteral("Website HOF entry"),
                          QStringLiteral("Enters your name in the Velmora online HOF"));
    placeTwips(Command1, 3600, 2040, 1215, 495);

    // A caption wider than its button in this font widens both buttons and the window.
    const int buttonWidth = std::max({OK->width(), OK->sizeHint().width(), Command1->sizeHint().width()});
    for (QPushButton* b : {OK, Command1})
        b->resize(buttonWidth, b->height());
    resize(std::max(width(), OK->x() + buttonWidth + twips(this, 360)), height());

    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command1, &QPushButton::clicked, this, [this] {
        online_ = true;
        accept();
    });
}

void NameEntryDialog::load()
{
    setupform(this);
    Label1->setText(QStringLiteral("You have made number ") + QString::number(place_)
                    + QStringLiteral(" on the Hall of Fame list. Please enter your name:"));
    Name1->setText(ctx_.settings.playername);
    email->setText(ctx_.settings.playeremail);
    Name1->setFocus();
    playsfx(ctx_, SfxHallOfFame);
}

void NameEntryDialog::done(int result)
{
    // The close box, Escape and both buttons all keep what was typed; the
    // files have no escape for a double quote, so it is kept as an apostrophe.
    if (!unloaded_) {
        unloaded_ = true;
        ctx_.settings.playername = fileSafeText(Name1->text());
        ctx_.settings.playeremail = fileSafeText(email->text());
    }
    QDialog::done(result);
}

} // namespace brev
