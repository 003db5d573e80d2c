#pragma once

#include "CTextMatcher.h"
#include "CTextParser.h"

#include <QCache>
#include <QObject>
#include <QSet>
#include <QVector>

#include <atomic>
#include <memory>

class CPdfDocument;
class QTimer;

// Text search in one document. The pages are read on worker threads, from
// the given page on and wrapping at the end, and results arrive while the
// search runs; the first match becomes current as soon as every page before
// it in that order is done. One search at a time: a new one, or Clear, stops
// the last at once. Who shows the matches listens to the signals below.
//
// Most pages are searched in their plain text; a page on screen is read
// again with the place of every character, and its matches then follow that
// reading, so highlights and the list always agree. The text read is kept
// on disk (CTextStore) once every page has been read, and a later session
// searches from there.
class CDocumentSearch : public QObject
{
    Q_OBJECT
public:
    enum State { Idle, Running, Finished, NoText, Stopped };

    explicit CDocumentSearch(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CDocumentSearch() override;

    // An empty query only clears the results.
    void Start(const QString& strQuery, CTextMatcher::Options options, int nFromPage);
    // Reads the pages' text ahead of a query, from the given page on, so that
    // the first search finds most of it at hand; a search stops it.
    void ReadAhead(int nFromPage);
    // Stops the search, forgets its results and closes the parsers it used.
    void Clear();
    // Stops a running search and keeps what it found so far.
    void Stop();
    void Next();
    void Previous();
    void SetCurrent(int nPage, int nIndex);

    State GetState() const { return state; }
    QString Query() const { return query; }
    CTextMatcher::Options GetOptions() const { return options; }
    int Count() const { return total; }
    // Pages searched so far of all the document's pages.
    int PagesSearched() const { return doneCount; }
    int PageCount() const { return matches.size(); }
    // Position of the current match in document order, from 1; 0 for none.
    int CurrentOrdinal() const;
    int CurrentPage() const { return currentPage; }
    int CurrentIndex() const { return currentIndex; }
    QVector<PdfTextMatch> PageMatches(int nPage) const { return matches.value(nPage); }
    // Where a match is drawn, in page points; empty until the page's layout
    // has been read (which this asks for, with bRead).
    QVector<QRectF> MatchRects(int nPage, int nIndex, bool bRead = true);
    // Text around a match; false until the page's text is at hand (which
    // this asks for).
    bool Snippet(int nPage, int nIndex, QString* before, QString* match, QString* after);

signals:
    // Count, current match or state changed.
    void SignalProgress();
    // The current match moved and should be brought into view; rect is null
    // while its page's layout is unknown, and sent again when it is known.
    void SignalShowMatch(int nPage, const QRectF& rect);
    // Highlights or the text around the matches of a page changed; -1 for
    // every page.
    void SignalPageChanged(int nPage);
    // For a list of the results: every result is gone, ...
    void SignalResultsReset();
    // ... these pages (ascending, new to the list) have matches, ...
    void SignalPagesListed(const QVector<int>& pages);
    // ... a page's matches changed and leave the list until listed again.
    void SignalPageUnlisted(int nPage);

private:
    struct Run;
    struct Shelf;
    struct PageResult;
    struct Kept;

    void Launch(bool bQuiet, int nFromPage);
    static void SearchPage(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf, int nOrder);
    static void LookUpKept(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf);
    static void KeepOnDisk(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf);
    void Cancel();
    void ResetResults();
    void Take(const std::shared_ptr<Run>& finished);
    void TakeLayout(int nPage, const PdfPageText& layout);
    void ReplaceMatches(int nPage, const QVector<PdfTextMatch>& found);
    const PdfPageText* Layout(int nPage);
    void MakeCurrent(int nPage, int nIndex);
    void ListUnlisted();
    void Flush();
    void Step(int nDirection);

    std::shared_ptr<CPdfDocument> document;
    std::shared_ptr<Shelf> shelf;
    std::shared_ptr<Run> run;
    std::shared_ptr<Kept> kept;
    std::shared_ptr<std::atomic<bool>> copyGainsNothing;
    // The list and the counter follow the results ten times a second.
    QTimer* flushTimer = nullptr;
    QVector<int> unlisted;
    QString query;
    CTextMatcher::Options options;
    CTextMatcher matcher;
    State state = Idle;
    QVector<QVector<PdfTextMatch>> matches;
    QVector<bool> done;
    int donePrefix = 0;
    int doneCount = 0;
    int startPage = 0;
    int total = 0;
    int currentPage = -1;
    int currentIndex = -1;
    bool userMoved = false;
    bool revealPending = false;
    int documentHasText = -1;
    QCache<int, PdfPageText> layouts;
    QSet<int> layoutsWanted;
};
