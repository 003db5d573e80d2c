#include "CPasswordBox.h"

#include "QWKDialogBar.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPasswordBox::CPasswordBox(const QString& fileName, bool bRetry, QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("password_box");
    SetTitle(tr("Password"));
    setMinimumWidth(400);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);
    auto* text = new QLabel(tr("\"%1\" is protected. Enter the password to open it.").arg(fileName), contentWidget());
    text->setObjectName("label_message");
    text->setWordWrap(true);
    layout->addWidget(text);
    passwordEdit = new QLineEdit(contentWidget());
    passwordEdit->setObjectName("line_password");
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setFixedHeight(30);
    layout->addWidget(passwordEdit);
    auto* error = new QLabel(tr("Incorrect password. Please try again."), contentWidget());
    error->setObjectName("label_error");
    error->setVisible(bRetry);
    layout->addWidget(error);
    layout->addSpacing(8);

    QPushButton* ok = AddButtonRow(layout, tr("Open"), tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, [this]() { done(1); });
    passwordEdit->setFocus();
}

QString CPasswordBox::Password() const
{
    return passwordEdit->text();
}

std::shared_ptr<CPdfDocument> CPasswordBox::Unlock(const QString& path, CPdfDocument::LoadStatus* status,
                                                   QWidget* parent, bool* bGaveUp)
{
    *bGaveUp = false;
    bool retry = false;
    while (*status == CPdfDocument::NeedsPassword || *status == CPdfDocument::WrongPassword) {
        CPasswordBox box(QFileInfo(path).fileName(), retry, parent);
        if (parent)
            box.ShowMask(parent->window(), false);
        if (box.exec() != 1) {
            *bGaveUp = true;
            return nullptr;
        }
        std::shared_ptr<CPdfDocument> document = CPdfDocument::Load(path, box.Password().toUtf8(), status);
        if (document)
            return document;
        retry = true;
    }
    return nullptr;
}
