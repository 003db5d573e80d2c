#include "CTextOverlay.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace {

// Fonts measured and drawn at a 72 dpi device: a point is a unit.
constexpr int kDpi = 72;

QFont FontOf(const PdfTextStyle& style)
{
    QFont font = style.family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(style.family);
    font.setPointSizeF(qBound(1.0, style.size, 400.0));
    // Outlines as the font draws them, so that readers place every glyph
    // where the box shows it.
    font.setHintingPreference(QFont::PreferNoHinting);
    // The glyphs all come from the one font the user chose.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// The first character of text the font has no glyph for; empty when it
// has them all. Line breaks and tabs are layout, not glyphs.
QString MissingCharacter(const QRawFont& raw, const QString& text)
{
    for (uint code : text.toUcs4()) {
        if (code == '\n' || code == '\r' || code == '\t' || QChar::category(code) == QChar::Other_Format)
            continue;
        if (!raw.supportsCharacter(code))
            return QString::fromUcs4(&code, 1);
    }
    return QString();
}

// Whether every font the page uses travels with it. A font the writer may
// not embed makes it draw outlines instead: no text to find or copy.
bool EmbedsItsFonts(const QByteArray& pdf)
{
    try {
        QPDF overlay;
        overlay.setSuppressWarnings(true);
        overlay.processMemoryFile("added text", pdf.constData(), size_t(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(overlay).getAllPages();
        if (pages.size() != 1)
            return false;
        QPDFObjectHandle fonts = pages[0].getAttribute("/Resources", false).getKey("/Font");
        if (!fonts.isDictionary() || fonts.getKeys().empty())
            return false;
        for (const std::string& key : fonts.getKeys()) {
            QPDFObjectHandle font = fonts.getKey(key);
            QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
            if (descendants.isArray() && descendants.getArrayNItems() == 1)
                font = descendants.getArrayItem(0);
            QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
            if (!descriptor.isDictionary()
                || !(descriptor.getKey("/FontFile2").isStream() || descriptor.getKey("/FontFile3").isStream()
                     || descriptor.getKey("/FontFile").isStream()))
                return false;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

QByteArray CTextOverlay::Make(const QString& text, const PdfTextStyle& style, const QSizeF& pageSize,
                              const QPointF& topLeft, QRectF* area, QString* error)
{
    if (error)
        error->clear();
    if (text.trimmed().isEmpty())
        return QByteArray();
    if (text.size() > kMaxLength) {
        Fail(error, tr("The text is too long: at most %1 characters can be added at once.").arg(kMaxLength));
        return QByteArray();
    }
    if (!QRectF(QPointF(), pageSize).contains(topLeft)) {
        Fail(error, tr("The text must start on the page."));
        return QByteArray();
    }
    const QFont font = FontOf(style);
    const QRawFont raw = QRawFont::fromFont(font);
    // A family may be named with its foundry, "Name [foundry]".
    const QString family = style.family.section(QLatin1String(" ["), 0, 0);
    if (!raw.isValid() || (!family.isEmpty() && raw.familyName().compare(family, Qt::CaseInsensitive) != 0)) {
        Fail(error, tr("The font \"%1\" is not installed.").arg(style.family));
        return QByteArray();
    }
    const QString missing = MissingCharacter(raw, text);
    if (!missing.isEmpty()) {
        Fail(error,
             tr("The font \"%1\" has no character for \"%2\". Choose a font that has it.")
                 .arg(raw.familyName(), missing));
        return QByteArray();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(pageSize, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QString());
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    painter.setFont(font);
    painter.setPen(style.color.isValid() ? style.color : QColor(Qt::black));
    QRectF drawn;
    painter.drawText(QRectF(topLeft, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop, text, &drawn);
    painter.end();
    buffer.close();
    if (!EmbedsItsFonts(bytes)) {
        Fail(error, tr("The font \"%1\" cannot be embedded in a document. Choose another font.").arg(raw.familyName()));
        return QByteArray();
    }
    if (area)
        *area = drawn;
    return bytes;
}
