#include "CAnnotationPanel.h"

#include "CCommentOptions.h"
#include "CJobRunner.h"
#include "CPdfDocument.h"

#include <QFutureWatcher>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

QString KindTitle(const PdfAnnotation& annotation)
{
    if (annotation.kind == PdfAnnotation::Other)
        return annotation.subtype;
    return CCommentOptions::ToolTitle(CCommentOptions::Tool(annotation.kind));
}

} // namespace

CAnnotationPanel::CAnnotationPanel(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName("tree_annotation");
    setHeaderHidden(true);
    setColumnCount(1);
    setWordWrap(true);
    setIndentation(10);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant page = item->data(0, kPageRole);
        if (page.isValid())
            emit SignalAnnotationClicked(page.toInt(), item->data(0, kIndexRole).toInt());
    });
}

void CAnnotationPanel::SetStore(CAnnotationStore* pStore)
{
    store = pStore;
    connect(store, &CAnnotationStore::SignalPageChanged, this, &CAnnotationPanel::OnPageChanged);
}

void CAnnotationPanel::Load()
{
    if (loading || loaded || !store)
        return;
    loading = true;
    // Reading every page's annotations walks the whole document: off the
    // GUI thread.
    using Pages = QMap<int, QVector<PdfAnnotation>>;
    auto* watcher = new QFutureWatcher<Pages>(this);
    connect(watcher, &QFutureWatcher<Pages>::finished, this, [this, watcher]() {
        const Pages read = watcher->result();
        watcher->deleteLater();
        // Pages changed meanwhile were read again on the way.
        for (auto it = read.constBegin(); it != read.constEnd(); ++it) {
            if (!pages.contains(it.key()))
                pages.insert(it.key(), it.value());
        }
        loading = false;
        loaded = true;
        Fill();
    });
    const std::shared_ptr<CPdfDocument> doc = store->Document();
    watcher->setFuture(CJobRunner::Run([doc]() {
        Pages read;
        for (int i = 0; i < doc->PageCount(); ++i) {
            const QVector<PdfAnnotation> list = CAnnotationStore::ReadPage(*doc, i);
            if (!list.isEmpty())
                read.insert(i, list);
        }
        return read;
    }));
}

int CAnnotationPanel::CommentCount() const
{
    int count = 0;
    for (const QVector<PdfAnnotation>& list : pages)
        count += list.size();
    return count;
}

void CAnnotationPanel::OnPageChanged(int nPage)
{
    if (!loading && !loaded)
        return;
    const QVector<PdfAnnotation> list = store->PageAnnotations(nPage);
    if (list.isEmpty())
        pages.remove(nPage);
    else
        pages.insert(nPage, list);
    if (loaded)
        Fill();
}

void CAnnotationPanel::Fill()
{
    // Keep the place in the list across a refill.
    const int scrolled = verticalScrollBar()->value();
    clear();
    const QLocale locale;
    for (auto it = pages.constBegin(); it != pages.constEnd(); ++it) {
        auto* heading = new QTreeWidgetItem(this);
        heading->setText(0, tr("Page %1 (%2)").arg(it.key() + 1).arg(it.value().size()));
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = font();
        bold.setBold(true);
        heading->setFont(0, bold);
        for (const PdfAnnotation& annotation : it.value()) {
            auto* item = new QTreeWidgetItem(heading);
            QStringList lines;
            QString head = KindTitle(annotation);
            if (!annotation.author.isEmpty())
                head += QStringLiteral(" - ") + annotation.author;
            lines << head;
            if (annotation.modified.isValid())
                lines << locale.toString(annotation.modified, QLocale::ShortFormat);
            const QString text = annotation.contents.simplified();
            if (!text.isEmpty())
                lines << (text.size() > 120 ? text.left(119) + QChar(0x2026) : text);
            item->setText(0, lines.join('\n'));
            item->setToolTip(0, annotation.contents);
            item->setData(0, kPageRole, annotation.page);
            item->setData(0, kIndexRole, annotation.index);
        }
        heading->setExpanded(true);
    }
    if (pages.isEmpty()) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, tr("This document has no annotations."));
        item->setFlags(Qt::NoItemFlags);
    }
    verticalScrollBar()->setValue(scrolled);
}
