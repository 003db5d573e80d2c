#include "CReportConsent.h"

#include <QFileInfo>
#include <QSettings>

namespace MKBase {

namespace {

const char* const kAsked = "Reports/Asked";
const char* const kUsage = "Reports/Usage";
const char* const kCrashes = "Reports/Crashes";
const char* const kDisabled = "Reports/Disabled";

} // namespace

CReportConsent* CReportConsent::getInstance()
{
    static CReportConsent* instance = new CReportConsent;
    return instance;
}

bool CReportConsent::IsForcedOff(const QString& settingsPath)
{
    const QByteArray env = qgetenv("RVPDF_DISABLE_REPORTS").trimmed();
    if (!env.isEmpty() && env != "0")
        return true;
    // Reading never creates the file: with reports off nothing is written.
    if (settingsPath.isEmpty() || !QFileInfo::exists(settingsPath))
        return false;
    return QSettings(settingsPath, QSettings::IniFormat).value(kDisabled, false).toBool();
}

bool CReportConsent::IsSettled(const QString& settingsPath)
{
    if (IsForcedOff(settingsPath))
        return true;
    return QFileInfo::exists(settingsPath) && QSettings(settingsPath, QSettings::IniFormat).value(kAsked).toBool();
}

bool CReportConsent::IsAllowed(const QString& settingsPath, Kind kind)
{
    if (IsForcedOff(settingsPath) || !QFileInfo::exists(settingsPath))
        return false;
    return QSettings(settingsPath, QSettings::IniFormat).value(kind == Usage ? kUsage : kCrashes, false).toBool();
}

void CReportConsent::Set(const QString& settingsPath, bool bUsage, bool bCrashes)
{
    {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue(kAsked, true);
        settings.setValue(kUsage, bUsage);
        settings.setValue(kCrashes, bCrashes);
        settings.remove(kDisabled);
    }
    emit SignalChanged();
}

} // namespace MKBase
