#include "CLinkLayer.h"

#include "CJobRunner.h"
#include "CPageView.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>
#include <QUrl>

namespace {

// A press and release this close together is a click, not a drag.
constexpr int kClickSlop = 4;

bool IsLink(const PdfLink& link)
{
    return link.kind != PdfLink::GoTo || link.page >= 0;
}

} // namespace

CLinkLayer::CLinkLayer(std::shared_ptr<CPdfDocument> document_, CPageView* pageView, QObject* parent)
    : CPageLayer(pageView, parent)
    , document(std::move(document_))
{
    setObjectName("link_layer");
}

QString CLinkLayer::Describe(const PdfLink& link)
{
    switch (link.kind) {
    case PdfLink::GoTo:
        return tr("Go to page %1").arg(link.page + 1);
    case PdfLink::Uri:
        return QUrl(link.target).scheme() == QLatin1String("mailto") ? tr("Write to %1").arg(link.target.mid(7))
                                                                     : link.target;
    case PdfLink::File:
        return link.page >= 0 ? tr("Open %1 at page %2").arg(link.target).arg(link.page + 1)
                              : tr("Open %1").arg(link.target);
    case PdfLink::Command:
        return tr("Viewer command: %1").arg(link.target);
    case PdfLink::Launch:
        return tr("Runs the program %1; links that run programs are not followed").arg(link.target);
    case PdfLink::Script:
        return tr("Runs a script; links that run scripts are not followed");
    }
    return QString();
}

bool CLinkLayer::LinksRead(int nPage)
{
    if (links.contains(nPage))
        return true;
    Read(nPage);
    return false;
}

void CLinkLayer::Read(int nPage)
{
    if (nPage < 0 || reading.contains(nPage))
        return;
    reading.insert(nPage);
    auto* watcher = new QFutureWatcher<QVector<PdfLink>>(this);
    connect(watcher, &QFutureWatcher<QVector<PdfLink>>::finished, this, [this, watcher, nPage]() {
        watcher->deleteLater();
        reading.remove(nPage);
        links.insert(nPage, watcher->isCanceled() ? QVector<PdfLink>() : watcher->result());
    });
    const std::shared_ptr<CPdfDocument> doc = document;
    watcher->setFuture(CJobRunner::Run([doc, nPage]() { return doc->PageLinks(nPage); }));
}

PdfLink CLinkLayer::LinkAt(const QPoint& viewportPos)
{
    const int page = view ? view->PageAt(viewportPos) : -1;
    if (page < 0 || !LinksRead(page))
        return PdfLink();
    const QPointF point = view->ToPage(page, viewportPos);
    // The last link listed is the one drawn on top.
    const QVector<PdfLink>& list = links[page];
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        if (it->area.contains(point))
            return *it;
    }
    return PdfLink();
}

bool CLinkLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!view || watched != view->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressedLink = mouse->button() == Qt::LeftButton ? LinkAt(mouse->pos()) : PdfLink();
        pressed = IsLink(pressedLink);
        pressAt = mouse->pos();
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click
            = pressed && mouse->button() == Qt::LeftButton && (mouse->pos() - pressAt).manhattanLength() <= kClickSlop;
        pressed = false;
        if (click && !view->HasSelection()) {
            // After the view has seen the release: the jump may replace
            // what it is working on.
            const PdfLink link = pressedLink;
            QPointer<CLinkLayer> self(this);
            QMetaObject::invokeMethod(
                this,
                [self, link]() {
                    if (self)
                        emit self->SignalLinkActivated(link);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    case QEvent::Leave:
        if (hovering) {
            hovering = false;
            view->viewport()->unsetCursor();
        }
        return false;
    default:
        return false;
    }
}

bool CLinkLayer::MouseMove(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        return false;
    const PdfLink link = LinkAt(event->pos());
    if (!IsLink(link)) {
        if (hovering) {
            hovering = false;
            view->viewport()->unsetCursor();
            QToolTip::hideText();
        }
        return false;
    }
    hovering = true;
    view->viewport()->setCursor(Qt::PointingHandCursor);
    const int page = view->PageAt(event->pos());
    QToolTip::showText(event->globalPos(), Describe(link), view->viewport(),
                       view->ToViewport(page, link.area).toAlignedRect());
    return true;
}

void CLinkLayer::PaintPage(QPainter&, const CPageView&, int, const QRectF&) { }
