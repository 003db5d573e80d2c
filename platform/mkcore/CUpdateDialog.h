#pragma once

#include "QWKDialog.h"

#include <QJsonObject>
#include <QUrl>

class CUpdateChecker;
class QLabel;
class QPushButton;

// "Check for Updates": says it is checking at once and the answer when the
// checker has one. Meant to be shown with show(), never exec(), so the
// application keeps running while the service is asked.
class CUpdateDialog : public QWKDialog
{
    Q_OBJECT
public:
    explicit CUpdateDialog(QWidget* parent = nullptr, const QString& strTextsPath = QString());
    ~CUpdateDialog() override;

    CUpdateChecker* Checker() const { return checker; }
    // Starts the check of the configured endpoint, or of urlEndpoint.
    void Start();
    void Start(const QUrl& urlEndpoint);

    QString StatusText() const;
    // An EResult once the check ended, -1 before.
    int Result() const { return result; }
    // The page the Download button opens.
    QUrl DownloadUrl() const { return downloadUrl; }

signals:
    void SignalCheckFinished(int nResult);

private:
    void SlotCheckFinished(int nResult, const QString& strVersion, const QUrl& url);
    void SlotClickedDownload();
    QString Text(const char* pszKey, const QString& strFallback) const;
    void ShowChecking();

    QJsonObject texts;
    CUpdateChecker* checker = nullptr;
    QLabel* statusLabel = nullptr;
    QLabel* infoLabel = nullptr;
    QPushButton* downloadButton = nullptr;
    QPushButton* closeButton = nullptr;
    QUrl downloadUrl;
    int result = -1;
};
