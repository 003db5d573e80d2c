#include "AppEntry.h"
#include "AppStartup.h"
#include "CAppPaths.h"
#include "CSystemUtils.h"
#include "CTerminationSignals.h"
#include "CommandParser.h"
#include "CrashReport.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "ReportConsent.h"
#include "RvpdfVersion.h"
#include "UsageReport.h"
#include "setting/CSettingManager.h"
#include "setting/SettingKeys.h"
#include "tabbar/CTabBar.h"
#include "windows/CLaunchRequest.h"
#include "windows/CMainViewManager.h"
#include "windows/CSessionKeeper.h"
#include "windows/CSingleInstance.h"

#include <QDir>
#include <QIcon>
#include <QJsonDocument>
#include <QStyleFactory>
#include <QTimer>

#include <memory>
#include <optional>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// How long the first window may wait for the desktop's colour scheme.
constexpr int kThemeWaitMs = 150;

// RVPDF_STARTUP_PROBE=1 prints the wall-clock time (microseconds) at which
// the first window was first painted, and the skin it was painted in, and quits; RVPDF_STARTUP_PROBE=page
// waits instead for the first page of the opened document to be painted,
// printing "tab" with the time its tab was first painted before that.
// Start-up is measured from outside with it.
class StartupProbe : public QObject
{
public:
    StartupProbe(QWidget* window, bool waitForPage)
        : target(window)
    {
        if (!waitForPage) {
            window->installEventFilter(this);
            return;
        }
        // Any document's first page: only the one on show paints, and a
        // restored session has several behind it.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this]() {
            if (auto* bar = target->findChild<CTabBar*>(); bar && !tabShown)
                bar->installEventFilter(this);
            const QList<MainBox*> boxes = target->findChildren<MainBox*>();
            for (MainBox* box : boxes)
                connect(box, &MainBox::SignalFirstPagePainted, this, &StartupProbe::Report, Qt::UniqueConnection);
        });
        poll->start(2);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The tab bar painting its first tab: the tab is on screen.
        auto* bar = qobject_cast<CTabBar*>(watched);
        if (bar) {
            if (event->type() == QEvent::Paint && bar->GetItemCount() > 0 && !tabShown) {
                tabShown = true;
                bar->removeEventFilter(this);
                Print("tab");
            }
            return QObject::eventFilter(watched, event);
        }
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            Report();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report()
    {
        if (reported)
            return;
        reported = true;
        Print("painted");
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    static void Print(const char* what)
    {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%s %lld %s\n", what, static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000,
                    qPrintable(MKApplication::getInstance()->EffectiveSkin()));
        std::fflush(stdout);
    }

    QWidget* target;
    bool tabShown = false;
    bool reported = false;
};

} // namespace

