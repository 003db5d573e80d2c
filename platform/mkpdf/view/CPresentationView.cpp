#include "CPresentationView.h"

#include "CPageCache.h"
#include "CPdfDocument.h"
#include "CRenderQueue.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

CPresentationView::CPresentationView(std::shared_ptr<CPdfDocument> document_, int nPage, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , document(std::move(document_))
    , page(qBound(0, nPage, qMax(0, document->PageCount() - 1)))
{
    setObjectName("presentation_view");
    setAccessibleName(tr("Presentation"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    queue = new CRenderQueue(document, this);
    connect(queue, &CRenderQueue::SignalRendered, this,
            [this](int nRendered, double dScale, const QRect& region, const QImage& image) {
                CPageCache::Instance().Insert({document->Id(), nRendered, CPageCache::ScaleKey(dScale), region}, image);
                if (nRendered == page)
                    update();
            });
}

CPresentationView::~CPresentationView() = default;

void CPresentationView::GoToPage(int nPage)
{
    nPage = qBound(0, nPage, document->PageCount() - 1);
    if (nPage == page)
        return;
    page = nPage;
    update();
}

QRect CPresentationView::Target(int nPage, double* scale) const
{
    const QSizeF size = document->PageSize(nPage);
    const double fit = qMin(width() / qMax(1.0, size.width()), height() / qMax(1.0, size.height()));
    const QSize shown = (size * fit).toSize();
    *scale = fit * devicePixelRatioF();
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void CPresentationView::Prepare(int nPage)
{
    if (nPage < 0 || nPage >= document->PageCount())
        return;
    double scale = 0;
    Target(nPage, &scale);
    if (!CPageCache::Instance().Find({document->Id(), nPage, CPageCache::ScaleKey(scale), QRect()})
        && !queue->IsPending(nPage, scale))
        queue->Request(nPage, scale);
}

void CPresentationView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    double scale = 0;
    const QRect target = Target(page, &scale);
    if (const QImage* image = CPageCache::Instance().Find({document->Id(), page, CPageCache::ScaleKey(scale), QRect()}))
        painter.drawImage(target, *image);
    else
        Prepare(page);
    Prepare(page + 1);
}

void CPresentationView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        GoToPage(page + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
        GoToPage(page - 1);
        break;
    case Qt::Key_Home:
        GoToPage(0);
        break;
    case Qt::Key_End:
        GoToPage(document->PageCount() - 1);
        break;
    case Qt::Key_Escape:
    case Qt::Key_F5:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CPresentationView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        GoToPage(page + 1);
    else if (event->button() == Qt::RightButton)
        GoToPage(page - 1);
}

void CPresentationView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        GoToPage(page - steps);
}

void CPresentationView::closeEvent(QCloseEvent* event)
{
    emit SignalClosed(page);
    QWidget::closeEvent(event);
}
