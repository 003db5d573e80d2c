#pragma once

#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace MKBase {

// Collects usage events for the analytics channel and the brand's report
// service. Events are held in order until delivery is possible.
class CGaReportManager : public QObject
{
    Q_OBJECT
public:
    static CGaReportManager* getInstance(QObject* parent = nullptr);

    void InitGaData(const QString& tablePath, const QString& pcid, const QString& measurementId,
                    const QString& apiSecret);
    void InitQvData(const QString& reportUrl, const QString& pcid, const QString& productId,
                    const QString& version, const QString& qd);
    void SendGaReport(const QString& eventKey, const QString& label, bool bNow);
    void SendQvReport(const QString& name, const QString& value);
    static void ReleaseReport();

    bool IsGaReady() const { return !measurementId.isEmpty(); }
    // Events waiting for delivery, oldest first.
    QList<QVariantMap> PendingGaEvents() const { return pendingGa; }
    QList<QVariantMap> PendingQvEvents() const { return pendingQv; }

private:
    explicit CGaReportManager(QObject* parent);
    QJsonObject FindEvent(const QString& eventKey) const;

    QJsonArray eventTable;
    QString gaPcid;
    QString measurementId;
    QString apiSecret;
    QString reportUrl;
    QString qvPcid;
    QString productId;
    QString version;
    QString channel;
    QList<QVariantMap> pendingGa;
    QList<QVariantMap> pendingQv;
};

} // namespace MKBase
