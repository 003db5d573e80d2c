#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

// Every test process gets its own HOME, XDG folders and temp folder, made
// before the application object exists and removed when the process ends,
// so no test touches the real user's files or another test's leftovers.
class TestEnv
{
public:
    enum Display { Offscreen, Xvfb };

    static void Setup(Display display);
    static QString Root();
    static QString Home();
    // A fresh folder below the root for one test's files.
    static QString MakeDir(const QString& name);
    // The environment child processes of a test run with.
    static QProcessEnvironment ChildEnvironment();

    // A child process run to its end, or killed when it outlasts the timeout.
    struct ChildResult
    {
        bool finished = false;
        QProcess::ExitStatus status = QProcess::NormalExit;
        int code = -1;
        QByteArray out;
        QByteArray err;
        // The exit code; -100 when it had to be killed, -200 when it crashed.
        int ExitCode() const { return !finished ? -100 : status == QProcess::NormalExit ? code : -200; }
        QString Output() const { return QString::fromUtf8(out + err); }
    };
    // Starts program with the child environment plus "NAME=value" entries,
    // in workDir when one is given.
    static std::unique_ptr<QProcess> StartChild(const QString& program, const QStringList& args,
                                                const QStringList& extraEnv = {}, const QString& workDir = QString());
    // The same, run to its end.
    static ChildResult RunChild(const QString& program, const QStringList& args, const QStringList& extraEnv = {},
                                int timeoutMs = 60000, const QString& workDir = QString());
    // Removes the shared memory and semaphores of this test's instances
    // (those a killed process could not remove itself), or of the instances
    // of another runtime folder.
    static void RemoveIpcObjects(const QString& runtimeDir = QString());
    // Cleans up and ends the process at once, without static destructors.
    [[noreturn]] static void EndNow(int code);
    // Resident memory of a process (this one for 0), for benchmarks; -1
    // when unknown.
    static qint64 ResidentKiB(qint64 pid = 0);
};
