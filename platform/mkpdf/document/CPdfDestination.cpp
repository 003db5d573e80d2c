#include "CPdfDestination.h"

#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

QPDFObjGen CPdfDestination::DestinationPage(QPDFObjectHandle dest, QPDF& pdf, int depth)
{
    if (depth > 4 || dest.isNull())
        return QPDFObjGen();
    if (dest.isName() || dest.isString()) {
        const std::string name = dest.isName() ? dest.getName().substr(1) : dest.getUTF8Value();
        QPDFObjectHandle root = pdf.getRoot();
        QPDFObjectHandle found;
        if (root.getKey("/Names").isDictionary() && root.getKey("/Names").getKey("/Dests").isDictionary()) {
            QPDFNameTreeObjectHelper tree(root.getKey("/Names").getKey("/Dests"), pdf);
            tree.findObject(dest.isString() ? dest.getUTF8Value() : name, found);
        }
        if (found.isNull() && root.getKey("/Dests").isDictionary())
            found = root.getKey("/Dests").getKey("/" + name);
        if (found.isDictionary())
            found = found.getKey("/D");
        return found.isArray() ? DestinationPage(found, pdf, depth + 1) : QPDFObjGen();
    }
    if (dest.isDictionary())
        return DestinationPage(dest.getKey("/D"), pdf, depth + 1);
    if (dest.isArray() && dest.getArrayNItems() > 0 && dest.getArrayItem(0).isIndirect())
        return dest.getArrayItem(0).getObjGen();
    return QPDFObjGen();
}

QPDFObjGen CPdfDestination::TargetPage(QPDFObjectHandle item, QPDF& pdf)
{
    if (item.hasKey("/Dest"))
        return DestinationPage(item.getKey("/Dest"), pdf);
    QPDFObjectHandle action = item.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isName() && action.getKey("/S").getName() == "/GoTo")
        return DestinationPage(action.getKey("/D"), pdf);
    return QPDFObjGen();
}

QTransform CPdfDestination::PageToOutput(QPDFObjectHandle pageObject)
{
    QPDFPageObjectHelper page(pageObject);
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

QTransform CPdfDestination::MatrixOf(const std::vector<QPDFObjectHandle>& operands)
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

QTransform CPdfDestination::MatrixOf(QPDFObjectHandle array)
{
    if (!array.isArray() || array.getArrayNItems() != 6)
        return QTransform();
    return MatrixOf(array.getArrayAsVector());
}
