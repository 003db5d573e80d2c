#include "TestEnv.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QTemporaryDir*& RootDir()
{
    static QTemporaryDir* dir = nullptr;
    return dir;
}

void SetVar(const char* name, const QString& value)
{
    qputenv(name, value.toLocal8Bit());
}

void Cleanup()
{
    delete RootDir();
    RootDir() = nullptr;
}

} // namespace

void TestEnv::Setup(Display display)
{
    if (RootDir())
        return;
    const QString base = QString::fromLocal8Bit(qgetenv("RVPDF_TEST_TMP"));
    RootDir() = new QTemporaryDir((base.isEmpty() ? QDir::tempPath() : base) + "/rvpdf-test-XXXXXX");
    const QString root = RootDir()->path();
    for (const char* sub : {"home", "home/Desktop", "config", "data", "cache", "runtime", "tmp", "state"})
        QDir().mkpath(root + "/" + sub);
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    SetVar("HOME", root + "/home");
    SetVar("XDG_CONFIG_HOME", root + "/config");
    SetVar("XDG_DATA_HOME", root + "/data");
    SetVar("XDG_CACHE_HOME", root + "/cache");
    SetVar("XDG_STATE_HOME", root + "/state");
    SetVar("XDG_RUNTIME_DIR", root + "/runtime");
    SetVar("TMPDIR", root + "/tmp");
    // Crash and usage reports of the code under test, and of any child process, go to
    // a loopback port with nothing behind it, never to the brand's services.
    SetVar("RVPDF_ANALYTICS_URL", QStringLiteral("http://127.0.0.1:9/mp/collect"));
    SetVar("RVPDF_REPORT_URL", QStringLiteral("http://127.0.0.1:9"));
    SetVar("RVPDF_CRASH_URL", QStringLiteral("http://127.0.0.1:9/crash/v1/upload"));
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("SESSION_MANAGER");

    if (display == Xvfb) {
        const QByteArray xvfb = qgetenv("RVPDF_TEST_DISPLAY");
        if (!xvfb.isEmpty())
            qputenv("DISPLAY", xvfb);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::atexit(Cleanup);
}

QString TestEnv::Root()
{
    return RootDir() ? RootDir()->path() : QString();
}

QString TestEnv::Home()
{
    return Root() + "/home";
}

QString TestEnv::MakeDir(const QString& name)
{
    const QString path = Root() + "/files/" + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

QProcessEnvironment TestEnv::ChildEnvironment()
{
    return QProcessEnvironment::systemEnvironment();
}
