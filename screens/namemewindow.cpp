#include "screens/namemewindow.h"

#include "base/seams.h"
#include "models/verdict.h"
#include "store/records.h"
#include "store/sounds.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 8610;
constexpr int kClientHeight = 6330;
constexpr int kPortraitWidth = 4095;
// Room kept between the pictures and the texts, and inside the name's bar.
constexpr int kGap = 120;

// The instruction stands above the portrait, two lines high, and left of
// where the stage picture can grow.
constexpr TwipsPlace kLayout[] = {
    {"lblInstruction", 360, 120, 4800, 600},
    {"Image2", 360, 840, kPortraitWidth, 2655},
    // Right of the portrait (2 : 3, it is narrower than its box) and left of
    // where the stage picture can grow.
    {"lblTries", 3000, 840, 2280, 1095},
    {"Image1", 6000, 1320, 1215, 1455},
    {"Label3", 5880, 4080, 1455, 1095},
    {"Label1", 360, 4680, 4335, 690},
    {"Label2", 360, 5520, 6735, 735},
    {"Command1", 7320, 5520, 1095, 615},
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* makeImage(QWidget* parent, const char* name)
{
    auto* l = makeLabel(parent, name, QString());
    l->setScaledContents(true);
    return l;
}
} // namespace

NameMeWindow::NameMeWindow(NameMeModel& model, const WindowParts& parts, const QString& dir, QWidget* parent)
    : QuestionWindow(parts, kindFacts(Screen::NameMe).slot, NameMeModel::caption(), kClientWidth,
                     kClientHeight, QColor(), parent),
      model_(model), dir_(dir)
{
    setObjectName(QStringLiteral("NameMe"));
    instructionLabel = makeLabel(this, "lblInstruction", NameMeModel::instruction());
    instructionLabel->setWordWrap(true);
    instructionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructionLabel->setFont(designFont(DesignFace::SansSerif, 9.75));
    portrait = makeImage(this, "Image2");
    portrait->setAccessibleName(tr("Portrait of the president to name"));
    stage = makeImage(this, "Image1");
    warningLabel = makeLabel(this, "Label3", QString());
    warningLabel->setWordWrap(true);
    lettersLabel = makeLabel(this, "Label1", QStringLiteral("Label1"));
    lettersLabel->setFont(designFont(DesignFace::SansSerif, 18));
    nameLabel = makeLabel(this, "Label2", QStringLiteral("Label2"));
    QPalette names = nameLabel->palette();
    names.setColor(QPalette::Window, Qt::red);
    names.setColor(QPalette::WindowText, Qt::yellow);
    nameLabel->setPalette(names);
    nameLabel->setAutoFillBackground(true);
    triesLabel = makeLabel(this, "lblTries", QString());
    triesLabel->setWordWrap(true);
    triesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    quitButton = makeButton(this, "Command1", tr("quit"));
    // Every key reaches the window, whichever control has the focus.
    quitButton->setFocusPolicy(Qt::NoFocus);
    connect(quitButton, &QPushButton::clicked, this, &QDialog::reject);
    placeControls(this, kLayout);
    fitCaption(instructionLabel);

    centreOnScreen(this);
    stage->hide();
    showWarning();
    lettersLabel->clear();
    QPixmap picture(QDir(dir_).filePath(model_.portraitFile()));
    portrait->setPixmap(picture); // a missing picture shows nothing
    // The portrait keeps its proportions (2 : 3 when there is none) in the
    // room above the wrong letters.
    QSize portraitSize = picture.isNull() ? QSize(2, 3) : picture.size();
    portraitSize.scale(portrait->width(), lettersLabel->y() - twips(this, kGap) - portrait->y(),
                       Qt::KeepAspectRatio);
    portrait->resize(portraitSize);
    // The hidden name stands clear of its bar's left edge.
    nameLabel->setIndent(twips(this, kGap));
    nameLabel->setFont(designFont(DesignFace::SansSerif, model_.nameFontSize()));
    warningLabel->hide();
    showTriesLeft();
    showName();
    stage->show();
    setFocus();
}

void NameMeWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the screen like "quit" (after a lost name: on to its
    // score screen); keys that type nothing are ignored.
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    const QString text = event->text();
    // A letter held down as the name is lost does not skip past the lost name.
    if (text.isEmpty() || (model_.finished() && event->isAutoRepeat())) {
        event->ignore();
        return;
    }
    typed(text.at(0));
}

void NameMeWindow::reject()
{
    if (lost_) {
        showLostScore();
        return;
    }
    QuestionWindow::reject();
}

