// NSS names a member "slots", a word Qt makes a keyword: NSS comes first.
#include <cert.h>
#include <nss.h>
#include <p12.h>
#include <p12plcy.h>
#include <pk11pub.h>
#include <secerr.h>
#include <secport.h>

#include "CNssStore.h"

#include <poppler-form.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cstring>

#include <memory>

namespace {

// Nobody's certificate file is this big; a bigger one is something else.
constexpr qint64 kMaxPkcs12Bytes = 8 * 1024 * 1024;

QMutex& StoreMutex()
{
    static QMutex mutex;
    return mutex;
}

struct OpenState
{
    bool tried = false;
    bool usable = false;
    QString failure;
};

OpenState& State()
{
    static OpenState state;
    return state;
}

struct SlotFree
{
    void operator()(PK11SlotInfo* slot) const { PK11_FreeSlot(slot); }
};
using Slot = std::unique_ptr<PK11SlotInfo, SlotFree>;

struct CertFree
{
    void operator()(CERTCertificate* cert) const { CERT_DestroyCertificate(cert); }
};
using Cert = std::unique_ptr<CERTCertificate, CertFree>;

// A name another certificate does not have yet, made from the subject's.
SECItem* PR_CALLBACK RenameOnCollision(SECItem* oldNickname, PRBool* cancel, void* arg)
{
    auto* cert = static_cast<CERTCertificate*>(arg);
    if (!cancel || !cert)
        return nullptr;
    *cancel = PR_FALSE;
    char* made = CERT_MakeCANickname(cert);
    if (!made)
        return nullptr;
    const size_t length = PORT_Strlen(made);
    // The same name again would loop for ever.
    if (oldNickname && oldNickname->len == length
        && PORT_Strncmp(reinterpret_cast<char*>(oldNickname->data), made, length) == 0) {
        PORT_Free(made);
        *cancel = PR_TRUE;
        return nullptr;
    }
    SECItem* item = SECITEM_AllocItem(nullptr, nullptr, static_cast<unsigned int>(length + 1));
    if (item) {
        memcpy(item->data, made, length + 1);
        item->len = static_cast<unsigned int>(length);
    }
    PORT_Free(made);
    return item;
}

// A PKCS#12 password is a BMPString: big-endian UTF-16 with a closing zero.
QByteArray Pkcs12Password(const QString& password)
{
    QByteArray bytes;
    for (const QChar c : password) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    bytes.append('\0');
    bytes.append('\0');
    return bytes;
}

void EnablePkcs12Ciphers()
{
    static const bool done = []() {
        for (long cipher : {PKCS12_RC2_CBC_40, PKCS12_RC2_CBC_128, PKCS12_RC4_40, PKCS12_RC4_128, PKCS12_DES_56,
                            PKCS12_DES_EDE3_168, PKCS12_AES_CBC_128, PKCS12_AES_CBC_192, PKCS12_AES_CBC_256})
            SEC_PKCS12EnableCipher(cipher, 1);
        return true;
    }();
    Q_UNUSED(done)
}

PdfCertificate FromPoppler(const Poppler::CertificateInfo& info)
{
    PdfCertificate cert;
    cert.nickname = info.nickName();
    cert.commonName = info.subjectInfo(Poppler::CertificateInfo::CommonName);
    cert.email = info.subjectInfo(Poppler::CertificateInfo::EmailAddress);
    cert.organization = info.subjectInfo(Poppler::CertificateInfo::Organization);
    cert.issuer = info.issuerInfo(Poppler::CertificateInfo::CommonName);
    if (cert.issuer.isEmpty())
        cert.issuer = info.issuerInfo(Poppler::CertificateInfo::DistinguishedName);
    cert.validFrom = info.validityStart();
    cert.validTo = info.validityEnd();
    cert.keyUsage = CNssStore::KeyUsageNames(int(info.keyUsageExtensions()));
    // Poppler's own flag is left unset by this version: its issuer named
    // the same as its subject is what self-signed means.
    cert.selfSigned = info.issuerInfo(Poppler::CertificateInfo::DistinguishedName)
        == info.subjectInfo(Poppler::CertificateInfo::DistinguishedName);
    return cert;
}

} // namespace

