#include "CPdfEditor.h"

#include "CFileUtils.h"

#include <QByteArray>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace {

constexpr int kMaxPages = 10000;
constexpr double kMaxSide = 14400.0; // the largest page side PDF readers accept

} // namespace

bool CPdfEditor::WriteBlankDocument(const QString& path, const QSizeF& sizePt, int nPages,
                                    QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("no file name"));
    if (nPages < 1 || nPages > kMaxPages)
        return fail(QStringLiteral("page count out of range"));
    if (!(sizePt.width() >= 1 && sizePt.height() >= 1 && sizePt.width() <= kMaxSide
          && sizePt.height() <= kMaxSide))
        return fail(QStringLiteral("page size out of range"));

    QByteArray bytes;
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pages(pdf);
        const QByteArray box = QByteArray("[0 0 ") + QByteArray::number(sizePt.width(), 'f', 2) + " "
            + QByteArray::number(sizePt.height(), 'f', 2) + "]";
        for (int i = 0; i < nPages; ++i) {
            QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
            page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
            page.replaceKey("/MediaBox", QPDFObjectHandle::parse(box.toStdString()));
            page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, std::string()));
            pages.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
        }
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        auto buffer = writer.getBufferSharedPointer();
        bytes = QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), int(buffer->getSize()));
    } catch (const std::exception& e) {
        return fail(QString::fromLocal8Bit(e.what()));
    }
    if (!MKBase::CFileUtils::WriteFileBytes(path, bytes))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}
