#include "CPdfEditor.h"

#include "CFileUtils.h"
#include "CPagePlan.h"
#include "CPdfDestination.h"

#include <QByteArray>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

namespace {

constexpr int kMaxPages = 10000;
constexpr double kMaxSide = 14400.0; // the largest page side PDF readers accept
constexpr int kMaxOutlineDepth = 64;

QPDFObjectHandle NewBlankPage(QPDF& pdf, const QSizeF& sizePt)
{
    const QByteArray box = QByteArray("[0 0 ") + QByteArray::number(sizePt.width(), 'f', 2) + " "
        + QByteArray::number(sizePt.height(), 'f', 2) + "]";
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox", QPDFObjectHandle::parse(box.toStdString()));
    page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, std::string()));
    return pdf.makeIndirectObject(page);
}

// Rebuilds the children of parent without the entries that go to a removed
// page (their own children take their place), and returns how many entries
// show below parent when it is open.
int PruneOutline(QPDFObjectHandle parent, QPDF& pdf, const std::set<QPDFObjGen>& removed, int depth,
                 std::set<QPDFObjGen>& seen)
{
    std::vector<QPDFObjectHandle> kept;
    std::vector<QPDFObjectHandle> queue;
    for (QPDFObjectHandle child = parent.getKey("/First"); child.isDictionary(); child = child.getKey("/Next")) {
        if (!seen.insert(child.getObjGen()).second)
            break; // a loop in a damaged outline
        queue.push_back(child);
    }
    for (size_t i = 0; i < queue.size(); ++i) {
        QPDFObjectHandle child = queue[i];
        const QPDFObjGen target = CPdfDestination::TargetPage(child, pdf);
        if (target.isIndirect() && removed.count(target) && depth < kMaxOutlineDepth) {
            // Its children move up into its place.
            std::vector<QPDFObjectHandle> grandchildren;
            for (QPDFObjectHandle g = child.getKey("/First"); g.isDictionary(); g = g.getKey("/Next")) {
                if (!seen.insert(g.getObjGen()).second)
                    break;
                grandchildren.push_back(g);
            }
            queue.insert(queue.begin() + long(i) + 1, grandchildren.begin(), grandchildren.end());
            continue;
        }
        kept.push_back(child);
    }
    int visible = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        QPDFObjectHandle child = kept[i];
        child.replaceKey("/Parent", parent);
        if (i > 0)
            child.replaceKey("/Prev", kept[i - 1]);
        else
            child.removeKey("/Prev");
        if (i + 1 < kept.size())
            child.replaceKey("/Next", kept[i + 1]);
        else
            child.removeKey("/Next");
        const int inside = depth < kMaxOutlineDepth ? PruneOutline(child, pdf, removed, depth + 1, seen) : 0;
        const bool open = !child.getKey("/Count").isInteger() || child.getKey("/Count").getIntValue() > 0;
        if (inside == 0)
            child.removeKey("/Count");
        else
            child.replaceKey("/Count", QPDFObjectHandle::newInteger(open ? inside : -inside));
        visible += 1 + (open ? inside : 0);
    }
    if (kept.empty()) {
        parent.removeKey("/First");
        parent.removeKey("/Last");
    } else {
        parent.replaceKey("/First", kept.front());
        parent.replaceKey("/Last", kept.back());
    }
    return visible;
}

