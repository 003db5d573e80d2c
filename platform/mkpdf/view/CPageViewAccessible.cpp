#include "CPageViewAccessible.h"

#include "CPageView.h"

CPageViewAccessible::CPageViewAccessible(CPageView* view)
    : QAccessibleWidget(view, QAccessible::Document)
{
}

QAccessibleInterface* CPageViewAccessible::Create(const QString& className, QObject* object)
{
    if (className == QLatin1String("CPageView") && object && object->isWidgetType())
        return new CPageViewAccessible(static_cast<CPageView*>(object));
    return nullptr;
}

CPageView* CPageViewAccessible::View() const
{
    return static_cast<CPageView*>(widget());
}

QString CPageViewAccessible::PageText() const
{
    return View()->PageText(View()->CurrentPage());
}

QAccessible::Role CPageViewAccessible::role() const
{
    return QAccessible::Document;
}

QString CPageViewAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return CPageView::tr("Page %1 of %2").arg(View()->CurrentPage() + 1).arg(View()->PageCount());
    return QAccessibleWidget::text(kind);
}

void* CPageViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void CPageViewAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

int CPageViewAccessible::selectionCount() const
{
    return 0;
}

void CPageViewAccessible::addSelection(int, int) { }

void CPageViewAccessible::removeSelection(int) { }

void CPageViewAccessible::setSelection(int, int, int) { }

int CPageViewAccessible::cursorPosition() const
{
    return qMin(cursor, characterCount());
}

void CPageViewAccessible::setCursorPosition(int position)
{
    cursor = qBound(0, position, characterCount());
}

QString CPageViewAccessible::text(int startOffset, int endOffset) const
{
    const QString all = PageText();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = all.size();
    startOffset = qBound(0, startOffset, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int CPageViewAccessible::characterCount() const
{
    return PageText().size();
}

QRect CPageViewAccessible::characterRect(int) const
{
    return QRect();
}

int CPageViewAccessible::offsetAtPoint(const QPoint&) const
{
    return -1;
}

void CPageViewAccessible::scrollToSubstring(int, int) { }

QString CPageViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return QString();
}
