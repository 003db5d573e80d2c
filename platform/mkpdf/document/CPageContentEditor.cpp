#include "CPageContentEditor.h"

#include "CContentWalker.h"
#include "CPdfDestination.h"
#include "CPdfImage.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUrl>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// Room around added text for glyphs that reach beyond their advance.
constexpr double kTextMargin = 2.0;

struct EditFailed : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

QRectF RectOf(QPDFObjectHandle array)
{
    if (!array.isArray() || array.getArrayNItems() != 4)
        return QRectF();
    const QPDFObjectHandle::Rectangle r = array.getArrayAsRectangle();
    return QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury)).normalized();
}

QPDFObjectHandle ArrayOf(const QRectF& r)
{
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(r.left(), r.top(), r.right(), r.bottom()));
}

// Names an embedded subset as readers expect, "ABCDEF+Name", the tag made
// from the glyphs it holds: two different subsets of one font in a file
// keep apart.
void TagSubsets(QPDFObjectHandle resources)
{
    QPDFObjectHandle fonts = resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle();
    if (!fonts.isDictionary())
        return;
    for (const std::string& key : fonts.getKeys()) {
        QPDFObjectHandle font = fonts.getKey(key);
        QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
        QPDFObjectHandle cidFont
            = descendants.isArray() && descendants.getArrayNItems() == 1 ? descendants.getArrayItem(0) : font;
        QPDFObjectHandle descriptor = cidFont.getKey("/FontDescriptor");
        QPDFObjectHandle file = descriptor.isDictionary() ? descriptor.getKey("/FontFile2") : QPDFObjectHandle();
        QPDFObjectHandle base = cidFont.getKey("/BaseFont");
        if (!file.isStream() || !base.isName() || (base.getName().size() > 8 && base.getName()[7] == '+'))
            continue;
        const std::shared_ptr<Buffer> data = file.getRawStreamData();
        const QByteArray digest = QCryptographicHash::hash(
            QByteArray::fromRawData(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize())),
            QCryptographicHash::Sha1);
        std::string tag;
        for (int i = 0; i < 6; ++i)
            tag += char('A' + uchar(digest.at(i)) % 26);
        const QPDFObjectHandle name = QPDFObjectHandle::newName("/" + tag + "+" + base.getName().substr(1));
        for (QPDFObjectHandle named : {font, cidFont}) {
            if (named.getKey("/BaseFont").isName())
                named.replaceKey("/BaseFont", name);
        }
        descriptor.replaceKey("/FontName", name);
    }
}

void OpenSource(QPDF& pdf, const PdfSource& source)
{
    pdf.setSuppressWarnings(true);
    pdf.processFile(source.path.toLocal8Bit().constData(),
                    source.password.isEmpty() ? nullptr : source.password.constData());
}

// Carries out edits on one open file, page by page as they come.
class Editor
{
public:
    explicit Editor(QPDF& pdf_)
        : pdf(pdf_)
    {
        QPDFPageDocumentHelper(pdf).pushInheritedAttributesToPage();
        pages = QPDFPageDocumentHelper(pdf).getAllPages();
        for (size_t i = 0; i < pages.size(); ++i)
            pageIndex[pages[i].getObjectHandle().getObjGen()] = int(i);
    }

    void Make(const PageEdit& edit);
    QVector<PageObject> Objects(int nPage);
    QVector<PdfLink> Links(int nPage);
    QByteArray PageAlone(int nPage);

    std::vector<QPDFPageObjectHelper> pages;

private:
    QPDFPageObjectHelper& Page(int nPage)
    {
        if (nPage < 0 || size_t(nPage) >= pages.size())
            throw EditFailed("the page is not in the document");
        return pages[size_t(nPage)];
    }
    QPDFObjectHandle Resources(QPDFPageObjectHelper& page);
    std::vector<CContentWalker::Placement> Walk(QPDFPageObjectHelper& page, int nTarget = -1,
                                                CContentWalker::Action action = CContentWalker::List,
                                                const QTransform& change = QTransform());
    QRectF AreaOf(QPDFPageObjectHelper& page, const CContentWalker::Placement& placement);
    void DrawOnTop(QPDFPageObjectHelper& page, QPDFObjectHandle xobject, const char* prefix, const QTransform& cm);
    void AddText(QPDFPageObjectHelper& page, const PageEdit& edit);
    void ChangeObject(QPDFPageObjectHelper& page, const PageEdit& edit);
    std::vector<int> LinkSlots(QPDFPageObjectHelper& page);
    void SetTarget(QPDFObjectHandle annot, const PageEdit& edit);
    void ChangeLinks(QPDFPageObjectHelper& page, const PageEdit& edit);

