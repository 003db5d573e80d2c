#include "CEncryptBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CEncryptBox::CEncryptBox(const QString& fileName, bool bEncrypted, QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("encrypt_box");
    SetTitle(tr("Encrypt PDF"));
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(10);
    auto* intro = new QLabel(tr("Set a password that is needed to open \"%1\".").arg(fileName), contentWidget());
    intro->setObjectName("label_message");
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* openForm = new QFormLayout;
    openForm->setSpacing(8);
    openEdit = AddPasswordField(openForm, "line_open_password", tr("Open password:"));
    openConfirm = AddPasswordField(openForm, "line_open_confirm", tr("Confirm password:"));
    strength = new QLabel(contentWidget());
    strength->setObjectName("label_strength");
    openForm->addRow(QString(), strength);
    layout->addLayout(openForm);

    restrict = new QCheckBox(tr("Restrict printing and editing with a permissions password"), contentWidget());
    restrict->setObjectName("check_restrict");
    layout->addWidget(restrict);
    restrictions = new QWidget(contentWidget());
    auto* restrictLayout = new QVBoxLayout(restrictions);
    restrictLayout->setContentsMargins(24, 0, 0, 0);
    auto* ownerForm = new QFormLayout;
    ownerForm->setSpacing(8);
    ownerEdit = AddPasswordField(ownerForm, "line_owner_password", tr("Permissions password:"));
    ownerConfirm = AddPasswordField(ownerForm, "line_owner_confirm", tr("Confirm password:"));
    restrictLayout->addLayout(ownerForm);
    auto* rights = new QGridLayout;
    rights->setHorizontalSpacing(16);
    allowPrint = AddRight(rights, "check_allow_print", tr("Allow printing"), 0);
    allowCopy = AddRight(rights, "check_allow_copy", tr("Allow copying text and images"), 1);
    allowEdit = AddRight(rights, "check_allow_edit", tr("Allow editing"), 2);
    allowAnnotate = AddRight(rights, "check_allow_annotate", tr("Allow commenting"), 3);
    allowForms = AddRight(rights, "check_allow_forms", tr("Allow filling in forms"), 4);
    allowAssembly = AddRight(rights, "check_allow_assembly", tr("Allow inserting, deleting and rotating pages"), 5);
    restrictLayout->addLayout(rights);
    layout->addWidget(restrictions);

    auto* cipherRow = new QHBoxLayout;
    cipherRow->addWidget(new QLabel(tr("Encryption:"), contentWidget()));
    cipher = new QComboBox(contentWidget());
    cipher->setObjectName("combo_box");
    cipher->addItem(tr("AES-256 (recommended)"), true);
    cipher->addItem(tr("AES-128 (for older readers)"), false);
    cipherRow->addWidget(cipher, 1);
    layout->addLayout(cipherRow);

    error = new QLabel(contentWidget());
    error->setObjectName("label_error");
    error->setWordWrap(true);
    error->hide();
    layout->addWidget(error);
    layout->addSpacing(8);

    QPushButton* save = AddButtonRow(layout, tr("Save"), tr("Cancel"));
    auto* saveNew = new QPushButton(tr("Save as New File..."), contentWidget());
    saveNew->setObjectName("button_save_new");
    saveNew->setMinimumSize(80, 30);
    ButtonRow()->insertWidget(ButtonRow()->count() - 1, saveNew);
    if (bEncrypted) {
        auto* remove = new QPushButton(tr("Remove Protection"), contentWidget());
        remove->setObjectName("button_remove");
        remove->setMinimumSize(80, 30);
        connect(remove, &QPushButton::clicked, this, [this]() { done(RemoveProtection); });
        ButtonRow()->insertWidget(0, remove);
    }
    connect(saveNew, &QPushButton::clicked, this, [this]() { Confirm(SaveNew); });
    connect(save, &QPushButton::clicked, this, [this]() { Confirm(SaveOver); });
    connect(openEdit, &QLineEdit::textChanged, this, &CEncryptBox::UpdateStrength);
    connect(restrict, &QCheckBox::toggled, this, &CEncryptBox::UpdateRestrictions);
    UpdateStrength();
    UpdateRestrictions();
    openEdit->setFocus();
}

