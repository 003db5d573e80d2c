#include "CSignatures.h"

#include "CFileUtils.h"
#include "CNssStore.h"
#include "CPdfDocument.h"

#include <poppler-form.h>
#include <poppler-qt5.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

PdfSignature::Certificate CertificateOf(Poppler::SignatureValidationInfo::CertificateStatus status)
{
    using Info = Poppler::SignatureValidationInfo;
    switch (status) {
    case Info::CertificateTrusted:
        return PdfSignature::Trusted;
    case Info::CertificateUntrustedIssuer:
        return PdfSignature::UntrustedIssuer;
    case Info::CertificateUnknownIssuer:
        return PdfSignature::UnknownIssuer;
    case Info::CertificateRevoked:
        return PdfSignature::Revoked;
    case Info::CertificateExpired:
        return PdfSignature::Expired;
    case Info::CertificateGenericError:
        return PdfSignature::CertificateError;
    case Info::CertificateNotVerified:
        break;
    }
    return PdfSignature::NotChecked;
}

PdfSignature::Verdict VerdictOf(Poppler::SignatureValidationInfo::SignatureStatus signature,
                                PdfSignature::Certificate certificate)
{
    using Info = Poppler::SignatureValidationInfo;
    switch (signature) {
    case Info::SignatureValid:
        break;
    case Info::SignatureDigestMismatch:
        return PdfSignature::Changed;
    case Info::SignatureInvalid:
    case Info::SignatureDecodingError:
        return PdfSignature::Invalid;
    case Info::SignatureGenericError:
    case Info::SignatureNotFound:
    case Info::SignatureNotVerified:
        return PdfSignature::Unchecked;
    }
    switch (certificate) {
    case PdfSignature::Trusted:
        return PdfSignature::Valid;
    case PdfSignature::UntrustedIssuer:
    case PdfSignature::UnknownIssuer:
    case PdfSignature::Revoked:
    case PdfSignature::Expired:
        return PdfSignature::Untrusted;
    case PdfSignature::CertificateError:
    case PdfSignature::NotChecked:
        break;
    }
    return PdfSignature::Unchecked;
}

PdfSignature Read(const Poppler::FormFieldSignature& field, int nPage, const QSizeF& pageSize)
{
    PdfSignature signature;
    signature.fieldName = field.fullyQualifiedName();
    signature.page = nPage;
    const QRectF box = field.rect();
    signature.rect = QRectF(box.x() * pageSize.width(), box.y() * pageSize.height(), box.width() * pageSize.width(),
                            box.height() * pageSize.height());
    if (field.signatureType() == Poppler::FormFieldSignature::UnsignedSignature) {
        signature.verdict = PdfSignature::Unsigned;
        return signature;
    }
    // Revocation checks stay on: this poppler reports every certificate as
    // an error when they are off. Only a certificate that names a
    // responder is checked online; missing issuers are never fetched.
    const Poppler::SignatureValidationInfo info = field.validate(
        Poppler::FormFieldSignature::ValidateVerifyCertificate | Poppler::FormFieldSignature::ValidateForceRevalidation,
        QDateTime::currentDateTime());
    signature.certificate = CertificateOf(info.certificateStatus());
    signature.verdict = VerdictOf(info.signatureStatus(), signature.certificate);
    signature.signer = info.signerName();
    signature.signerDN = info.signerSubjectDN();
    if (info.signingTime() > 0)
        signature.time = QDateTime::fromSecsSinceEpoch(qint64(info.signingTime()));
    signature.reason = info.reason();
    signature.location = info.location();
    signature.ranges = info.signedRangeBounds();
    signature.wholeDocument = info.signsTotalDocument();
    const Poppler::CertificateInfo cert = info.certificateInfo();
    if (!cert.isNull()) {
        signature.issuer = cert.issuerInfo(Poppler::CertificateInfo::CommonName);
        signature.issuerDN = cert.issuerInfo(Poppler::CertificateInfo::DistinguishedName);
        signature.validFrom = cert.validityStart();
        signature.validTo = cert.validityEnd();
        signature.keyUsage = CNssStore::KeyUsageNames(int(cert.keyUsageExtensions()));
        signature.serial = QString::fromLatin1(cert.serialNumber().toHex(':'));
        // Not the parser's flag, which this version leaves unset.
        signature.selfSigned = signature.issuerDN == cert.subjectInfo(Poppler::CertificateInfo::DistinguishedName);
        if (signature.signer.isEmpty())
            signature.signer = cert.subjectInfo(Poppler::CertificateInfo::CommonName);
    }
    return signature;
}

