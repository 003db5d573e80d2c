#include "CGaReportManager.h"

#include "CFileUtils.h"
#include "CJsonReader.h"
#include "CReportConsent.h"
#include "CServiceUrl.h"
#include "LoggerObject.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonDocument>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>
#include <QUrlQuery>
#include <QUuid>
#include <QWaitCondition>

#include <algorithm>

namespace MKBase {

const char* const CGaReportManager::kDefaultAnalyticsUrl = "https://analytics.rvpdf.example/mp/collect";

namespace {

constexpr int kQueueFormat = 1;
// A queue file is at most kQueueLimit short records; anything far larger
// is not ours.
constexpr qint64 kQueueFileMax = 4 * 1024 * 1024;

QString ChannelName(CGaReportManager::Channel channel)
{
    return channel == CGaReportManager::Channel::Ga ? QStringLiteral("ga") : QStringLiteral("qv");
}

// Each committed write costs an fsync, tens of milliseconds on a busy disk,
// so the queue file is written on a pool thread instead of while a window
// closes. The newest snapshot of a file wins and writes never overtake each
// other; the application object waits for the pool when it goes away.
class QueueWriter
{
public:
    static QueueWriter& Instance()
    {
        static QueueWriter writer;
        return writer;
    }

    // Empty data removes the file.
    void Write(const QString& path, const QByteArray& data)
    {
        {
            QMutexLocker lock(&mutex);
            snapshots.insert(path, data);
            ++running;
        }
        QThreadPool::globalInstance()->start([this, path]() { Run(path); });
    }

    void Wait()
    {
        QMutexLocker lock(&mutex);
        while (running > 0)
            done.wait(&mutex);
    }

private:
    void Run(const QString& path)
    {
        {
            QMutexLocker order(&fileMutex);
            bool has = false;
            QByteArray data;
            {
                QMutexLocker lock(&mutex);
                has = snapshots.contains(path);
                data = snapshots.take(path);
            }
            if (has && data.isEmpty()) {
                QFile::remove(path);
            } else if (has) {
                QDir().mkpath(QFileInfo(path).absolutePath());
                QSaveFile file(path);
                if (file.open(QIODevice::WriteOnly)) {
                    file.write(data);
                    file.commit();
                }
            }
        }
        QMutexLocker lock(&mutex);
        --running;
        done.wakeAll();
    }

    QMutex mutex;
    QMutex fileMutex;
    QWaitCondition done;
    QHash<QString, QByteArray> snapshots;
    int running = 0;
};

} // namespace

CGaReportManager::CGaReportManager(QObject* parent)
    : QObject(parent)
    , flushTimer(new QTimer(this))
    , retryTimer(new QTimer(this))
    , laterTimer(new QTimer(this))
{
    for (QTimer* timer : {flushTimer, retryTimer, laterTimer})
        timer->setSingleShot(true);
    connect(flushTimer, &QTimer::timeout, this, &CGaReportManager::Flush);
    connect(retryTimer, &QTimer::timeout, this, &CGaReportManager::RetryStored);
    connect(laterTimer, &QTimer::timeout, this, &CGaReportManager::RetryStored);
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &CGaReportManager::PersistUndelivered);
}

CGaReportManager::~CGaReportManager()
{
    // Like the end of a process: nothing more is heard from the network,
    // so what has not been confirmed waits on disk.
    for (QNetworkReply* reply : requests.keys())
        reply->disconnect(this);
    PersistUndelivered();
    requests.clear();
    WaitForDisk();
}

CGaReportManager* CGaReportManager::getInstance(QObject* parent)
{
    static CGaReportManager* instance = new CGaReportManager(parent);
    return instance;
}

bool CGaReportManager::IsAllowedUrl(const QUrl& url)
{
    return CServiceUrl::IsAllowed(url);
}

bool CGaReportManager::IsSafeText(const QString& text)
{
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_.:-]{0,64}$"));
    // A trailing extension is what a file name looks like.
    static const QRegularExpression fileName(QStringLiteral("\\.[A-Za-z][A-Za-z0-9]{1,4}$"));
    return allowed.match(text).hasMatch() && !fileName.match(text).hasMatch();
}

bool CGaReportManager::IsDisabled() const
{
    return !CReportConsent::IsAllowed(settingsPath, CReportConsent::Usage);
}

void CGaReportManager::InitStorage(const QString& queueDir, const QString& frameworkSettingsPath)
{
    queuePath = queueDir.isEmpty() ? QString() : queueDir + "/queue.json";
    settingsPath = frameworkSettingsPath;
    stored.clear();
    storedLoaded = false;
    StartRetryTimer();
}