QString CNssStore::DirPath()
{
    return QDir::homePath() + "/.pki/nssdb";
}

bool CNssStore::Open(QString* error)
{
    QMutexLocker lock(&StoreMutex());
    OpenState& state = State();
    if (!state.tried) {
        state.tried = true;
        const QString dir = DirPath();
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray config = "sql:" + QFile::encodeName(dir);
        // Read-write, so that a new store is made and certificates can be
        // imported; a store we may only read still checks signatures.
        state.usable = NSS_Initialize(config.constData(), "", "", SECMOD_DB, 0) == SECSuccess
            || NSS_Initialize(config.constData(), "", "", SECMOD_DB, NSS_INIT_READONLY) == SECSuccess;
        if (!state.usable) {
            state.failure
                = QCoreApplication::translate("CNssStore", "The certificate store in %1 could not be opened.").arg(dir);
        } else {
            // A new store gets an empty password, as other programs make it.
            Slot slot(PK11_GetInternalKeySlot());
            if (slot && PK11_NeedUserInit(slot.get()))
                PK11_InitPin(slot.get(), nullptr, "");
        }
    }
    if (!state.usable && error)
        *error = state.failure;
    return state.usable;
}

bool CNssStore::IsLocked()
{
    if (!Open())
        return false;
    Slot slot(PK11_GetInternalKeySlot());
    return slot && PK11_NeedLogin(slot.get()) && !PK11_IsLoggedIn(slot.get(), nullptr);
}

bool CNssStore::Unlock(const QString& password)
{
    if (!Open())
        return false;
    Slot slot(PK11_GetInternalKeySlot());
    return slot && PK11_CheckUserPassword(slot.get(), password.toUtf8().constData()) == SECSuccess;
}

QVector<PdfCertificate> CNssStore::SigningCertificates()
{
    QVector<PdfCertificate> list;
    if (!Open() || IsLocked())
        return list;
    // A key limited to other work (an authority's, which signs only
    // certificates) would make a signature no checker accepts.
    const auto signs = Poppler::CertificateInfo::KuDigitalSignature | Poppler::CertificateInfo::KuNonRepudiation;
    for (const Poppler::CertificateInfo& info : Poppler::getAvailableSigningCertificates()) {
        const auto usage = info.keyUsageExtensions();
        if (!info.isNull() && !info.nickName().isEmpty()
            && (usage == Poppler::CertificateInfo::KuNone || (usage & signs)))
            list << FromPoppler(info);
    }
    return list;
}

