#include "CGaReportManager.h"

#include "CJsonReader.h"
#include "LoggerObject.h"

#include <QDateTime>

namespace MKBase {

CGaReportManager::CGaReportManager(QObject* parent)
    : QObject(parent)
{
}

CGaReportManager* CGaReportManager::getInstance(QObject* parent)
{
    static CGaReportManager* instance = new CGaReportManager(parent);
    return instance;
}

void CGaReportManager::InitGaData(const QString& tablePath, const QString& pcid,
                                  const QString& measurementId_, const QString& apiSecret_)
{
    eventTable = CJsonReader::ParseJsonFileToArray(tablePath);
    gaPcid = pcid;
    measurementId = measurementId_;
    apiSecret = apiSecret_;
}

void CGaReportManager::InitQvData(const QString& reportUrl_, const QString& pcid,
                                  const QString& productId_, const QString& version_,
                                  const QString& qd)
{
    reportUrl = reportUrl_;
    qvPcid = pcid;
    productId = productId_;
    version = version_;
    channel = qd;
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
    Q_UNUSED(bNow);
    if (!IsGaReady())
        return;
    const QJsonObject row = FindEvent(eventKey);
    if (row.isEmpty())
        return;
    QVariantMap event;
    event["name"] = row.value("event_name").toString();
    event["category"] = row.value("event_category").toString();
    event["label"] = label.isEmpty() ? row.value("event_label").toString() : label;
    event["key"] = eventKey;
    event["time"] = QDateTime::currentMSecsSinceEpoch();
    pendingGa.append(event);
}

void CGaReportManager::SendQvReport(const QString& name, const QString& value)
{
    if (reportUrl.isEmpty())
        return;
    QVariantMap event;
    event["name"] = name;
    event["value"] = value;
    event["time"] = QDateTime::currentMSecsSinceEpoch();
    pendingQv.append(event);
}

void CGaReportManager::ReleaseReport()
{
    // Nothing is delivered over the network yet; the queue only lives for
    // this process.
    CGaReportManager* self = getInstance();
    MK_LOG("usage events held: %d ga, %d report", int(self->pendingGa.size()),
           int(self->pendingQv.size()));
}

} // namespace MKBase
