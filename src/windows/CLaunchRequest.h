#pragma once

#include <QString>
#include <QStringList>

// What a command line asks for, read at the start and again by the running
// instance from a hand-over (data from another process, so read with the
// same care): the file to open, the page to show and the text to find in
// it; or an installer command, help or the version; or a mistake, which the
// launch reports and ends with exit code 1 whether or not an instance runs.
// "--" ends the options, so "rvpdf -- -x.pdf" opens "-x.pdf".
class CLaunchRequest
{
public:
    // args: the program then its arguments; dir: the folder relative file
    // names are taken from (empty: they are refused, as a hand-over must
    // carry absolute ones).
    static CLaunchRequest Parse(const QStringList& args, const QString& dir);
    // A file argument as the launch means it: absolute against dir and
    // clean; a file: URL becomes its local path, another address stays.
    static QString AbsolutePath(const QString& argument, const QString& dir);

    QString error;
    bool help = false;
    bool version = false;
    bool uninstall = false;
    int install = -1; // the value of --install; -1 when not given
    QString file;
    int page = 0; // from 1; 0 when not given
    QString find;

    // What this launch hands over or opens: the program, the file and the
    // options that go with it.
    QStringList HandOver() const;

private:
    QString program;
};
