#include "CrashReport.h"

#include "CGaReportManager.h"
#include "LoggerObject.h"
#include "MKApplication.h"

namespace {

struct ReporterState
{
    bool installed = false;
    QString database;
    QString application;
    QString version;
    QString userName;
    QString email;
};

ReporterState& State()
{
    static ReporterState state;
    return state;
}

} // namespace

bool CrashIdentityForBrand(const QString& bundle, const QString& region, CrashIdentity* identity)
{
    CrashIdentity result;
    if (bundle == QLatin1String("rv")) {
        result = {QStringLiteral("rvpdf_linux"), QStringLiteral("RVPDF User"),
                  QStringLiteral("crash@rvpdf.example")};
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

void InitCrashReport(const QString& database, const QString& userName, const QString& email)
{
    MKApplication* app = MKApplication::getInstance();
    ReporterState& state = State();
    state.database = database;
    state.application = app ? app->GetAppValue("Title") : QString();
    state.version = (app ? app->GetAppValue("VersionPrefix") : QString())
        + (app ? app->GetAppValue("AppVersion") : QString());
    state.userName = userName;
    state.email = email;
    // The identity is kept for the reporter; fatal-signal handlers are not
    // installed yet, so a crash ends the process without a report.
    state.installed = true;
}

bool CrashCallback(unsigned int code, void* value1, void* value2)
{
    Q_UNUSED(value1);
    Q_UNUSED(value2);
    if (code != 0x50)
        return false;
    MKBase::CGaReportManager::getInstance()->SendGaReport("Crashed", "", false);
    MKBase::CGaReportManager::getInstance()->SendQvReport("crash", "none");
    return false;
}

bool IsCrashReportInstalled()
{
    return State().installed;
}
