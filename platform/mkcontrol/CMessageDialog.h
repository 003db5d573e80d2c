#pragma once

#include "QWKDialog.h"

class QLabel;
class QPushButton;

// Message box of the widget library: a heading, an optional detail text and
// up to three buttons. exec() returns the number of the button pressed (1, 2
// or 3; the third is the confirming one) or 0 when the box was closed
// otherwise. Buttons are named button_1..button_3.
class CMessageDialog : public QWKDialog
{
    Q_OBJECT
public:
    CMessageDialog(bool bCloseButton, QWidget* parent, const QString& strTitle, const QString& strText,
                   const QString& strInfo, const QString& strButton1, const QString& strButton2,
                   const QString& strButton3);

    QString Text() const;
    QString InfoText() const;
    QPushButton* Button(int nId) const;

private:
    QLabel* textLabel = nullptr;
    QLabel* infoLabel = nullptr;
    QPushButton* buttons[3] = {nullptr, nullptr, nullptr};
};