    QPDF& pdf;
    std::map<QPDFObjGen, int> pageIndex;
    // Pages of text laid over pages: their data is read when the file is
    // written, so they stay until then.
    std::vector<std::unique_ptr<QPDF>> overlays;
    std::vector<QByteArray> overlayData;
};

QPDFObjectHandle Editor::Resources(QPDFPageObjectHelper& page)
{
    // Copies of its own, so that pages sharing them are left as they are.
    QPDFObjectHandle object = page.getObjectHandle();
    QPDFObjectHandle resources = object.getKey("/Resources");
    resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    resources.replaceKey("/XObject",
                         xobjects.isDictionary() ? xobjects.shallowCopy() : QPDFObjectHandle::newDictionary());
    object.replaceKey("/Resources", resources);
    return resources;
}

std::vector<CContentWalker::Placement> Editor::Walk(QPDFPageObjectHelper& page, int nTarget,
                                                    CContentWalker::Action action, const QTransform& change)
{
    CContentWalker walker(page.getObjectHandle().getKey("/Resources"));
    if (action == CContentWalker::List) {
        Pl_Discard discard;
        page.filterContents(&walker, &discard);
        return walker.Found();
    }
    walker.SetChange(nTarget, action, change);
    Pl_Buffer out("page contents");
    page.filterContents(&walker, &out);
    if (!walker.Changed())
        throw EditFailed("the picture is no longer on the page");
    const std::shared_ptr<Buffer> written = out.getBufferSharedPointer();
    page.getObjectHandle().replaceKey(
        "/Contents",
        QPDFObjectHandle::newStream(
            &pdf, std::string(reinterpret_cast<const char*>(written->getBuffer()), written->getSize())));
    return walker.Found();
}

QRectF Editor::AreaOf(QPDFPageObjectHelper& page, const CContentWalker::Placement& placement)
{
    const QTransform output = CPdfDestination::PageToOutput(page.getObjectHandle());
    if (placement.image)
        return (placement.ctm * output).mapRect(QRectF(0, 0, 1, 1));
    QPDFObjectHandle form = page.getObjectHandle().getKey("/Resources").getKey("/XObject").getKey(placement.name);
    QPDFObjectHandle dict = form.getDict();
    return (CPdfDestination::MatrixOf(dict.getKey("/Matrix")) * placement.ctm * output)
        .mapRect(RectOf(dict.getKey("/BBox")));
}

void Editor::DrawOnTop(QPDFPageObjectHelper& page, QPDFObjectHandle xobject, const char* prefix, const QTransform& cm)
{
    QPDFObjectHandle xobjects = Resources(page).getKey("/XObject");
    std::string name;
    for (int n = 1; name.empty() || xobjects.hasKey(name); ++n)
        name = std::string("/") + prefix + std::to_string(n);
    xobjects.replaceKey(name, xobject);
    // Whatever state the page's own drawing ends in, the new object is
    // drawn in the page's space.
    page.addPageContents(QPDFObjectHandle::newStream(&pdf, "q\n"), true);
    page.addPageContents(
        QPDFObjectHandle::newStream(&pdf, "\nQ\nq " + CContentWalker::MatrixText(cm) + "cm " + name + " Do Q\n"),
        false);
}

void Editor::AddText(QPDFPageObjectHelper& page, const PageEdit& edit)
{
    overlayData.push_back(edit.data);
    overlays.push_back(std::make_unique<QPDF>());
    QPDF& overlay = *overlays.back();
    overlay.setSuppressWarnings(true);
    overlay.processMemoryFile("added text", overlayData.back().constData(), size_t(overlayData.back().size()));
    std::vector<QPDFPageObjectHelper> overlayPages = QPDFPageDocumentHelper(overlay).getAllPages();
    if (overlayPages.size() != 1)
        throw EditFailed("the added text is damaged");
    QPDFObjectHandle form = overlayPages[0].getFormXObjectForPage(false);
    // The text's page against the page it goes on: both as shown.
    const QRectF media = RectOf(overlayPages[0].getMediaBox());
    const QTransform flip(1, 0, 0, -1, -media.left(), media.bottom());
    QPDFObjectHandle dict = form.getDict();
    dict.replaceKey(
        "/BBox",
        ArrayOf(flip.inverted().mapRect(edit.area.adjusted(-kTextMargin, -kTextMargin, kTextMargin, kTextMargin))));
    CContentWalker::MarkAddedText(form);
    TagSubsets(dict.getKey("/Resources"));
    const QTransform output = CPdfDestination::PageToOutput(page.getObjectHandle());
    DrawOnTop(page, pdf.copyForeignObject(form), "Tx", flip * output.inverted());
}

