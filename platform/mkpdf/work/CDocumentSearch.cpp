#include "CDocumentSearch.h"

#include "CJobRunner.h"
#include "CPdfDocument.h"
#include "CReadingCopy.h"
#include "CSystemUtils.h"
#include "CTextCache.h"
#include "CTextStore.h"

#include <QMutex>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

namespace {

// Pages read with their layout at the start of a search, so the first
// match can be shown without reading its page twice.
constexpr int kLayoutsAhead = 2;
// Enough for every page on a large screen down to the smallest pages whose
// layout is read for highlighting; smaller pages only use layouts at hand.
constexpr int kLayoutsKept = 48;
constexpr int kSnippetBefore = 32;
constexpr int kSnippetAfter = 64;
constexpr int kFlushMs = 100;

} // namespace

// What the workers share with the search object: the parsers not in use and
// the way back to the GUI thread, closed when the object goes or clears.
struct CDocumentSearch::Shelf
{
    std::shared_ptr<CPdfDocument> document;
    QMutex mutex;
    CDocumentSearch* receiver = nullptr;
    std::vector<std::unique_ptr<CTextParser>> idle;
    std::atomic<bool> closed {false};
    // The file's reading copy, made once per search by the first worker
    // while the others wait for it: it pays for itself within a few pages.
    // Once a document is known to gain nothing from one, none is made again.
    QMutex copyMaking;
    bool copyTried = false;
    std::shared_ptr<const QByteArray> copy;
    std::shared_ptr<std::atomic<bool>> copyGainsNothing;

    // A parser for many pages reads from the reading copy, waiting for it
    // to be made; one for a page or two only when the copy is at hand.
    std::unique_ptr<CTextParser> Acquire(bool bManyPages)
    {
        const std::shared_ptr<const QByteArray> source = bManyPages ? ReadingCopy() : Copy();
        QMutexLocker locker(&mutex);
        for (auto it = idle.begin(); it != idle.end(); ++it) {
            if (!source || (*it)->ReadsCopy()) {
                std::unique_ptr<CTextParser> parser = std::move(*it);
                idle.erase(it);
                return parser;
            }
        }
        locker.unlock();
        return std::make_unique<CTextParser>(document, source);
    }

    std::shared_ptr<const QByteArray> Copy()
    {
        QMutexLocker locker(&mutex);
        return copy;
    }

    std::shared_ptr<const QByteArray> ReadingCopy()
    {
        QMutexLocker making(&copyMaking);
        if (!copyTried && !closed && !*copyGainsNothing) {
            copyTried = true;
            std::shared_ptr<const QByteArray> made;
            if (document->IsUnchangedOnDisk()) {
                QByteArray bytes = CReadingCopy::Make(document->FilePath());
                if (!bytes.isEmpty())
                    made = std::make_shared<const QByteArray>(std::move(bytes));
                else
                    *copyGainsNothing = true;
                // Working out the copy took the file's whole structure.
                MKBase::CSystemUtils::GiveBackFreedMemory();
            }
            QMutexLocker locker(&mutex);
            copy = made;
        }
        return Copy();
    }

    // A parser of the file itself is not kept once the copy is there.
    void Release(std::unique_ptr<CTextParser> parser)
    {
        // Declared before the lock: what is dropped closes outside it.
        std::vector<std::unique_ptr<CTextParser>> dropped;
        QMutexLocker locker(&mutex);
        if (copy) {
            const auto old = std::stable_partition(idle.begin(), idle.end(),
                                                   [](const auto& held) { return held->ReadsCopy(); });
            std::move(old, idle.end(), std::back_inserter(dropped));
            idle.erase(old, idle.end());
        }
        if (!closed && idle.size() < 2 && (!copy || parser->ReadsCopy()))
            idle.push_back(std::move(parser));
        else
            dropped.push_back(std::move(parser));
    }

    // Once closed, nothing of the document enters the cache any more.
    void Keep(int nPage, const QString& text)
    {
        QMutexLocker locker(&mutex);
        if (!closed)
            CTextCache::Instance().Insert(document->Id(), nPage, text);
    }

    void Post(std::function<void(CDocumentSearch*)> work)
    {
        QMutexLocker locker(&mutex);
        if (!receiver)
            return;
        CDocumentSearch* target = receiver;
        QMetaObject::invokeMethod(
            target, [target, work]() { work(target); }, Qt::QueuedConnection);
    }

