#include "CTabBarAccessible.h"

#include "CTabAccessible.h"
#include "CTabBar.h"

#include <QCoreApplication>

CTabBarAccessible::CTabBarAccessible(CTabBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList)
{
}

CTabBarAccessible::~CTabBarAccessible()
{
    for (QAccessible::Id id : qAsConst(tabs))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CTabBarAccessible::Factory(const QString& key, QObject* object)
{
    if (key == QLatin1String("CTabBar") && object && object->isWidgetType())
        return new CTabBarAccessible(static_cast<CTabBar*>(object));
    return nullptr;
}

CTabBar* CTabBarAccessible::Bar() const
{
    return static_cast<CTabBar*>(widget());
}

int CTabBarAccessible::TabCount() const
{
    return Bar()->GetItemCount();
}

int CTabBarAccessible::childCount() const
{
    return TabCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* CTabBarAccessible::child(int index) const
{
    const int count = TabCount();
    if (index >= count)
        return QAccessibleWidget::child(index - count);
    if (index < 0)
        return nullptr;
    // One interface per position, made when first asked; a position beyond
    // the tabs reads as invalid until a tab fills it again.
    if (!tabs.contains(index))
        tabs.insert(index, QAccessible::registerAccessibleInterface(new CTabAccessible(Bar(), index)));
    return QAccessible::accessibleInterface(tabs.value(index));
}

int CTabBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child->role() == QAccessible::PageTab && child->parent() == this)
        return static_cast<const CTabAccessible*>(child)->Index();
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? own : own + TabCount();
}

QAccessibleInterface* CTabBarAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < TabCount(); ++i) {
        QAccessibleInterface* tab = child(i);
        if (tab && tab->rect().contains(x, y))
            return tab;
    }
    return QAccessibleWidget::childAt(x, y);
}

QString CTabBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QCoreApplication::translate("CTabBar", "Documents");
    return QAccessibleWidget::text(t);
}
