#include "ReportConsent.h"

#include "CAppPaths.h"
#include "CCrashReporter.h"
#include "CGaReportManager.h"
#include "CReportConsent.h"
#include "CrashReport.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MKMultiViewManager.h"
#include "UsageReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

void ApplyConsent()
{
    MKApplication* app = MKApplication::getInstance();
    if (!app)
        return;
    const QString settings = MKApplication::FrameworkSettingsPath();
    if (MKBase::CReportConsent::IsAllowed(settings, MKBase::CReportConsent::Usage)) {
        InitUsageReport(app->Bundle(), app->Region());
        CountLaunchOnce();
    } else {
        // Kept from before: it must never go out now.
        MKBase::CGaReportManager::getInstance()->RetryStored();
    }
    CrashIdentity crash;
    if (MKBase::CReportConsent::IsAllowed(settings, MKBase::CReportConsent::Crashes)) {
        if (CrashIdentityForBrand(app->Bundle(), app->Region(), &crash))
            InitCrashReport(crash.database, crash.userName, crash.email);
    } else if (QFileInfo::exists(CrashReportDir())) {
        MKBase::CCrashReporter::TrimReports(CrashReportDir(), 0);
    }
}

// Yes or no; closing the question is a no, the answer it defaults to.
bool AskOnce(QWidget* window)
{
    const QString title = MKApplication::getInstance()->GetAppValue("Title");
    MKMessageBox box(
        true, window, QCoreApplication::translate("ReportConsent", "Help Improve %1").arg(title),
        QCoreApplication::translate("ReportConsent", "Send anonymous usage statistics and crash reports?"),
        QCoreApplication::translate("ReportConsent",
                                    "They tell how often %1 starts and what made it crash, never which documents you "
                                    "open or anything about you. You can change this at any time in Preferences.")
            .arg(title),
        QCoreApplication::translate("ReportConsent", "No"), QString(),
        QCoreApplication::translate("ReportConsent", "Yes"));
    box.setObjectName("report_consent");
    box.setFixedWidth(440);
    // Neither answer is dressed up as the expected one; Enter means no.
    box.Button(3)->setProperty("confirm", false);
    box.Button(3)->style()->unpolish(box.Button(3));
    box.Button(3)->style()->polish(box.Button(3));
    // Enter presses the button that has the focus, No to begin with.
    for (int id : {1, 3})
        box.Button(id)->setAutoDefault(true);
    box.Button(3)->setDefault(false);
    box.Button(1)->setDefault(true);
    box.Button(1)->setFocus();
    if (window)
        box.ShowMask(window, false);
    return box.exec() == 3;
}

} // namespace

void FollowReportConsent()
{
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    QObject::connect(MKBase::CReportConsent::getInstance(), &MKBase::CReportConsent::SignalChanged, qApp,
                     &ApplyConsent);
}

void AskReportConsentThenCount(MKMultiViewManager* manager)
{
    const QString settings = MKApplication::FrameworkSettingsPath();
    if (MKBase::CReportConsent::IsSettled(settings)) {
        CountLaunchOnce();
        return;
    }
    QWidget* window = manager ? manager->CurrentView() : nullptr;
    // One question at a time, and none over a window on its way out.
    if (QApplication::activeModalWidget() || (window && !window->isVisible())) {
        QPointer<MKMultiViewManager> guard(manager);
        QTimer::singleShot(500, qApp, [guard]() { AskReportConsentThenCount(guard.data()); });
        return;
    }
    const bool yes = AskOnce(window);
    MKBase::CReportConsent::getInstance()->Set(settings, yes, yes);
}
