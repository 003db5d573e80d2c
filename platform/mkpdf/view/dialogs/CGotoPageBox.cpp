#include "CGotoPageBox.h"

#include "CustomIntValidator.h"
#include "QWKDialogBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CGotoPageBox::CGotoPageBox(int nCurrent, int nCount, QWidget* parent)
    : QWKDialog(parent)
    , count(nCount)
{
    setObjectName("goto_box");
    SetTitle(tr("Go to Page"));
    setMinimumWidth(320);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(12);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Page"), contentWidget());
    pageEdit = new QLineEdit(QString::number(nCurrent + 1), contentWidget());
    pageEdit->setObjectName("line_page");
    pageEdit->setAccessibleName(tr("Page Number"));
    pageEdit->setFixedHeight(30);
    pageEdit->setValidator(new CustomIntValidator(1, qMax(1, nCount), pageEdit));
    pageEdit->selectAll();
    auto* total = new QLabel(tr("of %1").arg(nCount), contentWidget());
    row->addWidget(label);
    row->addWidget(pageEdit, 1);
    row->addWidget(total);
    layout->addLayout(row);

    QPushButton* ok = AddButtonRow(layout, tr("Go"), tr("Cancel"));
    auto confirm = [this]() {
        if (Page() >= 0)
            done(1);
    };
    connect(ok, &QPushButton::clicked, this, confirm);
    connect(pageEdit, &QLineEdit::returnPressed, this, confirm);
    pageEdit->setFocus();
}

int CGotoPageBox::Page() const
{
    bool ok = false;
    const int page = pageEdit->text().toInt(&ok);
    return (ok && page >= 1 && page <= count) ? page - 1 : -1;
}
