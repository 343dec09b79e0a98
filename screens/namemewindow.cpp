#include "screens/namemewindow.h"

#include "models/verdict.h"
#include "store/cmnfunc.h"
#include "store/context.h"

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

constexpr TwipsPlace kLayout[] = {
    {"Image2", 360, 480, kPortraitWidth, 2655},
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

NameMeWindow::NameMeWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, -1, NameMeModel::caption(), kClientWidth, kClientHeight, QColor(), parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("NameMe"));
    Image2 = makeImage(this, "Image2");
    Image2->setAccessibleName(QStringLiteral("Portrait of the president to name"));
    Image1 = makeImage(this, "Image1");
    Label3 = makeLabel(this, "Label3", QString());
    Label3->setFont(designFont(DesignFace::SansSerif, 9.75));
    Label3->setWordWrap(true);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Label1"));
    Label1->setFont(designFont(DesignFace::SansSerif, 18));
    Label2 = makeLabel(this, "Label2", QStringLiteral("Label2"));
    QPalette names = Label2->palette();
    names.setColor(QPalette::Window, Qt::red);
    names.setColor(QPalette::WindowText, Qt::yellow);
    Label2->setPalette(names);
    Label2->setAutoFillBackground(true);
    Command1 = makeButton(this, "Command1", QStringLiteral("quit"));
    // Every key reaches the window, whichever control has the focus.
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    placeControls(this, kLayout);

    setupform(this);
    Image1->hide();
    Label3->setText(model_.warning());
    Label1->clear();
    if (!model_.load()) {
        abandon();   // Name Me is a bonus category: it leaves the draw quietly
        return;
    }
    QPixmap portrait(ctx_.path(imagefile(ctx_, model_.record())));
    Image2->setPixmap(portrait);   // a missing picture shows nothing
    // The portrait keeps its proportions (2 : 3 when there is none) in the
    // room above the wrong letters.
    QSize portraitSize = portrait.isNull() ? QSize(2, 3) : portrait.size();
    portraitSize.scale(Image2->width(), Label1->y() - twips(this, kGap) - Image2->y(), Qt::KeepAspectRatio);
    Image2->resize(portraitSize);
    // The hidden name stands clear of its bar's left edge.
    Label2->setIndent(twips(this, kGap));
    Label2->setFont(designFont(DesignFace::SansSerif, model_.nameFontSize()));
    Label3->hide();
    showName();
    Image1->show();
    setFocus();
}

void NameMeWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the screen like "quit"; keys that type nothing are ignored.
    if (event->key() == Qt::Key_Escape && !model_.finished()) {
        reject();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    typed(text.at(0));
}

void NameMeWindow::typed(QChar c)
{
    if (answered())
        return;   // the name was found: its score screen is open
    const NameMeModel::KeyResult r = model_.press(c);
    for (const int sound : r.sounds)
        playsfx(ctx_, sound);
    switch (r.outcome) {
    case NameMeModel::Outcome::Closes:
        accept();
        return;
    case NameMeModel::Outcome::NotALetter:
        ctx_.messages->ok(QStringLiteral("Press a letter, only"));
        return;
    case NameMeModel::Outcome::Repeated:
        return;
    case NameMeModel::Outcome::Found:
        showName();
        announce(Label2);
        return;
    case NameMeModel::Outcome::Missed:
    case NameMeModel::Outcome::Lost:
        Label1->setText(model_.lettersText());
        showTries();
        showStage();
        announce(Label1);
        if (r.outcome == NameMeModel::Outcome::Lost) {
            applyVerdict(ctx_, r.verdict);
            showName();
            Label3->setText(model_.warning());
        }
        // A text wider than the design's font allows is drawn smaller.
        Label1->setFont(fittedFont(designFont(DesignFace::SansSerif, 18), Label1->text(),
                                   Label1->contentsRect().size(), false));
        return;
    case NameMeModel::Outcome::Won:
        takeAnswer();
        showName();
        showResults(r.verdict);
        return;
    }
}

void NameMeWindow::showName()
{
    // Read aloud letter by letter: "C, blank, blank, space, ...".
    QStringList spoken;
    for (const QChar c : model_.pattern())
        spoken << (c == u'*' ? QStringLiteral("blank") : c == u' ' ? QStringLiteral("space") : QString(c));
    Label2->setAccessibleName(QStringLiteral("Hidden name: ") +
                              (model_.finished() ? model_.answer() : spoken.join(QStringLiteral(", "))));
    showTries();
    Label2->setText(model_.mask());
    const QSize room = Label2->contentsRect().size() - QSize(Label2->indent(), 0);
    Label2->setFont(fittedFont(designFont(DesignFace::SansSerif, model_.nameFontSize()), Label2->text(), room,
                               false));
}

void NameMeWindow::showTries()
{
    const QString wrong = model_.tried().simplified();
    Label1->setAccessibleName(QStringLiteral("Wrong letters: %1. Tries left: %2")
                                  .arg(wrong.isEmpty() ? QStringLiteral("none") : wrong)
                                  .arg(std::max(0, model_.triesAllowed() - model_.misses())));
    Image1->setAccessibleName(QStringLiteral("Stage picture: %1 of %2 wrong letters")
                                  .arg(model_.misses())
                                  .arg(model_.triesAllowed()));
    // The window itself has the focus: it tells the whole state.
    setAccessibleDescription(Label2->accessibleName() + QStringLiteral(". ") + Label1->accessibleName());
}

void NameMeWindow::showStage()
{
    Image1->hide();
    const QRectF r = model_.stageRect();
    QRect stage(twips(this, int(r.left())), twips(this, int(r.top())), twips(this, int(r.width())),
                twips(this, int(r.height())));
    // It grows about its centre only as far as the room between the window's
    // top and the warning below it allows.
    const int roomHeight = 2 * std::min(stage.center().y() - twips(this, kGap),
                                        Label3->y() - twips(this, kGap) - stage.center().y());
    if (stage.height() > roomHeight) {
        const QPoint centre = stage.center();
        stage.setSize(stage.size().scaled(stage.width(), roomHeight, Qt::KeepAspectRatio));
        stage.moveCenter(centre);
    }
    Image1->setGeometry(stage);
    Image1->setPixmap(QPixmap(ctx_.path(model_.stagePicture())));   // missing: nothing shown
    Image1->show();
    Label3->show();
}

} // namespace brev
