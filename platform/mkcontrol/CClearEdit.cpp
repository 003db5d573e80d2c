#include "CClearEdit.h"

#include <QAction>
#include <QIcon>

CClearEdit::CClearEdit(QWidget* parent)
    : QLineEdit(parent)
{
    clearAction = addAction(QIcon(), QLineEdit::TrailingPosition);
    clearAction->setObjectName("action_clear");
    clearAction->setText(tr("Clear"));
    connect(clearAction, &QAction::triggered, this, [this]() {
        clear();
        setFocus();
    });
    connect(this, &QLineEdit::textChanged, this, &CClearEdit::UpdateClearAction);
    UpdateClearAction();
}

void CClearEdit::SetClearIcon(const QString& path)
{
    clearIconPath = path;
    clearAction->setIcon(QIcon(path));
}

void CClearEdit::UpdateClearAction()
{
    clearAction->setVisible(!text().isEmpty() && !isReadOnly());
}
