#include "A11yCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace {

QString Describe(const QWidget* widget)
{
    auto one = [](const QWidget* w) { return QString::fromLatin1(w->metaObject()->className()) + '#' + w->objectName(); };
    return one(widget) + (widget->parentWidget() ? " in " + one(widget->parentWidget()) : QString());
}

bool InPending(const QWidget* widget, const QWidget* window, const QStringList& pending)
{
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        for (const QString& name : pending) {
            if (w->inherits(name.toLatin1().constData()))
                return true;
        }
    }
    return false;
}

// Tab enters an exclusive group of buttons at one of them (arrows move
// within), as with radio buttons: the others drop their Tab stop.
bool GroupReachable(const QWidget* widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const QButtonGroup* group = button ? button->group() : nullptr;
    if (!group || !group->exclusive())
        return false;
    const QList<QAbstractButton*> members = group->buttons();
    return std::any_of(members.cbegin(), members.cend(),
                       [](const QAbstractButton* b) { return b->isVisible() && (b->focusPolicy() & Qt::TabFocus); });
}

bool IsOperable(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

} // namespace

QStringList A11yCheck::Problems(QWidget* window, const QStringList& pending)
{
    QStringList problems;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow() || InPending(widget, window, pending))
            continue;
        // A scroll area's own scroll bars: its keys scroll, its role says it.
        if (widget->parentWidget() && widget->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea_")))
            continue;
        // A spin box's field: the toolkit presents the spin box as one control.
        if (widget->objectName() == QLatin1String("qt_spinbox_lineedit"))
            continue;
        const bool operable = IsOperable(widget);
        if (!operable && widget->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            problems << "no name: " + Describe(widget);
        else if (face->role() == QAccessible::Client || face->role() == QAccessible::NoRole)
            problems << "no role: " + Describe(widget);
        // A dialog's close button does what Escape does; a field's own
        // buttons (clear, show password) are part of the field.
        const QWidget* parent = widget->parentWidget();
        const bool exempt = (parent && parent->objectName() == QLatin1String("widget_dialog_bar"))
            || qobject_cast<const QLineEdit*>(parent) || widget->focusProxy() || GroupReachable(widget);
        if (operable && widget->isEnabled() && !(widget->focusPolicy() & Qt::TabFocus) && !exempt)
            problems << "not reachable with Tab: " + Describe(widget);
    }
    return problems;
}
