#include "CSessionKeeper.h"

#include "CSessionWindows.h"
#include "CRecoveryCopy.h"
#include "CSessionStore.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "OpenRequestKeys.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"
#include "tabbar/CTabBar.h"

#include "LoggerObject.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

// More than a person leaves open: a session file listing more (damaged, or
// not ours) would otherwise cost a window and a tab for each entry.
constexpr int kMaxWindows = 20;
constexpr int kMaxTabs = 100;

} // namespace

CSessionKeeper::CSessionKeeper(CSessionWindows* windows_, const QString& dirPath, QObject* parent)
    : QObject(parent)
    , windowList(windows_)
    , store(new CSessionStore(dirPath, this))
{
    unclean = store->EndedUncleanly();
    store->MarkRunning();
    store->SetCollector([this]() { return Collect(); });
}

void CSessionKeeper::Watch(MainView* window)
{
    if (CTabBar* bar = window->TabBar()) {
        connect(bar, &CTabBar::SignalItemCountChanged, this, &CSessionKeeper::SlotSessionChanged, Qt::UniqueConnection);
        connect(bar, &CTabBar::SignalSelectChanged, this, &CSessionKeeper::SlotSessionChanged, Qt::UniqueConnection);
    }
    connect(window, &QObject::destroyed, this, &CSessionKeeper::SlotSessionChanged, Qt::UniqueConnection);
    window->removeEventFilter(this);
    window->installEventFilter(this);
    SlotSessionChanged();
}