void CGaReportManager::SetTiming(const Timing& timing_)
{
    timing = timing_;
}

void CGaReportManager::StartRetryTimer()
{
    if (!queuePath.isEmpty())
        retryTimer->start(timing.startRetryDelayMs);
}

void CGaReportManager::InitGaData(const QString& tablePath, const QString& pcid, const QString& measurementId_,
                                  const QString& apiSecret_)
{
    eventTable = CJsonReader::ParseJsonFileToArray(tablePath);
    gaPcid = pcid;
    measurementId = measurementId_;
    apiSecret = apiSecret_;
    QString text = qEnvironmentVariable("RVPDF_ANALYTICS_URL").trimmed();
    if (text.isEmpty())
        text = QString::fromLatin1(kDefaultAnalyticsUrl);
    const QUrl url(text, QUrl::StrictMode);
    gaEndpoint = IsAllowedUrl(url) ? url : QUrl();
    if (!gaEndpoint.isValid())
        MK_LOG("analytics endpoint refused: only https or loopback http");
    StartRetryTimer();
}

void CGaReportManager::InitQvData(const QString& reportUrl, const QString& pcid, const QString& productId_,
                                  const QString& version_, const QString& qd)
{
    const QUrl url(reportUrl, QUrl::StrictMode);
    qvEndpoint = IsAllowedUrl(url) ? url : QUrl();
    if (!qvEndpoint.isValid())
        MK_LOG("report endpoint refused: only https or loopback http");
    qvPcid = pcid;
    productId = productId_;
    version = version_;
    channel = qd;
    StartRetryTimer();
}

QJsonObject CGaReportManager::FindEvent(const QString& eventKey) const
{
    for (const QJsonValue& row : eventTable) {
        const QJsonObject object = row.toObject();
        if (object.value(QStringLiteral("event_key")).toString() == eventKey)
            return object;
    }
    return {};
}

void CGaReportManager::SendGaReport(const QString& eventKey, const QString& label, bool bNow)
{
    if (!IsGaReady() || IsDisabled())
        return;
    const QJsonObject row = FindEvent(eventKey);
    if (row.isEmpty())
        return;
    Event event;
    event.channel = Channel::Ga;
    event.name = row.value("event_name").toString();
    event.category = row.value("event_category").toString();
    event.action = eventKey;
    event.label = label.isEmpty() ? row.value("event_label").toString() : label;
    if (!IsSafeText(event.name) || !IsSafeText(event.category) || !IsSafeText(event.action)
        || !IsSafeText(event.label)) {
        MK_LOG("usage event %s not sent: label is not an identifier", qUtf8Printable(eventKey));
        return;
    }
    event.id = QUuid::createUuid().toString(QUuid::Id128);
    event.time = QDateTime::currentMSecsSinceEpoch();
    pending.append(event);
    Schedule(bNow);
}

void CGaReportManager::SendQvReport(const QString& name, const QString& value)
{
    if (!IsQvReady() || IsDisabled())
        return;
    if (name.isEmpty() || !IsSafeText(name) || !IsSafeText(value)) {
        MK_LOG("report event not sent: name or value is not an identifier");
        return;
    }
    Event event;
    event.channel = Channel::Qv;
    event.name = name;
    event.value = value;
    event.version = version;
    event.id = QUuid::createUuid().toString(QUuid::Id128);
    event.time = QDateTime::currentMSecsSinceEpoch();
    pending.append(event);
    Schedule(false);
}

void CGaReportManager::Schedule(bool bNow)
{
    if (bNow || pending.size() >= kBatchSize)
        flushTimer->start(0);
    else if (!flushTimer->isActive())
        flushTimer->start(timing.batchDelayMs);
}

void CGaReportManager::Flush()
{
    flushTimer->stop();
    if (pending.isEmpty())
        return;
    if (IsDisabled()) {
        pending.clear();
        return;
    }
    QList<Event> ga;
    QList<Event> qv;
    for (const Event& event : qAsConst(pending))
        (event.channel == Channel::Ga ? ga : qv).append(event);
    pending.clear();
    Post(Channel::Ga, ga);
    Post(Channel::Qv, qv);
}

