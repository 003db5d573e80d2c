#pragma once

#include <QWidget>

#include <memory>

class CPdfDocument;
class CThumbnailView;
class QButtonGroup;
class QListWidget;
class QStackedWidget;
class QTreeWidget;

// The panel beside the pages: thumbnails, bookmarks (the outline),
// annotations and attachments. Each list is filled the first time it shows.
class CSidePanel : public QWidget
{
    Q_OBJECT
public:
    enum Page { Thumbnails = 0, Bookmarks = 1, Annotations = 2, Attachments = 3 };

    explicit CSidePanel(std::shared_ptr<CPdfDocument> document, QWidget* parent = nullptr);

    void ShowPage(int nPage);
    int CurrentPageIndex() const;
    void SetCurrentDocumentPage(int nPage);
    void RefreshLayout();

    CThumbnailView* ThumbnailView() const { return thumbnails; }
    QTreeWidget* BookmarkTree() const { return bookmarks; }
    QTreeWidget* AnnotationTree() const { return annotations; }
    QListWidget* AttachmentList() const { return attachments; }
    bool AnnotationsLoaded() const { return annotationsLoaded; }

signals:
    void SignalGoToPage(int nPage);
    void SignalOpenAttachment(int nIndex);

private:
    void LoadPage(int nPage);

    std::shared_ptr<CPdfDocument> document;
    QButtonGroup* tabs = nullptr;
    QStackedWidget* stack = nullptr;
    CThumbnailView* thumbnails = nullptr;
    QTreeWidget* bookmarks = nullptr;
    QTreeWidget* annotations = nullptr;
    QListWidget* attachments = nullptr;
    bool loaded[4] = {true, false, false, false};
    bool annotationsLoaded = false;
};
