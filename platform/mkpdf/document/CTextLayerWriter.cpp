#include "CTextLayerWriter.h"

#include <QFile>
#include <QSaveFile>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <exception>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr qint64 kTailBytes = 2048;

// Where the file's last cross-reference section starts, as its end says;
// -1 when the end is not a proper one.
qint64 LastXrefOffset(QFile& file)
{
    const qint64 size = file.size();
    if (!file.seek(qMax<qint64>(0, size - kTailBytes)))
        return -1;
    const QByteArray tail = file.read(kTailBytes);
    const int at = tail.lastIndexOf("startxref");
    if (at < 0 || !tail.mid(at).contains("%%EOF"))
        return -1;
    bool ok = false;
    const qint64 offset
        = tail.mid(at + 9).trimmed().split('\n').value(0).split('\r').value(0).trimmed().toLongLong(&ok);
    return ok && offset > 0 && offset < size ? offset : -1;
}

// The objects made for the update, reached from object: those the file did
// not have before (numbers above maxId).
void CollectNew(QPDFObjectHandle object, int maxId, std::set<QPDFObjGen>* seen, std::vector<QPDFObjectHandle>* out)
{
    if (object.isIndirect()) {
        if (object.getObjectID() <= maxId || !seen->insert(object.getObjGen()).second)
            return;
        out->push_back(object);
    }
    if (object.isStream()) {
        CollectNew(object.getDict(), maxId, seen, out);
    } else if (object.isArray()) {
        for (int i = 0; i < object.getArrayNItems(); ++i)
            CollectNew(object.getArrayItem(i), maxId, seen, out);
    } else if (object.isDictionary()) {
        for (const std::string& key : object.getKeys())
            CollectNew(object.getKey(key), maxId, seen, out);
    }
}

QByteArray Serialize(QPDFObjectHandle object)
{
    QByteArray bytes
        = QByteArray::number(object.getObjectID()) + ' ' + QByteArray::number(object.getGeneration()) + " obj\n";
    if (object.isStream()) {
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        QPDFObjectHandle dictionary = object.getDict().shallowCopy();
        dictionary.replaceKey("/Length", QPDFObjectHandle::newInteger(qint64(data->getSize())));
        bytes += QByteArray::fromStdString(dictionary.unparse()) + "\nstream\n";
        bytes += QByteArray(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize()));
        bytes += "\nendstream";
    } else {
        bytes += QByteArray::fromStdString(object.unparseResolved());
    }
    return bytes + "\nendobj\n";
}

// Draws layer over page: its page as a form, named in the page's own
// resources, between the page's content (kept in q/Q) and the end.
void Overlay(QPDF& pdf, QPDFPageObjectHelper& page, QPDF& layer)
{
    std::vector<QPDFPageObjectHelper> layerPages = QPDFPageDocumentHelper(layer).getAllPages();
    if (layerPages.size() != 1)
        throw std::runtime_error("a text layer is not one page");
    QPDFObjectHandle form = pdf.copyForeignObject(layerPages.front().getFormXObjectForPage());
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    if (!resources.isDictionary()) {
        resources = QPDFObjectHandle::newDictionary();
        page.getObjectHandle().replaceKey("/Resources", resources);
    }
    QPDFObjectHandle forms = resources.getKey("/XObject");
    forms = forms.isDictionary() ? forms.shallowCopy() : QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", forms);
    int suffix = 1;
    const std::string name = resources.getUniqueResourceName("/OcrText", suffix);
    forms.replaceKey(name, form);
    // The whole visible page, however it is turned.
    const std::string placed
        = page.placeFormXObject(form, name, page.getCropBox(false).getArrayAsRectangle(), true, true, true);
    page.addPageContents(QPDFObjectHandle::newStream(&pdf, "q\n"), true);
    page.addPageContents(QPDFObjectHandle::newStream(&pdf, "\nQ\n" + placed), false);
}