QLineEdit* CEncryptBox::AddPasswordField(QFormLayout* form, const char* name, const QString& label)
{
    auto* edit = new QLineEdit(contentWidget());
    edit->setObjectName(name);
    edit->setProperty("password", true);
    edit->setEchoMode(QLineEdit::Password);
    edit->setFixedHeight(30);
    form->addRow(label, edit);
    return edit;
}

QCheckBox* CEncryptBox::AddRight(QGridLayout* grid, const char* name, const QString& text, int nIndex)
{
    auto* box = new QCheckBox(text, contentWidget());
    box->setObjectName(name);
    box->setChecked(true);
    grid->addWidget(box, nIndex / 2, nIndex % 2);
    return box;
}

CEncryptBox::Strength CEncryptBox::PasswordStrength(const QString& password)
{
    if (password.isEmpty())
        return Empty;
    bool lower = false, upper = false, digit = false, other = false;
    for (const QChar c : password) {
        lower = lower || c.isLower();
        upper = upper || c.isUpper();
        digit = digit || c.isDigit();
        other = other || !c.isLetterOrNumber();
    }
    const int kinds = int(lower) + int(upper) + int(digit) + int(other);
    if (password.size() >= 12 && kinds >= 3)
        return Strong;
    if (password.size() >= 8 && kinds >= 2)
        return Fair;
    return Weak;
}

void CEncryptBox::UpdateStrength()
{
    static const char* const levels[] = {"", "weak", "fair", "strong"};
    const Strength level = PasswordStrength(openEdit->text());
    const QString names[] = {QString(), tr("Weak"), tr("Fair"), tr("Strong")};
    strength->setText(level == Empty ? QString() : tr("Strength: %1").arg(names[level]));
    strength->setProperty("level", levels[level]);
    strength->style()->unpolish(strength);
    strength->style()->polish(strength);
}

void CEncryptBox::UpdateRestrictions()
{
    restrictions->setEnabled(restrict->isChecked());
}

PdfProtection CEncryptBox::Protection() const
{
    PdfProtection protection;
    protection.mode = PdfProtection::Set;
    protection.openPassword = openEdit->text();
    protection.aes256 = cipher->currentData().toBool();
    if (!restrict->isChecked())
        return protection;
    protection.permissionsPassword = ownerEdit->text();
    protection.allowPrint = allowPrint->isChecked();
    protection.allowCopy = allowCopy->isChecked();
    protection.allowEdit = allowEdit->isChecked();
    protection.allowAnnotate = allowAnnotate->isChecked();
    protection.allowForms = allowForms->isChecked();
    protection.allowAssembly = allowAssembly->isChecked();
    return protection;
}

QString CEncryptBox::ErrorText() const
{
    return error->isHidden() ? QString() : error->text();
}

void CEncryptBox::Confirm(Choice choice)
{
    QString problem;
    if (openEdit->text().isEmpty())
        problem = tr("Enter a password to open the document.");
    else if (openEdit->text() != openConfirm->text())
        problem = tr("The passwords do not match. Type the open password again in both fields.");
    else if (restrict->isChecked() && ownerEdit->text().isEmpty())
        problem = tr("Enter a permissions password, or turn the restrictions off.");
    else if (restrict->isChecked() && ownerEdit->text() != ownerConfirm->text())
        problem = tr("The permissions passwords do not match. Type it again in both fields.");
    else if (restrict->isChecked() && ownerEdit->text() == openEdit->text())
        problem = tr("The permissions password must differ from the open password.");
    error->setText(problem);
    error->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        done(choice);
}
