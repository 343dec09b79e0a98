#include "screens/sortwindow.h"

#include "game/questionkinds.h"
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
    {"Frame1", 120, 120, 6975, 5535}, {"Label1", 120, 240, 6735, 1095},   {"List1", 120, 1560, 5175, 1860},
    {"Label2", 120, 3960, 6735, 615}, {"Command2", 1200, 4680, 975, 615}, {"Command1", 3000, 4680, 1215, 615},
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
    default: QListWidget::keyPressEvent(event);
    }
}

// ---- qsort

SortWindow::SortWindow(SortModel& model, const WindowParts& parts, QWidget* parent)
    : QuestionWindow(parts, kindFacts(Screen::Sorting).slot, tr(" Sort "), kClientWidth, kClientHeight,
                     kWindowColour, parent),
      model_(model)
{
    setObjectName(QStringLiteral("qsort"));

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    fillBackground(frame, kWindowColour);

    headingLabel = makeLabel(frame, "Label1");
    itemList = new SortList(frame);
    itemList->setObjectName(QStringLiteral("List1"));
    itemList->setAccessibleName(tr("Items to sort"));
    itemList->setFont(designFont(false, kListPoints));
    QPalette listPalette = itemList->palette();
    listPalette.setColor(QPalette::Base, kListColour);
    itemList->setPalette(listPalette);
    connect(itemList, &SortList::lineClicked, this, &SortWindow::clickLine);
    connect(itemList, &SortList::pushRequested, this, &SortWindow::pushLine);
    hintLabel = makeLabel(frame, "Label2");

    helpButton = makeButton(frame, "Command2", tr("Help"));
    colourButton(helpButton);
    wireHelp(helpButton, kindHelp(model_.screen()));
    doneButton = makeButton(frame, "Command1", tr("Done"));
    colourButton(doneButton);
    connect(doneButton, &QPushButton::clicked, this, &SortWindow::judgeOrder);

    placeControls(this, kLayout);
    // The list is as wide as the labels above and below it.
    itemList->resize(frame->width() - 2 * itemList->x(), itemList->height());
    restoreSize();
    headingLabel->setText(model_.heading());
    hintLabel->setText(tr("Click to push an item up one slot"));
    itemList->setAccessibleName(model_.heading());
    itemList->setAccessibleDescription(tr("Space pushes the current item up one slot"));
    refillList();
    fitList();
    itemList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    itemList->setFocus();
}

void SortWindow::refillList()
{
    itemList->clear();
    itemList->addItems(model_.lines());
}

void SortWindow::fitList()
{
    QFont font = itemList->font();
    auto fitsDown = [&](double smallest) {
        for (double size = kListPoints; size >= smallest; size -= 0.5) {
            font.setPointSizeF(size);
            itemList->setFont(font);
            if (itemList->linesHeight() <= itemList->maximumViewportSize().height())
                return true;
        }
        return false;
    };
    if (fitsDown(kReadablePoints))
        return;
    itemList->resize(itemList->width(), hintLabel->y() - twips(this, kGap) - itemList->y());
    fitsDown(kSmallestPoints);
}

void SortWindow::clickLine(int line)
{
    if (answered() || !model_.pushUp(line))
        return;
    refillList();
    // Nothing is selected after a click; the focus mark follows the item.
    itemList->setCurrentRow(line - 1, QItemSelectionModel::NoUpdate);
}

void SortWindow::pushLine(int line)
{
    if (answered() || !model_.pushUp(line))
        return;
    refillList();
    // The selection follows the pushed item, so it can be pushed again.
    itemList->setCurrentRow(line - 1);
}

void SortWindow::judgeOrder()
{
    if (!takeAnswer())
        return;
    QFont judged = itemList->font();
    judged.setPointSizeF(std::min(kJudgedListPoints, judged.pointSizeF()));
    itemList->setFont(judged);
    finish(model_.judge());
}

void SortWindow::reject()
{}

void SortWindow::layoutControls()
{
    rememberSize();
    centreDesignFrame(frame);
}

} // namespace brev
