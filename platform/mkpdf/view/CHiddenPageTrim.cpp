#include "CHiddenPageTrim.h"

#include "CPageCache.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CSystemUtils.h"

#include <QEvent>
#include <QTimer>


CHiddenPageTrim::CHiddenPageTrim(CPageView* view_)
    : QObject(view_)
    , view(view_)
{
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(kDelayMs);
    connect(timer, &QTimer::timeout, this, &CHiddenPageTrim::Trim);
    view->installEventFilter(this);
}

bool CHiddenPageTrim::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view && event->type() == QEvent::Hide)
        timer->start();
    else if (watched == view && event->type() == QEvent::Show)
        timer->stop();
    return QObject::eventFilter(watched, event);
}

void CHiddenPageTrim::Trim()
{
    if (view->isVisible() || !view->document)
        return;
    CPageCache& cache = CPageCache::Instance();
    const quint64 id = view->document->Id();
    const QPair<int, int> shown = view->VisiblePages();
    for (int page = qMax(0, shown.first); page <= shown.second && page < view->PageCount(); ++page) {
        const QImage* image
            = cache.Find({id, page, CPageCache::ScaleKey(view->RenderScaleFor(page)), QRect()});
        if (image && !view->stalePictures.contains(page))
            view->stalePictures.insert(page, image->scaled(image->size() / kShrink, Qt::IgnoreAspectRatio,
                                                           Qt::FastTransformation));
    }
    cache.RemoveDocument(id);
    MKBase::CSystemUtils::GiveBackFreedMemory();
}
