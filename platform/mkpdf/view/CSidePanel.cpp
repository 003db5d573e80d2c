#include "CSidePanel.h"

#include "CAnnotationPanel.h"
#include "CAnnotationStore.h"
#include "CDocumentSearch.h"
#include "CIconButton.h"
#include "CJobRunner.h"
#include "CPdfDocument.h"
#include "CPropertiesBox.h"
#include "CSearchResultDelegate.h"
#include "CSearchResultModel.h"
#include "CSignaturePanel.h"
#include "CThumbnailView.h"

#include <QButtonGroup>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void AddOutline(const QVector<PdfOutlineNode>& nodes, QTreeWidgetItem* parent, QTreeWidget* tree)
{
    for (const PdfOutlineNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.title);
        item->setData(0, Qt::UserRole, node.page);
        item->setToolTip(0, node.title);
        AddOutline(node.children, item, tree);
    }
}

} // namespace

CSidePanel::CSidePanel(std::shared_ptr<CPdfDocument> document_, QWidget* parent)
    : QWidget(parent)
    , document(std::move(document_))
{
    setObjectName("side_panel");
    setAttribute(Qt::WA_StyledBackground);
    setFixedWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(8, 6, 8, 6);
    header->setSpacing(4);
    tabs = new QButtonGroup(this);
    const char* names[6] = {"button_panel_thumbnail", "button_panel_bookmark", "button_panel_annotation",
                            "button_panel_attachment", "button_panel_search", "button_panel_signature"};
    const QString tips[6] = {tr("Thumbnails"),  tr("Bookmarks"),      tr("Annotations"),
                             tr("Attachments"), tr("Search Results"), tr("Signatures")};
    for (int i = 0; i < 6; ++i) {
        auto* button = new CIconButton(names[i], tips[i], 28, this);
        button->setCheckable(true);
        tabs->addButton(button, i);
        header->addWidget(button);
    }
    header->addStretch(1);
    layout->addLayout(header);

    stack = new QStackedWidget(this);
    thumbnails = new CThumbnailView(document, stack);
    bookmarks = new QTreeWidget(stack);
    bookmarks->setObjectName("tree_bookmark");
    bookmarks->setHeaderHidden(true);
    annotations = new CAnnotationPanel(stack);
    attachments = new QListWidget(stack);
    attachments->setObjectName("list_attachment");
    results = new QListView(stack);
    results->setObjectName("list_search");
    results->setUniformItemSizes(true);
    results->setItemDelegate(new CSearchResultDelegate(results));
    // Each list is named as its tab names it.
    const QList<QWidget*> lists {thumbnails, bookmarks, annotations, attachments, results};
    for (int i = 0; i < lists.size(); ++i)
        lists.at(i)->setAccessibleName(tips[i]);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    signatures = new CSignaturePanel(stack);
    for (QWidget* page :
         {static_cast<QWidget*>(thumbnails), static_cast<QWidget*>(bookmarks), static_cast<QWidget*>(annotations),
          static_cast<QWidget*>(attachments), static_cast<QWidget*>(results), static_cast<QWidget*>(signatures)})
        stack->addWidget(page);
    layout->addWidget(stack, 1);

    connect(tabs, &QButtonGroup::idClicked, this, &CSidePanel::ShowPage);
    connect(thumbnails, &CThumbnailView::SignalPageClicked, this, &CSidePanel::SignalGoToPage);
    auto goTo = [this](QTreeWidgetItem* item) {
        const int page = item ? item->data(0, Qt::UserRole).toInt() : -1;
        if (page >= 0)
            emit SignalGoToPage(page);
    };
    connect(bookmarks, &QTreeWidget::itemClicked, this, goTo);
    connect(annotations, &CAnnotationPanel::SignalAnnotationClicked, this, &CSidePanel::SignalAnnotationClicked);
    connect(attachments, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit SignalOpenAttachment(attachments->row(item)); });
    connect(signatures, &CSignaturePanel::SignalGoToPage, this, &CSidePanel::SignalGoToPage);
    SetSignaturesOffered(false);
    ShowPage(Thumbnails);
}

