#pragma once

#include "CTextMatcher.h"

#include <QWidget>

class CClearEdit;
class CDocumentSearch;
class CPageView;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTimer;

// The bar under a document's toolbar for finding text: the query, the match
// counter, previous and next, match case and whole words. Typing searches
// after a short pause; Enter and Shift+Enter step through the matches, Esc
// closes the bar. The query stays with the document when the bar closes.
class CFindBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPauseMs = 200;

    CFindBar(CDocumentSearch* search, CPageView* view, QWidget* parent = nullptr);

    // Shows the bar with its field focused and selected; a suggestion (the
    // selected text) replaces the query.
    void Open(const QString& strSuggestion = QString());
    void Close();
    // Next or previous match; opens the bar and searches first when the
    // results shown are not those of the query in the bar.
    void FindNext();
    void FindPrevious();
    // The find keys pressed anywhere in the document: Ctrl+F, F3 and
    // Shift+F3 (also without the window's menu), and Esc while the bar is
    // open. True when the key was one of them.
    bool HandleKey(const QKeyEvent* event);

    QLineEdit* Field() const;
    QLabel* Counter() const { return counter; }
    QCheckBox* MatchCaseBox() const { return matchCase; }
    QCheckBox* WholeWordsBox() const { return wholeWords; }

signals:
    void SignalShowResults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CTextMatcher::Options Options() const;
    bool ShowsCurrentQuery() const;
    void Step(bool bForward);
    void StartSearch();
    void UpdateCounter();

    CDocumentSearch* search;
    CPageView* view;
    CClearEdit* field = nullptr;
    QLabel* counter = nullptr;
    QCheckBox* matchCase = nullptr;
    QCheckBox* wholeWords = nullptr;
    QTimer* pause = nullptr;
};
