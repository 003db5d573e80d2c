#include "CIconButton.h"

#include "CWidgetUtils.h"

CIconButton::CIconButton(const char* name, const QString& tip, int nSize, QWidget* parent)
    : QPushButton(parent)
{
    setObjectName(name);
    setFixedSize(nSize, nSize);
    // The tip names it for a screen reader too; Tab reaches it, a click
    // leaves the keyboard with the pages.
    CWidgetUtils::SetTip(this, tip);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_LayoutUsesWidgetRect);
}
