#include "CPageColors.h"

#include "CPdfDocument.h"

#include <QtMath>

#include <array>
#include <atomic>

namespace {

std::atomic<int> currentMode {CPageColors::Normal};

// Dark paper and light ink: not pure black and white, which glare.
constexpr int kDarkLow = 30;
constexpr int kDarkHigh = 222;
const QColor kSepiaPaper(244, 236, 216);
const QColor kSepiaInk(60, 46, 32);

// Per mode, a table from a channel value after the lightness step to the
// shown value.
struct Tables
{
    std::array<uchar, 256> dark {};
    std::array<uchar, 256> contrast {};
    std::array<std::array<uchar, 256>, 3> sepia {};
    Tables()
    {
        for (int v = 0; v < 256; ++v) {
            dark[v] = uchar(kDarkLow + v * (kDarkHigh - kDarkLow) / 255);
            // Steeper: faint greys go to black, strokes to full white.
            contrast[v] = uchar(qBound(0, (v - 48) * 255 / (208 - 48), 255));
            const int ink[3] = {kSepiaInk.red(), kSepiaInk.green(), kSepiaInk.blue()};
            const int paper[3] = {kSepiaPaper.red(), kSepiaPaper.green(), kSepiaPaper.blue()};
            for (int c = 0; c < 3; ++c)
                sepia[c][v] = uchar(ink[c] + v * (paper[c] - ink[c]) / 255);
        }
    }
};

const Tables& LookUp()
{
    static const Tables tables;
    return tables;
}

// Inverts HSL lightness and keeps hue and saturation: adding the same
// amount to every channel keeps their differences (the chroma), and
// 255 - max - min moves the lightness (max + min) / 2 to its mirror.
inline void InvertLightness(int& r, int& g, int& b)
{
    const int high = qMax(r, qMax(g, b));
    const int low = qMin(r, qMin(g, b));
    const int shift = 255 - high - low;
    r += shift;
    g += shift;
    b += shift;
}

inline QRgb MapPixel(QRgb pixel, CPageColors::Mode mode, const Tables& tables)
{
    int r = qRed(pixel);
    int g = qGreen(pixel);
    int b = qBlue(pixel);
    switch (mode) {
    case CPageColors::Dark:
        InvertLightness(r, g, b);
        return qRgba(tables.dark[r], tables.dark[g], tables.dark[b], qAlpha(pixel));
    case CPageColors::HighContrast:
        InvertLightness(r, g, b);
        return qRgba(tables.contrast[r], tables.contrast[g], tables.contrast[b], qAlpha(pixel));
    case CPageColors::Sepia:
        return qRgba(tables.sepia[0][r], tables.sepia[1][g], tables.sepia[2][b], qAlpha(pixel));
    case CPageColors::Normal:
        break;
    }
    return pixel;
}

} // namespace

CPageColors* CPageColors::Instance()
{
    static CPageColors* instance = new CPageColors;
    return instance;
}

CPageColors::Mode CPageColors::Current()
{
    return Mode(currentMode.load());
}

void CPageColors::SetCurrent(Mode mode)
{
    if (mode < Normal || mode > HighContrast)
        mode = Normal;
    if (currentMode.exchange(mode) == mode)
        return;
    emit Instance()->SignalModeChanged(mode);
}

QString CPageColors::Name(Mode mode)
{
    switch (mode) {
    case Dark:
        return QStringLiteral("dark");
    case Sepia:
        return QStringLiteral("sepia");
    case HighContrast:
        return QStringLiteral("contrast");
    case Normal:
        break;
    }
    return QStringLiteral("normal");
}

CPageColors::Mode CPageColors::FromName(const QString& name, Mode fallback)
{
    for (Mode mode : {Normal, Dark, Sepia, HighContrast}) {
        if (name == Name(mode))
            return mode;
    }
    return fallback;
}

QColor CPageColors::Paper(Mode mode)
{
    return QColor::fromRgba(MapColor(qRgb(255, 255, 255), mode));
}

QRgb CPageColors::MapColor(QRgb color, Mode mode)
{
    return MapPixel(color, mode, LookUp());
}

void CPageColors::Apply(QImage& image, Mode mode, const QVector<QRectF>& imageAreas, double scale, const QPoint& offset)
{
    if (mode == Normal || image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32
        && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32);

    // The pictures' pixels, in this image.
    QVector<QRect> keep;
    const QRect bounds = image.rect();
    for (const QRectF& area : imageAreas) {
        const QRect pixels = QRectF(area.x() * scale - offset.x(), area.y() * scale - offset.y(), area.width() * scale,
                                    area.height() * scale)
                                 .toAlignedRect()
                                 .intersected(bounds);
        if (!pixels.isEmpty())
            keep.append(pixels);
    }

    const Tables& tables = LookUp();
    const int width = image.width();
    QVector<QPair<int, int>> spans;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        spans.clear();
        for (const QRect& rect : keep) {
            if (y >= rect.top() && y <= rect.bottom())
                spans.append({rect.left(), rect.right()});
        }
        if (spans.isEmpty()) {
            for (int x = 0; x < width; ++x)
                line[x] = MapPixel(line[x], mode, tables);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            bool inPicture = false;
            for (const QPair<int, int>& span : spans) {
                if (x >= span.first && x <= span.second) {
                    // Skip the rest of this picture's row at once.
                    x = span.second;
                    inPicture = true;
                    break;
                }
            }
            if (!inPicture)
                line[x] = MapPixel(line[x], mode, tables);
        }
    }
}

QImage CPageColors::Render(const CPdfDocument& document, int nPage, double scale, const QRect& region, Mode mode)
{
    QImage image = document.RenderPage(nPage, scale, region);
    if (image.isNull() || mode == Normal)
        return image;
    Apply(image, mode, document.ImageAreas(nPage), scale, region.isNull() ? QPoint() : region.topLeft());
    return image;
}
