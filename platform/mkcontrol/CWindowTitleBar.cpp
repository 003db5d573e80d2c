#include "CWindowTitleBar.h"

#include "CHoverButton.h"
#include "CWidgetUtils.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

CWindowTitleBar::CWindowTitleBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_title_bar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(40);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(4);

    leftLayout = new QHBoxLayout;
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(6);
    layout->addLayout(leftLayout, 1);

    toolLayout = new QHBoxLayout;
    toolLayout->setContentsMargins(0, 0, 0, 0);
    toolLayout->setSpacing(4);
    layout->addLayout(toolLayout);

    menuButton = MakeButton("menu_button");
    memberButton = new CHoverButton(this);
    memberButton->setObjectName("member_button");
    memberButton->setFixedSize(28, 28);
    // Reached with Tab, but a click leaves the focus where it was.
    memberButton->setFocusPolicy(Qt::TabFocus);
    memberButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    minButton = MakeButton("min_button");
    maxButton = MakeButton("max_button");
    maxButton->setCheckable(true);
    closeButton = MakeButton("close_button");

    layout->addWidget(menuButton);
    layout->addWidget(memberButton);
    layout->addSpacing(8);
    layout->addWidget(minButton);
    layout->addWidget(maxButton);
    layout->addWidget(closeButton);

    connect(menuButton, &QPushButton::clicked, this, &CWindowTitleBar::SignalClickedMenu);
    connect(memberButton, &QPushButton::clicked, this, &CWindowTitleBar::SignalClickedMember);
    connect(memberButton, &CHoverButton::SignalEnter, this, &CWindowTitleBar::SignalMemberEnter);
    connect(memberButton, &CHoverButton::SignalLeave, this, &CWindowTitleBar::SignalMemberLeave);
    connect(minButton, &QPushButton::clicked, this, &CWindowTitleBar::SignalMinimize);
    connect(maxButton, &QPushButton::clicked, this, &CWindowTitleBar::SignalMaximize);
    connect(closeButton, &QPushButton::clicked, this, &CWindowTitleBar::SignalClose);
    connect(maxButton, &QPushButton::toggled, this, &CWindowTitleBar::Retranslate);
    Retranslate();
}

void CWindowTitleBar::Retranslate()
{
    CWidgetUtils::SetTip(menuButton, tr("Main Menu"));
    // Named only: a tooltip would cover the sign-in hint that hovering shows.
    memberButton->setAccessibleName(tr("Account"));
    CWidgetUtils::SetTip(minButton, tr("Minimize"));
    CWidgetUtils::SetTip(maxButton, maxButton->isChecked() ? tr("Restore") : tr("Maximize"));
    CWidgetUtils::SetTip(closeButton, tr("Close"));
}

void CWindowTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

QPushButton* CWindowTitleBar::MakeButton(const QString& objectName)
{
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setFixedSize(28, 28);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    return button;
}

void CWindowTitleBar::AddWidgetToLeft(QWidget* widget, int stretch)
{
    leftLayout->addWidget(widget, stretch);
}

void CWindowTitleBar::InsertToolButton(int index, QWidget* widget)
{
    toolLayout->insertWidget(index, widget);
}

void CWindowTitleBar::EnterFullScreen(bool bFull)
{
    minButton->setVisible(!bFull);
    maxButton->setVisible(!bFull);
}

void CWindowTitleBar::SetMaximized(bool bMaximized)
{
    maxButton->setChecked(bMaximized);
}

void CWindowTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || window()->isFullScreen()) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed = true;
    pressAt = event->globalPos();
}

void CWindowTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* top = window();
    if (dragging && (event->buttons() & Qt::LeftButton)) {
        top->move(event->globalPos() - dragOffset);
    } else if (pressed && (event->buttons() & Qt::LeftButton)
               && (event->globalPos() - pressAt).manhattanLength() >= QApplication::startDragDistance()) {
        pressed = false;
        if (top->isMaximized()) {
            // Back to its normal size under the pointer, held at the same
            // place across its width.
            const QRect wide = top->frameGeometry();
            const double across = double(pressAt.x() - wide.left()) / qMax(1, wide.width());
            top->showNormal();
            const QRect normal = top->frameGeometry();
            top->move(pressAt.x() - qRound(across * normal.width()), wide.top());
        }
        QWindow* handle = top->windowHandle();
        if (!handle || !handle->startSystemMove()) {
            dragging = true;
            dragOffset = pressAt - top->frameGeometry().topLeft();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void CWindowTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    pressed = dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CWindowTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && maxButton->isVisible())
        emit SignalMaximize();
    QWidget::mouseDoubleClickEvent(event);
}