// Drops what would still reach pages that are no longer in the document:
// outline entries, named destinations, links, form fields and the opening
// view. Whatever still referred to them would otherwise write them into
// the file again.
void DropReferencesTo(QPDF& pdf, const std::set<QPDFObjGen>& removed, const std::vector<QPDFObjectHandle>& removedPages)
{
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle outlines = root.getKey("/Outlines");
    if (outlines.isDictionary()) {
        std::set<QPDFObjGen> seen;
        const int visible = PruneOutline(outlines, pdf, removed, 0, seen);
        if (visible > 0)
            outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
        else
            root.removeKey("/Outlines");
    }

    QPDFObjectHandle names = root.getKey("/Names");
    if (names.isDictionary() && names.getKey("/Dests").isDictionary()) {
        QPDFNameTreeObjectHelper tree(names.getKey("/Dests"), pdf);
        std::vector<std::string> dead;
        for (auto entry : tree) {
            QPDFObjectHandle dest = entry.second;
            if (dest.isDictionary())
                dest = dest.getKey("/D");
            const QPDFObjGen page = CPdfDestination::DestinationPage(dest, pdf);
            if (page.isIndirect() && removed.count(page))
                dead.push_back(entry.first);
        }
        for (const std::string& name : dead)
            tree.remove(name);
    }
    QPDFObjectHandle dests = root.getKey("/Dests");
    if (dests.isDictionary()) {
        for (const std::string& key : dests.getKeys()) {
            const QPDFObjGen page = CPdfDestination::DestinationPage(dests.getKey(key), pdf);
            if (page.isIndirect() && removed.count(page))
                dests.removeKey(key);
        }
    }
    QPDFObjectHandle open = root.getKey("/OpenAction");
    if (open.isArray() || open.isDictionary()) {
        const QPDFObjGen page
            = open.isArray() ? CPdfDestination::DestinationPage(open, pdf) : CPdfDestination::TargetPage(open, pdf);
        if (page.isIndirect() && removed.count(page))
            root.removeKey("/OpenAction");
    }

    // Links on the pages that stay but lead to a page that went.
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle annots = page.getObjectHandle().getKey("/Annots");
        if (!annots.isArray())
            continue;
        for (int i = annots.getArrayNItems() - 1; i >= 0; --i) {
            QPDFObjectHandle annot = annots.getArrayItem(i);
            if (!annot.isDictionary() || !annot.getKey("/Subtype").isName()
                || annot.getKey("/Subtype").getName() != "/Link")
                continue;
            const QPDFObjGen target = CPdfDestination::TargetPage(annot, pdf);
            if (target.isIndirect() && removed.count(target))
                annots.eraseItem(i);
        }
    }

    // Form fields whose every widget sat on a page that went.
    QPDFAcroFormDocumentHelper form(pdf);
    if (!form.hasAcroForm())
        return;
    std::set<QPDFObjGen> goneWidgets;
    for (QPDFObjectHandle page : removedPages) {
        QPDFObjectHandle annots = page.getKey("/Annots");
        for (int i = 0; annots.isArray() && i < annots.getArrayNItems(); ++i)
            goneWidgets.insert(annots.getArrayItem(i).getObjGen());
    }
    std::set<QPDFObjGen> deadFields;
    for (QPDFFormFieldObjectHelper field : form.getFormFields()) {
        const std::vector<QPDFAnnotationObjectHelper> widgets = form.getAnnotationsForField(field);
        bool anyLeft = widgets.empty();
        for (const QPDFAnnotationObjectHelper& widget : widgets)
            anyLeft = anyLeft || !goneWidgets.count(widget.getObjectHandle().getObjGen());
        if (!anyLeft)
            deadFields.insert(field.getObjectHandle().getObjGen());
    }
    if (!deadFields.empty())
        form.removeFormFields(deadFields);
}

// Thrown out of the writer when its caller wants it to stop.
struct WriteStopped : std::runtime_error
{
    WriteStopped()
        : std::runtime_error("stopped")
    {
    }
};

class WriteProgress : public QPDFWriter::ProgressReporter
{
public:
    explicit WriteProgress(CPdfEditor::Progress progress_)
        : progress(std::move(progress_))
    {
    }
    void reportProgress(int nPercent) override
    {
        if (!progress(nPercent))
            throw WriteStopped();
    }

private:
    CPdfEditor::Progress progress;
};

void SetProtection(QPDFWriter& writer, const PdfProtection& protection)
{
    if (protection.mode == PdfProtection::Remove || protection.mode == PdfProtection::PrintCopy) {
        writer.setPreserveEncryption(false);
        return;
    }
    if (protection.mode != PdfProtection::Set)
        return;
    const std::string user = protection.openPassword.toStdString();
    // Without restrictions the open password opens with every right.
    const std::string owner
        = protection.permissionsPassword.isEmpty() ? user : protection.permissionsPassword.toStdString();
    const qpdf_r3_print_e print = protection.allowPrint ? qpdf_r3p_full : qpdf_r3p_none;
    if (protection.aes256) {
        writer.setR6EncryptionParameters(user.c_str(), owner.c_str(), true, protection.allowCopy,
                                         protection.allowAssembly, protection.allowAnnotate, protection.allowForms,
                                         protection.allowEdit, print, true);
    } else {
        writer.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, protection.allowCopy,
                                                 protection.allowAssembly, protection.allowAnnotate,
                                                 protection.allowForms, protection.allowEdit, print, true, true);
    }
}

} // namespace

