#pragma once

#include "QWKDialog.h"

class QLabel;
class QPushButton;

// Framework message box: a heading, an optional detail text and up to three
// buttons. exec() returns the number of the button pressed (1, 2 or 3; the
// third is the confirming one) or 0 when the box was closed otherwise.
class MKMessageBox : public QWKDialog
{
    Q_OBJECT
public:
    MKMessageBox(bool bCloseButton, QWidget* parent, const QString& strTitle,
                 const QString& strText, const QString& strInfo, const QString& strButton1,
                 const QString& strButton2, const QString& strButton3);

    // A notice with one confirming button. nButtons takes message box
    // button flags (0x400 OK, 0x400000 Cancel); nWidth fixes the width when
    // positive. window, when given, is dimmed while the box shows.
    static int information(bool bCloseButton, QWidget* parent, QWidget* window,
                           const QString& strTitle, const QString& strText,
                           const QString& strInfo, int nButtons, int nWidth);

    QString Text() const;
    QString InfoText() const;
    QPushButton* Button(int nId) const;

private:
    QLabel* textLabel = nullptr;
    QLabel* infoLabel = nullptr;
    QPushButton* buttons[3] = {nullptr, nullptr, nullptr};
};
