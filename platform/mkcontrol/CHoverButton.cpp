#include "CHoverButton.h"

CHoverButton::CHoverButton(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

void CHoverButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    mouseInside = true;
    emit SignalEnter();
}

void CHoverButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    mouseInside = false;
    emit SignalLeave();
}

void CHoverButton::hideEvent(QHideEvent* event)
{
    // A hidden button gets no leave event.
    mouseInside = false;
    QPushButton::hideEvent(event);
}
