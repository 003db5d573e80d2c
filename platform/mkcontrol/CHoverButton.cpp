#include "CHoverButton.h"

CHoverButton::CHoverButton(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

void CHoverButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    emit SignalEnter();
}

void CHoverButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    emit SignalLeave();
}
