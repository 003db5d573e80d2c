#include "CImageLocator.h"

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

QTransform MatrixOf(const std::vector<QPDFObjectHandle>& operands)
{
    if (operands.size() < 6)
        return QTransform();
    double values[6];
    for (int i = 0; i < 6; ++i) {
        QPDFObjectHandle operand = operands[operands.size() - 6 + size_t(i)];
        if (!operand.isNumber())
            return QTransform();
        values[i] = operand.getNumericValue();
    }
    return QTransform(values[0], values[1], values[2], values[3], values[4], values[5]);
}

QTransform MatrixOf(QPDFObjectHandle array)
{
    if (!array.isArray() || array.getArrayNItems() != 6)
        return QTransform();
    return MatrixOf(array.getArrayAsVector());
}

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
            ctm = MatrixOf(operands) * ctm;
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
        ImageFinder inner(formResources, MatrixOf(dict.getKey("/Matrix")) * ctm, output, found, depth + 1, budget);
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

// From default user space to the rendered page: origin at the top left of
// the crop box, turned clockwise by the page's rotation.
QTransform PageToOutput(QPDFPageObjectHelper& page)
{
    QPDFObjectHandle::Rectangle box = page.getCropBox().getArrayAsRectangle();
    const double left = qMin(box.llx, box.urx);
    const double right = qMax(box.llx, box.urx);
    const double bottom = qMin(box.lly, box.ury);
    const double top = qMax(box.lly, box.ury);
    const double width = right - left;
    const double height = top - bottom;
    QTransform flip(1, 0, 0, -1, -left, top);
    int rotation = 0;
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    if (rotate.isInteger())
        rotation = int(((rotate.getIntValue() % 360) + 360) % 360);
    switch (rotation) {
    case 90:
        return flip * QTransform(0, 1, -1, 0, height, 0);
    case 180:
        return flip * QTransform(-1, 0, 0, -1, width, height);
    case 270:
        return flip * QTransform(0, -1, 1, 0, 0, width);
    default:
        return flip;
    }
}

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
        ImageFinder finder(page.getAttribute("/Resources", false), QTransform(), PageToOutput(page), &found, 0,
                           &budget);
        page.parseContents(&finder);
    } catch (const std::exception&) {
        // What was found before the damage still counts.
    }
    return found;
}
