#include "CChangeWatcher.h"

#include "CDocumentLoader.h"
#include "CMessageDialog.h"
#include "CPdfDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

// A half-written file is tried again this often before waiting for the
// next change.
constexpr int kRetries = 6;

} // namespace

CChangeWatcher::CChangeWatcher(QWidget* owner, Hooks given)
    : QObject(owner)
    , box(owner)
    , hooks(std::move(given))
{
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    connect(&settle, &QTimer::timeout, this, &CChangeWatcher::Check);
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &CChangeWatcher::OnPathChanged);
    // A file replaced by a rename drops out of the watch; its folder says so.
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &CChangeWatcher::OnPathChanged);
}

void CChangeWatcher::Watch(const QString& filePath)
{
    if (!watcher.files().isEmpty())
        watcher.removePaths(watcher.files());
    if (!watcher.directories().isEmpty())
        watcher.removePaths(watcher.directories());
    path = filePath;
    keptSize = keptTime = -1;
    if (path.isEmpty())
        return;
    watcher.addPath(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path))
        watcher.addPath(path);
}

void CChangeWatcher::OnPathChanged()
{
    // Back on the watch list once the file is there again.
    if (!watcher.files().contains(path) && QFileInfo::exists(path))
        watcher.addPath(path);
    retries = 0;
    settle.start();
}

void CChangeWatcher::Check()
{
    const std::shared_ptr<CPdfDocument> document = hooks.document();
    if (!document || loader || question)
        return;
    const QFileInfo info(path);
    // Gone for now (a build deletes before it writes): the next change says.
    if (!info.isFile())
        return;
    // Our own save replaces the file and then shows what it wrote.
    if (hooks.saving()) {
        settle.start();
        return;
    }
    // The version the user chose to keep their own over: not asked again.
    if (info.size() == keptSize && info.lastModified().toMSecsSinceEpoch() == keptTime)
        return;
    if (document->IsSameContentOnDisk())
        return;
    if (hooks.dirty())
        Ask();
    else
        Reload();
}

void CChangeWatcher::Ask()
{
    // A child of the document: closing its tab meanwhile takes it along.
    auto* ask = new CMessageDialog(true, box, QString(), tr("Document Changed"),
                                   tr("\"%1\" was changed by another program. Reload it and lose your unsaved changes?")
                                       .arg(QDir::toNativeSeparators(path)),
                                   QString(), tr("Keep My Version"), tr("Reload"));
    ask->setObjectName("dialog_file_changed");
    question = ask;
    ask->ShowMask(box->window(), false);
    ask->OpenThen([this](int answer) {
        if (answer == 3) {
            Reload();
            return;
        }
        const QFileInfo info(path);
        keptSize = info.size();
        keptTime = info.lastModified().toMSecsSinceEpoch();
    });
}

void CChangeWatcher::Reload()
{
    const std::shared_ptr<CPdfDocument> document = hooks.document();
    if (!document)
        return;
    loader = new CDocumentLoader(this);
    loader->Start(path, document->Password(), [this](const CDocumentPrefetch::Result& result) {
        loader->deleteLater();
        if (!result.document) {
            // Caught half written, most likely: a moment later, a few times.
            if (++retries <= kRetries)
                settle.start();
            return;
        }
        keptSize = keptTime = -1;
        hooks.replace(result.document);
        emit SignalReloaded();
    });
}
