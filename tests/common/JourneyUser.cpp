#include "JourneyUser.h"

#include "TestEnv.h"
#include "TestPdf.h"
#include "TestX11.h"

#include <QDir>
#include <QFile>
#include <QTest>

JourneyUser::JourneyUser(const QString& name)
    : root(TestEnv::MakeDir(name))
{
    env = TestEnv::ChildEnvironment();
    for (const char* sub : {"home", "config", "data", "cache", "state", "runtime"})
        QDir(root).mkpath(sub);
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("HOME", root + "/home");
    env.insert("XDG_CONFIG_HOME", root + "/config");
    env.insert("XDG_DATA_HOME", root + "/data");
    env.insert("XDG_CACHE_HOME", root + "/cache");
    env.insert("XDG_STATE_HOME", root + "/state");
    env.insert("XDG_RUNTIME_DIR", root + "/runtime");
}

JourneyUser::~JourneyUser()
{
    for (auto& process : processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished();
        }
    }
    TestEnv::RemoveIpcObjects(root + "/runtime");
}

QProcess* JourneyUser::Launch(const QStringList& args, const QString& workDir, const QString& startupId)
{
    processes.emplace_back(new QProcess);
    QProcess* process = processes.back().get();
    QProcessEnvironment launchEnv = env;
    if (!startupId.isEmpty())
        launchEnv.insert("DESKTOP_STARTUP_ID", startupId);
    process->setProcessEnvironment(launchEnv);
    process->setWorkingDirectory(workDir.isEmpty() ? root + "/home" : workDir);
    process->start(RVPDF_BINARY, args);
    process->waitForStarted();
    return process;
}

void JourneyUser::SetEnv(const QString& name, const QString& value)
{
    if (value.isNull())
        env.remove(name);
    else
        env.insert(name, value);
}

QByteArray JourneyUser::File(const QString& relative) const
{
    return TestPdf::ReadBytes(root + "/state/rvpdf/" + relative);
}

QStringList JourneyUser::RecoveryCopies() const
{
    return QDir(root + "/state/rvpdf/recovery").entryList({"*.json"}, QDir::Files);
}

QList<quint32> JourneyUser::Windows(TestX11& x11, QProcess* process, bool bWide)
{
    QList<quint32> found;
    for (quint32 window : x11.WindowsOf(process->processId())) {
        if ((x11.Geometry(window).width() >= 600) == bWide)
            found << window;
    }
    return found;
}

bool JourneyUser::CloseAll(TestX11& x11, QProcess* process)
{
    for (quint32 window : MainWindows(x11, process)) {
        if (!x11.SendDeleteWindow(window))
            return false;
        // A window of several tabs asks first; its default is to close them all.
        if (!QTest::qWaitFor(
                [&]() { return !SmallWindows(x11, process).isEmpty() || !MainWindows(x11, process).contains(window); },
                30000))
            return false;
        if (!SmallWindows(x11, process).isEmpty() && !Answer(x11, process, {"Return"}))
            return false;
    }
    return process->waitForFinished(30000) && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

bool JourneyUser::Answer(TestX11& x11, QProcess* process, const QStringList& keys)
{
    const QList<quint32> questions = SmallWindows(x11, process);
    if (keys.isEmpty())
        return true;
    if (questions.isEmpty())
        return false;
    return QProcess::execute("xdotool", QStringList {"windowfocus", "--sync", QString::number(questions.first()), "key"} + keys)
           == 0;
}