void Editor::ChangeObject(QPDFPageObjectHelper& page, const PageEdit& edit)
{
    const std::vector<CContentWalker::Placement> found = Walk(page);
    if (edit.index < 0 || size_t(edit.index) >= found.size())
        throw EditFailed("the picture is no longer on the page");
    if (edit.kind == PageEdit::DeleteObject) {
        Walk(page, edit.index, CContentWalker::Remove);
        return;
    }
    const CContentWalker::Placement& placement = found[size_t(edit.index)];
    const QRectF from = AreaOf(page, placement);
    const QRectF& to = edit.area;
    if (from.width() <= 0 || from.height() <= 0 || !placement.ctm.isInvertible())
        throw EditFailed("the picture cannot be moved");
    // From where it is shown to where it goes, as seen; then in the space
    // the object is drawn in.
    const double sx = to.width() / from.width();
    const double sy = to.height() / from.height();
    const QTransform shown(sx, 0, 0, sy, to.left() - from.left() * sx, to.top() - from.top() * sy);
    const QTransform output = CPdfDestination::PageToOutput(page.getObjectHandle());
    const QTransform change = placement.ctm * output * shown * output.inverted() * placement.ctm.inverted();
    Walk(page, edit.index, CContentWalker::Move, change);
}

std::vector<int> Editor::LinkSlots(QPDFPageObjectHelper& page)
{
    std::vector<int> places;
    QPDFObjectHandle annots = page.getObjectHandle().getKey("/Annots");
    for (int i = 0; annots.isArray() && i < annots.getArrayNItems(); ++i) {
        QPDFObjectHandle subtype = annots.getArrayItem(i).getKey("/Subtype");
        if (annots.getArrayItem(i).isDictionary() && subtype.isName() && subtype.getName() == "/Link")
            places.push_back(i);
    }
    return places;
}

void Editor::SetTarget(QPDFObjectHandle annot, const PageEdit& edit)
{
    annot.removeKey("/Dest");
    annot.removeKey("/A");
    if (edit.text.isEmpty()) {
        QPDFObjectHandle dest = QPDFObjectHandle::newArray();
        dest.appendItem(Page(edit.target).getObjectHandle());
        dest.appendItem(QPDFObjectHandle::newName("/Fit"));
        annot.replaceKey("/Dest", dest);
        return;
    }
    if (!CPageEdits::IsLinkAddress(edit.text))
        throw EditFailed("the web address is not one a link may lead to");
    QPDFObjectHandle action = QPDFObjectHandle::newDictionary();
    action.replaceKey("/S", QPDFObjectHandle::newName("/URI"));
    action.replaceKey("/URI", QPDFObjectHandle::newString(QUrl(edit.text).toEncoded().toStdString()));
    annot.replaceKey("/A", action);
}

void Editor::ChangeLinks(QPDFPageObjectHelper& page, const PageEdit& edit)
{
    QPDFObjectHandle object = page.getObjectHandle();
    QPDFObjectHandle annots = object.getKey("/Annots");
    annots = annots.isArray() ? annots.shallowCopy() : QPDFObjectHandle::newArray();
    if (edit.kind == PageEdit::AddLink) {
        const QTransform output = CPdfDestination::PageToOutput(object);
        QPDFObjectHandle annot = QPDFObjectHandle::newDictionary();
        annot.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
        annot.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
        annot.replaceKey("/Rect", ArrayOf(output.inverted().mapRect(edit.area)));
        annot.replaceKey("/Border", QPDFObjectHandle::parse("[0 0 0]"));
        annot.replaceKey("/F", QPDFObjectHandle::newInteger(4));
        annot.replaceKey("/P", object);
        SetTarget(annot, edit);
        annots.appendItem(pdf.makeIndirectObject(annot));
        object.replaceKey("/Annots", annots);
        return;
    }
    const std::vector<int> places = LinkSlots(page);
    if (edit.index < 0 || size_t(edit.index) >= places.size())
        throw EditFailed("the link is no longer on the page");
    const int slot = places[size_t(edit.index)];
    if (edit.kind == PageEdit::RemoveLink) {
        annots.eraseItem(slot);
        object.replaceKey("/Annots", annots);
    } else {
        SetTarget(annots.getArrayItem(slot), edit);
    }
}

