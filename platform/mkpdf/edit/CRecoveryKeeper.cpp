#include "CRecoveryKeeper.h"

#include "CEditRecovery.h"
#include "CEditSession.h"
#include "CPdfDocument.h"
#include "CRecoveryCopy.h"

#include <QUndoStack>

CRecoveryKeeper::CRecoveryKeeper(CEditSession* session_, QObject* parent)
    : QObject(parent)
    , session(session_)
{
    timer.setSingleShot(true);
    timer.setInterval(kDelayMs);
    connect(&timer, &QTimer::timeout, this, [this]() { WriteNow(); });
    connect(session->UndoStack(), &QUndoStack::indexChanged, this, &CRecoveryKeeper::Schedule);
    connect(session, &CEditSession::SignalDirtyChanged, this, [this](bool bDirty) {
        // Saved or undone back to the file: nothing left to recover.
        if (!bDirty)
            Discard();
    });
}

void CRecoveryKeeper::Schedule()
{
    // Not restarted by later changes, so that a steady stream of them is
    // still kept every second.
    if (!timer.isActive())
        timer.start();
}

bool CRecoveryKeeper::WriteNow()
{
    timer.stop();
    // A new document lives in a temporary file that is not kept either.
    if (!session->IsDirty() || session->IsTemporary() || session->UndoStack()->isClean())
        return false;
    QJsonObject state = session->RecoveryState();
    state.insert("steps", CEditRecovery::Steps(session->UndoStack()));
    const QString path = session->Document()->FilePath();
    if (written != path) {
        Discard();
        copyPath = CRecoveryCopy::NewCopyPath(path);
        written = path;
    }
    CRecoveryCopy::WriteLater(copyPath, path, state);
    return true;
}

void CRecoveryKeeper::Discard()
{
    timer.stop();
    if (!copyPath.isEmpty())
        CRecoveryCopy::RemoveLater(copyPath);
    copyPath.clear();
    written.clear();
}
