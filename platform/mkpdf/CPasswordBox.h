#pragma once

#include "QWKDialog.h"

class QLabel;
class QLineEdit;

// Asks for the password of a protected document. exec() returns 1 with a
// password entered, 0 when the user gave up.
class CPasswordBox : public QWKDialog
{
    Q_OBJECT
public:
    CPasswordBox(const QString& fileName, bool bRetry, QWidget* parent = nullptr);

    QString Password() const;

private:
    QLineEdit* passwordEdit = nullptr;
};
