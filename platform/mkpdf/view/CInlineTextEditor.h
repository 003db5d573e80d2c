#pragma once

#include <QPlainTextEdit>

// A text box laid over a page for typing a comment or a form value in
// place. Ctrl+Enter, leaving it or Escape keeps the text, as typed text is
// never thrown away unasked; Escape on an empty box drops it. Either way it
// reports once and then goes away.
class CInlineTextEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    CInlineTextEditor(const QString& text, QWidget* parent);

    // Enter alone finishes too (one-line fields); at most nLength characters
    // when nLength >= 0.
    void SetSingleLine(bool bSingle) { singleLine = bSingle; }
    void SetMaxLength(int nLength);
    // Escape gives up what was typed (a form field going back to its value).
    void SetEscapeDiscards(bool bDiscards) { escapeDiscards = bDiscards; }
    bool IsFinished() const { return finished; }
    // Ends the editing as if focus had left.
    void Commit();
    void Cancel();

signals:
    void SignalCommitted(const QString& strText);
    void SignalCancelled();
    // Tab or Shift+Tab: committed, and the next or previous field wanted.
    void SignalTabbed(bool bForward);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(bool bKeep);
    void ClipToLength();

    bool singleLine = false;
    bool escapeDiscards = false;
    bool finished = false;
    int maxLength = -1;
};
