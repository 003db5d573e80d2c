#pragma once

#include "CNssStore.h"
#include "CSignatures.h"
#include "QWKDialog.h"

class QLabel;
class QLineEdit;
class QComboBox;
class QPushButton;
class QWidget;

// What a new signature says: the certificate from the user's store (or one
// imported into it from a PKCS#12 file), the reason, the place and an
// optional picture. exec() returns 1 when the user chose to sign.
class CSignBox : public QWKDialog
{
    Q_OBJECT
public:
    CSignBox(const QString& fileName, QWidget* parent = nullptr);

    // The chosen certificate and words; where it goes is the caller's.
    PdfSignRequest Request() const;
    PdfCertificate Certificate() const;
    // Reads the store again, selecting nickname when it is there.
    void Reload(const QString& nickname = QString());
    // Adds a PKCS#12 file to the store and selects its certificate; false
    // with the reason shown in the dialog.
    bool ImportFile(const QString& path, const QString& password);
    bool Unlock(const QString& password);
    QComboBox* CertificateBox() const { return list; }
    QLineEdit* ReasonEdit() const { return reason; }
    QLineEdit* LocationEdit() const { return location; }
    QLineEdit* ImageEdit() const { return image; }
    QString ErrorText() const;

private:
    void AskImport();
    void AskImage();
    void Confirm();
    void ShowError(const QString& text);
    void ShowDetails();

    QVector<PdfCertificate> certificates;
    QWidget* lockedRow = nullptr;
    QLineEdit* storePassword = nullptr;
    QComboBox* list = nullptr;
    QLabel* details = nullptr;
    QLabel* none = nullptr;
    QLineEdit* reason = nullptr;
    QLineEdit* location = nullptr;
    QLineEdit* image = nullptr;
    QLabel* error = nullptr;
    QPushButton* signButton = nullptr;
};
