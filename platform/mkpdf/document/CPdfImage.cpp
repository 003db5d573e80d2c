#include "CPdfImage.h"

#include "CPageContentEditor.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <stdexcept>

namespace {

// The number of colour components of a JPEG file, from its frame header;
// 0 when there is none.
int JpegComponents(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return 0;
    int at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return 0;
        const uchar marker = data[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const int length = (data[at + 2] << 8) | data[at + 3];
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return at + 9 < size ? data[at + 9] : 0;
        if (marker == 0xD9 || marker == 0xDA || length < 2)
            return 0;
        at += 2 + length;
    }
    return 0;
}

QPDFObjectHandle NewImage(QPDF& pdf, const std::string& data, int width, int height, const char* colorSpace)
{
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, data);
    QPDFObjectHandle dict = stream.getDict();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName(colorSpace));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    return stream;
}

// The rows of an image with one, three or four bytes a pixel, without the
// padding the toolkit keeps at the end of each.
std::string Rows(const QImage& image, int bytesPerPixel)
{
    std::string data;
    const size_t row = size_t(image.width()) * size_t(bytesPerPixel);
    data.reserve(row * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        data.append(reinterpret_cast<const char*>(image.constScanLine(y)), row);
    return data;
}

} // namespace

bool CPdfImage::Read(const QByteArray& bytes, QSize* size, QString* error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg") {
        if (error)
            *error = tr("The file is not a PNG or JPEG picture.");
        return false;
    }
    QSize shown = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        shown.transpose();
    if (shown.width() < 1 || shown.height() < 1 || shown.width() > CPageContentEditor::kMaxImageSide
        || shown.height() > CPageContentEditor::kMaxImageSide
        || qint64(shown.width()) * shown.height() > CPageContentEditor::kMaxImagePixels) {
        if (error)
            *error = tr("The picture is too large or damaged.");
        return false;
    }
    if (size)
        *size = shown;
    return true;
}

QPDFObjectHandle CPdfImage::MakeStream(QPDF& pdf, const QByteArray& bytes)
{
    QString error;
    QSize size;
    if (!Read(bytes, &size, &error))
        throw std::runtime_error(error.toStdString());
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // A JPEG that needs no turning goes in as it is: no second loss.
    const int components = reader.format() == "jpeg" ? JpegComponents(bytes) : 0;
    if ((components == 1 || components == 3) && reader.transformation() == QImageIOHandler::TransformationNone) {
        QPDFObjectHandle stream
            = NewImage(pdf, std::string(), size.width(), size.height(), components == 1 ? "/DeviceGray" : "/DeviceRGB");
        stream.replaceStreamData(bytes.toStdString(), QPDFObjectHandle::newName("/DCTDecode"),
                                 QPDFObjectHandle::newNull());
        return stream;
    }
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        throw std::runtime_error(reader.errorString().toStdString());
    bool opaque = !image.hasAlphaChannel();
    QImage alpha;
    if (!opaque) {
        alpha = image.convertToFormat(QImage::Format_Alpha8);
        opaque = true;
        for (int y = 0; opaque && y < alpha.height(); ++y) {
            const uchar* line = alpha.constScanLine(y);
            for (int x = 0; opaque && x < alpha.width(); ++x)
                opaque = line[x] == 0xFF;
        }
    }
    QPDFObjectHandle stream;
    if (opaque && image.allGray()) {
        stream = NewImage(pdf, Rows(image.convertToFormat(QImage::Format_Grayscale8), 1), size.width(), size.height(),
                          "/DeviceGray");
    } else {
        // Colours as they are, not darkened by their transparency.
        const QImage straight = opaque ? image : image.convertToFormat(QImage::Format_ARGB32);
        stream = NewImage(pdf, Rows(straight.convertToFormat(QImage::Format_RGB888), 3), size.width(), size.height(),
                          "/DeviceRGB");
    }
    if (!opaque) {
        QPDFObjectHandle mask = NewImage(pdf, Rows(alpha, 1), size.width(), size.height(), "/DeviceGray");
        stream.getDict().replaceKey("/SMask", mask);
    }
    return stream;
}