// The source with an update after it that holds changed pages and the
// objects made for them.
bool Append(QPDF& pdf, const QString& sourcePath, int maxId, const std::vector<QPDFObjectHandle>& changed,
            const QString& target, QString* error)
{
    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    const qint64 previous = LastXrefOffset(in);
    if (previous < 0)
        return false;
    std::vector<QPDFObjectHandle> objects = changed;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle page : changed) {
        seen.insert(page.getObjGen());
        for (const std::string& key : page.getKeys())
            CollectNew(page.getKey(key), maxId, &seen, &objects);
    }
    std::sort(objects.begin(), objects.end(),
              [](QPDFObjectHandle a, QPDFObjectHandle b) { return a.getObjGen() < b.getObjGen(); });

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || !in.seek(0)) {
        *error = out.errorString();
        return false;
    }
    qint64 at = 0;
    QByteArray last;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            *error = in.errorString();
            return false;
        }
        at += chunk.size();
        last = chunk.right(1);
    }
    QByteArray update;
    if (last != "\n" && last != "\r")
        update += '\n';
    std::vector<std::pair<int, qint64>> offsets;
    for (QPDFObjectHandle object : objects) {
        offsets.emplace_back(object.getObjectID(), at + update.size());
        update += Serialize(object);
    }
    const qint64 xref = at + update.size();
    update += "xref\n";
    for (size_t i = 0; i < offsets.size();) {
        size_t run = i + 1;
        while (run < offsets.size() && offsets[run].first == offsets[run - 1].first + 1)
            ++run;
        update += QByteArray::number(offsets[i].first) + ' ' + QByteArray::number(qint64(run - i)) + '\n';
        for (; i < run; ++i) {
            const int generation = objects[i].getGeneration();
            update += QByteArray::number(offsets[i].second).rightJustified(10, '0') + ' '
                + QByteArray::number(generation).rightJustified(5, '0') + " n\r\n";
        }
    }
    QPDFObjectHandle old = pdf.getTrailer();
    QPDFObjectHandle trailer = QPDFObjectHandle::newDictionary();
    const int size = std::max<int>(old.getKey("/Size").isInteger() ? old.getKey("/Size").getIntValueAsInt() : 0,
                                   offsets.back().first + 1);
    trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(size));
    for (const char* key : {"/Root", "/Info", "/ID"}) {
        if (old.hasKey(key))
            trailer.replaceKey(key, old.getKey(key));
    }
    trailer.replaceKey("/Prev", QPDFObjectHandle::newInteger(previous));
    update += "trailer\n" + QByteArray::fromStdString(trailer.unparse()) + "\nstartxref\n" + QByteArray::number(xref)
        + "\n%%EOF\n";
    if (out.write(update) != update.size() || !out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace

CPdfEditor::WriteResult CTextLayerWriter::Write(const PdfSource& source, const QMap<int, QByteArray>& layers,
                                                const QString& target, bool* appended, QString* error)
{
    QString problem;
    if (appended)
        *appended = false;
    auto fail = [error](CPdfEditor::WriteResult result, const QString& message) {
        if (error)
            *error = message;
        return result;
    };
    QPDF pdf;
    std::vector<std::unique_ptr<QPDF>> layerFiles; // the copied objects read their data from these
    std::vector<QPDFObjectHandle> changed;
    int maxId = 0;
    try {
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(source.path).constData(), source.password.constData());
        for (const auto& entry : pdf.getXRefTable())
            maxId = std::max(maxId, entry.first.getObj());
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        for (auto it = layers.constBegin(); it != layers.constEnd(); ++it) {
            if (it.key() < 0 || it.key() >= int(pages.size()))
                return fail(CPdfEditor::SourceFailed, QStringLiteral("the text of a page it does not have"));
            layerFiles.push_back(std::make_unique<QPDF>());
            layerFiles.back()->setSuppressWarnings(true);
            layerFiles.back()->processMemoryFile("text layer", it.value().constData(), size_t(it.value().size()));
            Overlay(pdf, pages[size_t(it.key())], *layerFiles.back());
            changed.push_back(pages[size_t(it.key())].getObjectHandle());
        }
    } catch (const std::exception& e) {
        return fail(CPdfEditor::SourceFailed, QString::fromLocal8Bit(e.what()));
    }
    // A file read with repairs has no sound end to append to.
    try {
        if (!pdf.isEncrypted() && !pdf.anyWarnings() && maxId > 0) {
            if (Append(pdf, source.path, maxId, changed, target, &problem)) {
                if (appended)
                    *appended = true;
                return CPdfEditor::Written;
            }
            if (!problem.isEmpty())
                return fail(CPdfEditor::OutputFailed, problem);
        }
        // The target is a file of the caller's own, not yet in anyone's place.
        // The writer keeps the name, not a copy of it.
        const QByteArray name = QFile::encodeName(target);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
    } catch (const std::exception& e) {
        return fail(CPdfEditor::OutputFailed, QString::fromLocal8Bit(e.what()));
    }
    return CPdfEditor::Written;
}

bool CTextLayerWriter::IsLayer(const QByteArray& pdf)
{
    if (!pdf.startsWith("%PDF-"))
        return false;
    try {
        QPDF layer;
        layer.setSuppressWarnings(true);
        layer.processMemoryFile("text layer", pdf.constData(), size_t(pdf.size()));
        return QPDFPageDocumentHelper(layer).getAllPages().size() == 1 && !layer.anyWarnings();
    } catch (const std::exception&) {
        return false;
    }
}
