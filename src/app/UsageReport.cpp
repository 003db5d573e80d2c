#include "UsageReport.h"

#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CGaReportManager.h"
#include "CReportConsent.h"
#include "CServiceUrl.h"
#include "CSystemUtils.h"
#include "MKApplication.h"

#include <QRegularExpression>
#include <QVersionNumber>

namespace {

bool UsageAllowed()
{
    return MKBase::CReportConsent::IsAllowed(MKApplication::FrameworkSettingsPath(), MKBase::CReportConsent::Usage);
}

} // namespace

bool AnalyticsCredentials(const QString& bundle, QString* measurementId, QString* apiSecret)
{
    QString id;
    QString secret;
    if (bundle == QLatin1String("rv")) {
        id = QStringLiteral("G-R7VP2D4F9K");
        secret = QStringLiteral("rVp-8kQ2xN5mT1wZ3cL7aB");
    } else if (bundle == QLatin1String("mk")) {
        id = QStringLiteral("G-M4RV1K8P3Q");
        secret = QStringLiteral("mK2-vP9sL4nR7tX1zQ6wYc");
    } else {
        return false;
    }
    if (measurementId)
        *measurementId = id;
    if (apiSecret)
        *apiSecret = secret;
    return true;
}

void InitUsageReport(const QString& bundle, const QString& region)
{
    MKApplication* app = MKApplication::getInstance();
    auto* reports = MKBase::CGaReportManager::getInstance();
    reports->InitStorage(MKBase::CAppPaths::ReportQueueDir(), MKApplication::FrameworkSettingsPath());
    // Without a yes nothing is set up: not even the machine's hashed id is
    // worked out (it may have to be kept in a file).
    if (!UsageAllowed())
        return;
    const QString table
        = QStringLiteral("%1/ga/%2").arg(MKApplication::ConfProductDirPath(), app->GetAppValue("GaTable"));
    const QString pcid = app->GetAppValue("PCID");
    QString id;
    QString secret;
    if (AnalyticsCredentials(bundle, &id, &secret))
        reports->InitGaData(table, pcid, id, secret);
    // RVPDF_REPORT_URL stands in for the service base, so the paths below
    // still apply (local servers, staging).
    QString base = MKBase::CServiceUrl::Resolve("RVPDF_REPORT_URL", app->GetAppValue("FormalReport")).toString();
    while (base.endsWith('/'))
        base.chop(1);
    QString reportUrl = base + "/log/v1/api/report";
    if (region == QLatin1String("domestic"))
        reportUrl = base + "/v1/log";
    reports->InitQvData(reportUrl, pcid, app->GetProductID(), app->GetAppValue("AppVersion"), app->GetAppValue("qd"));
}

void CountLaunchOnce()
{
    // A launch counted after the user said yes later in the session still
    // counts, once.
    static bool counted = false;
    if (counted || !UsageAllowed())
        return;
    counted = true;
    CountLaunch(QDate::currentDate());
}

void CountLaunch(const QDate& today)
{
    // Its files and the new-user marker are usage data too.
    if (!UsageAllowed())
        return;
    MKApplication* app = MKApplication::getInstance();
    auto* reports = MKBase::CGaReportManager::getInstance();
    reports->SendGaReport("Launch", "", false);
    reports->SendQvReport("mf_show", "none");

    const QString tag = app->GetAppValue("VersionTag").arg(app->GetAppValue("AppVersion"));
    const QString cache = MKBase::CAppPaths::UsageStateDir();

    QDate last = today;
    const QString content = MKBase::CFileUtils::ReadFileData(cache + "/dua.data");
    if (!content.isEmpty() && content.size() == 10)
        last = QDate::fromString(content, "yyyy-MM-dd");
    if (content.isEmpty() || last < today) {
        MKBase::CFileUtils::WriteFileData(cache + "/dua.data", today.toString("yyyy-MM-dd"));
        reports->SendGaReport("User_Count", QStringLiteral("DAU_%1").arg(tag), false);
    }

    const QString running = app->GetAppValue("AppVersion");
    const QString stored = MKBase::CFileUtils::ReadFileData(cache + "/version.data");
    if (stored.isEmpty()
        || QVersionNumber::compare(QVersionNumber::fromString(stored), QVersionNumber::fromString(running)) < 0)
        MKBase::CFileUtils::WriteFileData(cache + "/version.data", running);

    static const QRegularExpression space("\\s");
    const QString brand = app->GetAppValue("BrandName");
    const QString product = app->GetAppValue("ProductName").remove(space);
    if (MKBase::CSystemUtils::IsNewUser(brand, product))
        reports->SendGaReport("User_Count", QStringLiteral("New_User_%1").arg(tag), false);
}
