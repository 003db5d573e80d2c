#include "CUpdateDialog.h"

#include "CJsonReader.h"
#include "CUpdateChecker.h"
#include "MKApplication.h"
#include "QWKDialogBar.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

// Brand texts may leave the placeholder out; arg() would then complain.
QString Fill(const QString& strText, const QString& strValue)
{
    return strText.contains(QLatin1String("%1")) ? strText.arg(strValue) : strText;
}

} // namespace

CUpdateDialog::CUpdateDialog(QWidget* parent, const QString& strTextsPath)
    : QWKDialog(parent)
    , texts(MKBase::CJsonReader::ParseJsonFileToObject(strTextsPath.isEmpty() ? CUpdateChecker::TextsPath()
                                                                              : strTextsPath))
    , checker(new CUpdateChecker(this))
{
    setObjectName("update_dialog");
    SetTitle(Text("Title", tr("Check for Updates")));
    setMinimumWidth(380);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);

    statusLabel = new QLabel(contentWidget());
    statusLabel->setObjectName("label_message");
    statusLabel->setWordWrap(true);
    layout->addWidget(statusLabel);

    infoLabel
        = new QLabel(tr("You are using version %1.").arg(QCoreApplication::applicationVersion()), contentWidget());
    infoLabel->setObjectName("label_info");
    infoLabel->setWordWrap(true);
    layout->addWidget(infoLabel);
    layout->addSpacing(12);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    closeButton = new QPushButton(Text("Close", tr("Close")), contentWidget());
    closeButton->setObjectName("button_ok");
    closeButton->setProperty("confirm", false);
    downloadButton = new QPushButton(Text("Download", tr("Download")), contentWidget());
    downloadButton->setObjectName("button_download");
    downloadButton->setProperty("confirm", true);
    downloadButton->hide();
    for (QPushButton* button : {closeButton, downloadButton}) {
        button->setMinimumSize(80, 30);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    layout->addLayout(row);

    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(downloadButton, &QPushButton::clicked, this, &CUpdateDialog::SlotClickedDownload);
    connect(checker, &CUpdateChecker::SignalFinished, this, &CUpdateDialog::SlotCheckFinished);
    // Nobody waits for an answer once the dialog is gone.
    connect(this, &QDialog::finished, checker, &CUpdateChecker::Abort);
    ShowChecking();
}

CUpdateDialog::~CUpdateDialog() = default;

QString CUpdateDialog::Text(const char* pszKey, const QString& strFallback) const
{
    const QString value = texts.value(QLatin1String(pszKey)).toString().trimmed();
    return value.isEmpty() ? strFallback : value;
}

void CUpdateDialog::ShowChecking()
{
    result = -1;
    downloadUrl = QUrl();
    downloadButton->hide();
    statusLabel->setText(tr("Checking for updates..."));
}

void CUpdateDialog::Start()
{
    checker->Abort();
    ShowChecking();
    checker->Start();
}

void CUpdateDialog::Start(const QUrl& urlEndpoint)
{
    checker->Abort();
    ShowChecking();
    checker->Start(urlEndpoint);
}

QString CUpdateDialog::StatusText() const
{
    return statusLabel->text();
}

void CUpdateDialog::SlotCheckFinished(int nResult, const QString& strVersion, const QUrl& url)
{
    result = nResult;
    MKApplication* app = MKApplication::getInstance();
    const QString title = app ? app->GetAppValue("Title") : QString();
    switch (nResult) {
    case CUpdateChecker::UpToDate:
        statusLabel->setText(Fill(Text("UpToDate", tr("%1 is up to date.")), title));
        break;
    case CUpdateChecker::NewVersion: {
        statusLabel->setText(Fill(Text("NewVersion", tr("A new version %1 is available.")), strVersion));
        downloadUrl = url;
        if (!downloadUrl.isValid())
            downloadUrl = QUrl(Text("DownloadUrl", QString()), QUrl::StrictMode);
        downloadButton->setVisible(downloadUrl.isValid() && !downloadUrl.isEmpty());
        downloadButton->setDefault(true);
        break;
    }
    default:
        statusLabel->setText(Text("Failed",
                                  tr("Could not reach the update service. "
                                     "Please check your connection and try again.")));
        break;
    }
    adjustSize();
    emit SignalCheckFinished(nResult);
}

void CUpdateDialog::SlotClickedDownload()
{
    if (downloadUrl.isValid())
        QDesktopServices::openUrl(downloadUrl);
    accept();
}
