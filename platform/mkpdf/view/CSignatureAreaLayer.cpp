#include "CSignatureAreaLayer.h"

#include "CPageView.h"
#include "CPdfDocument.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A drag smaller than this (points) is a click: the usual box goes there.
constexpr double kSmallest = 16;

} // namespace

CSignatureAreaLayer::CSignatureAreaLayer(std::shared_ptr<CPdfDocument> document_, CPageView* pageView, QObject* parent)
    : CPageLayer(pageView, parent)
    , document(std::move(document_))
{
    setObjectName("signature_area_layer");
}

void CSignatureAreaLayer::SetEmptyFields(const QVector<PdfSignature>& list)
{
    fields.clear();
    for (const PdfSignature& field : list) {
        if (!field.IsSigned() && field.page >= 0)
            fields << field;
    }
}

void CSignatureAreaLayer::Start()
{
    active = true;
    dragPage = -1;
    view->viewport()->setCursor(Qt::CrossCursor);
    view->setFocus();
    view->viewport()->update();
}

void CSignatureAreaLayer::Stop()
{
    if (!active)
        return;
    active = false;
    dragPage = -1;
    if (view) {
        view->viewport()->unsetCursor();
        view->viewport()->update();
    }
}

QRectF CSignatureAreaLayer::BoxAround(int nPage, const QPointF& point) const
{
    const QSizeF page = document->PageSize(nPage);
    const double width = qMin(kWidth, page.width());
    const double height = qMin(kHeight, page.height());
    const double x = qBound(0.0, point.x() - width / 2, page.width() - width);
    const double y = qBound(0.0, point.y() - height / 2, page.height() - height);
    return QRectF(x, y, width, height);
}

const PdfSignature* CSignatureAreaLayer::FieldAt(int nPage, const QPointF& point) const
{
    for (const PdfSignature& field : fields) {
        if (field.page == nPage && field.rect.contains(point))
            return &field;
    }
    return nullptr;
}

void CSignatureAreaLayer::Place(int nPage, const QRectF& rect, const QString& field)
{
    Stop();
    emit SignalPlaced(nPage, rect, field);
}

bool CSignatureAreaLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!active || !view)
        return false;
    if (watched == view && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Stop();
            emit SignalCancelled();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // An empty field of the page is what the page asks to be signed.
            const int page = view->CurrentPage();
            for (const PdfSignature& field : qAsConst(fields)) {
                if (field.page == page) {
                    Place(page, field.rect, field.fieldName);
                    return true;
                }
            }
            const QSizeF size = document->PageSize(page);
            Place(page, BoxAround(page, QPointF(size.width() / 2, size.height() / 2)), QString());
            return true;
        }
        return false;
    }
    if (watched != view->viewport())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress: {
        if (mouse->button() != Qt::LeftButton)
            return true;
        const int page = view->PageAt(mouse->pos());
        if (page < 0)
            return true;
        const QPointF at = view->ToPage(page, mouse->pos());
        if (const PdfSignature* field = FieldAt(page, at)) {
            Place(page, field->rect, field->fieldName);
            return true;
        }
        dragPage = page;
        dragFrom = dragTo = at;
        return true;
    }
    case QEvent::MouseMove:
        if (dragPage >= 0) {
            const QSizeF size = document->PageSize(dragPage);
            const QPointF at = view->ToPage(dragPage, mouse->pos());
            dragTo = QPointF(qBound(0.0, at.x(), size.width()), qBound(0.0, at.y(), size.height()));
            view->viewport()->update();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (dragPage < 0 || mouse->button() != Qt::LeftButton)
            return true;
        const int page = dragPage;
        dragPage = -1;
        const QRectF drawn = QRectF(dragFrom, dragTo).normalized();
        Place(page, drawn.width() < kSmallest || drawn.height() < kSmallest ? BoxAround(page, dragFrom) : drawn,
              QString());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void CSignatureAreaLayer::PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target)
{
    Q_UNUSED(target)
    if (!active)
        return;
    const QColor accent(0x3b, 0x6c, 0xf6);
    painter.save();
    for (const PdfSignature& field : fields) {
        if (field.page != nPage)
            continue;
        painter.setPen(QPen(accent, 1.5, Qt::DashLine));
        painter.setBrush(QColor(59, 108, 246, 40));
        painter.drawRect(pageView.ToViewport(nPage, field.rect));
    }
    if (dragPage == nPage) {
        painter.setPen(QPen(accent, 1.5));
        painter.setBrush(QColor(59, 108, 246, 60));
        painter.drawRect(pageView.ToViewport(nPage, QRectF(dragFrom, dragTo).normalized()));
    }
    painter.restore();
}
