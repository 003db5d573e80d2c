#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QTransform>

#include <vector>

// What the structure writers need to know of where things lead and where
// they sit: the page a destination or a link goes to, and a page's own
// space against the space pages are shown in. For files of this layer only.
class CPdfDestination
{
public:
    // The page a destination (an array, a name or a string) points at.
    static QPDFObjGen DestinationPage(QPDFObjectHandle dest, QPDF& pdf, int depth = 0);
    // The page an outline entry or a link goes to, through /Dest or a GoTo
    // action.
    static QPDFObjGen TargetPage(QPDFObjectHandle item, QPDF& pdf);
    // From default user space to the shown page: origin at the top left of
    // the crop box, turned clockwise by the page's rotation, in points.
    static QTransform PageToOutput(QPDFObjectHandle page);
    // A matrix of six numbers; anything else is no change.
    static QTransform MatrixOf(const std::vector<QPDFObjectHandle>& numbers);
    static QTransform MatrixOf(QPDFObjectHandle array);
};
