#include "CInlineTextEditor.h"

#include <QKeyEvent>
#include <QTextCursor>

CInlineTextEditor::CInlineTextEditor(const QString& text, QWidget* parent)
    : QPlainTextEdit(text, parent)
{
    setFrameShape(QFrame::Box);
    // Tab is ours: it ends the typing and goes to the next field.
    setTabChangesFocus(false);
    moveCursor(QTextCursor::End);
    connect(this, &QPlainTextEdit::textChanged, this, &CInlineTextEditor::ClipToLength);
}

void CInlineTextEditor::SetMaxLength(int nLength)
{
    maxLength = nLength;
    ClipToLength();
}

void CInlineTextEditor::ClipToLength()
{
    // Typed or pasted text beyond the field's limit is cut off as it comes.
    if (maxLength < 0)
        return;
    const QString text = toPlainText();
    if (text.size() <= maxLength)
        return;
    QSignalBlocker blocker(this);
    setPlainText(text.left(maxLength));
    moveCursor(QTextCursor::End);
}

void CInlineTextEditor::Commit()
{
    Finish(true);
}

void CInlineTextEditor::Cancel()
{
    Finish(false);
}

void CInlineTextEditor::Finish(bool bKeep)
{
    if (finished)
        return;
    finished = true;
    if (bKeep)
        emit SignalCommitted(toPlainText());
    else
        emit SignalCancelled();
    hide();
    deleteLater();
}

void CInlineTextEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Finish(!escapeDiscards && !toPlainText().trimmed().isEmpty());
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (singleLine || (event->modifiers() & Qt::ControlModifier))) {
        Commit();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        Commit();
        emit SignalTabbed(forward);
        return;
    }
    if (singleLine && enter)
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void CInlineTextEditor::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // A popup (the input method, a context menu) taking focus is no leaving.
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
}
