#pragma once

#include <QProcessEnvironment>
#include <QString>

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
    // Removes the shared memory and semaphores of this test's instances
    // (those a killed process could not remove itself).
    static void RemoveIpcObjects();
    // Resident memory of a process (this one for 0), for benchmarks; -1
    // when unknown.
    static qint64 ResidentKiB(qint64 pid = 0);
};
