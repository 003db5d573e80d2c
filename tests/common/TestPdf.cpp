#include "TestPdf.h"

#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

bool TestPdf::Write(const QString& path, int nPages, const QSizeF& sizePt, const QString& label)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(sizePt, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < nPages; ++i) {
        if (i > 0)
            writer.newPage();
        QFont font("DejaVu Sans");
        font.setPixelSize(36);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(40, 80), QStringLiteral("%1 %2").arg(label).arg(i + 1));
        painter.fillRect(QRectF(40, 120, sizePt.width() / 2, sizePt.height() / 4), QColor(40, 90, 220));
    }
    return painter.end();
}

QImage TestPdf::ScanPicture(const QStringList& lines, QList<QRectF>* words)
{
    constexpr double kDpi = 300;
    QImage picture(2480, 3508, QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font("DejaVu Sans");
    font.setPixelSize(qRound(16 * kDpi / 72));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF baseline(200, 400 + i * 140);
        painter.drawText(baseline, lines.at(i));
        int from = 0;
        for (const QString& word : lines.at(i).split(' ')) {
            const QRectF ink = metrics.tightBoundingRect(word).translated(
                baseline + QPointF(metrics.horizontalAdvance(lines.at(i).left(from)), 0));
            if (words)
                *words << QRectF(ink.topLeft() * 72 / kDpi, ink.size() * 72 / kDpi);
            from += word.size() + 1;
        }
    }
    return picture;
}

bool TestPdf::WriteScan(const QString& path, const QStringList& lines, bool bTextFirst, bool bSideways, int nScans)
{
    const QString flat = bSideways ? path + ".flat.pdf" : path;
    const QSizeF a4(595.28, 841.89);
    QImage picture = ScanPicture(lines);
    if (bSideways)
        picture = picture.transformed(QTransform().rotate(-90));
    {
        QPdfWriter writer(flat);
        writer.setResolution(72);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(QPageSize(bSideways ? a4.transposed() : a4, QPageSize::Point));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        if (bTextFirst) {
            painter.setFont(QFont("DejaVu Sans", 24));
            painter.drawText(QPointF(60, 100), QStringLiteral("Born digital"));
            writer.newPage();
        }
        for (int i = 0; i < nScans; ++i) {
            if (i > 0)
                writer.newPage();
            painter.drawImage(QRectF(QPointF(), bSideways ? a4.transposed() : a4), picture);
        }
        if (!painter.end())
            return false;
    }
    if (!bSideways)
        return true;
    const bool turned = WriteRotated(flat, path, 90);
    QFile::remove(flat);
    return turned;
}

bool TestPdf::WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray TestPdf::ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestPdf::StructureProblems(const QString& path, const QString& password)
{
    QStringList args {"--check", path};
    if (!password.isEmpty())
        args << "--password=" + password;
    const TestEnv::ChildResult run = TestEnv::RunChild("qpdf", args);
    return run.ExitCode() == 0 ? QString() : run.Output() + QStringLiteral(" (exit %1)").arg(run.ExitCode());
}

