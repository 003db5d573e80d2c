#include "CSignInDialog.h"

#include "CMemberManager.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

CSignInDialog::CSignInDialog(QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("sign_in_dialog");
    SetTitle(tr("Sign In"));
    setMinimumWidth(380);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);

    auto* form = new QFormLayout;
    form->setSpacing(8);
    emailEdit = new QLineEdit(CMemberManager::LastEmail(), contentWidget());
    emailEdit->setObjectName("edit_email");
    emailEdit->setPlaceholderText(tr("name@example.com"));
    emailEdit->setMinimumHeight(30);
    form->addRow(tr("E-mail"), emailEdit);
    passwordEdit = new QLineEdit(contentWidget());
    passwordEdit->setObjectName("edit_password");
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setMinimumHeight(30);
    form->addRow(tr("Password"), passwordEdit);
    layout->addLayout(form);

    errorLabel = new QLabel(contentWidget());
    errorLabel->setObjectName("label_error");
    errorLabel->setWordWrap(true);
    errorLabel->setTextFormat(Qt::PlainText);
    errorLabel->hide();
    layout->addWidget(errorLabel);
    layout->addSpacing(12);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    cancelButton = new QPushButton(tr("Cancel"), contentWidget());
    cancelButton->setObjectName("button_cancel");
    cancelButton->setProperty("confirm", false);
    okButton = new QPushButton(tr("Sign In"), contentWidget());
    okButton->setObjectName("button_ok");
    okButton->setProperty("confirm", true);
    for (QPushButton* button : {cancelButton, okButton}) {
        button->setMinimumSize(80, 30);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    layout->addLayout(row);

    connect(okButton, &QPushButton::clicked, this, &CSignInDialog::SlotClickedSignIn);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(emailEdit, &QLineEdit::returnPressed, this, &CSignInDialog::SlotClickedSignIn);
    connect(passwordEdit, &QLineEdit::returnPressed, this, &CSignInDialog::SlotClickedSignIn);
    connect(CMemberManager::getInstance(), &CMemberManager::SignalSignInFinished, this,
            &CSignInDialog::SlotSignInFinished);
    // Closed while waiting: the answer has nobody left to tell.
    connect(this, &QDialog::rejected, this, [this]() {
        if (waiting)
            CMemberManager::getInstance()->CancelSignIn();
        SetBusy(false);
    });
    (emailEdit->text().isEmpty() ? emailEdit : passwordEdit)->setFocus();
}

CSignInDialog::~CSignInDialog()
{
    if (waiting)
        CMemberManager::getInstance()->CancelSignIn();
}

QString CSignInDialog::ErrorText() const
{
    return errorLabel->text();
}

void CSignInDialog::SlotClickedSignIn()
{
    if (waiting)
        return;
    QString error;
    if (!CMemberManager::getInstance()->SignIn(emailEdit->text(), passwordEdit->text(), &error)) {
        ShowError(error);
        return;
    }
    ShowError(QString());
    SetBusy(true);
}

void CSignInDialog::SlotSignInFinished(bool bOk, const QString& strError)
{
    if (!waiting)
        return;
    SetBusy(false);
    if (bOk) {
        passwordEdit->clear();
        accept();
        return;
    }
    ShowError(strError);
    passwordEdit->setFocus();
    passwordEdit->selectAll();
}

void CSignInDialog::SetBusy(bool bBusy)
{
    waiting = bBusy;
    okButton->setEnabled(!bBusy);
    emailEdit->setReadOnly(bBusy);
    passwordEdit->setReadOnly(bBusy);
}

void CSignInDialog::ShowError(const QString& strError)
{
    errorLabel->setText(strError);
    errorLabel->setVisible(!strError.isEmpty());
}
