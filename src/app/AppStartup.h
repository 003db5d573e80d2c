#pragma once

#include "CProfileMove.h"
#include "LaunchHandOver.h"

#include <QString>
#include <QStringList>

// Instance key of the brand: its product.json "BundleId", or "MarvikPDF"
// when the file or the key is missing.
QString ReadBundleId(const QString& bundle, const QString& region);
QString ReadBundleIdFromFile(const QString& productJsonPath);
// One string of the brand's product.json; empty when missing.
QString ReadProductValue(const QString& bundle, const QString& region, const QString& key);

class CLaunchRequest;

// Moves a profile of an older version to the XDG places (resuming a move
// that was cut short). RVPDF_PROFILE_MOVE_STOP=n stops the process after n
// steps of it, for tests of an interrupted move.
MKBase::CProfileMove::Result MoveOlderProfile();

class CMainViewManager;
class CSessionKeeper;
class CSingleInstance;

// The session on disk, kept for the manager's windows made from now on:
// saved as windows and tabs change, restored at start.
CSessionKeeper* KeepSession(CMainViewManager* manager);

// --help and --version: printed on stdout, true when one was given. They
// need no window and no running instance.
bool PrintInfoOption(const CLaunchRequest& launch, const QString& title, const QString& version);

// Runs the event loop until the last window has closed and no file that a
// later launch handed over meanwhile is waiting for a window.
int RunUntilLastWindowCloses(CSingleInstance& instance, CMainViewManager* manager);
