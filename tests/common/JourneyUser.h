#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TestX11;

// A desktop user of their own (home, settings, data, cache, state and
// runtime folders) who starts the real program as a launcher would.
class JourneyUser
{
public:
    explicit JourneyUser(const QString& name);
    ~JourneyUser();

    QProcess* Launch(const QStringList& args, const QString& workDir = QString(), const QString& startupId = QString());
    // Changes the environment of later launches; a null value removes the name.
    void SetEnv(const QString& name, const QString& value);
    QString Root() const { return root; }
    QProcessEnvironment Environment() const { return env; }
    // Closes every document window as a window manager would, answering the
    // close-all question with its default; true when the process then ended
    // by itself with 0.
    static bool CloseAll(TestX11& x11, QProcess* process);
    // Presses keys in the process's question, focused first: on a busy
    // machine it may not have the focus yet when it shows. No keys: true.
    static bool Answer(TestX11& x11, QProcess* process, const QStringList& keys);
    // A file of the program's state folder.
    QByteArray File(const QString& relative) const;
    QByteArray RecentList() const { return File("recentfiles.json"); }
    QByteArray Log() const { return File("log/PDF.log"); }
    // The recovery copies in the state folder.
    QStringList RecoveryCopies() const;

    // A process's document windows (wide) and its smaller ones (questions,
    // the picture that follows a dragged tab) on the test display.
    static QList<quint32> MainWindows(TestX11& x11, QProcess* process) { return Windows(x11, process, true); }
    static QList<quint32> SmallWindows(TestX11& x11, QProcess* process) { return Windows(x11, process, false); }
    static QList<quint32> Windows(TestX11& x11, QProcess* process, bool bWide);

private:
    QString root;
    QProcessEnvironment env;
    std::vector<std::unique_ptr<QProcess>> processes;
};
