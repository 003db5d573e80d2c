#pragma once

#include <QString>
#include <QStringList>

class CSingleInstance;

// What a launch needs before it knows whether it is to be the instance,
// with nothing but Qt's core library.

// Every argv entry, the program path included.
QStringList BuildArgumentList(int argc, char** argv);

// Later launch: hands args to the running instance. Returns the exit code,
// or -1 when the running instance ended meanwhile and this process is to
// start up as the instance. Failures are told on stderr.
int HandOverToRunningInstance(CSingleInstance& instance, const QString& name, const QStringList& args);
