#pragma once

#include "CSignatures.h"

#include <QObject>

#include <memory>

class CPdfDocument;

// The signature work of one document, off the GUI thread: checking its
// signatures, signing, writing a signed revision. Each reports back on the
// GUI thread; a newer check replaces one still running.
class CSignatureJobs : public QObject
{
    Q_OBJECT
public:
    explicit CSignatureJobs(QObject* parent = nullptr);

    void Check(std::shared_ptr<CPdfDocument> document);
    bool IsChecking() const { return checking; }
    void Sign(const QString& source, const QByteArray& password, const PdfSignRequest& request, const QString& target);
    bool IsSigning() const { return signing; }
    void WriteRevision(const QString& source, qint64 nLength, const QString& target);

signals:
    // bRead is false when the file could not be read.
    void SignalChecked(const QVector<PdfSignature>& signatures, bool bRead);
    // strError is empty on success.
    void SignalSigned(const QString& strTarget, const QString& strError);
    void SignalRevisionWritten(const QString& strTarget, const QString& strError);

private:
    int checkRun = 0;
    bool checking = false;
    bool signing = false;
};
