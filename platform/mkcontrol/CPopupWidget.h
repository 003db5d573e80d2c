#pragma once

#include <QTimer>
#include <QWidget>

// A small floating panel beside a window: a rounded frame around a content
// widget that hides itself when its hide timer runs out, so hover popups can
// linger while the pointer travels from their button onto them.
class CPopupWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CPopupWidget(QWidget* parent = nullptr);

    QWidget* contentWidget() const { return content; }
    // A real popup grabs the pointer and closes on any click outside; a
    // non-popup panel floats without taking the focus from its window.
    void setPopup(bool bPopup);
    bool IsPopup() const { return popup; }

    void StartTimer(int nMsec);
    void StopTimer();
    bool IsTimerActive() const { return hideTimer.isActive(); }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QWidget* content = nullptr;
    QTimer hideTimer;
    bool popup = true;
};
