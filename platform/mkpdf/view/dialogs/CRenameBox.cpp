#include "CRenameBox.h"

#include "CFileUtils.h"
#include "QWKDialogBar.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

CRenameBox::CRenameBox(QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("rename_box");
    SetTitle(tr("Rename"));
    setMinimumWidth(400);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);
    auto* label = new QLabel(tr("File Name"), contentWidget());
    label->setObjectName("label_gray");
    layout->addWidget(label);
    nameEdit = new QLineEdit(contentWidget());
    nameEdit->setObjectName("line_edit");
    nameEdit->setAccessibleName(tr("New Name"));
    nameEdit->setFixedHeight(30);
    nameEdit->setMaxLength(200);
    layout->addWidget(nameEdit);
    errorLabel = new QLabel(contentWidget());
    errorLabel->setObjectName("label_error");
    errorLabel->setWordWrap(true);
    errorLabel->hide();
    layout->addWidget(errorLabel);
    layout->addSpacing(8);

    QPushButton* ok = AddButtonRow(layout, tr("OK"), tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, &CRenameBox::SlotConfirm);
    connect(nameEdit, &QLineEdit::returnPressed, this, &CRenameBox::SlotConfirm);
    connect(nameEdit, &QLineEdit::textEdited, errorLabel, &QWidget::hide);
}

void CRenameBox::SetNewName(const QString& strPath)
{
    oldPath = strPath;
    newPath.clear();
    nameEdit->setText(QFileInfo(strPath).completeBaseName());
    nameEdit->selectAll();
    nameEdit->setFocus();
}

QString CRenameBox::ErrorText() const
{
    return errorLabel->isVisibleTo(this) ? errorLabel->text() : QString();
}

QString CRenameBox::CheckName(const QString& baseName, const QString& folder, const QString& suffix,
                              const QString& currentPath)
{
    static const QRegularExpression forbidden("[\\\\/:*?\"<>|\\x00-\\x1f]");
    if (baseName.trimmed().isEmpty())
        return tr("The file name cannot be empty.");
    if (baseName.contains(forbidden))
        return tr("A file name can't contain any of the following characters: \\ / : * ? \" < > |");
    if (baseName == "." || baseName == "..")
        return tr("This name cannot be used as a file name.");
    const QString target = folder + "/" + baseName + (suffix.isEmpty() ? QString() : "." + suffix);
    if (QFileInfo::exists(target) && !MKBase::CFileUtils::IsTheSameFile(target, currentPath))
        return tr("A file with this name already exists.");
    return QString();
}

void CRenameBox::SlotConfirm()
{
    const QFileInfo info(oldPath);
    const QString name = nameEdit->text().trimmed();
    const QString error = CheckName(name, info.absolutePath(), info.suffix(), oldPath);
    if (!error.isEmpty()) {
        errorLabel->setText(error);
        errorLabel->show();
        return;
    }
    newPath = info.absolutePath() + "/" + name + (info.suffix().isEmpty() ? QString() : "." + info.suffix());
    done(1);
}
