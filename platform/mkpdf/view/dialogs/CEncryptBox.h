#pragma once

#include "CPdfEditor.h"
#include "QWKDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Sets the passwords of a document: an open password (typed twice, with a
// strength hint), optionally a permissions password with the rights it
// keeps back, and the cipher (AES-256 unless the user picks otherwise).
// exec() returns one of the Choice values.
class CEncryptBox : public QWKDialog
{
    Q_OBJECT
public:
    enum Choice { Cancelled = 0, SaveOver = 1, SaveNew = 2, RemoveProtection = 3 };
    enum Strength { Empty = 0, Weak = 1, Fair = 2, Strong = 3 };

    // bEncrypted offers to remove the document's present protection.
    CEncryptBox(const QString& fileName, bool bEncrypted, QWidget* parent = nullptr);

    PdfProtection Protection() const;
    QString ErrorText() const;
    static Strength PasswordStrength(const QString& password);

private:
    QLineEdit* AddPasswordField(class QFormLayout* form, const char* name, const QString& label);
    QCheckBox* AddRight(class QGridLayout* grid, const char* name, const QString& text, int nIndex);
    void UpdateStrength();
    void UpdateRestrictions();
    void Confirm(Choice choice);

    QLineEdit* openEdit = nullptr;
    QLineEdit* openConfirm = nullptr;
    QLabel* strength = nullptr;
    QCheckBox* restrict = nullptr;
    QWidget* restrictions = nullptr;
    QLineEdit* ownerEdit = nullptr;
    QLineEdit* ownerConfirm = nullptr;
    QCheckBox* allowPrint = nullptr;
    QCheckBox* allowCopy = nullptr;
    QCheckBox* allowEdit = nullptr;
    QCheckBox* allowAnnotate = nullptr;
    QCheckBox* allowForms = nullptr;
    QCheckBox* allowAssembly = nullptr;
    QComboBox* cipher = nullptr;
    QLabel* error = nullptr;
};
