#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// A certificate as the signing tools show it.
struct PdfCertificate
{
    QString nickname; // the store's name for it, which signing asks for
    QString commonName;
    QString email;
    QString organization;
    QString issuer;
    QDateTime validFrom;
    QDateTime validTo;
    QStringList keyUsage; // what the key may do, in words
    bool selfSigned = false;
};

// The user's certificate store: the NSS database in ~/.pki/nssdb that other
// desktop programs share. Opened once per process, read-write, before any
// other signature work, so that certificates can be imported into it;
// poppler then works on the same store.
class CNssStore
{
public:
    static QString DirPath();
    // Opens the store, making it when there is none. True when it can be
    // used; the first answer holds for the life of the process.
    static bool Open(QString* error = nullptr);
    // True while the store has a password that has not been given yet.
    static bool IsLocked();
    static bool Unlock(const QString& password);
    // The certificates that can sign documents: those with their private
    // key here whose key may make signatures.
    static QVector<PdfCertificate> SigningCertificates();
    // Adds the certificates and key of a PKCS#12 file (.p12, .pfx); the
    // signing certificate's nickname goes to *nickname. False with a reason
    // the user can act on (wrong password, not such a file, ...).
    static bool ImportPkcs12(const QString& path, const QString& password, QString* nickname, QString* error);
    // Names of the key usage bits of a certificate, in bit order.
    static QStringList KeyUsageNames(int nBits);
};
