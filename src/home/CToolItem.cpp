#include "CToolItem.h"

#include <QGridLayout>
#include <QLabel>

CToolItem::CToolItem(const QString& iconName, QWidget* parent)
    : QPushButton(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(16, 16, 16, 16);
    iconLabel = new QLabel(this);
    iconLabel->setObjectName(iconName);
    iconLabel->setFixedSize(32, 32);
    iconLabel->setAlignment(Qt::AlignCenter);
    titleLabel = new QLabel(this);
    titleLabel->setObjectName("label_title");
    textLabel = new QLabel(this);
    textLabel->setObjectName("label_text");
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel->setWordWrap(true);
    textLabel->setMinimumWidth(100);
    for (QLabel* label : {iconLabel, titleLabel, textLabel})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(iconLabel, 0, 0);
    layout->addWidget(titleLabel, 0, 1);
    layout->addWidget(textLabel, 1, 0, 1, 2);
    setFixedSize(232, 110);
    setObjectName("button_tool");
    setAttribute(Qt::WA_LayoutUsesWidgetRect);
}

void CToolItem::SetTexts(const QString& title, const QString& description)
{
    titleLabel->setText(title);
    textLabel->setText(description);
    // Its text is on labels inside it, which a screen reader would not say.
    setAccessibleName(title);
    setAccessibleDescription(description);
}

QString CToolItem::Title() const
{
    return titleLabel->text();
}
