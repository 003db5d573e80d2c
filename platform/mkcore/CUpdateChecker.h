#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Asks the update service whether a newer version exists. Never blocks:
// Start() sends the request and SignalFinished reports the answer later.
class CUpdateChecker : public QObject
{
    Q_OBJECT
public:
    enum EResult { UpToDate = 0, NewVersion = 1, Failed = 2 };
    Q_ENUM(EResult)

    static constexpr int kDefaultTimeout = 8000;
    // An answer is a few dozen bytes; anything this large is not one.
    static constexpr qint64 kMaxReplySize = 64 * 1024;

    explicit CUpdateChecker(QObject* parent = nullptr);
    ~CUpdateChecker() override;

    // The brand's update texts and endpoint for the current language.
    static QString TextsPath();
    // The check endpoint. The environment variable RVPDF_UPDATE_URL, when
    // set, replaces the brand's CheckUrl (local servers for tests and
    // debugging).
    static QUrl EndpointUrl();
    // Dot-separated numbers; missing trailing segments count as zero.
    static bool IsVersion(const QString& strVersion);
    // Negative, zero or positive as strLeft is older, equal or newer than
    // strRight, segment by segment (2.0.10 is newer than 2.0.9). Both must
    // satisfy IsVersion.
    static int CompareVersions(const QString& strLeft, const QString& strRight);

    // Reads the service's answer to a check made by version strCurrent:
    // NewVersion with the version and a secure download page (or an empty
    // url), UpToDate with the version, or Failed for anything else.
    static EResult ParseReply(const QByteArray& body, const QString& strCurrent, QString* strVersion, QUrl* url);

    void SetTimeout(int nMsec);
    int Timeout() const { return timeout; }
    bool IsRunning() const { return running; }

    // Starts a check of EndpointUrl() or of urlEndpoint. Returns false, with
    // no signal, while a check runs; otherwise exactly one SignalFinished
    // follows, never before Start() has returned.
    bool Start();
    bool Start(const QUrl& urlEndpoint);
    // Drops a running check; no signal follows.
    void Abort();

signals:
    // nResult is an EResult. strVersion is the service's newest version and
    // url its download page (empty when it named none) for NewVersion.
    void SignalFinished(int nResult, QString strVersion, QUrl url);

private:
    void SlotReplyFinished();
    void FailLater(const char* pszReason);
    void Finish(int nResult, const QString& strVersion, const QUrl& url);

    QNetworkAccessManager* manager = nullptr;
    QPointer<QNetworkReply> reply;
    int timeout = kDefaultTimeout;
    bool running = false;
    // Tells a queued failure of an aborted check from the current one.
    quint64 generation = 0;
};
