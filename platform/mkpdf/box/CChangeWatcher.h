#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class CDocumentLoader;
class CPdfDocument;
class QWidget;

// Notices when another program changes or replaces the open file (a LaTeX
// build, a download finishing) and reloads it in place, keeping page and
// zoom, as the replace callback does. With unsaved changes it asks first,
// and a "keep mine" holds until the file changes again. A file caught half
// written does not read as a document: it is tried again on the next change
// or a moment later, and the shown document stays meanwhile.
class CChangeWatcher : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<std::shared_ptr<CPdfDocument>()> document;
        // Unsaved changes; and whether our own save is writing the file.
        std::function<bool()> dirty;
        std::function<bool()> saving;
        std::function<void(std::shared_ptr<CPdfDocument>)> replace;
    };
    CChangeWatcher(QWidget* owner, Hooks given);

    // The file to watch; again after a Save As or a rename.
    void Watch(const QString& path);
    // How long the file must stay still before it is read (an editor or a
    // build writes in several steps).
    static constexpr int kSettleMs = 500;

signals:
    // A new version from disk is shown.
    void SignalReloaded();

private:
    void OnPathChanged();
    void Check();
    void Ask();
    void Reload();

    QWidget* box;
    Hooks hooks;
    QFileSystemWatcher watcher;
    QTimer settle;
    QString path;
    QPointer<CDocumentLoader> loader;
    QPointer<QWidget> question;
    // The size and time the user chose to keep their version against.
    qint64 keptSize = -1;
    qint64 keptTime = -1;
    int retries = 0;
};
