#include "BubbleTipWidget.h"

#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

BubbleTipWidget::BubbleTipWidget(QWidget* parent)
    : BubbleWidget(true, parent)
{
    setObjectName("bubble_tip");
    setAttribute(Qt::WA_StyledBackground);
    auto* panel = new QWidget(this);
    panel->setFixedWidth(198);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(20);
    auto* label = new QLabel(panel);
    label->setObjectName("label_text");
    label->setFixedWidth(178);
    label->setWordWrap(true);
    layout->addWidget(label);
    SetContentWidget(panel, QPoint(12, 24));
    if (this->layout())
        this->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void BubbleTipWidget::SetText(const QString& text)
{
    if (auto* label = findChild<QLabel*>("label_text"))
        label->setText(text);
    adjustSize();
}

QString BubbleTipWidget::Text() const
{
    auto* label = findChild<QLabel*>("label_text");
    return label ? label->text() : QString();
}
