#pragma once

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// The windows and tabs of the running session, kept on disk so that the
// next start can bring them back, also after a crash or a power loss. A
// change asks for a save; saves are gathered into one a second at most and
// written atomically, never from painting. A marker file tells a clean end
// from an unclean one.
class CSessionStore : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSaveDelayMs = 1000;

    // Keeps its files in dirPath (made when needed).
    explicit CSessionStore(const QString& dirPath, QObject* parent = nullptr);

    // What to write; an empty object means "not now" (the state is in
    // flux, or nothing may be recorded) and keeps the file as it is.
    using Collector = std::function<QJsonObject()>;
    void SetCollector(Collector collector) { collect = std::move(collector); }

    void ScheduleSave();
    bool IsSavePending() const { return timer.isActive(); }
    // Collects and writes at once; false when nothing was written.
    bool SaveNow();

    // The last session: {"windows": [{"geometry", "maximized", "current",
    // "tabs": [{"path", "pageIndex", "zoom", "displayMode"}]}]}. A file that
    // cannot be read as one is set aside under another name (reported in
    // *setAside) and an empty object returned.
    QJsonObject Load(QString* setAside = nullptr) const;
    // Whether the process before this one ended without MarkCleanEnd; read
    // once, before MarkRunning.
    bool EndedUncleanly() const;
    void MarkRunning();
    void MarkCleanEnd();

    QString FilePath() const;
    // This process's mark; others' stay while their process lives.
    QString MarkerPath() const;

signals:
    void SignalSaved();

private:
    // Marks of processes that ended without removing theirs.
    QStringList StaleMarkers() const;

    QString dir;
    Collector collect;
    QTimer timer;
};
