#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class CTabBar;

// One painted tab of a CTabBar as a screen reader sees it: a page tab named
// after its document, selected when current, pressed to show it.
class CTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CTabAccessible(CTabBar* bar, int nIndex);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int Index() const { return index; }

private:
    QPointer<CTabBar> bar;
    int index;
};
