#include "CIconButton.h"

CIconButton::CIconButton(const char* name, const QString& tip, int nSize, QWidget* parent)
    : QPushButton(parent)
{
    setObjectName(name);
    setFixedSize(nSize, nSize);
    setToolTip(tip);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_LayoutUsesWidgetRect);
}
