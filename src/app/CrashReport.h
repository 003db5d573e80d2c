#pragma once

#include <QString>
#include <QUrl>

namespace MKBase {
class CCrashUploader;
}

struct CrashIdentity
{
    QString database;
    QString userName;
    QString email;
};

// The crash-report identity of a brand; false for brands without crash
// reporting.
bool CrashIdentityForBrand(const QString& bundle, const QString& region, CrashIdentity* identity);

// Installs the crash reporter for this process once the user agreed to
// crash reports; later calls do nothing.
void InitCrashReport(const QString& database, const QString& userName, const QString& email);
// Sends the usage event of a crash (code 0x50). Runs at the start after the
// crash, never inside the crashing process.
bool CrashCallback(unsigned int code, void* value1, void* value2);
// True once InitCrashReport installed the reporter in this process.
bool IsCrashReportInstalled();

// Where reports wait for the next start, and the log they carry.
QString CrashReportDir();
QString CrashLogFilePath();
// The brand's crash endpoint, or RVPDF_CRASH_URL when set.
QUrl CrashUploadUrl();
// Delivers what earlier runs left behind: due usage events at once, reports
// asynchronously. Null when the brand has no crash reporting, nothing is
// pending, the user did not agree (what waits is then deleted) or the address
// is not allowed. The uploader deletes itself after SignalFinished.
MKBase::CCrashUploader* StartCrashUpload(int nTimeoutMs = 10000);
