#pragma once

#include "QWKDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Sign-in form. The request runs while the dialog stays responsive; it
// accepts once signed in and shows the reason otherwise.
class CSignInDialog : public QWKDialog
{
    Q_OBJECT
public:
    explicit CSignInDialog(QWidget* parent = nullptr);
    ~CSignInDialog() override;

    QString ErrorText() const;

private:
    void SlotClickedSignIn();
    void SlotSignInFinished(bool bOk, const QString& strError);
    void SetBusy(bool bBusy);
    void ShowError(const QString& strError);

    QLineEdit* emailEdit = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QLabel* errorLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    bool waiting = false;
};
