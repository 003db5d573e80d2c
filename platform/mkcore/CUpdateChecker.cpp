#include "CUpdateChecker.h"

#include "CJsonReader.h"
#include "CServiceUrl.h"
#include "LoggerObject.h"
#include "MKApplication.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QUrlQuery>

namespace {

#if defined(Q_OS_WIN)
const char* const kPlatform = "windows";
#elif defined(Q_OS_MACOS)
const char* const kPlatform = "mac";
#else
const char* const kPlatform = "linux";
#endif

} // namespace

CUpdateChecker::CUpdateChecker(QObject* parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{
}

CUpdateChecker::~CUpdateChecker()
{
    Abort();
}

QString CUpdateChecker::TextsPath()
{
    MKApplication* app = MKApplication::getInstance();
    const QString language = app ? app->CurrentLanguage() : QString();
    return MKApplication::ConfProductDirPath() + "/update/"
        + (language.isEmpty() ? QStringLiteral("English") : language) + ".json";
}

QUrl CUpdateChecker::EndpointUrl()
{
    const QString configured = MKBase::CJsonReader::ParseJsonFile(TextsPath(), QStringLiteral("CheckUrl")).toString();
    return MKBase::CServiceUrl::Resolve("RVPDF_UPDATE_URL", configured);
}

bool CUpdateChecker::IsVersion(const QString& strVersion)
{
    // Nine digits per segment keep every segment inside an int.
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,9}(\\.\\d{1,9}){0,7}$"));
    return pattern.match(strVersion).hasMatch();
}

int CUpdateChecker::CompareVersions(const QString& strLeft, const QString& strRight)
{
    const QStringList left = strLeft.split(QLatin1Char('.'));
    const QStringList right = strRight.split(QLatin1Char('.'));
    const int count = qMax(left.size(), right.size());
    for (int i = 0; i < count; ++i) {
        const int a = i < left.size() ? left.at(i).toInt() : 0;
        const int b = i < right.size() ? right.at(i).toInt() : 0;
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

void CUpdateChecker::SetTimeout(int nMsec)
{
    timeout = nMsec > 0 ? nMsec : kDefaultTimeout;
}

bool CUpdateChecker::Start()
{
    return Start(EndpointUrl());
}

bool CUpdateChecker::Start(const QUrl& urlEndpoint)
{
    if (running)
        return false;
    running = true;
    ++generation;

    if (!MKBase::CServiceUrl::IsAllowed(urlEndpoint)) {
        FailLater("endpoint refused: not https and not loopback");
        return true;
    }
    const QString current = QCoreApplication::applicationVersion();
    if (!IsVersion(current)) {
        FailLater("own version unknown");
        return true;
    }

    QUrl url = urlEndpoint;
    QUrlQuery query(url);
    MKApplication* app = MKApplication::getInstance();
    query.addQueryItem(QStringLiteral("version"), current);
    query.addQueryItem(QStringLiteral("pid"), app ? app->GetProductID() : QString());
    query.addQueryItem(QStringLiteral("platform"), QString::fromLatin1(kPlatform));
    url.setQuery(query);

    QNetworkRequest request(url);
    request.setTransferTimeout(timeout);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setRawHeader("Accept", "application/json");
    reply = manager->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 nReceived, qint64 nTotal) {
        if ((nReceived > kMaxReplySize || nTotal > kMaxReplySize) && reply)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &CUpdateChecker::SlotReplyFinished);
    return true;
}

void CUpdateChecker::Abort()
{
    running = false;
    ++generation;
    if (QNetworkReply* current = reply.data()) {
        reply = nullptr;
        current->disconnect(this);
        current->abort();
        current->deleteLater();
    }
}

void CUpdateChecker::FailLater(const char* pszReason)
{
    MK_LOG("update check failed: %s", pszReason);
    const quint64 started = generation;
    // Queued, so a caller connecting after Start() still hears the answer.
    QTimer::singleShot(0, this, [this, started]() {
        if (running && generation == started)
            Finish(Failed, QString(), QUrl());
    });
}

void CUpdateChecker::SlotReplyFinished()
{
    QNetworkReply* current = reply.data();
    if (!current || current != sender())
        return;
    reply = nullptr;
    current->deleteLater();

    const int status = current->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (current->error() != QNetworkReply::NoError || status != 200) {
        MK_LOG("update check failed: network error %d, http status %d", int(current->error()), status);
        Finish(Failed, QString(), QUrl());
        return;
    }
    const QByteArray body = current->read(kMaxReplySize + 1);
    QString version;
    QUrl download;
    const EResult result = ParseReply(body, QCoreApplication::applicationVersion(), &version, &download);
    if (result == Failed)
        MK_LOG("update check failed: unreadable answer (%d bytes)", int(body.size()));
    Finish(result, version, download);
}

CUpdateChecker::EResult CUpdateChecker::ParseReply(const QByteArray& body, const QString& strCurrent,
                                                   QString* strVersion, QUrl* url)
{
    *strVersion = QString();
    *url = QUrl();
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &parseError);
    const QJsonObject answer = doc.object();
    const QString version = answer.value(QStringLiteral("version")).toString().trimmed();
    if (body.size() > kMaxReplySize || parseError.error != QJsonParseError::NoError || !doc.isObject()
        || !IsVersion(version) || !IsVersion(strCurrent))
        return Failed;
    *strVersion = version;
    if (CompareVersions(version, strCurrent) <= 0)
        return UpToDate;
    // Only a secure page is handed to the browser; else the brand's own.
    QUrl download(answer.value(QStringLiteral("url")).toString().trimmed(), QUrl::StrictMode);
    if (download.isValid() && download.scheme() == QLatin1String("https") && !download.host().isEmpty())
        *url = download;
    return NewVersion;
}

void CUpdateChecker::Finish(int nResult, const QString& strVersion, const QUrl& url)
{
    running = false;
    emit SignalFinished(nResult, strVersion, url);
}