QString TestPdf::FreshCopy(const QString& source, const QString& folderName)
{
    const QString path = TestEnv::MakeDir(folderName) + "/doc.pdf";
    QFile::remove(path);
    QFile::copy(source, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

bool TestPdf::WriteManual(const QString& path, int nPages)
{
    static const char* const words[] = {"document", "viewer", "page", "render", "layout", "window", "tab",
                                        "thumbnail", "section", "figure", "table", "reference", "configuration",
                                        "setting", "option", "the", "of", "and", "to", "in", "with", "for",
                                        "each", "every", "when", "which"};
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle("RVPDF benchmark manual");
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont heading("DejaVu Serif");
    heading.setPixelSize(18);
    QFont body("DejaVu Sans");
    body.setPixelSize(10);
    quint32 seed = 7;
    for (int page = 0; page < nPages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.setFont(heading);
        painter.drawText(QPointF(60, 70), QStringLiteral("Chapter %1, section %2").arg(page / 20 + 1).arg(page % 20 + 1));
        painter.setFont(body);
        for (int line = 0; line < 52; ++line) {
            QString text;
            while (text.size() < 80) {
                seed = seed * 1103515245 + 12345;
                text += QString::fromLatin1(words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))]) + ' ';
            }
            painter.drawText(QPointF(60, 100 + line * 13.5), text);
        }
        if (page % 10 == 3) {
            painter.setPen(QPen(QColor(40, 90, 220), 2));
            for (int i = 0; i < 30; ++i)
                painter.drawLine(QPointF(80 + i * 14, 600), QPointF(300 + i * 7, 780 - i * 5));
            painter.setPen(Qt::black);
        }
        painter.drawText(QPointF(290, 820), QString::number(page + 1));
    }
    return painter.end();
}

QByteArray TestPdf::Assemble(const QList<QByteArray>& objects)
{
    QByteArray pdf = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    return pdf + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
}

QByteArray TestPdf::Garbage(int nBytes, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(nBytes, Qt::Uninitialized);
    for (int i = 0; i < nBytes; ++i)
        bytes[i] = char(generator.bounded(256));
    return bytes;
}

