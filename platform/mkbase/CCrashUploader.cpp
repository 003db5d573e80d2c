#include "CCrashUploader.h"

#include "CCrashReporter.h"
#include "LoggerObject.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace MKBase {

namespace {

QHttpPart TextPart(const QString& name, const QString& value)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"%1\"").arg(name));
    part.setBody(value.toUtf8());
    return part;
}

QHttpPart FilePart(const QString& name, const QString& path)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/plain; charset=utf-8"));
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"").arg(name, QFileInfo(path).fileName()));
    QFile file(path);
    // Both files are small (the log copy is capped), and reading them now
    // means nothing changes under the upload.
    part.setBody(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    return part;
}

// "Fault address" -> "fault_address": form field names without spaces.
QString FieldName(const QString& key)
{
    QString name = key.toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('-'), QString());
    return name;
}

} // namespace

CCrashUploader::CCrashUploader(const QString& reportDir_, const QUrl& endpoint_, QObject* parent)
    : QObject(parent)
    , reportDir(reportDir_)
    , endpoint(endpoint_)
{
}

int CCrashUploader::Start()
{
    if (running)
        return queue.size();
    running = true;
    sent = 0;
    kept = 0;
    queue = CCrashReporter::PendingReports(reportDir);
    const int count = queue.size();
    QTimer::singleShot(0, this, &CCrashUploader::SendNext);
    return count;
}

void CCrashUploader::SendNext()
{
    if (queue.isEmpty()) {
        Finish();
        return;
    }
    if (!network) {
        network = new QNetworkAccessManager(this);
        connect(network, &QNetworkAccessManager::finished, this, &CCrashUploader::OnReplyFinished);
    }
    current = queue.takeFirst();

    const QMap<QString, QString> fields = CCrashReporter::ReadReportFields(current);
    auto* body = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        body->append(TextPart(FieldName(it.key()), it.value()));
    body->append(FilePart(QStringLiteral("report"), current));
    const QString log = CCrashReporter::LogCopyPath(current);
    if (!log.isEmpty())
        body->append(FilePart(QStringLiteral("log"), log));

    QNetworkRequest request(endpoint);
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("%1/%2").arg(fields.value(QStringLiteral("Application")),
                                                  fields.value(QStringLiteral("Version"))));
    QNetworkReply* reply = network->post(request, body);
    body->setParent(reply);
}

void CCrashUploader::OnReplyFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
        QFile::remove(current);
        QFile::remove(current.chopped(4) + QStringLiteral(".log"));
        ++sent;
        MK_LOG("crash report sent: %s", qUtf8Printable(QFileInfo(current).fileName()));
        emit SignalReportSent(current);
    } else {
        const QString reason = status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
        ++kept;
        MK_LOG("crash report kept: %s (%s)", qUtf8Printable(QFileInfo(current).fileName()), qUtf8Printable(reason));
        emit SignalReportKept(current, reason);
        // No answer at all: the others would fare no better now.
        if (!status) {
            for (const QString& path : qAsConst(queue)) {
                ++kept;
                emit SignalReportKept(path, reason);
            }
            queue.clear();
        }
    }
    current.clear();
    SendNext();
}

void CCrashUploader::Finish()
{
    running = false;
    emit SignalFinished(sent, kept);
}

} // namespace MKBase
