#include "CSplitBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CSplitBox::CSplitBox(int nPageCount, QWidget* parent)
    : QWKDialog(parent)
    , pageCount(qMax(1, nPageCount))
{
    setObjectName("split_box");
    SetTitle(tr("Split Document"));
    setMinimumWidth(380);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(10);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Pages per file:"), contentWidget());
    row->addWidget(label);
    spin = new QSpinBox(contentWidget());
    spin->setObjectName("spin_pages");
    spin->setRange(1, pageCount);
    spin->setValue(qMax(1, pageCount / 2));
    spin->setFixedHeight(30);
    row->addWidget(spin, 1);
    layout->addLayout(row);
    summary = new QLabel(contentWidget());
    summary->setObjectName("label_message");
    layout->addWidget(summary);
    layout->addSpacing(8);
    QPushButton* ok = AddButtonRow(layout, tr("Split"), tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, [this]() { done(1); });
    connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &CSplitBox::UpdateSummary);
    UpdateSummary();
}

int CSplitBox::PagesPerFile() const
{
    return spin->value();
}

void CSplitBox::UpdateSummary()
{
    const int parts = (pageCount + spin->value() - 1) / spin->value();
    summary->setText(tr("The %1 pages become %2 files.").arg(pageCount).arg(parts));
}