bool TestPdf::WriteEncrypted(const QString& source, const QString& target, const QString& password,
                             const QString& ownerPassword)
{
    try {
        QPDF pdf;
        pdf.processFile(source.toLocal8Bit().constData());
        // The writer keeps the name it is given until it has written.
        const QByteArray targetName = target.toLocal8Bit();
        QPDFWriter writer(pdf, targetName.constData());
        const QByteArray pw = password.toUtf8();
        const QByteArray owner = ownerPassword.isEmpty() ? pw : ownerPassword.toUtf8();
        const bool all = ownerPassword.isEmpty();
        writer.setR6EncryptionParameters(pw.constData(), owner.constData(), true, all, all, true, true, all,
                                         all ? qpdf_r3p_full : qpdf_r3p_none, true);
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TestPdf::WriteRotated(const QString& source, const QString& target, int nDegrees)
{
    try {
        QPDF pdf;
        pdf.processFile(source.toLocal8Bit().constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
            page.getObjectHandle().replaceKey("/Rotate", QPDFObjectHandle::newInteger(nDegrees));
        // The writer keeps the name it is given until it has written.
        const QByteArray targetName = target.toLocal8Bit();
        QPDFWriter writer(pdf, targetName.constData());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TestPdf::WriteRich(const QString& source, const QString& target, const QString& attachmentName,
                        const QByteArray& attachmentData)
{
    try {
        QPDF pdf;
        pdf.processFile(source.toLocal8Bit().constData());
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        QPDFObjectHandle root = pdf.getRoot();

        QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString("Chapter Two"));
        item.replaceKey("/Parent", outlines);
        QPDFObjectHandle dest = QPDFObjectHandle::newArray();
        dest.appendItem(pages.at(pages.size() > 1 ? 1 : 0).getObjectHandle());
        dest.appendItem(QPDFObjectHandle::newName("/Fit"));
        item.replaceKey("/Dest", dest);
        outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        outlines.replaceKey("/First", item);
        outlines.replaceKey("/Last", item);
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(1));
        root.replaceKey("/Outlines", outlines);

        QPDFObjectHandle note = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Text /Rect [100 600 120 620] /Contents (Hello reviewer) /T (Alice) >>"));
        QPDFObjectHandle annots = QPDFObjectHandle::newArray();
        annots.appendItem(note);
        // A link to the last page and a text field "name" holding "Ada".
        QPDFObjectHandle link = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [40 20 200 40] /Border [0 0 0] >>"));
        QPDFObjectHandle linkDest = QPDFObjectHandle::newArray();
        linkDest.appendItem(pages.back().getObjectHandle());
        linkDest.appendItem(QPDFObjectHandle::newName("/Fit"));
        link.replaceKey("/Dest", linkDest);
        annots.appendItem(link);
        QPDFObjectHandle field = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /V (Ada) /F 4 /Rect [300 20 500 40] "
            "/DA (/Helv 12 Tf 0 g) >>"));
        field.replaceKey("/P", pages.at(0).getObjectHandle());
        annots.appendItem(field);
        pages.at(0).getObjectHandle().replaceKey("/Annots", annots);
        QPDFObjectHandle form = QPDFObjectHandle::parse(
            "<< /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >> >>");
        QPDFObjectHandle fields = QPDFObjectHandle::newArray();
        fields.appendItem(field);
        form.replaceKey("/Fields", fields);
        root.replaceKey("/AcroForm", pdf.makeIndirectObject(form));

        QPDFEmbeddedFileDocumentHelper files(pdf);
        // The attachment's entry: its name and the stream holding its bytes.
        const QPDFObjectHandle stream =
            QPDFEFStreamObjectHelper::createEFStream(pdf, attachmentData.toStdString()).getObjectHandle();
        const QPDFObjectHandle name = QPDFObjectHandle::newUnicodeString(attachmentName.toStdString());
        QPDFObjectHandle streams = QPDFObjectHandle::newDictionary();
        streams.replaceKey("/F", stream);
        streams.replaceKey("/UF", stream);
        QPDFObjectHandle attachment = QPDFObjectHandle::newDictionary();
        attachment.replaceKey("/F", name);
        attachment.replaceKey("/UF", name);
        attachment.replaceKey("/EF", streams);
        files.replaceEmbeddedFile(attachmentName.toStdString(), pdf.makeIndirectObject(attachment));

        // The writer keeps the name it is given until it has written.
        const QByteArray targetName = target.toLocal8Bit();
        QPDFWriter writer(pdf, targetName.constData());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QList<int> TestPdf::Rotations(const QString& path, const QString& password)
{
    QList<int> turns;
    try {
        QPDF pdf;
        pdf.processFile(path.toLocal8Bit().constData(), password.toUtf8().constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
            turns << (rotate.isInteger() ? int(rotate.getIntValue()) : 0);
        }
    } catch (const std::exception&) {
    }
    return turns;
}

QStringList TestPdf::Annotations(const QString& path, const QString& password)
{
    // A name value keeps its slash; the items of a list are joined by commas.
    auto text = [](QPDFObjectHandle value) {
        QStringList items;
        for (QPDFObjectHandle item : value.isArray() ? value.getArrayAsVector() : std::vector<QPDFObjectHandle>{value}) {
            if (item.isName())
                items << QString::fromStdString(item.getName());
            else if (item.isString())
                items << QString::fromStdString(item.getUTF8Value());
        }
        return items.join(',');
    };
    QStringList found;
    try {
        QPDF pdf;
        pdf.processFile(path.toLocal8Bit().constData(), password.toUtf8().constData());
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        auto pageNumber = [&pages](QPDFObjectHandle page) {
            for (size_t i = 0; i < pages.size(); ++i) {
                if (pages[i].getObjectHandle().getObjGen() == page.getObjGen())
                    return int(i) + 1;
            }
            return 0;
        };
        for (size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle annots = pages[i].getObjectHandle().getKey("/Annots");
            for (int a = 0; annots.isArray() && a < annots.getArrayNItems(); ++a) {
                QPDFObjectHandle annot = annots.getArrayItem(a);
                QString entry = QStringLiteral("%1 %2").arg(i + 1).arg(QString::fromStdString(annot.getKey("/Subtype").getName()));
                if (annot.getKey("/Dest").isArray())
                    entry += QStringLiteral(" >%1").arg(pageNumber(annot.getKey("/Dest").getArrayItem(0)));
                if (annot.getKey("/Subtype").getName() == "/Widget" && annot.getKey("/T").isString())
                    entry += QStringLiteral(" %1=%2").arg(QString::fromStdString(annot.getKey("/T").getUTF8Value()),
                                                          text(annot.getKey("/V")));
                found << entry;
            }
        }
        for (QPDFFormFieldObjectHelper field : QPDFAcroFormDocumentHelper(pdf).getFormFields())
            found << QStringLiteral("form %1=%2").arg(QString::fromStdString(field.getFullyQualifiedName()),
                                                      text(field.getValue()));
    } catch (const std::exception&) {
    }
    return found;
}

QByteArray TestPdf::Stream(const QByteArray& dictionary, const QByteArray& data)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

// One A4 page showing "Page 1" with the given annotations (objects from
// 7 on), its form fields and extra objects after them. Objects 5 and 6 are
// the on and off pictures of a button.
QByteArray TestPdf::OnePage(const QByteArray& annots, const QByteArray& form, const QList<QByteArray>& more)
{
    const QByteArray box = "/Type /XObject /Subtype /Form /BBox [0 0 16 16]";
    return Assemble(QList<QByteArray> {
        "<< /Type /Catalog /Pages 2 0 R " + form + " >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 4 0 R >> >> "
        "/Contents " + QByteArray::number(7 + more.size()) + " 0 R /Annots [" + annots + "] >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>", Stream(box, "0 g 2 2 12 12 re f"), Stream(box, "")}
        + more + QList<QByteArray> {Stream("", "BT /F1 36 Tf 40 762 Td (Page 1) Tj ET")});
}

QByteArray TestPdf::ForeignPdf()
{
    return OnePage("7 0 R 8 0 R", "",
                   {"<< /Type /Annot /Subtype /Square /Rect [100 500 200 600] /C [0 1 0] /F 4 /T (Bob) "
                    "/Contents (square by bob) /AP << /N 9 0 R >> >>",
                    "<< /Type /Annot /Subtype /Stamp /Rect [300 500 400 550] /Name /Approved /F 4 /T (Carol) /AP << /N 10 0 R >> >>",
                    Stream("/Type /XObject /Subtype /Form /BBox [0 0 100 100]", "1 0 0 rg 0 0 100 100 re f"),
                    Stream("/Type /XObject /Subtype /Form /BBox [0 0 100 50]", "0 0 1 rg 0 0 100 50 re f")});
}

QByteArray TestPdf::SignatureFieldPdf()
{
    return OnePage("7 0 R", "/AcroForm << /Fields [7 0 R] >>",
                   {"<< /Type /Annot /Subtype /Widget /FT /Sig /T (Approval) /Rect [300 650 500 710] /F 4 /P 3 0 R >>"});
}

QByteArray TestPdf::FormPdf(bool xfa)
{
    const QByteArray resources = "/DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv 4 0 R >> >>";
    if (xfa)
        return OnePage("", "/AcroForm << /Fields [] " + resources + " /XFA 7 0 R >>",
                       {Stream("", "<xdp:xdp xmlns:xdp=\"http://ns.adobe.com/xdp/\"><template/></xdp:xdp>")});
    const QByteArray widget = "/Type /Annot /Subtype /Widget /F 4 /P 3 0 R ";
    const QByteArray text = "/DA (/Helv 12 Tf 0 g) ";
    auto button = [&](const char* on, int x) {
        return "<< " + widget + "/Parent 10 0 R /AS /Off /Rect [" + QByteArray::number(x) + " 520 " + QByteArray::number(x + 16)
            + " 536] /AP << /N << " + on + " 5 0 R /Off 6 0 R >> >> >>";
    };
    return OnePage("7 0 R 8 0 R 9 0 R 11 0 R 12 0 R 13 0 R 14 0 R 15 0 R 16 0 R 17 0 R 19 0 R 20 0 R",
                   "/AcroForm << /Fields [7 0 R 8 0 R 9 0 R 10 0 R 14 0 R 15 0 R 16 0 R 17 0 R 18 0 R] " + resources + " >>",
                   {"<< " + widget + text + "/FT /Tx /T (name) /MaxLen 10 /Rect [100 700 300 720] >>",
                    "<< " + widget + "/FT /Tx /T (notes) /Ff 4096 /Rect [100 600 300 680] /DA (/Helv 10 Tf 0 g) >>",
                    "<< " + widget + "/FT /Btn /T (agree) /V /Off /AS /Off /DV /Off /Rect [100 560 116 576] "
                                     "/AP << /N << /Yes 5 0 R /Off 6 0 R >> >> >>",
                    "<< /FT /Btn /T (size) /Ff 32768 /V /Off /DV /M /Kids [11 0 R 12 0 R 13 0 R] >>",
                    button("/S", 100), button("/M", 140), button("/L", 180),
                    "<< " + widget + text + "/FT /Ch /T (color) /Ff 131072 /Opt [(Red) (Green) (Blue)] /DV (Green) /Rect [100 470 250 490] >>",
                    "<< " + widget + text + "/FT /Ch /T (tags) /Ff 2097152 /Opt [(Alpha) (Beta) (Gamma)] /Rect [100 380 250 450] >>",
                    "<< " + widget + text + "/FT /Tx /T (id) /Ff 1 /V (R-1001) /Rect [300 700 450 720] >>",
                    "<< " + widget + "/FT /Btn /T (reset) /Ff 65536 /Rect [100 330 180 350] /A << /S /ResetForm >> /MK << /CA (Reset) >> >>",
                    // One field shown twice: typing into one widget fills both.
                    "<< /FT /Tx /T (city) " + text + "/Kids [19 0 R 20 0 R] >>",
                    "<< " + widget + "/Parent 18 0 R /Rect [300 600 450 620] >>",
                    "<< " + widget + "/Parent 18 0 R /Rect [300 560 450 580] >>"});
}

QByteArray TestPdf::HandWrittenPage(int nRotate)
{
    const QByteArray pixels("\xff\x00\x00\x00\xc0\x00\x00\x00\xff\xff\xd0\x00", 12);
    QByteArray content = "q 0 0 0 rg BT /F1 28 Tf 10 170 Td (Hi) Tj ET Q\n"
                         "q 0 0 1 rg 10 100 40 20 re f Q\n"
                         "q 1 0 0 1 100 20 cm /Fm1 Do Q\n"
                         "q 40 0 0 40 10 20 cm BI /W 2 /H 2 /CS /RGB /BPC 8 ID ";
    content += pixels + "\nEI Q\n";
    const QByteArray form = "q 60 0 0 60 0 0 cm /Im1 Do Q\n";
    return Assemble(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Rotate " + QByteArray::number(nRotate)
             + " /Resources << /Font << /F1 5 0 R >> /XObject << /Fm1 6 0 R >> >> /Contents 4 0 R >>",
         "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
         "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
         "<< /Type /XObject /Subtype /Form /BBox [0 0 100 100] /Matrix [1 0 0 1 10 10] "
         "/Resources << /XObject << /Im1 7 0 R >> >> /Length " + QByteArray::number(form.size()) + " >>\nstream\n" + form + "\nendstream",
         "<< /Type /XObject /Subtype /Image /Width 2 /Height 2 /ColorSpace /DeviceRGB "
         "/BitsPerComponent 8 /Length 12 >>\nstream\n" + pixels + "\nendstream"});
}

QList<QPoint> TestPdf::PictureCells(const QRectF& area, double scale)
{
    QList<QPoint> cells;
    for (double fy : {0.25, 0.75}) {
        for (double fx : {0.25, 0.75})
            cells << QPoint(int((area.x() + area.width() * fx) * scale), int((area.y() + area.height() * fy) * scale));
    }
    return cells;
}
