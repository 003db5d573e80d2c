#pragma once

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace MKBase {

// Usage events for two channels: the analytics collector and the brand's
// report service. Events are gathered for a moment and posted in the
// background from the GUI thread; whatever cannot be delivered waits in a
// small file and is tried again at the next start.
class CGaReportManager : public QObject
{
    Q_OBJECT
public:
    enum class Channel { Ga, Qv };

    struct Timing
    {
        int batchDelayMs = 2000;
        int requestTimeoutMs = 5000;
        // Longest wait in ReleaseReport; closing must not feel it.
        int releaseWaitMs = 300;
        // Events left from an earlier run go out this long after start-up,
        // away from the first window's painting.
        int startRetryDelayMs = 5000;
        // After a failed delivery, one more attempt later in the session.
        int laterRetryDelayMs = 10 * 60 * 1000;
    };

    static constexpr int kBatchSize = 25;
    static constexpr int kQueueLimit = 500;
    // Collector used unless RVPDF_ANALYTICS_URL names another one.
    static const char* const kDefaultAnalyticsUrl;

    // The process-wide manager the application reports through.
    static CGaReportManager* getInstance(QObject* parent = nullptr);
    // Separate managers are for tests; each behaves like one process.
    explicit CGaReportManager(QObject* parent = nullptr);
    ~CGaReportManager() override;

    // Undelivered events are kept in queueDir + "/queue.json". The settings
    // file holds the user's consent: without a yes there, nothing is sent or
    // kept.
    void InitStorage(const QString& queueDir, const QString& frameworkSettingsPath);
    void SetTiming(const Timing& timing);

    void InitGaData(const QString& tablePath, const QString& pcid, const QString& measurementId,
                    const QString& apiSecret);
    void InitQvData(const QString& reportUrl, const QString& pcid, const QString& productId, const QString& version,
                    const QString& qd);
    // label empty: the table's label for the key. bNow skips the batching
    // delay. Unknown keys and labels that could carry personal data are
    // not sent.
    void SendGaReport(const QString& eventKey, const QString& label, bool bNow);
    void SendQvReport(const QString& name, const QString& value);
    // Called as windows close: delivers what it can, waiting at most
    // releaseWaitMs (not at all when the network already failed this
    // session); the rest goes to the disk queue.
    static void ReleaseReport();
    void Release();
    // Posts pending events and those waiting on disk now.
    void RetryStored();
    // Writes everything not yet delivered to the disk queue; no network,
    // no waiting. Also runs when the application is about to quit.
    void PersistUndelivered();
    // Queue file writes run on a pool thread; this waits until they are on
    // disk.
    static void WaitForDisk();

    bool IsGaReady() const { return gaEndpoint.isValid() && !measurementId.isEmpty(); }
    bool IsQvReady() const { return qvEndpoint.isValid(); }
    bool IsDisabled() const;
    QUrl GaEndpoint() const { return gaEndpoint; }
    QUrl QvEndpoint() const { return qvEndpoint; }
    QString QueueFilePath() const { return queuePath; }
    int PendingCount() const { return int(pending.size()); }
    int InFlightCount() const { return int(requests.size()); }
    int StoredCount();
    bool IsIdle() const { return pending.isEmpty() && requests.isEmpty(); }
    QJsonObject FindEvent(const QString& eventKey) const;

    // https anywhere; plain http only to this machine's loopback address.
    static bool IsAllowedUrl(const QUrl& url);
    // Event labels and values are short identifiers; anything that looks
    // like a path, a mail address, a file name or the account name is not.
    static bool IsSafeText(const QString& text);

signals:
    // Every posted request has ended (delivered, dropped or stored).
    void SignalIdle();

private:
    struct Event
    {
        Channel channel = Channel::Ga;
        QString id;
        qint64 time = 0;
        QString name;
        QString category;
        QString action;
        QString label;
        QString value;
        QString version;
        bool onDisk = false;
    };

    void Schedule(bool bNow);
    void Flush();
    void Post(Channel channel, const QList<Event>& events);
    QByteArray Body(Channel channel, const QList<Event>& events) const;
    void OnFinished(QNetworkReply* reply);
    void Store(QList<Event> events);
    void EnsureLoaded();
    void SaveStored();
    void StartRetryTimer();
    static QJsonObject ToJson(const Event& event);
    static bool FromJson(const QJsonObject& object, Event* event);

    Timing timing;
    QString queuePath;
    QString settingsPath;

    QJsonArray eventTable;
    QUrl gaEndpoint;
    QString gaPcid;
    QString measurementId;
    QString apiSecret;
    QUrl qvEndpoint;
    QString qvPcid;
    QString productId;
    QString version;
    QString channel;

    QList<Event> pending;
    QList<Event> stored;
    bool storedLoaded = false;
    QHash<QNetworkReply*, QList<Event>> requests;
    QSet<QString> inFlightIds;
    bool networkDown = false;
    bool laterRetryUsed = false;
    bool releasing = false;

    QNetworkAccessManager* network = nullptr;
    QTimer* flushTimer = nullptr;
    QTimer* retryTimer = nullptr;
    QTimer* laterTimer = nullptr;
};

} // namespace MKBase