void CSidePanel::ShowPage(int nPage)
{
    if (nPage < Thumbnails || nPage > Signatures)
        return;
    if (nPage == Signatures)
        SetSignaturesOffered(true);
    tabs->button(nPage)->setChecked(true);
    stack->setCurrentIndex(nPage);
    LoadPage(nPage);
}

int CSidePanel::CurrentPageIndex() const
{
    return stack->currentIndex();
}

void CSidePanel::SetSignaturesOffered(bool bOffered)
{
    tabs->button(Signatures)->setVisible(bOffered);
}

void CSidePanel::SetCurrentDocumentPage(int nPage)
{
    thumbnails->SetCurrentPage(nPage);
}

void CSidePanel::RefreshLayout()
{
    thumbnails->RefreshLayout();
}

void CSidePanel::SetSearch(CDocumentSearch* search)
{
    auto* model = new CSearchResultModel(search);
    results->setModel(model);
    // A page heading stands for the page's first match.
    connect(results, &QListView::clicked, search, [search](const QModelIndex& index) {
        search->SetCurrent(index.data(CSearchResultModel::PageRole).toInt(),
                           qMax(0, index.data(CSearchResultModel::MatchIndexRole).toInt()));
    });
    connect(search, &CDocumentSearch::SignalShowMatch, results, [this, search, model]() {
        const int row = model->RowOf(search->CurrentPage(), search->CurrentIndex());
        if (row >= 0)
            results->setCurrentIndex(model->index(row));
    });
}

void CSidePanel::SetAnnotationStore(CAnnotationStore* store)
{
    annotations->SetStore(store);
    // The page pictures went with the change; the thumbnails ask again.
    connect(store, &CAnnotationStore::SignalPageChanged, thumbnails, [this]() { thumbnails->viewport()->update(); });
}

QTreeWidget* CSidePanel::AnnotationTree() const
{
    return annotations;
}

bool CSidePanel::AnnotationsLoaded() const
{
    return annotations->IsLoaded();
}

void CSidePanel::LoadPage(int nPage)
{
    if (loaded[nPage])
        return;
    loaded[nPage] = true;
    switch (nPage) {
    case Bookmarks: {
        AddOutline(document->Outline(), nullptr, bookmarks);
        if (bookmarks->topLevelItemCount() == 0)
            new QTreeWidgetItem(bookmarks, {tr("This document has no bookmarks.")});
        break;
    }
    case Annotations:
        annotations->Load();
        break;
    case Attachments: {
        // Comments of every page are read for their files: off this thread.
        auto* watcher = new QFutureWatcher<QList<PdfAttachmentInfo>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher]() {
            watcher->deleteLater();
            ListAttachments(watcher->isCanceled() ? QList<PdfAttachmentInfo>() : watcher->result());
        });
        const std::shared_ptr<CPdfDocument> doc = document;
        watcher->setFuture(CJobRunner::Run([doc]() { return doc->Attachments(); }));
        break;
    }
    default:
        break;
    }
}

void CSidePanel::ListAttachments(const QList<PdfAttachmentInfo>& files)
{
    for (const PdfAttachmentInfo& info : files) {
        const QString size = CPropertiesBox::FormatSize(info.size);
        QString tip = info.description.isEmpty() ? size : info.description + " (" + size + ")";
        if (info.page >= 0)
            tip += "\n" + tr("In a comment on page %1").arg(info.page + 1);
        auto* item = new QListWidgetItem(info.name, attachments);
        item->setToolTip(tip);
    }
    if (attachments->count() == 0) {
        auto* item = new QListWidgetItem(tr("This document has no attachments."), attachments);
        item->setFlags(Qt::NoItemFlags);
    }
}
