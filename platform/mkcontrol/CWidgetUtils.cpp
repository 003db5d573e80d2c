#include "CWidgetUtils.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect CWidgetUtils::GetAllScreenGeometry(bool bAvailable)
{
    QRect all;
    for (QScreen* screen : QGuiApplication::screens())
        all = all.united(bAvailable ? screen->availableGeometry() : screen->geometry());
    return all;
}

QPixmap CWidgetUtils::LoadPixmap(const QString& path)
{
    QPixmap pixmap;
    if (path.isEmpty())
        return pixmap;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QFileInfo info(path);
        const QString hiDpi = info.path() + "/" + info.completeBaseName() + "@2x." + info.suffix();
        if (pixmap.load(hiDpi)) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    pixmap.load(path);
    return pixmap;
}

void CWidgetUtils::SetTip(QWidget* widget, const QString& text)
{
    if (!widget)
        return;
    widget->setToolTip(text);
    widget->setAccessibleName(text);
}
