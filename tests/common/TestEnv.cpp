#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CSharedSegment.h"

#include <cstdio>
#include <cstdlib>

#include <dirent.h>

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

// Instances a test killed leave their shared memory and semaphores behind;
// they are found through the key files in the runtime folder, which is ours
// alone, and removed only when they are ours.
void RemoveIpcObjectsIn(const QByteArray& runtimeDir)
{
    // Plain system calls: this also runs at exit, after Qt is gone.
    DIR* dir = runtimeDir.isEmpty() ? nullptr : ::opendir(runtimeDir.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.endsWith(".instance"))
            CSharedSegment::RemoveObjects(runtimeDir + '/' + name);
    }
    ::closedir(dir);
}

QByteArray& IpcRuntimeDir()
{
    static QByteArray dir;
    return dir;
}

void Cleanup()
{
    RemoveIpcObjectsIn(IpcRuntimeDir());
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
    IpcRuntimeDir() = QFile::encodeName(root + "/runtime");
    // Crash and usage reports of the code under test, and of any child process, go to
    // a loopback port with nothing behind it, never to the brand's services.
    SetVar("RVPDF_ANALYTICS_URL", QStringLiteral("http://127.0.0.1:9/mp/collect"));
    SetVar("RVPDF_REPORT_URL", QStringLiteral("http://127.0.0.1:9"));
    SetVar("RVPDF_CRASH_URL", QStringLiteral("http://127.0.0.1:9/crash/v1/upload"));
    // As if the user had said no: the programs under test neither ask nor
    // report. The tests of reporting itself take this back.
    SetVar("RVPDF_DISABLE_REPORTS", QStringLiteral("1"));
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("SESSION_MANAGER");

    if (display == Xvfb) {
        const QByteArray xvfb = qgetenv("RVPDF_TEST_DISPLAY");
        if (!xvfb.isEmpty())
            qputenv("DISPLAY", xvfb);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (qgetenv("RVPDF_TEST_PLATFORM") == "wayland") {
        // The window tests again on a real compositor (scripts/wayland-test.sh).
        qputenv("QT_QPA_PLATFORM", "wayland");
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

std::unique_ptr<QProcess> TestEnv::StartChild(const QString& program, const QStringList& args,
                                              const QStringList& extraEnv, const QString& workDir)
{
    std::unique_ptr<QProcess> process(new QProcess);
    QProcessEnvironment env = ChildEnvironment();
    for (const QString& entry : extraEnv)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process->setProcessEnvironment(env);
    if (!workDir.isEmpty())
        process->setWorkingDirectory(workDir);
    process->start(program, args);
    return process;
}

TestEnv::ChildResult TestEnv::RunChild(const QString& program, const QStringList& args,
                                       const QStringList& extraEnv, int timeoutMs, const QString& workDir)
{
    const std::unique_ptr<QProcess> process = StartChild(program, args, extraEnv, workDir);
    ChildResult result;
    result.finished = process->waitForFinished(timeoutMs);
    if (!result.finished) {
        process->kill();
        process->waitForFinished();
    }
    result.status = process->exitStatus();
    result.code = process->exitCode();
    result.out = process->readAllStandardOutput();
    result.err = process->readAllStandardError();
    return result;
}

void TestEnv::EndNow(int code)
{
    std::fflush(stdout);
    Cleanup();
    std::_Exit(code);
}

void TestEnv::RemoveIpcObjects(const QString& runtimeDir)
{
    RemoveIpcObjectsIn(runtimeDir.isEmpty() ? IpcRuntimeDir() : QFile::encodeName(runtimeDir));
}

qint64 TestEnv::ResidentKiB(qint64 pid)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
