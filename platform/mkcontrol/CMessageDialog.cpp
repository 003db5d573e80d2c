#include "CMessageDialog.h"

#include "QWKDialogBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

CMessageDialog::CMessageDialog(bool bCloseButton, QWidget* parent, const QString& strTitle, const QString& strText,
                               const QString& strInfo, const QString& strButton1, const QString& strButton2,
                               const QString& strButton3)
    : QWKDialog(parent)
{
    setObjectName("message_box");
    SetTitle(strTitle);
    titleBar()->SetCloseVisible(bCloseButton);
    setMinimumWidth(332);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);

    textLabel = new QLabel(strText, contentWidget());
    textLabel->setObjectName("label_message");
    textLabel->setWordWrap(true);
    textLabel->setVisible(!strText.isEmpty());
    layout->addWidget(textLabel);

    infoLabel = new QLabel(strInfo, contentWidget());
    infoLabel->setObjectName("label_info");
    infoLabel->setWordWrap(true);
    infoLabel->setVisible(!strInfo.isEmpty());
    layout->addWidget(infoLabel);
    layout->addSpacing(12);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    const QString texts[3] = {strButton1, strButton2, strButton3};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(texts[i], contentWidget());
        button->setObjectName(QStringLiteral("button_%1").arg(i + 1));
        button->setProperty("confirm", i == 2);
        button->setMinimumSize(80, 30);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        button->setVisible(!texts[i].isEmpty());
        button->setAutoDefault(false);
        const int id = i + 1;
        connect(button, &QPushButton::clicked, this, [this, id]() { done(id); });
        row->addWidget(button);
        buttons[i] = button;
    }
    if (!strButton3.isEmpty())
        buttons[2]->setDefault(true);
    layout->addLayout(row);
}

QString CMessageDialog::Text() const
{
    return textLabel->text();
}

QString CMessageDialog::InfoText() const
{
    return infoLabel->text();
}

QPushButton* CMessageDialog::Button(int nId) const
{
    return (nId >= 1 && nId <= 3) ? buttons[nId - 1] : nullptr;
}
