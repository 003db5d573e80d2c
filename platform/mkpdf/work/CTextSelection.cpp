#include "CTextSelection.h"

#include "CJobRunner.h"

#include <QFutureWatcher>

#include <algorithm>
#include <climits>

CTextSelection::CTextSelection(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
    , revision(document->TextRevision())
{
}

void CTextSelection::ForgetStaleWords()
{
    // Text recognized for a page, or taken away again: its words are new,
    // and a selection of the old ones means nothing.
    if (revision == document->TextRevision())
        return;
    revision = document->TextRevision();
    words.clear();
    Clear();
}

const QList<PdfWord>& CTextSelection::Words(int nPage)
{
    ForgetStaleWords();
    auto it = words.find(nPage);
    if (it == words.end())
        it = words.insert(nPage, document->PageWords(nPage));
    return *it;
}

const QList<PdfWord>* CTextSelection::WordsIfLoaded(int nPage)
{
    ForgetStaleWords();
    auto it = words.constFind(nPage);
    if (it != words.constEnd())
        return &it.value();
    if (!wordsLoading.contains(nPage)) {
        wordsLoading.insert(nPage);
        auto* watcher = new QFutureWatcher<QList<PdfWord>>(this);
        watcher->setProperty("revision", document->TextRevision());
        connect(watcher, &QFutureWatcher<QList<PdfWord>>::finished, this, [this, watcher, nPage]() {
            wordsLoading.remove(nPage);
            if (!words.contains(nPage) && watcher->property("revision").toInt() == document->TextRevision())
                words.insert(nPage, watcher->result());
            watcher->deleteLater();
            emit SignalWordsRead(nPage);
        });
        std::shared_ptr<CPdfDocument> doc = document;
        watcher->setFuture(CJobRunner::Run([doc, nPage]() { return doc->PageWords(nPage); }));
    }
    return nullptr;
}

bool CTextSelection::IsSelected(int nPage, int nWord) const
{
    if (selectAll)
        return true;
    if (!selecting || anchor.page < 0 || focus.page < 0)
        return false;
    const WordRef first = std::min(anchor, focus);
    const WordRef last = std::max(anchor, focus);
    const WordRef here {nPage, nWord};
    return !(here < first) && !(last < here);
}

bool CTextSelection::ExtendTo(WordRef word)
{
    focus = word;
    const bool started = !selecting;
    selecting = true;
    return started;
}

void CTextSelection::SelectWord(WordRef word)
{
    anchor = focus = word;
    selecting = true;
    selectAll = false;
}

void CTextSelection::SelectAll()
{
    selectAll = true;
    selecting = false;
}

bool CTextSelection::Clear()
{
    const bool had = HasSelection();
    selectAll = false;
    selecting = false;
    anchor = focus = WordRef();
    return had;
}

template <typename Fn> void CTextSelection::ForEachSelectedPage(Fn fn)
{
    if (!HasSelection())
        return;
    WordRef first {0, 0};
    WordRef last {document->PageCount() - 1, INT_MAX};
    if (!selectAll) {
        first = std::min(anchor, focus);
        last = std::max(anchor, focus);
    }
    for (int page = first.page; page <= last.page && page >= 0; ++page) {
        const QList<PdfWord>& list = Words(page);
        const int from = page == first.page ? qMax(0, first.word) : 0;
        const int to = page == last.page ? qMin(last.word, list.size() - 1) : list.size() - 1;
        fn(page, list, from, to, page == last.page);
    }
}

QString CTextSelection::SelectedText()
{
    QString text;
    ForEachSelectedPage([&text](int, const QList<PdfWord>& list, int from, int to, bool lastPage) {
        for (int i = from; i <= to; ++i) {
            text += list.at(i).text;
            if (i == to)
                break;
            text += list.at(i).lineEnd ? QStringLiteral("\n")
                                       : (list.at(i).spaceAfter ? QStringLiteral(" ") : QString());
        }
        if (!lastPage && !text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
    });
    return text;
}

QMap<int, QList<QRectF>> CTextSelection::SelectedWordBoxes()
{
    QMap<int, QList<QRectF>> boxes;
    ForEachSelectedPage([&boxes](int page, const QList<PdfWord>& list, int from, int to, bool) {
        for (int i = from; i <= to; ++i)
            boxes[page].append(list.at(i).box);
    });
    return boxes;
}
