#include "LogGuidBox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QVariant>

namespace {

constexpr int kTextWidth = 192;
constexpr int kBenefitCount = 3;

QLabel* Icon(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(16, 16);
    return label;
}

} // namespace

LogGuidBox::LogGuidBox(QWidget* parent)
    : CPopupWidget(parent)
{
    QWidget* box = contentWidget();
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    grid->addWidget(Icon("label_head", box), 0, 0);
    title = new QLabel(box);
    title->setObjectName("label_title");
    title->setWordWrap(true);
    title->setMaximumWidth(kTextWidth);
    grid->addWidget(title, 0, 1);
    grid->addItem(new QSpacerItem(0, 8), 1, 0, 1, 2);

    for (int i = 0; i < kBenefitCount; ++i) {
        auto* column = new QVBoxLayout;
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(Icon("label_yes", box));
        column->addStretch(1);
        grid->addLayout(column, 2 + i, 0);
        auto* text = new QLabel(box);
        text->setObjectName("label_benefit");
        text->setWordWrap(true);
        text->setMaximumWidth(kTextWidth);
        grid->addWidget(text, 2 + i, 1);
        benefits << text;
    }
    grid->addItem(new QSpacerItem(16, 8), 2 + kBenefitCount + 1, 0, 1, 2);

    loginButton = new QPushButton(box);
    loginButton->setObjectName("button_ok");
    loginButton->setFixedSize(216, 28);
    // A hint for the pointer; the Account button is the way from the keyboard.
    loginButton->setFocusPolicy(Qt::TabFocus);
    loginButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    loginButton->setProperty("confirm", true);
    grid->addWidget(loginButton, 2 + kBenefitCount + 2, 0, 1, 2);
    connect(loginButton, &QPushButton::clicked, this, &LogGuidBox::SignalClickedLogin);

    Retranslate();
}

void LogGuidBox::Retranslate()
{
    title->setText(tr("Log In Your Marvik Account"));
    const QStringList texts {tr("Work across desktop & mobile"), tr("Support multiple languages"),
                             tr("Free customer support")};
    for (int i = 0; i < benefits.size(); ++i)
        benefits[i]->setText(texts.value(i));
    loginButton->setText(tr("Log In"));
}

void LogGuidBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    CPopupWidget::changeEvent(event);
}
