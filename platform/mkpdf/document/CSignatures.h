#pragma once

#include <QDateTime>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class CPdfDocument;

// One signature field of a document and what checking it found.
struct PdfSignature
{
    // What the user is told, from best to worst; Unsigned is an empty field.
    enum Verdict { Valid, Unchecked, Untrusted, Changed, Invalid, Unsigned };
    enum Certificate { Trusted, UntrustedIssuer, UnknownIssuer, Revoked, Expired, CertificateError, NotChecked };

    QString fieldName; // fully qualified
    int page = -1;
    QRectF rect; // page points, top left origin, page turn applied
    Verdict verdict = Unchecked;
    Certificate certificate = NotChecked;
    QString signer;
    QString signerDN;
    QDateTime time;
    QString reason;
    QString location;
    // The bytes signed: pairs of [from, to) offsets. The last end is the
    // length of the revision that was signed.
    QList<qint64> ranges;
    bool wholeDocument = false;
    // The signer's certificate.
    QString issuer;
    QString issuerDN;
    QDateTime validFrom;
    QDateTime validTo;
    QStringList keyUsage;
    QString serial;
    bool selfSigned = false;

    qint64 RevisionLength() const { return ranges.isEmpty() ? 0 : ranges.last(); }
    bool IsSigned() const { return verdict != Unsigned; }
};

// Where and how to sign. Either fieldName names an empty signature field,
// or the new field goes on page at rect (page points, top left origin).
struct PdfSignRequest
{
    QString certificate; // the store's nickname
    QString fieldName;
    int page = -1;
    QRectF rect;
    QString reason;
    QString location;
    QString imagePath; // a picture behind the text, optional
    QString title;     // large, on the left: the signer's name
    QString text;      // on the right: who, when, why
};

// Checking and making signatures, with poppler on the user's certificate
// store (CNssStore). Everything here may run off the GUI thread.
class CSignatures
{
public:
    // Every signature field of the file as it is on disk, checked now, in
    // the order they were signed (empty fields last). *ok is false when the
    // file could not be read (changed on disk, damaged).
    static QVector<PdfSignature> Check(const CPdfDocument& document, bool* ok = nullptr);
    // Writes source, signed as asked, to target, which must be another
    // file; source itself is never written. A failure leaves target as it
    // was and says why in *error.
    static bool Sign(const QString& source, const QByteArray& password, const PdfSignRequest& request,
                     const QString& target, QString* error);
    // The first nLength bytes of source, the revision a signature covers,
    // as a file of its own.
    static bool WriteRevision(const QString& source, qint64 nLength, const QString& target, QString* error);
};