// The largest type size, up to largest, at which text fits in a box of
// width x height points as poppler wraps it. Estimated: its sans serif
// averages about half an em a character, its lines are 1.2 em apart.
double FitFontSize(const QString& text, double width, double height, double largest)
{
    constexpr double kSmallest = 4;
    for (double size = largest; size > kSmallest; size -= 0.5) {
        const int perLine = qMax(1, int(width / (size * 0.55)));
        int lines = 0;
        for (const QString& line : text.split('\n'))
            lines += qMax(1, (int(line.size()) + perLine - 1) / perLine);
        if (lines * size * 1.2 <= height)
            return size;
    }
    return kSmallest;
}

bool Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

QVector<PdfSignature> CSignatures::Check(const CPdfDocument& document, bool* ok)
{
    QVector<PdfSignature> list;
    // Most documents have no form at all: the open parser knows at once.
    bool hasForm = false;
    document.WithParser(
        [&hasForm](Poppler::Document* parser) { hasForm = parser && parser->formType() != Poppler::Document::NoForm; });
    if (ok)
        *ok = true;
    if (!hasForm)
        return list;
    // A parser of its own: checking reads every signed byte of the file.
    std::unique_ptr<Poppler::Document> parser = document.OpenParser();
    if (ok)
        *ok = parser != nullptr;
    if (!parser)
        return list;
    CNssStore::Open();
    for (int index = 0; index < parser->numPages(); ++index) {
        std::unique_ptr<Poppler::Page> page(parser->page(index));
        if (!page)
            continue;
        const QList<Poppler::FormField*> fields = page->formFields();
        for (Poppler::FormField* field : fields) {
            if (field->type() == Poppler::FormField::FormSignature)
                list << Read(*static_cast<Poppler::FormFieldSignature*>(field), index, page->pageSizeF());
        }
        qDeleteAll(fields);
    }
    // In the order of signing: each signed revision is longer than the last.
    std::stable_sort(list.begin(), list.end(), [](const PdfSignature& a, const PdfSignature& b) {
        if (a.IsSigned() != b.IsSigned())
            return a.IsSigned();
        return a.RevisionLength() < b.RevisionLength();
    });
    return list;
}

