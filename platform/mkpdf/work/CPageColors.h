#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QVector>

class CPdfDocument;

// How pages are coloured on screen, one choice for the whole application.
// Text and vector drawing are recoloured; raster images keep their natural
// colours. Printing and the recent list's pictures always use the page's own
// colours.
class CPageColors : public QObject
{
    Q_OBJECT
public:
    enum Mode { Normal = 0, Dark = 1, Sepia = 2, HighContrast = 3 };

    static CPageColors* Instance();
    // Safe from any thread.
    static Mode Current();
    // Emits SignalModeChanged when the mode changes.
    static void SetCurrent(Mode mode);

    // Stable names for settings: "normal", "dark", "sepia", "contrast".
    static QString Name(Mode mode);
    // An unknown or empty name gives fallback.
    static Mode FromName(const QString& name, Mode fallback = Normal);

    // The colour a blank page has in mode.
    static QColor Paper(Mode mode);
    static QColor Paper() { return Paper(Current()); }

    // Recolours image, a render of page pixels starting at offset (device
    // pixels of the page at scale pixels per point), everywhere outside
    // imageAreas (page points, as CPdfDocument::ImageAreas gives them).
    static void Apply(QImage& image, Mode mode, const QVector<QRectF>& imageAreas, double scale,
                      const QPoint& offset = QPoint());
    // One colour as it shows outside images in mode.
    static QRgb MapColor(QRgb color, Mode mode);

    // A page render for the screen in mode; null on failure.
    static QImage Render(const CPdfDocument& document, int nPage, double scale, const QRect& region, Mode mode);

signals:
    void SignalModeChanged(int nMode);

private:
    CPageColors() = default;
};
