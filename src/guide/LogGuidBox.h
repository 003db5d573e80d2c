#pragma once

#include "CPopupWidget.h"

class QLabel;
class QPushButton;

// Popup under the account button while nobody is signed in: what an account
// brings, and a button that starts the sign-in.
class LogGuidBox : public CPopupWidget
{
    Q_OBJECT
public:
    explicit LogGuidBox(QWidget* parent = nullptr);

signals:
    void SignalClickedLogin();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* title = nullptr;
    QList<QLabel*> benefits;
    QPushButton* loginButton = nullptr;
};
