#pragma once

#include "CMessageDialog.h"

// The framework's message box: the widget library's dialog plus the notice
// every part of the application shows the same way.
class MKMessageBox : public CMessageDialog
{
    Q_OBJECT
public:
    using CMessageDialog::CMessageDialog;

    // A notice with one confirming button. nButtons takes message box
    // button flags (0x400 OK, 0x400000 Cancel); nWidth fixes the width when
    // positive. window, when given, is dimmed while the box shows.
    static int information(bool bCloseButton, QWidget* parent, QWidget* window, const QString& strTitle,
                           const QString& strText, const QString& strInfo, int nButtons, int nWidth);
    // The same notice with an OK button, modal to window and returning at
    // once (see QWKDialog::OpenThen): for notices from timers, hand-overs and
    // restores, which must not run a loop of their own.
    static MKMessageBox* notify(QWidget* window, const QString& strTitle, const QString& strText,
                                const QString& strInfo, int nWidth);
};