int RvpdfRunApplication(int argc, char** argv, CSingleInstance* launched)
{
    QString bundle = QStringLiteral(RVPDF_BUNDLE);
    QString region = QStringLiteral(RVPDF_REGION);
    if (bundle.isEmpty())
        bundle = QStringLiteral("rv");
    if (region.isEmpty())
        region = QStringLiteral("overseas");

    const CLaunchRequest launch = CLaunchRequest::Parse(BuildArgumentList(argc, argv), QDir::currentPath());
    // A mistake on the command line is told here, whether or not an
    // instance runs: it is never handed over as a file.
    if (!launch.error.isEmpty()) {
        std::fprintf(stderr, "rvpdf: %s\nTry 'rvpdf --help'.\n", qUtf8Printable(launch.error));
        return 1;
    }
    if (PrintInfoOption(launch, ReadProductValue(bundle, region, "Title"), RVPDF_VERSION))
        return 0;

    const QString strBundleId = ReadBundleId(bundle, region);

    // The process entry made the guard and found no instance running.
    std::optional<CSingleInstance> own;
    CSingleInstance& instance = launched ? *launched : own.emplace(strBundleId);
    const QStringList argumentList = launch.HandOver();
    if (!launched && instance.IsRunning()) {
        const int rc = HandOverToRunningInstance(instance, strBundleId, argumentList);
        if (rc >= 0)
            return rc;
    }

    MKBase::CSystemUtils::SkipOpenGLIntegration();
    MKBase::CSystemUtils::TuneMemory();
    MKBase::CSystemUtils::EnableHighDPISupport(false);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    MKApplication app(argc, argv);
    QIcon appIcon;
    for (int size : {16, 32, 48, 64, 128, 256})
        appIcon.addFile(QStringLiteral(":/res/app/rvpdf_%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(appIcon);
    QCoreApplication::setApplicationVersion(RVPDF_VERSION);
    app.InitProduct(bundle, region);
    // Before anything reads or writes a file of the profile.
    const MKBase::CProfileMove::Result moved = MoveOlderProfile();

    CrashIdentity crash;
    if (CrashIdentityForBrand(bundle, region, &crash))
        InitCrashReport(crash.database, crash.userName, crash.email);

    const QString version = app.GetAppValue("AppVersion");
    MKBase::LoggerObject::InitLogger(QStringLiteral("PDF.log"), MKBase::CAppPaths::LogBaseDir());
    MK_LOG("AppVersion:%s", qUtf8Printable(version));
    MK_LOG("app path:%s", qUtf8Printable(MKApplication::AppDirPath()));
    if (moved.moved || moved.kept)
        MK_LOG("older profile moved: %d item(s), %d left in place", moved.moved, moved.kept);

    InitUsageReport(bundle, region);
    FollowReportConsent();

    if (ParserCmd(launch, app)) {
        MKBase::LoggerObject::ReleaseLogger();
        return 0;
    }

    CMainViewManager* manager = CMainViewManager::getInstance();
    // Asked, and counted, once the first window had its second to come up.
    QTimer::singleShot(1000, &app, [manager]() { AskReportConsentThenCount(manager); });
    // On a dark desktop the first frame must already be dark.
    manager->StartThemeWatcher(kThemeWaitMs);
    manager->StartSemaphoreThread(instance.Key());
    if (CTerminationSignals* termination = CTerminationSignals::Install())
        QObject::connect(termination, &CTerminationSignals::SignalTerminationRequested, manager,
                         &CMainViewManager::SlotTerminate);
    // The session follows every window, the first one included.
    CSessionKeeper* session = KeepSession(manager);
    QWidget* window = manager->CreateMainView(nullptr);
    manager->SetCurrentView(window);
    std::unique_ptr<StartupProbe> probe;
    if (qEnvironmentVariableIsSet("RVPDF_STARTUP_PROBE"))
        probe.reset(new StartupProbe(window, qgetenv("RVPDF_STARTUP_PROBE") == "page"));
    window->show();
    // The platform reads it when it makes the first window, not before.
    MKBase::CSystemUtils::RestoreStartupEnvironment();
    app.installNativeEventFilter(manager);
    // The last session comes back first; a file given on the command line
    // opens in addition, 200 ms later, and becomes the current one.
    session->Restore(window,
                     CSettingManager::getInstance()->GetGeneral().value(SettingKey::kReopenDocuments, true).toBool());
    if (qEnvironmentVariableIsSet("RVPDF_SESSION_PROBE")) {
        // The restored session as the next save would write it, and what
        // the user would be told; then the application ends.
        std::printf("session %s\n", QJsonDocument(session->Collect()).toJson(QJsonDocument::Compact).constData());
        for (const QString& notice : session->Notices())
            std::printf("notice %s\n", qUtf8Printable(QString(notice).replace('\n', " | ")));
        std::fflush(stdout);
        session->Finish();
        manager->StopSemaphoreThread();
        MainBox::DestroyPDF();
        return 0;
    }
    QTimer::singleShot(0, window, [session, window]() { session->Greet(window); });
    manager->OpenArguments(argumentList);
    // Reports of earlier crashes go out once the window is up, never in its way.
    QTimer::singleShot(3000, &app, []() { StartCrashUpload(); });

    const int rc = RunUntilLastWindowCloses(instance, manager);
    manager->StopSemaphoreThread();
    session->Finish();
    MK_LOG("App Exit");
    const bool idle = MainBox::DestroyPDF();
    MKBase::LoggerObject::ReleaseLogger();
    // A file still being read needs the parser's globals to the end.
    if (!idle)
        std::_Exit(rc);
    return rc;
}
