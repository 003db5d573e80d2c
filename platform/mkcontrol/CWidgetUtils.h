#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QWidget;

class CWidgetUtils
{
public:
    // The rectangle covering every screen; available areas only (without
    // panels) when bAvailable is true.
    static QRect GetAllScreenGeometry(bool bAvailable);
    // Loads a picture, preferring its "@2x" variant on high-density screens
    // so icons painted by hand stay sharp.
    static QPixmap LoadPixmap(const QString& path);
    // The tooltip of a control without text is also the name a screen
    // reader says for it.
    static void SetTip(QWidget* widget, const QString& text);
};
