#include "CVTabWidget.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

CVTabWidget::CVTabWidget(QWidget* parent)
    : QFrame(parent)
{
    setObjectName("widget_vtab");
    setAttribute(Qt::WA_StyledBackground);
    // Created first so it lies beneath the buttons.
    highlight = new QLabel(this);
    highlight->setObjectName("label_rect");
    // The highlight is drawn 4 px narrower and 10 px lower than its
    // geometry (style margins), so 160 x 40 sits exactly under a button.
    highlight->setGeometry(16, 16, 160, 40);

    layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(4);
    layout->setAlignment(Qt::AlignTop);

    group = new QButtonGroup(this);
    group->setExclusive(true);
    connect(group, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &CVTabWidget::SlotGroupButtonClicked);

    animation = new QPropertyAnimation(highlight, "geometry", this);
    animation->setDuration(kAnimationMs);
    animation->setEasingCurve(QEasingCurve::OutCirc);
}

void CVTabWidget::AddTab(const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName("button_vtab");
    button->setCheckable(true);
    button->setFixedHeight(30);
    button->setMinimumWidth(156);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    button->installEventFilter(this);
    layout->addWidget(button);
    group->addButton(button, group->buttons().size());
}

QAbstractButton* CVTabWidget::Button(int nIndex) const
{
    return group->button(nIndex);
}

void CVTabWidget::SlotGroupButtonClicked(QAbstractButton* button)
{
    animation->stop();
    animation->setStartValue(highlight->geometry());
    animation->setEndValue(QRect(button->x(), button->y(), 160, 40));
    animation->start();
    emit SignalSelectChanged(group->id(button));
}

bool CVTabWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down walk the list as in any list; Tab leaves it.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
        if (QAbstractButton* next = step ? group->button(group->id(button) + step) : nullptr) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void CVTabWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (QAbstractButton* checked = group->checkedButton())
        highlight->setGeometry(checked->x(), checked->y(), 160, 40);
}
