#include "AppStartup.h"
#include "CommandParser.h"
#include "CrashReport.h"
#include "CSystemUtils.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "UsageReport.h"
#include "windows/CMainViewManager.h"
#include "windows/CSingleInstance.h"

#include <QDebug>
#include <QStyleFactory>

#include <cstdio>
#include <ctime>

namespace {

// RVPDF_STARTUP_PROBE=1 prints the wall-clock time (microseconds) at which
// the first window was first painted and quits, so start-up can be measured
// from outside.
class StartupProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Paint) {
            timespec now {};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint %lld\n", (long long)now.tv_sec * 1000000LL + now.tv_nsec / 1000);
            std::fflush(stdout);
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QString bundle = QStringLiteral(RVPDF_BUNDLE);
    QString region = QStringLiteral(RVPDF_REGION);
    if (bundle.isEmpty())
        bundle = QStringLiteral("rv");
    if (region.isEmpty())
        region = QStringLiteral("overseas");

    const QString strBundleId = ReadBundleId(bundle, region);
    qDebug() << "strBundleId" << strBundleId;

    CSingleInstance instance(strBundleId);
    const QStringList argumentList = BuildArgumentList(argc, argv);
    if (instance.IsRunning()) {
        instance.SendArguments(argumentList);
        return 0;
    }

    MKBase::CSystemUtils::SkipOpenGLIntegration();
    MKBase::CSystemUtils::EnableHighDPISupport(false);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    MKApplication app(argc, argv);
    QCoreApplication::setApplicationVersion("2.0.0.4");
    app.InitProduct(bundle, region);

    CrashIdentity crash;
    if (CrashIdentityForBrand(bundle, region, &crash))
        InitCrashReport(crash.database, crash.userName, crash.email);

    const QString version = app.GetAppValue("AppVersion");
    MKBase::LoggerObject::InitLogger("PDF.log", MKApplication::AppCacheDirPath().toUtf8().constData());
    MK_LOG("AppVersion:%s", qUtf8Printable(version));
    MK_LOG("app path:%s", qUtf8Printable(MKApplication::AppDirPath()));

    InitUsageReport(bundle, region);

    if (ParserCmd(app)) {
        MKBase::LoggerObject::ReleaseLogger();
        return 0;
    }

    CMainViewManager* manager = CMainViewManager::getInstance();
    manager->StartSemaphoreThread(strBundleId);
    QWidget* window = manager->CreateMainView(nullptr);
    manager->SetCurrentView(window);
    StartupProbe probe;
    if (qEnvironmentVariableIsSet("RVPDF_STARTUP_PROBE"))
        window->installEventFilter(&probe);
    window->show();
    app.installNativeEventFilter(manager);
    manager->OpenArguments(argumentList);

    const int rc = QApplication::exec();
    MK_LOG("App Exit");
    MainBox::DestroyPDF();
    MKBase::LoggerObject::ReleaseLogger();
    return rc;
}
