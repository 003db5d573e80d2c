#include "CTabAccessible.h"

#include "CTabBar.h"

#include <QWidget>

CTabAccessible::CTabAccessible(CTabBar* bar_, int nIndex)
    : bar(bar_)
    , index(nIndex)
{
}

bool CTabAccessible::isValid() const
{
    return bar && index >= 0 && index < bar->GetItemCount();
}

QObject* CTabAccessible::object() const
{
    return nullptr;
}

QWindow* CTabAccessible::window() const
{
    return bar ? bar->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CTabAccessible::parent() const
{
    return bar ? QAccessible::queryAccessibleInterface(bar.data()) : nullptr;
}

QAccessibleInterface* CTabAccessible::child(int) const
{
    return nullptr;
}

int CTabAccessible::childCount() const
{
    return 0;
}

int CTabAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* CTabAccessible::childAt(int, int) const
{
    return nullptr;
}

QString CTabAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || t != QAccessible::Name)
        return QString();
    return bar->GetItemTitle(index);
}

void CTabAccessible::setText(QAccessible::Text, const QString&) { }

QRect CTabAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect local = bar->GetItemRect(index);
    return QRect(bar->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role CTabAccessible::role() const
{
    return QAccessible::PageTab;
}

QAccessible::State CTabAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.invisible = !isValid() || !bar->isVisible();
    state.selected = isValid() && bar->CurrentIndex() == index;
    return state;
}

void* CTabAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList CTabAccessible::actionNames() const
{
    return {pressAction()};
}

void CTabAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && isValid())
        bar->SetCurrentIndex(index);
}

QStringList CTabAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}
