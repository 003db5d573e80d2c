#pragma once

#include "QWKDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a new name of a document. exec() returns 1 when a valid name was
// confirmed; GetNewName() is then the new full path (same folder, same
// suffix). Empty names, forbidden characters and a name that already exists
// are refused with a message. The file itself is not touched.
class CRenameBox : public QWKDialog
{
    Q_OBJECT
public:
    explicit CRenameBox(QWidget* parent = nullptr);

    void SetNewName(const QString& strPath);
    QString GetNewName() const { return newPath; }
    QString ErrorText() const;
    QLineEdit* NameEdit() const { return nameEdit; }

    // Why a base name cannot be used in folder, or empty when it can.
    static QString CheckName(const QString& baseName, const QString& folder, const QString& suffix,
                             const QString& currentPath);

private:
    void SlotConfirm();

    QLineEdit* nameEdit = nullptr;
    QLabel* errorLabel = nullptr;
    QString oldPath;
    QString newPath;
};
