#include "CLinkTargetBox.h"

#include "CPageEdits.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

CLinkTargetBox::CLinkTargetBox(int nPage, const QString& strAddress, int nPageCount, QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("link_target_box");
    SetTitle(tr("Link Target"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(12);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    pageChoice = new QRadioButton(tr("Page of this document"), contentWidget());
    pageChoice->setObjectName("radio_link_page");
    pageBox = new QSpinBox(contentWidget());
    pageBox->setObjectName("spin_link_page");
    pageBox->setAccessibleName(tr("Page number"));
    pageBox->setRange(1, qMax(1, nPageCount));
    pageBox->setValue(qBound(1, nPage + 1, qMax(1, nPageCount)));
    addressChoice = new QRadioButton(tr("Web address"), contentWidget());
    addressChoice->setObjectName("radio_link_address");
    addressEdit = new QLineEdit(strAddress, contentWidget());
    addressEdit->setObjectName("line_link_address");
    addressEdit->setAccessibleName(tr("Web address"));
    addressEdit->setPlaceholderText(QStringLiteral("https://"));
    addressEdit->setFixedHeight(30);
    grid->addWidget(pageChoice, 0, 0);
    grid->addWidget(pageBox, 0, 1);
    grid->addWidget(addressChoice, 1, 0);
    grid->addWidget(addressEdit, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    (strAddress.isEmpty() ? pageChoice : addressChoice)->setChecked(true);

    QPushButton* ok = AddButtonRow(layout, tr("OK"), tr("Cancel"));
    auto update = [this, ok]() {
        pageBox->setEnabled(pageChoice->isChecked());
        addressEdit->setEnabled(addressChoice->isChecked());
        ok->setEnabled(pageChoice->isChecked() || !Address().isEmpty());
    };
    connect(pageChoice, &QRadioButton::toggled, this, update);
    connect(addressEdit, &QLineEdit::textChanged, this, update);
    auto confirm = [this, ok]() {
        if (ok->isEnabled())
            done(1);
    };
    connect(ok, &QPushButton::clicked, this, confirm);
    connect(addressEdit, &QLineEdit::returnPressed, this, confirm);
    update();
    (strAddress.isEmpty() ? static_cast<QWidget*>(pageBox) : addressEdit)->setFocus();
}

int CLinkTargetBox::Page() const
{
    return pageChoice->isChecked() ? pageBox->value() - 1 : -1;
}

QString CLinkTargetBox::Address() const
{
    return pageChoice->isChecked() ? QString() : CompleteAddress(addressEdit->text());
}

QString CLinkTargetBox::CompleteAddress(const QString& typed)
{
    QString address = typed.trimmed();
    if (!address.isEmpty() && !address.contains(QLatin1Char(':')))
        address.prepend(address.contains(QLatin1Char('@')) ? QStringLiteral("mailto:") : QStringLiteral("https://"));
    return CPageEdits::IsLinkAddress(address) ? address : QString();
}
