#include "MKMessageBox.h"

int MKMessageBox::information(bool bCloseButton, QWidget* parent, QWidget* window, const QString& strTitle,
                              const QString& strText, const QString& strInfo, int nButtons, int nWidth)
{
    const bool withCancel = nButtons & 0x00400000;
    MKMessageBox box(bCloseButton, parent, strTitle, strText, strInfo, withCancel ? tr("Cancel") : QString(), QString(),
                     tr("OK"));
    if (nWidth > 0)
        box.setFixedWidth(nWidth);
    if (window)
        box.ShowMask(window, false);
    return box.exec();
}
