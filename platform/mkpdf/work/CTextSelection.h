#pragma once

#include "CPdfDocument.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>

#include <memory>

// The words of a document's pages, each page read once, and the run of
// words the user selected: from an anchor word to a focus word, or all.
class CTextSelection : public QObject
{
    Q_OBJECT
public:
    struct WordRef
    {
        int page = -1;
        int word = -1;
        bool operator<(const WordRef& other) const
        {
            return page != other.page ? page < other.page : word < other.word;
        }
    };

    CTextSelection(std::shared_ptr<CPdfDocument> document, QObject* parent);

    const QList<PdfWord>& Words(int nPage);
    // Words already read, or null while they are read in the background.
    const QList<PdfWord>* WordsIfLoaded(int nPage);

    bool HasSelection() const { return selecting || selectAll; }
    bool IsSelected(int nPage, int nWord) const;
    bool HasAnchor() const { return anchor.page >= 0; }
    // Where a drag starts; nothing is selected until it reaches a word.
    void SetAnchor(WordRef word) { anchor = focus = word; }
    // Selects from the anchor to word; true when this starts the selection.
    bool ExtendTo(WordRef word);
    void SelectWord(WordRef word);
    void SelectAll();
    // True when there was a selection.
    bool Clear();

    QString SelectedText();
    // The boxes of the selected words, in page points, by page.
    QMap<int, QList<QRectF>> SelectedWordBoxes();

signals:
    // The words of a page arrived from the background.
    void SignalWordsRead(int nPage);

private:
    // The selected words page by page: fn(page, words, from, to).
    template <typename Fn> void ForEachSelectedPage(Fn fn);

    void ForgetStaleWords();

    std::shared_ptr<CPdfDocument> document;
    int revision = 0; // of the document's text, when the words were read
    QHash<int, QList<PdfWord>> words;
    QSet<int> wordsLoading;
    bool selecting = false;
    bool selectAll = false;
    WordRef anchor;
    WordRef focus;
};
