#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace MKBase {

// Sends the reports CCrashReporter left in a folder, oldest first, one at a
// time, as multipart/form-data: every report field, the report text and the
// log copy. A report and its log are deleted once the server accepts them
// (2xx) and kept for a later start otherwise. When the server cannot be
// reached at all the rest of the batch waits for a later start too.
class CCrashUploader : public QObject
{
    Q_OBJECT
public:
    CCrashUploader(const QString& reportDir, const QUrl& endpoint, QObject* parent = nullptr);

    void SetTimeout(int nMs) { timeoutMs = nMs; }
    // Starts sending; returns the number of reports queued. SignalFinished
    // always follows, later, even when there was nothing to send.
    int Start();
    bool IsRunning() const { return running; }

signals:
    void SignalReportSent(const QString& strReport);
    void SignalReportKept(const QString& strReport, const QString& strReason);
    void SignalFinished(int nSent, int nKept);

private:
    void SendNext();
    void OnReplyFinished(QNetworkReply* reply);
    void Finish();

    QString reportDir;
    QUrl endpoint;
    int timeoutMs = 10000;
    bool running = false;
    QStringList queue;
    QString current;
    int sent = 0;
    int kept = 0;
    QNetworkAccessManager* network = nullptr;
};

} // namespace MKBase
