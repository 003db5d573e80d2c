#pragma once

#include "CProfileMove.h"

#include <QString>
#include <QStringList>

// Instance key of the brand: its product.json "BundleId", or "MarvikPDF"
// when the file or the key is missing.
QString ReadBundleId(const QString& bundle, const QString& region);
QString ReadBundleIdFromFile(const QString& productJsonPath);
// One string of the brand's product.json; empty when missing.
QString ReadProductValue(const QString& bundle, const QString& region, const QString& key);

// Every argv entry, the program path included.
QStringList BuildArgumentList(int argc, char** argv);

class CLaunchRequest;

// Moves a profile of an older version to the XDG places (resuming a move
// that was cut short). RVPDF_PROFILE_MOVE_STOP=n stops the process after n
// steps of it, for tests of an interrupted move.
MKBase::CProfileMove::Result MoveOlderProfile();

class CMainViewManager;
class CSingleInstance;

// --help and --version: printed on stdout, true when one was given. They
// need no window and no running instance.
bool PrintInfoOption(const CLaunchRequest& launch, const QString& title, const QString& version);

// Later launch: hands args to the running instance. Returns the exit code,
// or -1 when the running instance ended meanwhile and this process is to
// start up as the instance. Failures are told on stderr.
int HandOverToRunningInstance(CSingleInstance& instance, const QString& name, const QStringList& args);

// Runs the event loop until the last window has closed and no file that a
// later launch handed over meanwhile is waiting for a window.
int RunUntilLastWindowCloses(CSingleInstance& instance, CMainViewManager* manager);
