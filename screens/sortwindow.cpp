#include "screens/sortwindow.h"

#include "store/context.h"
#include "widgets/focusmarks.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 7215;
constexpr int kClientHeight = 5775;
constexpr double kListPoints = 13.5;
constexpr double kJudgedListPoints = 10.0;
// Long lines are wrapped and drawn smaller rather than cut: down to this
// size in the designed height, then smaller in a list reaching down to Label2.
constexpr double kReadablePoints = 9.0;
constexpr double kSmallestPoints = 6.0;
constexpr int kGap = 120;
const QColor kWindowColour(128, 255, 255);
const QColor kListColour(192, 192, 192);
const QColor kButtonColour(0, 255, 255);

constexpr TwipsPlace kLayout[] = {
    {"Frame1", 120, 120, 6975, 5535},
    {"Label1", 120, 240, 6735, 1095},
    {"List1", 120, 1560, 5175, 1860},
    {"Label2", 120, 3960, 6735, 615},
    {"Command2", 1200, 4680, 975, 615},
    {"Command1", 3000, 4680, 1215, 615},
};

// Lines wrap at the list's width; the current line carries a clear focus mark.
class WrappingDelegate : public FocusMarkDelegate {
public:
    using FocusMarkDelegate::FocusMarkDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem wrapped(option);
        if (const auto* view = qobject_cast<const QAbstractScrollArea*>(option.widget))
            wrapped.rect = QRect(0, 0, view->maximumViewportSize().width(), 1);
        wrapped.features |= QStyleOptionViewItem::WrapText;
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }
};

void colourButton(QPushButton* button)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, kButtonColour);
    button->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(designFont(false, 12));
    fillBackground(label, kWindowColour);
    return label;
}
} // namespace

// ---- SortList

SortList::SortList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new WrappingDelegate(this));
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int SortList::linesHeight() const
{
    int height = 0;
    for (int row = 0; row < count(); ++row)
        height += sizeHintForRow(row);
    return height;
}

void SortList::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit lineClicked(index.row());
}

void SortList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a click of its own.
    mousePressEvent(event);
}

void SortList::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void SortList::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void SortList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        if (currentRow() >= 0)
            emit pushRequested(currentRow());
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

// ---- qsort

SortWindow::SortWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotSort, QStringLiteral(" Sort "), kClientWidth, kClientHeight, kWindowColour,
                     parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("qsort"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    fillBackground(Frame1, kWindowColour);

    Label1 = makeLabel(Frame1, "Label1");
    List1 = new SortList(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Items to sort"));
    List1->setFont(designFont(false, kListPoints));
    QPalette listPalette = List1->palette();
    listPalette.setColor(QPalette::Base, kListColour);
    List1->setPalette(listPalette);
    connect(List1, &SortList::lineClicked, this, &SortWindow::clickLine);
    connect(List1, &SortList::pushRequested, this, &SortWindow::pushLine);
    Label2 = makeLabel(Frame1, "Label2");

    Command2 = makeButton(Frame1, "Command2", QStringLiteral("Help"));
    colourButton(Command2);
    wireHelp(Command2, SortModel::helpText());
    Command1 = makeButton(Frame1, "Command1", QStringLiteral("Done"));
    colourButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &SortWindow::judgeOrder);

    placeControls(this, kLayout);
    // The list is as wide as the labels above and below it.
    List1->resize(Frame1->width() - 2 * List1->x(), List1->height());
    restoreSize();
    load();
    List1->setFocus();
}

void SortWindow::load()
{
    if (!model_.load()) {
        abandon();
        return;
    }
    Label1->setText(model_.heading());
    Label2->setText(QStringLiteral("Click to push an item up one slot"));
    List1->setAccessibleName(model_.heading());
    List1->setAccessibleDescription(QStringLiteral("Space pushes the current item up one slot"));
    model_.writeLoadLines();
    updatelist();
    fitList();
    List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void SortWindow::updatelist()
{
    List1->clear();
    List1->addItems(model_.lines());
}

void SortWindow::fitList()
{
    QFont font = List1->font();
    auto fitsDown = [&](double smallest) {
        for (double size = kListPoints; size >= smallest; size -= 0.5) {
            font.setPointSizeF(size);
            List1->setFont(font);
            if (List1->linesHeight() <= List1->maximumViewportSize().height())
                return true;
        }
        return false;
    };
    if (fitsDown(kReadablePoints))
        return;
    List1->resize(List1->width(), Label2->y() - twips(this, kGap) - List1->y());
    fitsDown(kSmallestPoints);
}

void SortWindow::clickLine(int line)
{
    if (abandoned() || answered() || !model_.pushUp(line))
        return;
    updatelist();
    // Nothing is selected after a click; the focus mark follows the item.
    List1->setCurrentRow(line - 1, QItemSelectionModel::NoUpdate);
}

void SortWindow::pushLine(int line)
{
    if (abandoned() || answered() || !model_.pushUp(line))
        return;
    updatelist();
    // The selection follows the pushed item, so it can be pushed again.
    List1->setCurrentRow(line - 1);
}

void SortWindow::judgeOrder()
{
    if (!takeAnswer())
        return;
    QFont judged = List1->font();
    judged.setPointSizeF(std::min(kJudgedListPoints, judged.pointSizeF()));
    List1->setFont(judged);
    showResults(model_.judge());
}

void SortWindow::reject()
{
}

void SortWindow::layoutControls()
{
    rememberSize();
    centerframe(Frame1, this);
}

} // namespace brev