bool CSessionKeeper::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        store->ScheduleSave();
        break;
    case QEvent::Close:
        // Once a window is closing the session is no longer recorded: what
        // changed just before (a move, a page) is written first.
        if (store->IsSavePending())
            store->SaveNow();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CSessionKeeper::SlotSessionChanged()
{
    // Documents that arrived since the last change report their page and
    // zoom from now on.
    for (QWidget* view : windowList->OpenWindows()) {
        auto* window = qobject_cast<MainView*>(view);
        if (!window)
            continue;
        for (QWidget* widget : window->Documents()) {
            auto* box = qobject_cast<MainBox*>(widget);
            if (!box)
                continue;
            // A new name is on disk at once: a crash right after a Save As
            // or a rename must bring back the file under its new name.
            // Queued, as the document takes the name after telling.
            connect(box, &MainBox::SignalDocumentSaveAs, this, &CSessionKeeper::SlotSaveNow,
                    Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
            connect(box, &MainBox::SignalDocumentRename, this, &CSessionKeeper::SlotSaveNow,
                    Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
            connect(box, &MainBox::SignalDocumentLoaded, this, &CSessionKeeper::SlotSessionChanged,
                    Qt::UniqueConnection);
            connect(box, &MainBox::SignalPageChanged, this, &CSessionKeeper::SlotSessionChanged, Qt::UniqueConnection);
            connect(box, &MainBox::SignalZoomChanged, this, &CSessionKeeper::SlotSessionChanged, Qt::UniqueConnection);
        }
    }
    store->ScheduleSave();
}

void CSessionKeeper::SlotSaveNow()
{
    store->SaveNow();
}

QJsonObject CSessionKeeper::Collect() const
{
    // Nothing is recorded in private mode; while windows close, the session
    // stays as it was before, so that quitting keeps it.
    if (CSettingManager::getInstance()->IsPrivateEnabled() || windowList->IsQuittingAll())
        return QJsonObject();
    QJsonArray windows;
    for (QWidget* view : windowList->OpenWindows()) {
        auto* window = qobject_cast<MainView*>(view);
        if (!window)
            continue;
        if (window->IsClosingWindow())
            return QJsonObject();
        CTabBar* bar = window->TabBar();
        QJsonArray tabs;
        int current = -1;
        for (int i = 0; bar && i < bar->GetItemCount(); ++i) {
            auto* box = qobject_cast<MainBox*>(bar->GetItem(i).widget);
            // A new document that was never saved has no file to reopen.
            if (!box || box->isTempDoc())
                continue;
            const QVariantMap shown = box->GetDisplayOption();
            if (i == bar->CurrentIndex())
                current = tabs.size();
            tabs.append(QJsonObject {{"path", box->GetDocumentFilePath()},
                                     {"pageIndex", shown.value("pageIndex").toInt()},
                                     {"zoom", shown.value("zoom").toDouble()},
                                     {"displayMode", shown.value("displayMode").toInt()},
                                     {"rotation", shown.value("rotation").toInt()}});
        }
        windows.append(QJsonObject {{"geometry", QString::fromLatin1(window->saveGeometry().toBase64())},
                                    {"maximized", window->isMaximized()},
                                    {"current", current},
                                    {"tabs", tabs}});
    }
    // The last window closing ends the application: its session stays.
    if (windows.isEmpty())
        return QJsonObject();
    return QJsonObject {{"windows", windows}};
}

int CSessionKeeper::Restore(QWidget* firstWindow, bool bWanted)
{
    notices.clear();
    QString setAside;
    const QJsonObject session = store->Load(&setAside);
    if (!setAside.isEmpty())
        MK_LOG("session file could not be read, set aside as %s", qUtf8Printable(setAside));
    if (!bWanted && !unclean)
        return 0;
    const QJsonArray windows = session.value("windows").toArray();
    QStringList missing;
    int reopened = 0;
    auto* target = qobject_cast<MainView*>(firstWindow);
    int skipped = 0;
    for (int w = 0; w < windows.size(); ++w) {
        const QJsonObject state = windows.at(w).toObject();
        const int tabs = state.value("tabs").toArray().size();
        if (w >= kMaxWindows) {
            skipped += tabs;
            continue;
        }
        skipped += qMax(0, tabs - kMaxTabs);
        if (!target) {
            target = windowList->NewWindow();
            if (!target)
                break;
        }
        const QByteArray geometry = QByteArray::fromBase64(state.value("geometry").toString().toLatin1());
        if (!geometry.isEmpty()) {
            target->restoreGeometry(geometry);
            target->FitToScreen();
        }
        if (state.value("maximized").toBool())
            target->showMaximized();
        else
            target->show();
        reopened += RestoreWindow(target, state, &missing);
        target = nullptr;
    }
    const QString title = MKApplication::getInstance() ? MKApplication::getInstance()->GetAppValue("Title") : QString();
    if (unclean && reopened > 0)
        notices << tr("%1 did not close properly last time. Your documents have been reopened.").arg(title);
    if (!missing.isEmpty())
        notices << tr("These documents could not be found and were not reopened:") + "\n" + missing.join('\n');
    if (skipped > 0)
        notices << tr("The last session had more windows and tabs than are reopened at once. Documents not "
                      "reopened: %1")
                       .arg(skipped);
    MK_LOG("session restored: %d document(s), %d missing%s", reopened, int(missing.size()),
           unclean ? ", after an unclean end" : "");
    store->ScheduleSave();
    return reopened;
}

int CSessionKeeper::RestoreWindow(MainView* window, const QJsonObject& state, QStringList* missing)
{
    const QJsonArray tabs = state.value("tabs").toArray();
    const int wantedCurrent = state.value("current").toInt(-1);
    int opened = 0;
    int current = -1;
    // Only the current document is read now, ahead, while the others get
    // their tabs; each of those is read when first shown.
    if (wantedCurrent >= 0 && wantedCurrent < tabs.size()) {
        const QJsonObject tab = tabs.at(wantedCurrent).toObject();
        MainBox::Prefetch(tab.value("path").toString(), window->PageAreaSize(), tab.toVariantMap());
    }
    for (int i = 0; i < tabs.size() && i < kMaxTabs; ++i) {
        const QJsonObject tab = tabs.at(i).toObject();
        const QString path = tab.value("path").toString();
        if (!QFileInfo(path).isFile()) {
            if (!missing->contains(path))
                missing->append(path);
            continue;
        }
        if (windowList->IsDocumentOpen(path))
            continue;
        QVariantMap request {{"path", path}};
        for (const char* key : {"pageIndex", "displayMode", "rotation"}) {
            if (tab.value(key).isDouble())
                request[key] = tab.value(key).toInt();
        }
        if (tab.value("zoom").isDouble())
            request["zoom"] = tab.value("zoom").toDouble();
        request[OpenKey::kDeferred] = i != wantedCurrent;
        int result = -1;
        window->SlotOpenFile(result, request, false);
        if (result != 0)
            continue;
        if (i == wantedCurrent)
            current = opened;
        ++opened;
    }
    if (CTabBar* bar = window->TabBar()) {
        if (current >= 0)
            bar->SetCurrentIndex(current);
        else if (wantedCurrent < 0 && bar->GetItemCount() > 0)
            window->HomeButton()->setChecked(true);
    }
    return opened;
}

void CSessionKeeper::Greet(QWidget* window)
{
    QPointer<QWidget> guard(window);
    ShowNotices(window, [this, guard]() {
        if (guard)
            OfferRecovery(guard);
    });
}

void CSessionKeeper::ShowNotices(QWidget* parent, const std::function<void()>& then)
{
    // One after the other, each modal to the window alone and without a
    // loop of its own: the window may close meanwhile, taking them along.
    if (notices.isEmpty() || !parent) {
        if (then)
            then();
        return;
    }
    const QString title = MKApplication::getInstance() ? MKApplication::getInstance()->GetAppValue("Title") : QString();
    MKMessageBox* box = MKMessageBox::notify(parent, title, notices.takeFirst(), QString(), 400);
    connect(box, &QDialog::finished, this, [this, parent, then]() { ShowNotices(parent, then); });
}

void CSessionKeeper::OfferRecovery(QWidget* parent)
{
    offerWindow = qobject_cast<MainView*>(parent);
    offers = CRecoveryCopy::Pending();
    OfferNext();
}

void CSessionKeeper::OfferNext()
{
    MainView* window = offerWindow;
    // Whatever is not asked about now stays for the next start.
    if (!window || window->IsClosingWindow() || windowList->IsTerminating()) {
        offers.clear();
        return;
    }
    if (offers.isEmpty())
        return;
    const CRecoveryCopy::Entry entry = offers.takeFirst();
    const QString name = QFileInfo(entry.documentPath).fileName();
    CMessageDialog* box = nullptr;
    if (entry.reachable) {
        box = new CMessageDialog(true, window, QString(), tr("Recover unsaved changes to %1?").arg(name),
                                 tr("The changes were kept when the document was last open. If you discard them, "
                                    "they cannot be brought back."),
                                 tr("Discard"), tr("Save as New File"), tr("Recover"));
    } else {
        // A disk or share not connected yet, a folder renamed: the changes
        // wait for the document.
        box = new CMessageDialog(true, window, QString(), tr("Unsaved changes to %1 are kept").arg(name),
                                 tr("The document cannot be found at \"%1\" right now. Its changes are offered again "
                                    "once it is back there.")
                                     .arg(QDir::toNativeSeparators(entry.documentPath)),
                                 tr("Discard"), QString(), tr("Keep"));
    }
    box->ShowMask(window, false);
    // Only Discard discards: Escape, the title bar's close and the end of
    // the session keep the copy for next time.
    box->OpenThen([this, entry](int answer) {
        MK_LOG("recovery of %s: answer %d", qUtf8Printable(entry.documentPath), answer);
        if (answer == 1)
            QFile::remove(entry.copyPath);
        else if (entry.reachable && (answer == 2 || answer == 3))
            Recover(entry, answer == 2);
        OfferNext();
    });
}

void CSessionKeeper::Recover(const CRecoveryCopy::Entry& entry, bool bAsNewFile)
{
    MainView* window = offerWindow;
    int result = -1;
    window->SlotOpenFile(result, QVariantMap {{OpenKey::kPath, entry.documentPath}}, false);
    const int index = window->IndexOfDocument(entry.documentPath);
    QPointer<MainBox> document = index >= 0 ? qobject_cast<MainBox*>(window->TabBar()->GetItem(index).widget) : nullptr;
    if (!document)
        return;
    auto apply = [this, document, entry, bAsNewFile]() {
        MainView* shownIn = offerWindow;
        if (!document || !shownIn)
            return;
        QString error;
        if (!document->RestoreRecovery(entry.state, &error)) {
            MK_LOG("recovery of %s failed: %s", qUtf8Printable(entry.documentPath), qUtf8Printable(error));
            MKMessageBox::notify(shownIn, QString(), tr("Failed to Recover"),
                                 tr("The unsaved changes to %1 no longer fit the file.")
                                     .arg(QFileInfo(entry.documentPath).fileName()),
                                 400);
            QFile::remove(entry.copyPath);
            return;
        }
        // The document keeps a copy of its own now; the old one goes after it.
        document->WriteRecoveryCopy();
        CRecoveryCopy::RemoveLater(entry.copyPath);
        const int shown = shownIn->IndexOfDocument(entry.documentPath);
        if (shown >= 0)
            shownIn->TabBar()->SetCurrentIndex(shown);
        if (bAsNewFile)
            QTimer::singleShot(0, document, [document]() { document->OnMainMenuTrigger(QStringLiteral("save_as")); });
    };
    // The file is read in the background; a file that cannot be read keeps
    // its copy for next time.
    if (document->IsLoaded()) {
        apply();
        return;
    }
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(document, &MainBox::SignalDocumentLoaded, this, [once, apply]() {
        QObject::disconnect(*once);
        apply();
    });
}

void CSessionKeeper::Finish()
{
    store->MarkCleanEnd();
}
