#include "CFormBar.h"

#include "CIconButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CFormBar::CFormBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_form_bar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(36);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 8, 0);
    row->setSpacing(8);
    label = new QLabel(this);
    label->setObjectName("label_form_bar");
    row->addWidget(label, 1);
    highlight = new QPushButton(tr("Highlight Fields"), this);
    highlight->setObjectName("button_form_highlight");
    highlight->setCheckable(true);
    highlight->setFixedHeight(26);
    highlight->setFocusPolicy(Qt::TabFocus);
    highlight->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    row->addWidget(highlight);
    auto* close = new CIconButton("button_form_close", tr("Close"), 26, this);
    row->addWidget(close);
    connect(highlight, &QPushButton::toggled, this, &CFormBar::SignalHighlightToggled);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void CFormBar::SetState(State newState)
{
    state = newState;
    label->setText(Text());
    highlight->setVisible(state == Fillable);
    if (state != Fillable)
        highlight->setChecked(false);
    setVisible(state != NoForm);
}

QString CFormBar::Text() const
{
    switch (state) {
    case NoForm:
        return QString();
    case Fillable:
        return tr("This document contains form fields you can fill in.");
    case Locked:
        return tr("This document contains form fields, but its permissions do not allow filling them in.");
    case XfaOnly:
        return tr("This form uses XFA, which is not supported. Its fields cannot be shown or filled in here.");
    }
    return QString();
}
