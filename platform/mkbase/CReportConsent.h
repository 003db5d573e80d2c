#pragma once

#include <QObject>
#include <QString>

namespace MKBase {

// What the user agreed to send: anonymous usage statistics and crash
// reports, asked once at the first start and switched in Preferences. Kept
// in the framework settings under [Reports] (Asked, Usage, Crashes). Nothing
// is allowed before the user said yes; RVPDF_DISABLE_REPORTS (anything but
// "0") and the older "Disabled=true" turn both off whatever else the file
// says, and then there is nothing to ask either.
class CReportConsent : public QObject
{
    Q_OBJECT
public:
    enum Kind { Usage, Crashes };

    static CReportConsent* getInstance();

    static bool IsAllowed(const QString& settingsPath, Kind kind);
    // The question has been answered, or reports are off regardless.
    static bool IsSettled(const QString& settingsPath);
    static bool IsForcedOff(const QString& settingsPath);
    // Stores the answer and tells the process.
    void Set(const QString& settingsPath, bool bUsage, bool bCrashes);

signals:
    void SignalChanged();
};

} // namespace MKBase