    // After a search the parsers go: what they hold of the file is not
    // needed until the next one.
    void DropIdle()
    {
        std::vector<std::unique_ptr<CTextParser>> parsers;
        std::shared_ptr<const QByteArray> held;
        QMutexLocker making(&copyMaking);
        QMutexLocker locker(&mutex);
        parsers.swap(idle);
        held.swap(copy);
        copyTried = false;
        locker.unlock();
        making.unlock();
        parsers.clear();
        held.reset();
        MKBase::CSystemUtils::GiveBackFreedMemory();
    }

    void Close()
    {
        std::vector<std::unique_ptr<CTextParser>> parsers;
        QMutexLocker locker(&mutex);
        closed = true;
        receiver = nullptr;
        parsers.swap(idle);
        copy.reset();
    }
};

// What this document's text on disk is known to be, shared by every run:
// the file's identity is worked out and the store looked up once.
struct CDocumentSearch::Kept
{
    QMutex mutex;
    bool lookedUp = false;
    QString key;
    bool onDisk = false;
    bool saving = false;
};

struct CDocumentSearch::PageResult
{
    int page = 0;
    QVector<PdfTextMatch> matches;
    bool hasText = false;
    std::shared_ptr<PdfPageText> layout;
};

// One search: what to find and where to start; results wait in the inbox
// until the GUI thread takes them, in batches. A quiet run only reads.
struct CDocumentSearch::Run
{
    bool quiet = false;
    CTextMatcher matcher;
    quint64 documentId = 0;
    std::shared_ptr<Kept> kept;
    int pageCount = 0;
    int startPage = 0;
    std::atomic<bool> cancelled {false};
    std::atomic<int> pagesDone {0};
    QMutex mutex;
    QVector<PageResult> inbox;
    bool posted = false;
};