void NameMeWindow::showLostScore()
{
    if (!lost_ || !takeAnswer())
        return;
    const Verdict verdict = *lost_;
    lost_.reset();
    finish(verdict);
}

void NameMeWindow::typed(QChar c)
{
    if (answered())
        return; // the name was found: its score screen is open
    const NameMeModel::KeyResult r = model_.press(c);
    for (const int sound : r.sounds)
        playSound(sound);
    switch (r.outcome) {
    case NameMeModel::Outcome::Closes: showLostScore(); return;
    case NameMeModel::Outcome::NotALetter: parts_.messages.ok(tr("Press a letter, only")); return;
    case NameMeModel::Outcome::Repeated: return;
    case NameMeModel::Outcome::Found:
        showName();
        announce(nameLabel);
        return;
    case NameMeModel::Outcome::Missed:
    case NameMeModel::Outcome::Lost:
        lettersLabel->setText(model_.lettersText());
        showTriesLeft();
        showTries();
        showStage();
        announce(lettersLabel);
        if (r.outcome == NameMeModel::Outcome::Lost) {
            // The whole name and the finished picture stay in sight until the
            // next key (or "quit") opens the score screen.
            lost_ = r.verdict;
            showName();
            showWarning();
        }
        announce(triesLabel);
        // A text wider than the design's font allows is drawn smaller.
        lettersLabel->setFont(fittedFont(designFont(DesignFace::SansSerif, 18), lettersLabel->text(),
                                         lettersLabel->contentsRect().size(), false));
        return;
    case NameMeModel::Outcome::Won:
        takeAnswer();
        showName();
        finish(r.verdict);
        return;
    }
}

void NameMeWindow::showName()
{
    // Read aloud letter by letter: "C, blank, blank, space, ...".
    QStringList spoken;
    for (const QChar c : model_.pattern())
        spoken << (c == u'*' ? tr("blank") : c == u' ' ? tr("space") : QString(c));
    const QString hidden = model_.finished() ? model_.answer() : spoken.join(QStringLiteral(", "));
    nameLabel->setAccessibleName(tr("Hidden name: %1").arg(hidden));
    showTries();
    nameLabel->setText(model_.mask());
    const QSize room = nameLabel->contentsRect().size() - QSize(nameLabel->indent(), 0);
    nameLabel->setFont(
        fittedFont(designFont(DesignFace::SansSerif, model_.nameFontSize()), nameLabel->text(), room, false));
}

void NameMeWindow::showTries()
{
    const QString wrong = model_.tried().simplified();
    lettersLabel->setAccessibleName(
        tr("Wrong letters: %1. %2").arg(wrong.isEmpty() ? tr("none") : wrong, model_.triesText()));
    stage->setAccessibleName(
        tr("Stage picture: %1 of %2 wrong letters").arg(model_.misses()).arg(model_.triesAllowed()));
    // The window itself has the focus: it tells the whole state.
    describeState(nameLabel->accessibleName() + QStringLiteral(". ") + lettersLabel->accessibleName());
}

void NameMeWindow::showTriesLeft()
{
    triesLabel->setFont(designFont(DesignFace::SansSerif, 12));
    triesLabel->setText(model_.triesText());
    fitCaption(triesLabel);
}

// The warning under the stage picture, in the designed type or smaller when
// a language makes it longer than its place.
void NameMeWindow::showWarning()
{
    warningLabel->setFont(designFont(DesignFace::SansSerif, 9.75));
    warningLabel->setText(model_.warning());
    fitCaption(warningLabel);
}

void NameMeWindow::showStage()
{
    stage->hide();
    const QRectF r = model_.stageRect();
    QRect place(twips(this, int(r.left())), twips(this, int(r.top())), twips(this, int(r.width())),
                twips(this, int(r.height())));
    // It grows about its centre only as far as the room between the window's
    // top and the warning below it allows.
    const int roomHeight = 2 * std::min(place.center().y() - twips(this, kGap),
                                        warningLabel->y() - twips(this, kGap) - place.center().y());
    if (place.height() > roomHeight) {
        const QPoint centre = place.center();
        place.setSize(place.size().scaled(place.width(), roomHeight, Qt::KeepAspectRatio));
        place.moveCenter(centre);
    }
    stage->setGeometry(place);
    stage->setPixmap(QPixmap(QDir(dir_).filePath(model_.stagePicture()))); // missing: nothing shown
    stage->show();
    warningLabel->show();
}

} // namespace brev