bool CSignatures::Sign(const QString& source, const QByteArray& password, const PdfSignRequest& request,
                       const QString& target, QString* error)
{
    if (MKBase::CFileUtils::IsTheSameFile(source, target)
        || QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return Fail(
            error,
            QCoreApplication::translate(
                "CSignatures", "The signed document must be saved as a new file; the original stays as it is."));
    if (request.certificate.isEmpty())
        return Fail(error, QCoreApplication::translate("CSignatures", "Choose a certificate to sign with."));
    if (!CNssStore::Open(error))
        return false;
    std::unique_ptr<Poppler::Document> document(Poppler::Document::load(source, password, password));
    if (!document || document->isLocked())
        return Fail(error, QCoreApplication::translate("CSignatures", "The document could not be read."));

    Poppler::PDFConverter::NewSignatureData data;
    data.setCertNickname(request.certificate);
    data.setReason(request.reason);
    data.setLocation(request.location);
    const QString text = request.text.isEmpty() ? request.certificate : request.text;
    data.setSignatureText(text);
    data.setSignatureLeftText(request.title);
    // The name takes the left half of the box, the words the right half,
    // each inside the border: small boxes get smaller type.
    const double half = qMax(1.0, request.rect.width() / 2 - 4);
    const double inside = qMax(1.0, request.rect.height() - 4);
    data.setFontSize(FitFontSize(text, half, inside, 8));
    data.setLeftFontSize(FitFontSize(request.title, half, inside, 14));
    data.setBorderWidth(1);
    data.setFontColor(QColor(0x1a, 0x1a, 0x1a));
    data.setBorderColor(QColor(0x3b, 0x6c, 0xf6));
    data.setBackgroundColor(QColor(0xf4, 0xf7, 0xfe));
    if (!request.imagePath.isEmpty())
        data.setImagePath(request.imagePath);
    data.setDocumentOwnerPassword(password);
    data.setDocumentUserPassword(password);

    // The target is written through a file of its own beside it, put in
    // place only once whole: a failure leaves it as it was. Poppler signs
    // into a private file first, as it writes only to a path.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return Fail(error,
                    QCoreApplication::translate("CSignatures", "The folder of the new file does not allow writing."));
    QTemporaryFile part(QDir::tempPath() + "/rvpdf-signing-XXXXXX.pdf");
    if (!part.open())
        return Fail(error,
                    QCoreApplication::translate("CSignatures",
                                                "The document could not be signed: there "
                                                "is no room for a temporary file."));
    const QString partPath = part.fileName();
    part.close();

    bool signedOk = false;
    if (!request.fieldName.isEmpty()) {
        std::vector<std::unique_ptr<Poppler::FormFieldSignature>> fields;
        for (Poppler::FormFieldSignature* field : document->signatures())
            fields.emplace_back(field);
        auto found = std::find_if(fields.begin(), fields.end(), [&request](const auto& field) {
            return field->fullyQualifiedName() == request.fieldName;
        });
        if (found == fields.end())
            return Fail(
                error, QCoreApplication::translate("CSignatures", "The document has no signature field of this name."));
        if ((*found)->signatureType() != Poppler::FormFieldSignature::UnsignedSignature)
            return Fail(error, QCoreApplication::translate("CSignatures", "This signature field is signed already."));
        signedOk = (*found)->sign(partPath, data) == Poppler::FormFieldSignature::SigningSuccess;
    } else {
        std::unique_ptr<Poppler::Page> page(
            request.page >= 0 && request.page < document->numPages() ? document->page(request.page) : nullptr);
        if (!page || !request.rect.isValid())
            return Fail(error,
                        QCoreApplication::translate("CSignatures", "Draw the place of the signature on a page first."));
        const QSizeF size = page->pageSizeF();
        const QRectF area = request.rect.intersected(QRectF(QPointF(0, 0), size));
        data.setPage(request.page);
        data.setBoundingRectangle(QRectF(area.x() / size.width(), area.y() / size.height(), area.width() / size.width(),
                                         area.height() / size.height()));
        std::unique_ptr<Poppler::PDFConverter> converter(document->pdfConverter());
        converter->setOutputFileName(partPath);
        signedOk = converter->sign(data);
    }
    if (!signedOk || QFileInfo(partPath).size() <= QFileInfo(source).size())
        return Fail(error,
                    QCoreApplication::translate(
                        "CSignatures",
                        "The document could not be signed with this certificate. Its key may be missing "
                        "from the store, or the store may be locked."));
    QFile made(partPath);
    bool copied = made.open(QIODevice::ReadOnly);
    while (copied && !made.atEnd()) {
        const QByteArray chunk = made.read(1 << 20);
        copied = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    if (!copied || !out.commit())
        return Fail(
            error,
            QCoreApplication::translate("CSignatures", "The signed document could not be written to %1.").arg(target));
    return true;
}

bool CSignatures::WriteRevision(const QString& source, qint64 nLength, const QString& target, QString* error)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly) || nLength <= 0 || nLength > file.size())
        return Fail(error, QCoreApplication::translate("CSignatures", "The signed version is no longer in the file."));
    const QByteArray bytes = file.read(nLength);
    if (bytes.size() != nLength || !bytes.startsWith("%PDF"))
        return Fail(error, QCoreApplication::translate("CSignatures", "The signed version is no longer in the file."));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return Fail(
            error,
            QCoreApplication::translate("CSignatures", "The signed version could not be written to %1.").arg(target));
    return true;
}