CDocumentSearch::CDocumentSearch(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
    , shelf(std::make_shared<Shelf>())
    , kept(std::make_shared<Kept>())
    , copyGainsNothing(std::make_shared<std::atomic<bool>>(false))
    , layouts(kLayoutsKept)
{
    shelf->document = document;
    shelf->copyGainsNothing = copyGainsNothing;
    shelf->receiver = this;
    flushTimer = new QTimer(this);
    flushTimer->setSingleShot(true);
    flushTimer->setInterval(kFlushMs);
    connect(flushTimer, &QTimer::timeout, this, &CDocumentSearch::Flush);
    ResetResults();
}

CDocumentSearch::~CDocumentSearch()
{
    Cancel();
    shelf->Close();
}

void CDocumentSearch::Cancel()
{
    if (run) {
        run->cancelled = true;
        run.reset();
    }
}

void CDocumentSearch::ResetResults()
{
    const int count = document ? document->PageCount() : 0;
    matches = QVector<QVector<PdfTextMatch>>(count);
    done = QVector<bool>(count, false);
    donePrefix = doneCount = total = 0;
    currentPage = currentIndex = -1;
    userMoved = revealPending = false;
    unlisted.clear();
    flushTimer->stop();
    emit SignalResultsReset();
}

void CDocumentSearch::Clear()
{
    Cancel();
    shelf->Close();
    shelf = std::make_shared<Shelf>();
    shelf->document = document;
    shelf->copyGainsNothing = copyGainsNothing;
    shelf->receiver = this;
    layoutsWanted.clear();
    ResetResults();
    // The text may be new (recognized) by the next search.
    layouts.clear();
    documentHasText = -1;
    state = Idle;
    emit SignalPageChanged(-1);
    emit SignalProgress();
}

void CDocumentSearch::Stop()
{
    if (state != Running)
        return;
    Cancel();
    state = Stopped;
    Flush();
}

void CDocumentSearch::Launch(bool bQuiet, int nFromPage)
{
    const int count = matches.size();
    run = std::make_shared<Run>();
    run->quiet = bQuiet;
    run->matcher = matcher;
    run->documentId = document->Id();
    run->pageCount = count;
    run->startPage = qBound(0, nFromPage, count - 1);
    run->kept = kept;
    const std::shared_ptr<Run> current = run;
    const std::shared_ptr<Shelf> workers = shelf;
    // The text kept on disk first, then the pages, ahead of each other
    // search's pages.
    CJobRunner::Start(CJobRunner::TextPool, CJobRunner::ThumbnailPriority, [current, workers, count]() {
        LookUpKept(current, workers);
        for (int order = 0; order < count && !current->cancelled; ++order)
            CJobRunner::Start(CJobRunner::TextPool, CJobRunner::BackgroundPriority,
                              [current, workers, order]() { SearchPage(current, workers, order); });
    });
}

void CDocumentSearch::LookUpKept(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf)
{
    Kept& kept = *run->kept;
    QMutexLocker locker(&kept.mutex);
    if (!kept.lookedUp) {
        kept.lookedUp = true;
        // A file changed since it was opened is read from the parser's
        // memory of it: its text belongs to no file on disk.
        if (shelf->document->IsUnchangedOnDisk())
            kept.key = CTextStore::KeyOf(shelf->document->FilePath());
    } else if (!kept.onDisk) {
        return;
    }
    // Text recognized and not yet saved is no part of the file's kept text.
    if (kept.key.isEmpty() || run->cancelled || shelf->document->HasTextLayers())
        return;
    // Every page still at hand from the last search: nothing to read.
    bool missing = false;
    for (int page = 0; page < run->pageCount && !missing; ++page)
        missing = !CTextCache::Instance().Has(run->documentId, page);
    if (!missing)
        return;
    const QVector<QString> texts = CTextStore::Load(kept.key, run->pageCount);
    kept.onDisk = !texts.isEmpty();
    for (int page = 0; page < texts.size(); ++page)
        shelf->Keep(page, texts.at(page));
}

void CDocumentSearch::KeepOnDisk(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf)
{
    const std::shared_ptr<Kept> kept = run->kept;
    {
        QMutexLocker locker(&kept->mutex);
        if (kept->onDisk || kept->saving || kept->key.isEmpty() || CTextStore::IsPrivate()
            || shelf->document->HasTextLayers())
            return;
        kept->saving = true;
    }
    const std::shared_ptr<CPdfDocument> document = shelf->document;
    const quint64 id = run->documentId;
    const int count = run->pageCount;
    CJobRunner::Start(CJobRunner::FilePool, CJobRunner::BackgroundPriority, [kept, document, id, count]() {
        QVector<QString> texts(count);
        bool whole = document->IsUnchangedOnDisk() && !document->HasTextLayers();
        for (int page = 0; page < count && whole; ++page)
            whole = CTextCache::Instance().Find(id, page, &texts[page]);
        const bool saved = whole && CTextStore::Save(kept->key, texts);
        if (saved)
            CTextStore::Prune();
        QMutexLocker locker(&kept->mutex);
        kept->onDisk = saved;
        kept->saving = false;
    });
}

void CDocumentSearch::ReadAhead(int nFromPage)
{
    if (state == Running || documentHasText == 0 || matches.isEmpty())
        return;
    Cancel();
    Launch(true, nFromPage);
}

void CDocumentSearch::Start(const QString& strQuery, CTextMatcher::Options searchOptions, int nFromPage)
{
    Cancel();
    ResetResults();
    query = strQuery;
    options = searchOptions;
    matcher = CTextMatcher(query, options);
    const int count = matches.size();
    if (matcher.IsEmpty() || count == 0)
        state = Idle;
    else if (documentHasText == 0)
        state = NoText;
    else
        state = Running;
    emit SignalPageChanged(-1);
    if (state == Running) {
        startPage = qBound(0, nFromPage, count - 1);
        Launch(false, startPage);
    }
    emit SignalProgress();
}

void CDocumentSearch::SearchPage(const std::shared_ptr<Run>& run, const std::shared_ptr<Shelf>& shelf, int nOrder)
{
    if (run->cancelled)
        return;
    PageResult result;
    result.page = (run->startPage + nOrder) % run->pageCount;
    QString text;
    std::shared_ptr<PdfPageText> layout;
    if (!CTextCache::Instance().Find(run->documentId, result.page, &text)) {
        layout = std::make_shared<PdfPageText>();
        // The pages read with their layout first are on screen: they do not
        // wait for the reading copy.
        std::unique_ptr<CTextParser> parser = shelf->Acquire(run->quiet || nOrder >= kLayoutsAhead);
        // A page that cannot be read counts as a page without text.
        parser->Read(result.page, !run->quiet && nOrder < kLayoutsAhead, &run->cancelled, layout.get());
        shelf->Release(std::move(parser));
        if (run->cancelled)
            return;
        shelf->Keep(result.page, layout->text);
        text = layout->text;
    }
    if (run->quiet) {
        if (++run->pagesDone == run->pageCount) {
            shelf->DropIdle();
            KeepOnDisk(run, shelf);
        }
        return;
    }
    result.matches = run->matcher.FindAll(text);
    result.hasText = !text.isEmpty();
    if (layout && !layout->boxes.isEmpty() && !result.matches.isEmpty())
        result.layout = layout;

    bool post = false;
    {
        QMutexLocker locker(&run->mutex);
        run->inbox.append(result);
        post = !run->posted;
        run->posted = true;
    }
    if (post)
        shelf->Post([run](CDocumentSearch* search) { search->Take(run); });
    if (++run->pagesDone == run->pageCount) {
        shelf->DropIdle();
        KeepOnDisk(run, shelf);
    }
}

void CDocumentSearch::Take(const std::shared_ptr<Run>& finished)
{
    if (finished != run)
        return;
    QVector<PageResult> batch;
    {
        QMutexLocker locker(&run->mutex);
        batch.swap(run->inbox);
        run->posted = false;
    }
    const int count = matches.size();
    for (const PageResult& result : batch) {
        matches[result.page] = result.matches;
        if (result.layout) {
            layouts.insert(result.page, new PdfPageText(*result.layout));
            layoutsWanted.remove(result.page);
        } else if (const PdfPageText* held = layouts.object(result.page)) {
            // Read as plain text this time: the matches follow the reading
            // the page is drawn with.
            matches[result.page] = matcher.FindAll(held->text);
            CTextCache::Instance().Insert(document->Id(), result.page, held->text);
        }
        total += matches[result.page].size();
        if (result.hasText)
            documentHasText = 1;
        if (!matches[result.page].isEmpty()) {
            unlisted << result.page;
            emit SignalPageChanged(result.page);
        }
        done[(result.page - startPage + count) % count] = true;
        ++doneCount;
    }
    for (; donePrefix < count && done[donePrefix]; ++donePrefix) {
        const int page = (startPage + donePrefix) % count;
        if (currentPage < 0 && !userMoved && !matches[page].isEmpty())
            MakeCurrent(page, 0);
    }
    if (doneCount == count) {
        run.reset();
        if (documentHasText != 1)
            documentHasText = 0;
        state = documentHasText == 1 ? Finished : NoText;
        Flush();
    } else if (!flushTimer->isActive()) {
        flushTimer->start();
    }
}

void CDocumentSearch::ListUnlisted()
{
    std::sort(unlisted.begin(), unlisted.end());
    emit SignalPagesListed(unlisted);
    unlisted.clear();
}

void CDocumentSearch::Flush()
{
    flushTimer->stop();
    ListUnlisted();
    emit SignalProgress();
}

const PdfPageText* CDocumentSearch::Layout(int nPage)
{
    if (const PdfPageText* layout = layouts.object(nPage))
        return layout;
    if (nPage < 0 || nPage >= matches.size() || layoutsWanted.contains(nPage))
        return nullptr;
    layoutsWanted.insert(nPage);
    const std::shared_ptr<Shelf> workers = shelf;
    // Ahead of the pages still to search: the user is looking at this one.
    CJobRunner::Start(CJobRunner::TextPool, CJobRunner::VisiblePriority, [workers, nPage]() {
        if (workers->closed)
            return;
        auto layout = std::make_shared<PdfPageText>();
        std::unique_ptr<CTextParser> parser = workers->Acquire(false);
        parser->Read(nPage, true, &workers->closed, layout.get());
        workers->Release(std::move(parser));
        workers->Keep(nPage, layout->text);
        workers->Post([nPage, layout](CDocumentSearch* search) { search->TakeLayout(nPage, *layout); });
    });
    return nullptr;
}

void CDocumentSearch::TakeLayout(int nPage, const PdfPageText& layout)
{
    layoutsWanted.remove(nPage);
    layouts.insert(nPage, new PdfPageText(layout));
    const int count = matches.size();
    if (state != Idle && state != NoText && done.value((nPage - startPage + count) % qMax(1, count)))
        ReplaceMatches(nPage, matcher.FindAll(layout.text));
    emit SignalPageChanged(nPage);
    if (revealPending && nPage == currentPage) {
        revealPending = false;
        QRectF spot;
        for (const QRectF& rect : MatchRects(currentPage, currentIndex))
            spot |= rect;
        emit SignalShowMatch(currentPage, spot);
    }
}

void CDocumentSearch::ReplaceMatches(int nPage, const QVector<PdfTextMatch>& found)
{
    if (found == matches[nPage])
        return;
    total += found.size() - matches[nPage].size();
    matches[nPage] = found;
    if (nPage == currentPage && currentIndex >= found.size()) {
        currentIndex = found.size() - 1;
        if (currentIndex < 0)
            currentPage = -1;
    }
    if (!unlisted.contains(nPage)) {
        emit SignalPageUnlisted(nPage);
        if (!found.isEmpty())
            unlisted << nPage;
    }
    Flush();
}

QVector<QRectF> CDocumentSearch::MatchRects(int nPage, int nIndex, bool bRead)
{
    if (nPage < 0 || nPage >= matches.size() || nIndex < 0 || nIndex >= matches[nPage].size())
        return {};
    const PdfPageText* layout = bRead ? Layout(nPage) : layouts.object(nPage);
    if (!layout)
        return {};
    const PdfTextMatch match = matches[nPage].at(nIndex);
    return CTextParser::Rects(*layout, match.start, match.length);
}

bool CDocumentSearch::Snippet(int nPage, int nIndex, QString* before, QString* match, QString* after)
{
    if (nPage < 0 || nPage >= matches.size() || nIndex < 0 || nIndex >= matches[nPage].size())
        return false;
    QString text;
    if (const PdfPageText* layout = layouts.object(nPage))
        text = layout->text;
    else if (!CTextCache::Instance().Find(document->Id(), nPage, &text)) {
        Layout(nPage);
        return false;
    }
    const PdfTextMatch found = matches[nPage].at(nIndex);
    if (found.start + found.length > text.size())
        return false;
    const int from = qMax(0, found.start - kSnippetBefore);
    const int end = found.start + found.length;
    const int to = qMin(text.size(), end + kSnippetAfter);
    // Line ends and runs of spaces read as one space.
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const auto plain
        = [&text](int nFrom, int nTo) { return text.mid(nFrom, nTo - nFrom).replace(spaces, QStringLiteral(" ")); };
    *before = plain(from, found.start);
    *match = plain(found.start, end);
    *after = plain(end, to);
    // Cut ends fall between words.
    if (from > 0)
        *before = QChar(0x2026) + before->mid(before->indexOf(QLatin1Char(' ')) + 1);
    if (to < text.size()) {
        const int space = after->lastIndexOf(QLatin1Char(' '));
        *after = (space > 0 ? after->left(space) : *after) + QChar(0x2026);
    }
    return true;
}

int CDocumentSearch::CurrentOrdinal() const
{
    if (currentPage < 0)
        return 0;
    int ordinal = currentIndex + 1;
    for (int page = 0; page < currentPage; ++page)
        ordinal += matches[page].size();
    return ordinal;
}

void CDocumentSearch::MakeCurrent(int nPage, int nIndex)
{
    // The list shows the current match too.
    ListUnlisted();
    const int old = currentPage;
    currentPage = nPage;
    currentIndex = nIndex;
    QRectF spot;
    for (const QRectF& rect : MatchRects(nPage, nIndex))
        spot |= rect;
    revealPending = spot.isNull();
    emit SignalShowMatch(nPage, spot);
    if (old >= 0 && old != nPage)
        emit SignalPageChanged(old);
    emit SignalPageChanged(nPage);
    emit SignalProgress();
}

void CDocumentSearch::SetCurrent(int nPage, int nIndex)
{
    if (nPage < 0 || nPage >= matches.size() || nIndex < 0 || nIndex >= matches[nPage].size())
        return;
    userMoved = true;
    MakeCurrent(nPage, nIndex);
}

void CDocumentSearch::Next()
{
    Step(1);
}

void CDocumentSearch::Previous()
{
    Step(-1);
}

void CDocumentSearch::Step(int nDirection)
{
    const int count = matches.size();
    if (total == 0 || count == 0)
        return;
    userMoved = true;
    int page = currentPage;
    int index = currentIndex;
    if (page < 0) {
        page = startPage;
        index = nDirection > 0 ? -1 : matches[page].size();
    }
    index += nDirection;
    for (int guard = 0; guard <= count; ++guard) {
        if (index >= 0 && index < matches[page].size()) {
            MakeCurrent(page, index);
            return;
        }
        page = (page + nDirection + count) % count;
        index = nDirection > 0 ? 0 : matches[page].size() - 1;
    }
}
