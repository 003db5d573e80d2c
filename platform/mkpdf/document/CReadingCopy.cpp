#include "CReadingCopy.h"

#include <QFile>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <exception>
#include <set>
#include <vector>

namespace {

// Forms and Type 3 fonts inside each other deeper than this are not
// followed: real files nest a few levels.
constexpr int kMostDepth = 12;
// Where the last cross-reference section is named: the file's last bytes.
constexpr int kTailBytes = 1024;

// The embedded font programs a page's resources lead to, each once.
class FontFinder
{
public:
    std::vector<QPDFObjectHandle> programs;

    void Resources(QPDFObjectHandle resources, int depth)
    {
        if (!resources.isDictionary() || depth > kMostDepth)
            return;
        QPDFObjectHandle fonts = resources.getKey("/Font");
        if (fonts.isDictionary()) {
            for (const std::string& key : fonts.getKeys())
                Font(fonts.getKey(key), depth);
        }
        QPDFObjectHandle objects = resources.getKey("/XObject");
        if (objects.isDictionary()) {
            for (const std::string& key : objects.getKeys()) {
                QPDFObjectHandle object = objects.getKey(key);
                if (object.isStream() && FirstVisit(object)
                    && object.getDict().getKey("/Subtype").isNameAndEquals("/Form"))
                    Resources(object.getDict().getKey("/Resources"), depth + 1);
            }
        }
    }

private:
    bool FirstVisit(QPDFObjectHandle object)
    {
        return !object.isIndirect() || seen.insert(object.getObjGen()).second;
    }

    // Only a simple font's program is read for every page: for its own
    // encoding. A composite font's glyphs are named by the font dictionary.
    void Font(QPDFObjectHandle font, int depth)
    {
        if (!font.isDictionary() || !FirstVisit(font))
            return;
        if (!font.getKey("/Subtype").isNameAndEquals("/Type0"))
            Descriptor(font.getKey("/FontDescriptor"));
        // A Type 3 font draws its glyphs with resources of its own.
        Resources(font.getKey("/Resources"), depth + 1);
    }

    void Descriptor(QPDFObjectHandle descriptor)
    {
        if (!descriptor.isDictionary())
            return;
        for (const char* key : {"/FontFile", "/FontFile2", "/FontFile3"}) {
            QPDFObjectHandle program = descriptor.getKey(key);
            // Only a program stored compressed in this file is worth
            // storing again.
            if (program.isStream() && program.isIndirect() && FirstVisit(program)
                && !program.getDict().getKey("/Filter").isNull() && !program.getDict().hasKey("/F"))
                programs.push_back(program);
        }
    }

    std::set<QPDFObjGen> seen;
};

// The offset the file's last "startxref" names; -1 when there is none.
qint64 LastCrossReference(const QByteArray& file)
{
    const int at = file.lastIndexOf("startxref", -1);
    if (at < 0 || at < file.size() - kTailBytes)
        return -1;
    bool ok = false;
    const qint64 offset = file.mid(at + 9, 32).simplified().split(' ').value(0).toLongLong(&ok);
    return ok && offset > 0 && offset < at ? offset : -1;
}

// What is appended to the file (after a line feed): the programs and a
// cross-reference section for them that leads on to the file's own.
QByteArray Update(QPDF& pdf, qint64 nFileSize, qint64 previous)
{
    FontFinder finder;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        finder.Resources(page.getAttribute("/Resources", false), 0);
    if (finder.programs.empty())
        return QByteArray();

    const qint64 base = nFileSize + 1;
    QByteArray copy;
    QByteArray table = "xref\n";
    qint64 fontBytes = 0;
    for (QPDFObjectHandle& program : finder.programs) {
        std::shared_ptr<Buffer> data;
        try {
            data = program.getStreamData(qpdf_dl_generalized);
        } catch (const std::exception&) {
            // Left as it is: the parser decodes it as before.
            continue;
        }
        fontBytes += qint64(data->getSize());
        if (fontBytes > CReadingCopy::kMostFontBytes)
            return QByteArray();
        QPDFObjectHandle dict = program.getDict().shallowCopy();
        dict.removeKey("/Filter");
        dict.removeKey("/DecodeParms");
        dict.removeKey("/DL");
        dict.replaceKey("/Length", QPDFObjectHandle::newInteger(qlonglong(data->getSize())));
        table += QByteArray::number(program.getObjectID()) + " 1\n"
            + QByteArray::number(base + copy.size()).rightJustified(10, '0') + ' '
            + QByteArray::number(program.getGeneration()).rightJustified(5, '0') + " n \n";
        copy += QByteArray::number(program.getObjectID()) + ' ' + QByteArray::number(program.getGeneration())
            + " obj\n" + QByteArray::fromStdString(dict.unparse()) + "\nstream\n";
        copy.append(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize()));
        copy += "\nendstream\nendobj\n";
    }
    if (fontBytes == 0)
        return QByteArray();
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle next = QPDFObjectHandle::newDictionary();
    for (const char* key : {"/Size", "/Root", "/Info", "/ID"}) {
        if (trailer.hasKey(key))
            next.replaceKey(key, trailer.getKey(key));
    }
    next.replaceKey("/Prev", QPDFObjectHandle::newInteger(previous));
    const qint64 start = base + copy.size();
    copy += table + "trailer\n" + QByteArray::fromStdString(next.unparse()) + "\nstartxref\n"
        + QByteArray::number(start) + "\n%%EOF\n";
    return copy;
}

} // namespace

QByteArray CReadingCopy::Make(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMostFileBytes)
        return QByteArray();
    QByteArray file = in.readAll();
    const qint64 previous = LastCrossReference(file);
    if (previous < 0 || file.size() != in.size())
        return QByteArray();
    QByteArray update;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        // A file that needs repair is read from disk as it is.
        pdf.setAttemptRecovery(false);
        pdf.processMemoryFile("reading copy", file.constData(), size_t(file.size()));
        if (pdf.isEncrypted())
            return QByteArray();
        update = Update(pdf, file.size(), previous);
        if (pdf.anyWarnings())
            return QByteArray();
    } catch (const std::exception&) {
        return QByteArray();
    }
    if (update.isEmpty())
        return QByteArray();
    file.append('\n');
    file.append(update);
    return file;
}
