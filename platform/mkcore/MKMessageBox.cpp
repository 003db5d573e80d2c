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

MKMessageBox* MKMessageBox::notify(QWidget* window, const QString& strTitle, const QString& strText,
                                   const QString& strInfo, int nWidth)
{
    auto* box = new MKMessageBox(true, window, strTitle, strText, strInfo, QString(), QString(), tr("OK"));
    if (nWidth > 0)
        box->setFixedWidth(nWidth);
    box->ShowMask(window, false);
    box->OpenThen();
    return box;
}