void Editor::Make(const PageEdit& edit)
{
    QPDFPageObjectHelper& page = Page(edit.page);
    switch (edit.kind) {
    case PageEdit::AddText:
        AddText(page, edit);
        break;
    case PageEdit::AddImage: {
        // The picture's unit square onto the area, its first row at the top.
        const QRectF& a = edit.area;
        const QTransform square(a.width(), 0, 0, -a.height(), a.left(), a.top() + a.height());
        const QTransform output = CPdfDestination::PageToOutput(page.getObjectHandle());
        DrawOnTop(page, pdf.makeIndirectObject(CPdfImage::MakeStream(pdf, edit.data)), "Im",
                  square * output.inverted());
        break;
    }
    case PageEdit::MoveObject:
    case PageEdit::DeleteObject:
        ChangeObject(page, edit);
        break;
    case PageEdit::AddLink:
    case PageEdit::SetLink:
    case PageEdit::RemoveLink:
        ChangeLinks(page, edit);
        break;
    }
}

QVector<PageObject> Editor::Objects(int nPage)
{
    QVector<PageObject> objects;
    QPDFPageObjectHelper& page = Page(nPage);
    for (const CContentWalker::Placement& placement : Walk(page))
        objects.append({AreaOf(page, placement), placement.image});
    return objects;
}

QVector<PdfLink> Editor::Links(int nPage)
{
    QVector<PdfLink> links;
    QPDFPageObjectHelper& page = Page(nPage);
    const QTransform output = CPdfDestination::PageToOutput(page.getObjectHandle());
    QPDFObjectHandle annots = page.getObjectHandle().getKey("/Annots");
    for (int slot : LinkSlots(page)) {
        QPDFObjectHandle annot = annots.getArrayItem(slot);
        PdfLink link;
        link.area = output.mapRect(RectOf(annot.getKey("/Rect")));
        QPDFObjectHandle action = annot.getKey("/A");
        const std::string kind
            = action.isDictionary() && action.getKey("/S").isName() ? action.getKey("/S").getName() : std::string();
        const QPDFObjGen target = CPdfDestination::TargetPage(annot, pdf);
        if (target.isIndirect() && pageIndex.count(target)) {
            link.page = pageIndex[target];
        } else if (kind == "/URI" && action.getKey("/URI").isString()) {
            link.kind = PdfLink::Uri;
            link.target = QString::fromStdString(action.getKey("/URI").getUTF8Value());
        } else if (kind == "/GoToR" || kind == "/Launch" || kind == "/JavaScript" || kind == "/Named") {
            link.kind = kind == "/GoToR" ? PdfLink::File
                : kind == "/Launch"      ? PdfLink::Launch
                : kind == "/JavaScript"  ? PdfLink::Script
                                         : PdfLink::Command;
        }
        links.append(link);
    }
    return links;
}

QByteArray Editor::PageAlone(int nPage)
{
    // Links to other pages and form fields spanning pages come without
    // what they lead to: the page is only shown.
    QPDF alone;
    alone.emptyPDF();
    QPDFPageDocumentHelper(alone).addPage(Page(nPage), false);
    QPDFWriter writer(alone);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), int(buffer->getSize()));
}

} // namespace

bool CPageContentEditor::Apply(const PdfSource& source, const CPageEdits& edits, const QString& target, QString* error)
{
    try {
        QPDF pdf;
        OpenSource(pdf, source);
        Editor editor(pdf);
        for (const PageEdit& edit : edits.All())
            editor.Make(edit);
        // The writer keeps the name, not a copy of it.
        const QByteArray name = QFile::encodeName(target);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}

PagePreview CPageContentEditor::Preview(const PdfSource& source, const CPageEdits& edits, int nPage)
{
    PagePreview preview;
    try {
        QPDF pdf;
        OpenSource(pdf, source);
        Editor editor(pdf);
        bool edited = false;
        for (const PageEdit& edit : edits.All()) {
            if (edit.page == nPage) {
                editor.Make(edit);
                edited = edited || !edit.IsLinkEdit();
            }
        }
        preview.objects = editor.Objects(nPage);
        preview.links = editor.Links(nPage);
        if (edited)
            preview.pdf = editor.PageAlone(nPage);
    } catch (const std::exception& e) {
        preview.error = QString::fromLocal8Bit(e.what());
        if (preview.error.isEmpty())
            preview.error = QStringLiteral("unknown failure");
    }
    return preview;
}

bool CPageContentEditor::ReadImage(const QByteArray& bytes, QSize* size, QString* error)
{
    return CPdfImage::Read(bytes, size, error);
}
