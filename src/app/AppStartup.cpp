#include "AppStartup.h"

#include "windows/CLaunchRequest.h"

#include "CJsonReader.h"
#include "MKApplication.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"
#include "windows/CSessionKeeper.h"
#include "windows/CSingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QWidget>

#include <cstdio>

QString ReadBundleId(const QString& bundle, const QString& region)
{
    return ReadBundleIdFromFile(QStringLiteral(":/res/conf/%1_%2/product.json").arg(bundle, region));
}

QString ReadProductValue(const QString& bundle, const QString& region, const QString& key)
{
    return MKBase::CJsonReader::ParseJsonFileToObject(
               QStringLiteral(":/res/conf/%1_%2/product.json").arg(bundle, region))
        .value(key)
        .toString();
}

QString ReadBundleIdFromFile(const QString& productJsonPath)
{
    QString result = QStringLiteral("MarvikPDF");
    const QJsonObject object = MKBase::CJsonReader::ParseJsonFileToObject(productJsonPath);
    if (object.contains("BundleId"))
        result = object.value("BundleId").toString();
    return result;
}

MKBase::CProfileMove::Result MoveOlderProfile()
{
    bool ok = false;
    const int stopAfter = qEnvironmentVariableIntValue("RVPDF_PROFILE_MOVE_STOP", &ok);
    if (ok)
        MKBase::CProfileMove::SetStopAfter(stopAfter);
    return MKBase::CProfileMove::Run(MKBase::CAppPaths::LegacyDir(), MKBase::CAppPaths::LegacyItems());
}

CSessionKeeper* KeepSession(CMainViewManager* manager)
{
    auto* keeper = new CSessionKeeper(manager, MKBase::CAppPaths::SessionDir(), manager);
    QObject::connect(manager, &CMainViewManager::SignalWindowCreated, keeper, &CSessionKeeper::Watch);
    QObject::connect(manager, &CMainViewManager::SignalWindowsChanged, keeper, &CSessionKeeper::SlotSessionChanged);
    return keeper;
}

int RunUntilLastWindowCloses(CSingleInstance& instance, CMainViewManager* manager)
{
    for (;;) {
        // A list taken while the loop runs opens a window, and a quit asked
        // for meanwhile does not end the loop while a window is open.
        const int rc = QApplication::exec();
        // From here on later launches wait for this process to end and start
        // an instance of their own. Lists taken before this point are already
        // posted: they open in a window of their own and the process goes on.
        instance.SetClosing(true);
        // Only those lists count: a count taken before the whole run counted
        // every earlier hand-over, and a window closed but not yet gone then
        // started the loop again with nothing left to end it.
        const int handOvers = manager->HandOverCount();
        QCoreApplication::sendPostedEvents(manager, QEvent::MetaCall);
        // A file handed over just before its window closed opens in a
        // window of its own once its wait is over. (With a window still
        // open, the loop was asked to end: it does.)
        if (manager->PendingOpens() > 0 && !manager->IsTerminating() && !MKApplication::HasOpenMainWindow()) {
            instance.SetClosing(false);
            continue;
        }
        if (manager->HandOverCount() == handOvers || !MKApplication::HasOpenMainWindow())
            return rc;
        instance.SetClosing(false);
    }
}

bool PrintInfoOption(const CLaunchRequest& launch, const QString& title, const QString& version)
{
    if (launch.version) {
        std::printf("%s %s\n", qPrintable(title), qPrintable(version));
        return true;
    }
    if (launch.help) {
        std::printf("Usage: rvpdf [--page N] [--find TEXT] [--] [file]\n"
                    "       rvpdf --install <value> | --uninstall | --help | --version\n\n"
                    "Opens a PDF document in %s, or hands it to the %s already running.\n\n"
                    "  --page N           show page N of the file\n"
                    "  --find TEXT        find TEXT in the file\n"
                    "  --                 the next argument is the file, even if it starts with a dash\n"
                    "  --install <value>  register for PDF files (1: also as the default viewer) and exit\n"
                    "  --uninstall        remove that registration and exit\n"
                    "  --help             show this text and exit\n"
                    "  --version          show the version and exit\n",
                    qPrintable(title), qPrintable(title));
        return true;
    }
    return false;
}