bool CNssStore::ImportPkcs12(const QString& path, const QString& password, QString* nickname, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!Open(error))
        return false;
    if (IsLocked())
        return fail(
            QCoreApplication::translate("CNssStore", "The certificate store is locked. Give its password first."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("CNssStore", "The file could not be read."));
    if (file.size() <= 0 || file.size() > kMaxPkcs12Bytes)
        return fail(QCoreApplication::translate("CNssStore", "The file is not a certificate file (PKCS#12)."));
    QByteArray data = file.readAll();
    EnablePkcs12Ciphers();
    Slot slot(PK11_GetInternalKeySlot());
    if (!slot)
        return fail(QCoreApplication::translate("CNssStore", "The certificate store in %1 could not be opened.")
                        .arg(DirPath()));
    QByteArray secret = Pkcs12Password(password);
    SECItem passwordItem {siBuffer, reinterpret_cast<unsigned char*>(secret.data()), unsigned(secret.size())};
    SEC_PKCS12DecoderContext* decoder
        = SEC_PKCS12DecoderStart(&passwordItem, slot.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!decoder)
        return fail(QCoreApplication::translate("CNssStore", "The file is not a certificate file (PKCS#12)."));
    bool ok = SEC_PKCS12DecoderUpdate(decoder, reinterpret_cast<unsigned char*>(data.data()),
                                      static_cast<unsigned long>(data.size()))
            == SECSuccess
        && SEC_PKCS12DecoderVerify(decoder) == SECSuccess;
    if (!ok) {
        const int code = PORT_GetError();
        SEC_PKCS12DecoderFinish(decoder);
        secret.fill('\0');
        if (code == SEC_ERROR_BAD_PASSWORD || code == SEC_ERROR_PKCS12_PRIVACY_PASSWORD_INCORRECT)
            return fail(QCoreApplication::translate("CNssStore", "The password does not open this certificate file."));
        return fail(QCoreApplication::translate("CNssStore", "The file is not a certificate file (PKCS#12)."));
    }
    ok = SEC_PKCS12DecoderValidateBags(decoder, RenameOnCollision) == SECSuccess
        && SEC_PKCS12DecoderImportBags(decoder) == SECSuccess;
    QString imported;
    if (ok) {
        // The certificate whose key came along is the one to sign with.
        if (CERTCertList* certs = SEC_PKCS12DecoderGetCerts(decoder)) {
            // The list's own macros cast in C style.
            const auto* end = reinterpret_cast<const CERTCertListNode*>(&certs->list);
            for (auto* node = reinterpret_cast<CERTCertListNode*>(certs->list.next); node != end;
                 node = reinterpret_cast<CERTCertListNode*>(node->links.next)) {
                Cert stored(CERT_FindCertByDERCert(CERT_GetDefaultCertDB(), &node->cert->derCert));
                if (!stored || !stored->nickname)
                    continue;
                if (SECKEYPrivateKey* key = PK11_FindKeyByAnyCert(stored.get(), nullptr)) {
                    SECKEY_DestroyPrivateKey(key);
                    imported = QString::fromUtf8(stored->nickname);
                    break;
                }
            }
            CERT_DestroyCertList(certs);
        }
    }
    SEC_PKCS12DecoderFinish(decoder);
    // The decoder reads the password until it is finished.
    secret.fill('\0');
    if (!ok)
        return fail(QCoreApplication::translate("CNssStore", "The certificate could not be added to the store in %1.")
                        .arg(DirPath()));
    if (imported.isEmpty())
        return fail(QCoreApplication::translate(
            "CNssStore", "The file holds no certificate with its private key, so it cannot sign."));
    if (nickname)
        *nickname = imported;
    return true;
}

QStringList CNssStore::KeyUsageNames(int nBits)
{
    static const struct
    {
        int bit;
        const char* name;
    } names[] = {
        {Poppler::CertificateInfo::KuDigitalSignature, QT_TRANSLATE_NOOP("CNssStore", "Digital signature")},
        {Poppler::CertificateInfo::KuNonRepudiation, QT_TRANSLATE_NOOP("CNssStore", "Non-repudiation")},
        {Poppler::CertificateInfo::KuKeyEncipherment, QT_TRANSLATE_NOOP("CNssStore", "Key encipherment")},
        {Poppler::CertificateInfo::KuDataEncipherment, QT_TRANSLATE_NOOP("CNssStore", "Data encipherment")},
        {Poppler::CertificateInfo::KuKeyAgreement, QT_TRANSLATE_NOOP("CNssStore", "Key agreement")},
        {Poppler::CertificateInfo::KuKeyCertSign, QT_TRANSLATE_NOOP("CNssStore", "Certificate signing")},
        {Poppler::CertificateInfo::KuClrSign, QT_TRANSLATE_NOOP("CNssStore", "CRL signing")},
        {Poppler::CertificateInfo::KuEncipherOnly, QT_TRANSLATE_NOOP("CNssStore", "Encipher only")},
    };
    QStringList list;
    for (const auto& row : names) {
        if (nBits & row.bit)
            list << QCoreApplication::translate("CNssStore", row.name);
    }
    return list;
}
