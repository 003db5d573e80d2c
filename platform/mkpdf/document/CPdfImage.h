#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

// A PNG or JPEG file as an image XObject. A JPEG is kept as it is, where
// readers show it the same way; anything else is stored as its pixels,
// with its transparency as a soft mask.
class CPdfImage
{
    Q_DECLARE_TR_FUNCTIONS(CPdfImage)

public:
    // Whether bytes are a picture this takes; *size is its size as shown.
    static bool Read(const QByteArray& bytes, QSize* size, QString* error);
    // The image XObject, made in pdf; throws std::runtime_error on bad data.
    static QPDFObjectHandle MakeStream(QPDF& pdf, const QByteArray& bytes);
};