void CGaReportManager::RetryStored()
{
    if (IsDisabled()) {
        // Turned off since they were kept: they must never go out.
        pending.clear();
        flushTimer->stop();
        stored.clear();
        storedLoaded = true;
        SaveStored();
        return;
    }
    Flush();
    EnsureLoaded();
    QList<Event> ga;
    QList<Event> qv;
    for (const Event& event : qAsConst(stored)) {
        if (inFlightIds.contains(event.id))
            continue;
        if (event.channel == Channel::Ga && IsGaReady())
            ga.append(event);
        else if (event.channel == Channel::Qv && IsQvReady())
            qv.append(event);
    }
    Post(Channel::Ga, ga);
    Post(Channel::Qv, qv);
}

void CGaReportManager::Post(Channel target, const QList<Event>& events)
{
    QUrl url = target == Channel::Ga ? gaEndpoint : qvEndpoint;
    if (events.isEmpty() || !url.isValid())
        return;
    if (!network)
        network = new QNetworkAccessManager(this);
    if (target == Channel::Ga) {
        QUrlQuery query(url);
        query.addQueryItem(QStringLiteral("measurement_id"), measurementId);
        query.addQueryItem(QStringLiteral("api_secret"), apiSecret);
        url.setQuery(query);
    }
    for (int i = 0; i < events.size(); i += kBatchSize) {
        const QList<Event> batch = events.mid(i, kBatchSize);
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        // A redirect could lead off https; the collector never needs one.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply* reply = network->post(request, Body(target, batch));
        requests.insert(reply, batch);
        for (const Event& event : batch)
            inFlightIds.insert(event.id);
        connect(reply, &QNetworkReply::finished, this, [this, reply]() { OnFinished(reply); });
        // Covers the connection phase too, which a black-holed address
        // would otherwise stretch to minutes.
        QTimer::singleShot(timing.requestTimeoutMs, reply, [reply]() { reply->abort(); });
    }
}

QByteArray CGaReportManager::Body(Channel target, const QList<Event>& events) const
{
    QJsonArray list;
    QJsonObject body;
    if (target == Channel::Ga) {
        for (const Event& event : events) {
            QJsonObject params;
            params["event_category"] = event.category;
            params["event_action"] = event.action;
            params["event_label"] = event.label;
            params["event_id"] = event.id;
            params["event_time_ms"] = double(event.time);
            list.append(QJsonObject {{"name", event.name}, {"params", params}});
        }
        body["client_id"] = gaPcid;
    } else {
        for (const Event& event : events) {
            list.append(QJsonObject {{"id", event.id},
                                     {"name", event.name},
                                     {"value", event.value},
                                     {"version", event.version},
                                     {"time", double(event.time)}});
        }
        body["pcid"] = qvPcid;
        body["product_id"] = productId;
        body["qd"] = channel;
        body["os"] = QStringLiteral("linux");
    }
    body["events"] = list;
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

void CGaReportManager::OnFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    auto found = requests.find(reply);
    if (found == requests.end())
        return;
    const QList<Event> events = found.value();
    requests.erase(found);
    for (const Event& event : events)
        inFlightIds.remove(event.id);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // No answer, a failing server, or one asking us to come back later.
    const bool retry = status == 0 || status >= 500 || status == 408 || status == 429;
    if (retry) {
        networkDown = true;
        QList<Event> fresh;
        for (const Event& event : events) {
            if (!event.onDisk)
                fresh.append(event);
        }
        Store(fresh);
        if (!laterRetryUsed && !queuePath.isEmpty()) {
            laterRetryUsed = true;
            laterTimer->start(timing.laterRetryDelayMs);
        }
        MK_LOG("usage report not delivered (HTTP %d, %s); %d event(s) kept", status,
               qUtf8Printable(reply->errorString()), int(events.size()));
    } else {
        // Delivered, or refused for good: either way it is done with.
        networkDown = false;
        if (status < 200 || status > 299)
            MK_LOG("usage report refused with HTTP %d; %d event(s) dropped", status, int(events.size()));
        QSet<QString> done;
        for (const Event& event : events) {
            if (event.onDisk)
                done.insert(event.id);
        }
        if (!done.isEmpty()) {
            EnsureLoaded();
            const int before = int(stored.size());
            stored.erase(std::remove_if(stored.begin(), stored.end(),
                                        [&done](const Event& event) { return done.contains(event.id); }),
                         stored.end());
            if (stored.size() != before)
                SaveStored();
        }
    }
    if (requests.isEmpty())
        emit SignalIdle();
}

void CGaReportManager::ReleaseReport()
{
    getInstance()->Release();
}