bool CPdfEditor::WriteBlankDocument(const QString& path, const QSizeF& sizePt, int nPages, QString* error)
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
    if (!(sizePt.width() >= 1 && sizePt.height() >= 1 && sizePt.width() <= kMaxSide && sizePt.height() <= kMaxSide))
        return fail(QStringLiteral("page size out of range"));

    QByteArray bytes;
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper pages(pdf);
        for (int i = 0; i < nPages; ++i)
            pages.addPage(QPDFPageObjectHelper(NewBlankPage(pdf, sizePt)), false);
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

CPdfEditor::WriteResult CPdfEditor::WritePlan(const QVector<PdfSource>& sources, const CPagePlan& plan,
                                              const PdfProtection& protection, FILE* out, QString* error,
                                              const Progress& progress)
{
    auto fail = [error](WriteResult result, const QString& message) {
        if (error)
            *error = message;
        return result;
    };
    if (sources.isEmpty() || sources.size() < plan.Sources().size() || plan.Count() == 0 || !out)
        return fail(SourceFailed, QStringLiteral("nothing to write"));

    // The files are read only here; a damaged or vanished one stops the
    // write before anything reaches out.
    QPDF base;
    std::map<int, std::unique_ptr<QPDF>> others;
    std::vector<QPDFPageObjectHelper> basePages;
    std::map<int, std::vector<QPDFPageObjectHelper>> otherPages;
    try {
        base.setSuppressWarnings(true);
        base.processFile(sources.at(0).path.toLocal8Bit().constData(), sources.at(0).password.constData());
        const bool changesProtection
            = protection.mode == PdfProtection::Set || protection.mode == PdfProtection::Remove;
        if (changesProtection && base.isEncrypted() && !base.ownerPasswordMatched())
            return fail(OwnerPasswordNeeded, QStringLiteral("the permissions password is needed"));
        QPDFPageDocumentHelper(base).pushInheritedAttributesToPage();
        basePages = QPDFPageDocumentHelper(base).getAllPages();
        for (const PlanPage& page : plan.Pages()) {
            if (page.source <= 0 || others.count(page.source))
                continue;
            auto other = std::make_unique<QPDF>();
            other->setSuppressWarnings(true);
            const PdfSource& source = sources.at(page.source);
            other->processFile(source.path.toLocal8Bit().constData(), source.password.constData());
            QPDFPageDocumentHelper(*other).pushInheritedAttributesToPage();
            otherPages[page.source] = QPDFPageDocumentHelper(*other).getAllPages();
            others[page.source] = std::move(other);
        }
    } catch (const std::exception& e) {
        return fail(SourceFailed, QString::fromLocal8Bit(e.what()));
    }

    try {
        QPDFAcroFormDocumentHelper form(base);
        std::map<int, std::unique_ptr<QPDFAcroFormDocumentHelper>> otherForms;
        std::set<QPDFObjGen> used;
        std::map<QPDFObjGen, QPDFObjectHandle> copiedForeign;
        // Each page's own turn, before this plan turned it.
        std::map<QPDFObjGen, QPDFObjectHandle> ownTurn;
        QPDFObjectHandle pagesRoot = base.getRoot().getKey("/Pages");
        QPDFObjectHandle kids = QPDFObjectHandle::newArray();
        for (const PlanPage& entry : plan.Pages()) {
            QPDFObjectHandle page;
            if (entry.IsBlank()) {
                page = NewBlankPage(base, entry.size);
            } else {
                const std::vector<QPDFPageObjectHelper>& list
                    = entry.source == 0 ? basePages : otherPages[entry.source];
                if (entry.page < 0 || entry.page >= int(list.size()))
                    return fail(SourceFailed, QStringLiteral("page %1 is not in its file").arg(entry.page + 1));
                QPDFPageObjectHelper from = list.at(size_t(entry.page));
                if (entry.source == 0) {
                    page = from.getObjectHandle();
                } else {
                    const QPDFObjGen key = from.getObjectHandle().getObjGen();
                    if (!copiedForeign.count(key)) {
                        copiedForeign[key] = base.copyForeignObject(from.getObjectHandle());
                        auto& otherForm = otherForms[entry.source];
                        if (!otherForm)
                            otherForm = std::make_unique<QPDFAcroFormDocumentHelper>(*others[entry.source]);
                        form.fixCopiedAnnotations(copiedForeign[key], from.getObjectHandle(), *otherForm);
                    }
                    page = copiedForeign[key];
                }
                // A page used twice gets its own copy, annotations and
                // form fields included.
                if (!used.insert(page.getObjGen()).second) {
                    QPDFPageObjectHelper original(page);
                    page = original.shallowCopyPage().getObjectHandle();
                    form.fixCopiedAnnotations(page, original.getObjectHandle(), form);
                    // The copy turns from the page's own turn, not from the
                    // one this plan has already given the page.
                    QPDFObjectHandle turn = ownTurn[original.getObjectHandle().getObjGen()];
                    if (turn.isInteger())
                        page.replaceKey("/Rotate", turn);
                    else
                        page.removeKey("/Rotate");
                } else {
                    ownTurn[page.getObjGen()] = page.getKey("/Rotate");
                }
            }
            if (entry.rotation != 0)
                QPDFPageObjectHelper(page).rotatePage(entry.rotation, true);
            page.replaceKey("/Parent", pagesRoot);
            kids.appendItem(page);
            used.insert(page.getObjGen());
        }
        pagesRoot.replaceKey("/Kids", kids);
        pagesRoot.replaceKey("/Count", QPDFObjectHandle::newInteger(kids.getArrayNItems()));
        base.updateAllPagesCache();

        std::set<QPDFObjGen> removed;
        std::vector<QPDFObjectHandle> removedPages;
        for (QPDFPageObjectHelper& page : basePages) {
            if (!used.count(page.getObjectHandle().getObjGen())) {
                removed.insert(page.getObjectHandle().getObjGen());
                removedPages.push_back(page.getObjectHandle());
            }
        }
        if (!removed.empty())
            DropReferencesTo(base, removed, removedPages);
        // Paper shows what the page shows, whatever reads the file next:
        // comments meant for printing become part of their page.
        if (protection.mode == PdfProtection::PrintCopy) {
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(base).getAllPages()) {
                for (QPDFAnnotationObjectHelper& annot : page.getAnnotations()) {
                    // A state picks one of several pictures; beside a single
                    // picture it only hides it from the flattener.
                    QPDFObjectHandle look = annot.getAppearanceDictionary();
                    if (look.isDictionary() && look.getKey("/N").isStream())
                        annot.getObjectHandle().removeKey("/AS");
                }
            }
            QPDFPageDocumentHelper(base).flattenAnnotations(an_print);
        }

        QPDFWriter writer(base, "output", out, false);
        SetProtection(writer, protection);
        // A copy for paper is read once, front to back: as small as it gets.
        if (protection.mode == PdfProtection::PrintCopy)
            writer.setObjectStreamMode(qpdf_o_generate);
        if (progress)
            writer.registerProgressReporter(std::make_shared<WriteProgress>(progress));
        writer.write();
    } catch (const WriteStopped&) {
        return fail(Stopped, QStringLiteral("stopped"));
    } catch (const std::exception& e) {
        return fail(OutputFailed, QString::fromLocal8Bit(e.what()));
    }
    return Written;
}

