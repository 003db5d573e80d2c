#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CTabBar;

// A CTabBar as a screen reader sees it: a page tab list whose children are
// its painted tabs, then its real child widgets (add and close buttons).
class CTabBarAccessible : public QAccessibleWidget
{
public:
    explicit CTabBarAccessible(CTabBar* bar);
    ~CTabBarAccessible() override;

    // Registered once by the first tab bar made.
    static QAccessibleInterface* Factory(const QString& key, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

private:
    CTabBar* Bar() const;
    int TabCount() const;

    mutable QHash<int, QAccessible::Id> tabs;
};
