#pragma once

#include <QWidget>

#include <memory>

class CAnnotationPanel;
class CAnnotationStore;
class CPdfDocument;
class CSignaturePanel;
class CThumbnailView;
class QButtonGroup;
class CDocumentSearch;
class QListView;
class QListWidget;
class QStackedWidget;
class QTreeWidget;

// The panel beside the pages: thumbnails, bookmarks (the outline),
// annotations, attachments, search results and, for a document with
// signature fields, its signatures. Each list is filled the first time it
// shows; the results come from the document's search, the signatures from
// their check.
class CSidePanel : public QWidget
{
    Q_OBJECT
public:
    enum Page { Thumbnails = 0, Bookmarks = 1, Annotations = 2, Attachments = 3, SearchResults = 4, Signatures = 5 };

    explicit CSidePanel(std::shared_ptr<CPdfDocument> document, QWidget* parent = nullptr);

    void ShowPage(int nPage);
    int CurrentPageIndex() const;
    void SetCurrentDocumentPage(int nPage);
    void RefreshLayout();
    // Lists the results of a document's search; a click makes a match
    // current, and the current match is selected in the list.
    void SetSearch(CDocumentSearch* search);
    // Lists the comments the store holds, kept up to date.
    void SetAnnotationStore(CAnnotationStore* store);

    CThumbnailView* ThumbnailView() const { return thumbnails; }
    QTreeWidget* BookmarkTree() const { return bookmarks; }
    QTreeWidget* AnnotationTree() const;
    CAnnotationPanel* AnnotationPanel() const { return annotations; }
    QListWidget* AttachmentList() const { return attachments; }
    QListView* SearchList() const { return results; }
    CSignaturePanel* SignaturePanel() const { return signatures; }
    // The signatures page is offered only where there are signature fields.
    void SetSignaturesOffered(bool bOffered);
    bool AnnotationsLoaded() const;

signals:
    void SignalGoToPage(int nPage);
    void SignalOpenAttachment(int nIndex);
    void SignalAnnotationClicked(int nPage, int nIndex);

private:
    void LoadPage(int nPage);
    void ListAttachments(const QList<struct PdfAttachmentInfo>& files);

    std::shared_ptr<CPdfDocument> document;
    QButtonGroup* tabs = nullptr;
    QStackedWidget* stack = nullptr;
    CThumbnailView* thumbnails = nullptr;
    QTreeWidget* bookmarks = nullptr;
    CAnnotationPanel* annotations = nullptr;
    QListWidget* attachments = nullptr;
    QListView* results = nullptr;
    CSignaturePanel* signatures = nullptr;
    bool loaded[6] = {true, false, false, false, true, true};
};