PdfProtectionInfo CPdfEditor::ReadProtection(const QString& path, const QByteArray& password)
{
    PdfProtectionInfo info;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.toLocal8Bit().constData(), password.constData());
        int revision = 0, permissions = 0;
        info.encrypted = pdf.isEncrypted(revision, permissions);
        info.revision = revision;
        info.ownerAccess = !info.encrypted || pdf.ownerPasswordMatched();
        info.allowAssembly = pdf.allowModifyAssembly();
        info.allowModify = pdf.allowModifyOther();
        info.readable = true;
    } catch (const std::exception&) {
        info.readable = false;
    }
    return info;
}

QMap<int, QStringList> CPdfEditor::CommentsWithoutAppearance(const QString& path, const QByteArray& password)
{
    QMap<int, QStringList> found;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.toLocal8Bit().constData(), password.constData());
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        for (size_t i = 0; i < pages.size(); ++i) {
            QPDFObjectHandle annots = pages[i].getObjectHandle().getKey("/Annots");
            for (int j = 0; annots.isArray() && j < annots.getArrayNItems(); ++j) {
                QPDFObjectHandle annot = annots.getArrayItem(j);
                if (!annot.isDictionary() || annot.hasKey("/AP") || !annot.getKey("/NM").isString())
                    continue;
                QPDFObjectHandle type = annot.getKey("/Subtype");
                const std::string subtype = type.isName() ? type.getName() : std::string();
                if (subtype != "/Link" && subtype != "/Widget" && subtype != "/Popup")
                    found[int(i)] << QString::fromStdString(annot.getKey("/NM").getUTF8Value());
            }
        }
    } catch (const std::exception&) {
        found.clear();
    }
    return found;
}
