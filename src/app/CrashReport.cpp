#include "CrashReport.h"

#include "CAppPaths.h"
#include "CCrashReporter.h"
#include "CCrashUploader.h"
#include "CGaReportManager.h"
#include "CReportConsent.h"
#include "CServiceUrl.h"
#include "LoggerObject.h"
#include "MKApplication.h"

#include <QFileInfo>

namespace {

bool& Installed()
{
    static bool installed = false;
    return installed;
}

bool CrashesAllowed()
{
    return MKBase::CReportConsent::IsAllowed(MKApplication::FrameworkSettingsPath(), MKBase::CReportConsent::Crashes);
}

} // namespace

bool CrashIdentityForBrand(const QString& bundle, const QString& region, CrashIdentity* identity)
{
    CrashIdentity result;
    if (bundle == QLatin1String("rv")) {
        result = {QStringLiteral("rvpdf_linux"), QStringLiteral("RVPDF User"), QStringLiteral("crash@rvpdf.example")};
    } else if (bundle == QLatin1String("mk") && region != QLatin1String("domestic")) {
        result = {QStringLiteral("marvikpdf_intl"), QStringLiteral("Marvik User"),
                  QStringLiteral("crash@marvikpdf.example")};
    } else if (bundle == QLatin1String("mk")) {
        result = {QStringLiteral("marvikpdf_cn"), QStringLiteral("Marvik User"),
                  QStringLiteral("crash@marvikpdf.cn.example")};
    } else {
        return false;
    }
    if (identity)
        *identity = result;
    return true;
}

QString CrashReportDir()
{
    return MKBase::CAppPaths::CrashReportDir();
}

QString CrashLogFilePath()
{
    // The logger starts after the reporter, so the path is named here.
    return MKBase::CAppPaths::LogBaseDir() + QStringLiteral("/log/PDF.log");
}

void InitCrashReport(const QString& database, const QString& userName, const QString& email)
{
    MKApplication* app = MKApplication::getInstance();
    if (!app || Installed() || !CrashesAllowed())
        return;
    QString prefix = app->GetAppValue("VersionPrefix");
    if (prefix.isEmpty())
        prefix = QStringLiteral("linux_");

    MKBase::CrashReportValues values;
    values.database = database;
    values.application = app->GetAppValue("Title");
    values.version = prefix + app->GetAppValue("AppVersion");
    values.userName = userName;
    values.email = email;
    values.description = QStringLiteral("This is the default user crash description.");
    values.notes = QStringLiteral("Additional 'notes' data supplied through API");
    Installed() = MKBase::CCrashReporter::Install(CrashReportDir(), values, CrashLogFilePath(), CrashCallback);
}

bool CrashCallback(unsigned int code, void* value1, void* value2)
{
    Q_UNUSED(value2);
    if (code != MKBase::CCrashReporter::kCrashEventCode)
        return false;
    MKBase::CGaReportManager::getInstance()->SendGaReport("Crashed", "", false);
    MKBase::CGaReportManager::getInstance()->SendQvReport("crash", "none");
    const int signal = value1 ? *static_cast<const int*>(value1) : 0;
    MK_LOG("crash of an earlier run reported, signal %d", signal);
    return false;
}

bool IsCrashReportInstalled()
{
    return Installed();
}

QUrl CrashUploadUrl()
{
    MKApplication* app = MKApplication::getInstance();
    const QString configured = app ? app->GetAppValue("FormalReport") + QStringLiteral("/crash/v1/upload") : QString();
    return MKBase::CServiceUrl::Resolve("RVPDF_CRASH_URL", configured);
}

MKBase::CCrashUploader* StartCrashUpload(int nTimeoutMs)
{
    MKApplication* app = MKApplication::getInstance();
    const QString dir = CrashReportDir();
    if (!app || !CrashIdentityForBrand(app->Bundle(), app->Region(), nullptr) || !QFileInfo::exists(dir))
        return nullptr;
    MKBase::CCrashReporter::TrimReports(dir);
    MKBase::CCrashReporter::DeliverDueEvents(dir, CrashCallback);
    if (!CrashesAllowed()) {
        // Kept from before the user said no: they never go out now.
        MKBase::CCrashReporter::TrimReports(dir, 0);
        return nullptr;
    }
    if (MKBase::CCrashReporter::PendingReports(dir).isEmpty())
        return nullptr;
    const QUrl url = CrashUploadUrl();
    if (!MKBase::CServiceUrl::IsAllowed(url)) {
        MK_LOG("crash reports not sent: address refused: %s", qUtf8Printable(url.toString()));
        return nullptr;
    }
    auto* uploader = new MKBase::CCrashUploader(dir, url, app);
    uploader->SetTimeout(nTimeoutMs);
    QObject::connect(uploader, &MKBase::CCrashUploader::SignalFinished, uploader, &QObject::deleteLater);
    uploader->Start();
    return uploader;
}
