#pragma once

#include "CPdfDocument.h"
#include "QWKDialog.h"

#include <memory>

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

    // Finishes opening a protected file: asks for the password until it
    // fits or the user gives up (then *bGaveUp is set). Any other status is
    // given back as it is.
    static std::shared_ptr<CPdfDocument> Unlock(const QString& path, CPdfDocument::LoadStatus* status, QWidget* parent,
                                                bool* bGaveUp);

private:
    QLineEdit* passwordEdit = nullptr;
};
