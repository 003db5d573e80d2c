#include "CImageLocator.h"

#include "CPdfDestination.h"

#include <QTransform>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <vector>

namespace {

// Forms inside forms deeper than this are not followed: real files nest a
// few levels, and a form that calls itself would never end.
constexpr int kMaxFormDepth = 12;
// A page whose drawing is this long is not worth following for pictures.
constexpr int kMaxOperators = 2000000;

class ImageFinder : public QPDFObjectHandle::ParserCallbacks
{
public:
    ImageFinder(QPDFObjectHandle resources_, const QTransform& base_, const QTransform& output_,
                QVector<QRectF>* found_, int depth_, int* budget_)
        : resources(resources_)
        , ctm(base_)
        , output(output_)
        , found(found_)
        , depth(depth_)
        , budget(budget_)
    {
    }

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            if (object.isInlineImage())
                AddUnitSquare();
            operands.push_back(object);
            return;
        }
        if (--*budget < 0)
            terminateParsing();
        const std::string op = object.getOperatorValue();
        if (op == "q") {
            saved.push_back(ctm);
        } else if (op == "Q") {
            if (!saved.empty()) {
                ctm = saved.back();
                saved.pop_back();
            }
        } else if (op == "cm") {
            ctm = CPdfDestination::MatrixOf(operands) * ctm;
        } else if (op == "Do" && !operands.empty() && operands.back().isName()) {
            Draw(operands.back().getName());
        }
        operands.clear();
    }

    void handleEOF() override { }

private:
    void AddUnitSquare()
    {
        const QRectF area = (ctm * output).mapRect(QRectF(0, 0, 1, 1));
        if (area.isValid())
            found->append(area);
    }

    void Draw(const std::string& name)
    {
        if (!resources.isDictionary())
            return;
        QPDFObjectHandle xobjects = resources.getKey("/XObject");
        if (!xobjects.isDictionary())
            return;
        QPDFObjectHandle xobject = xobjects.getKey(name);
        if (!xobject.isStream())
            return;
        QPDFObjectHandle dict = xobject.getDict();
        QPDFObjectHandle subtype = dict.getKey("/Subtype");
        if (!subtype.isName())
            return;
        if (subtype.getName() == "/Image") {
            AddUnitSquare();
            return;
        }
        if (subtype.getName() != "/Form" || depth >= kMaxFormDepth)
            return;
        QPDFObjectHandle formResources = dict.getKey("/Resources");
        if (!formResources.isDictionary())
            formResources = resources;
        ImageFinder inner(formResources, CPdfDestination::MatrixOf(dict.getKey("/Matrix")) * ctm, output, found,
                          depth + 1, budget);
        QPDFObjectHandle::parseContentStream(xobject, &inner);
    }

    QPDFObjectHandle resources;
    QTransform ctm;
    QTransform output;
    QVector<QRectF>* found;
    int depth;
    int* budget;
    std::vector<QPDFObjectHandle> operands;
    std::vector<QTransform> saved;
};

} // namespace

CImageLocator::CImageLocator() = default;
CImageLocator::~CImageLocator() = default;

bool CImageLocator::Open(const QString& path, const QByteArray& password)
{
    try {
        auto opened = std::make_unique<QPDF>();
        opened->setSuppressWarnings(true);
        opened->processFile(path.toLocal8Bit().constData(), password.isEmpty() ? nullptr : password.constData());
        pdf = std::move(opened);
        return true;
    } catch (const std::exception&) {
        pdf.reset();
        return false;
    }
}

QVector<QRectF> CImageLocator::ImageAreas(int nPage)
{
    QVector<QRectF> found;
    if (!pdf)
        return found;
    try {
        const std::vector<QPDFObjectHandle>& pages = pdf->getAllPages();
        if (nPage < 0 || size_t(nPage) >= pages.size())
            return found;
        QPDFPageObjectHelper page(pages[size_t(nPage)]);
        int budget = kMaxOperators;
        ImageFinder finder(page.getAttribute("/Resources", false), QTransform(),
                           CPdfDestination::PageToOutput(page.getObjectHandle()), &found, 0, &budget);
        page.parseContents(&finder);
    } catch (const std::exception&) {
        // What was found before the damage still counts.
    }
    return found;
}
