#pragma once

#include <QPushButton>

// A push button that reports the pointer entering and leaving it, for
// buttons that open a popup on hover.
class CHoverButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CHoverButton(QWidget* parent = nullptr);

    // Whether the pointer is over the button now.
    bool IsMouseEnter() const { return mouseInside; }

signals:
    void SignalEnter();
    void SignalLeave();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool mouseInside = false;
};
