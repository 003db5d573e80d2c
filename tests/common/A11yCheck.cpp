#include "A11yCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace {

QString Describe(const QWidget* widget)
{
    auto one = [](const QWidget* w) {
        return QString::fromLatin1(w->metaObject()->className()) + '#' + w->objectName();
    };
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

bool IsControl(const QWidget* widget)
{
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget);
}

// The widgets a user can meet: on show in the window, the window included.
QList<QWidget*> Shown(QWidget* window, const QStringList& pending)
{
    QList<QWidget*> shown;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window) && !widget->isWindow() && !InPending(widget, window, pending))
            shown << widget;
    }
    return shown;
}

// A dialog's close button: Escape does its work.
bool IsDialogCloseButton(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    return parent && parent->objectName() == QLatin1String("widget_dialog_bar");
}

} // namespace

QStringList A11yCheck::Unnamed(QWidget* window, const QStringList& pending)
{
    QStringList problems;
    for (QWidget* widget : Shown(window, pending)) {
        if (!IsControl(widget))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            problems << "no name: " + Describe(widget);
        else if (face->role() == QAccessible::Client || face->role() == QAccessible::NoRole)
            problems << "no role: " + Describe(widget);
    }
    return problems;
}

QStringList A11yCheck::NotReachable(QWidget* window, const QStringList& pending)
{
    QStringList problems;
    for (QWidget* widget : Shown(window, pending)) {
        const bool operable = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget)
            || qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)
            || qobject_cast<QAbstractItemView*>(widget);
        // A field's own buttons (clear, show password) are part of the field.
        const bool inField = qobject_cast<QLineEdit*>(widget->parentWidget());
        if (operable && widget->isEnabled() && !(widget->focusPolicy() & Qt::TabFocus) && !IsDialogCloseButton(widget)
            && !widget->focusProxy() && !inField)
            problems << "not reachable with Tab: " + Describe(widget);
    }
    return problems;
}

QString A11yCheck::Problems(QWidget* window, const QStringList& pending)
{
    return (Unnamed(window, pending) + NotReachable(window, pending)).join('\n');
}
