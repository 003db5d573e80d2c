#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class CEditSession;

// Keeps the recovery copy of one document's unsaved changes up to date:
// within about two seconds of a change, with a steady stream of changes
// (typing, drawing) still reaching the disk that often, and only the
// collecting of the steps on the GUI thread. The copy goes once the changes
// are saved, undone or dropped.
class CRecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

    CRecoveryKeeper(CEditSession* session, QObject* parent);

    // Queues a copy of the changes now; false when there is nothing to keep.
    bool WriteNow();
    // The changes were settled (closed without saving): the copy goes.
    void Discard();

private:
    void Schedule();

    CEditSession* session;
    QTimer timer;
    // This document's copy and the path it was written for: after a Save As
    // the copy for the old path goes and a new one starts.
    QString copyPath;
    QString written;
};
