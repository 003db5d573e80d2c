#include "CPopupWidget.h"

#include <QVBoxLayout>

namespace {

// How long the panel stays after the pointer left it.
constexpr int kLeaveDelayMs = 200;

} // namespace

CPopupWidget::CPopupWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("popup_widget");
    // Opaque on purpose: without a compositor, see-through corners of a
    // top-level window come out black.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content = new QWidget(this);
    content->setObjectName("popup_content");
    content->setAttribute(Qt::WA_StyledBackground);
    layout->addWidget(content);

    hideTimer.setSingleShot(true);
    connect(&hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void CPopupWidget::setPopup(bool bPopup)
{
    popup = bPopup;
    const bool wasVisible = isVisible();
    // A tool window stays above its window without grabbing the pointer.
    setWindowFlags((bPopup ? Qt::Popup : Qt::Tool) | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint
                   | (bPopup ? Qt::WindowFlags() : Qt::WindowDoesNotAcceptFocus));
    if (wasVisible)
        show();
}

void CPopupWidget::StartTimer(int nMsec)
{
    hideTimer.start(qMax(0, nMsec));
}

void CPopupWidget::StopTimer()
{
    hideTimer.stop();
}

void CPopupWidget::enterEvent(QEvent* event)
{
    StopTimer();
    QWidget::enterEvent(event);
}

void CPopupWidget::leaveEvent(QEvent* event)
{
    StartTimer(kLeaveDelayMs);
    QWidget::leaveEvent(event);
}
