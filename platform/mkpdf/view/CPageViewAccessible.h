#pragma once

#include <QAccessibleWidget>

class CPageView;

// What a screen reader gets from a page view: a document named after the
// page on show, whose text is that page's text, read as the selection
// reads it (words read in the background; until then the text is empty
// and a change is announced once they arrive).
class CPageViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit CPageViewAccessible(CPageView* view);
    // The factory Qt asks for every widget; answers for page views only.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    CPageView* View() const;
    QString PageText() const;
    int cursor = 0;
};