void CGaReportManager::Release()
{
    if (IsIdle())
        return;
    // Windows close one inside the other's close; only the first waits.
    if (!releasing && !networkDown && !IsDisabled()) {
        Flush();
        if (!requests.isEmpty() && timing.releaseWaitMs > 0) {
            releasing = true;
            QEventLoop loop;
            connect(this, &CGaReportManager::SignalIdle, &loop, &QEventLoop::quit);
            QTimer::singleShot(timing.releaseWaitMs, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            releasing = false;
            // Still waiting: a later close in this session does not wait again.
            if (!requests.isEmpty())
                networkDown = true;
        }
    }
    PersistUndelivered();
}

void CGaReportManager::PersistUndelivered()
{
    flushTimer->stop();
    QList<Event> undelivered = pending;
    pending.clear();
    for (auto it = requests.begin(); it != requests.end(); ++it) {
        for (Event& event : it.value()) {
            if (!event.onDisk)
                undelivered.append(event);
            // Once on disk, a late answer removes it from there instead.
            event.onDisk = true;
        }
    }
    Store(undelivered);
}

void CGaReportManager::Store(QList<Event> events)
{
    if (events.isEmpty() || queuePath.isEmpty() || IsDisabled())
        return;
    EnsureLoaded();
    for (Event& event : events) {
        event.onDisk = true;
        stored.append(event);
    }
    // Oldest first out: recent days matter more than a long-gone backlog.
    while (stored.size() > kQueueLimit)
        stored.removeFirst();
    SaveStored();
}

int CGaReportManager::StoredCount()
{
    EnsureLoaded();
    return int(stored.size());
}

void CGaReportManager::EnsureLoaded()
{
    if (storedLoaded)
        return;
    storedLoaded = true;
    stored.clear();
    if (queuePath.isEmpty())
        return;
    WaitForDisk();
    if (!QFileInfo::exists(queuePath))
        return;
    const QJsonObject root = QJsonDocument::fromJson(CFileUtils::ReadFileBytes(queuePath, kQueueFileMax)).object();
    if (root.value("format").toInt() != kQueueFormat)
        return;
    for (const QJsonValue& value : root.value("events").toArray()) {
        Event event;
        if (FromJson(value.toObject(), &event))
            stored.append(event);
    }
    while (stored.size() > kQueueLimit)
        stored.removeFirst();
}

void CGaReportManager::SaveStored()
{
    if (queuePath.isEmpty())
        return;
    if (stored.isEmpty()) {
        QueueWriter::Instance().Write(queuePath, QByteArray());
        return;
    }
    QJsonArray list;
    for (const Event& event : qAsConst(stored))
        list.append(ToJson(event));
    const QJsonObject root {{"format", kQueueFormat}, {"events", list}};
    QueueWriter::Instance().Write(queuePath, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

void CGaReportManager::WaitForDisk()
{
    QueueWriter::Instance().Wait();
}

QJsonObject CGaReportManager::ToJson(const Event& event)
{
    QJsonObject object {
        {"id", event.id}, {"channel", ChannelName(event.channel)}, {"time", double(event.time)}, {"name", event.name}};
    if (event.channel == Channel::Ga) {
        object["category"] = event.category;
        object["action"] = event.action;
        object["label"] = event.label;
    } else {
        object["value"] = event.value;
        object["version"] = event.version;
    }
    return object;
}

bool CGaReportManager::FromJson(const QJsonObject& object, Event* event)
{
    const QString kind = object.value("channel").toString();
    if (kind != QLatin1String("ga") && kind != QLatin1String("qv"))
        return false;
    event->channel = kind == QLatin1String("ga") ? Channel::Ga : Channel::Qv;
    event->id = object.value("id").toString();
    event->time = qint64(object.value("time").toDouble());
    event->name = object.value("name").toString();
    event->category = object.value("category").toString();
    event->action = object.value("action").toString();
    event->label = object.value("label").toString();
    event->value = object.value("value").toString();
    event->version = object.value("version").toString();
    event->onDisk = true;
    // The file is ours, but whatever was edited into it is held to the same
    // rules as a fresh event.
    static const QRegularExpression id(QStringLiteral("^[0-9a-f]{32}$"));
    if (!id.match(event->id).hasMatch() || event->name.isEmpty())
        return false;
    for (const QString* text :
         {&event->name, &event->category, &event->action, &event->label, &event->value, &event->version}) {
        if (!IsSafeText(*text))
            return false;
    }
    return true;
}

} // namespace MKBase
