// Opening documents: from paths, the file dialog, the home tools, drops,
// attachments, and new blank documents.
#include "MainView.h"

#include "CFileUtils.h"
#include "CGaReportManager.h"
#include "CLaunchActivation.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "OpenRequestKeys.h"
#include "home/HomePage.h"
#include "recent/CRecentManager.h"
#include "setting/CSettingManager.h"
#include "setting/SettingKeys.h"
#include "tabbar/CTabBar.h"

#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// An address of another scheme than file: nothing here can read it.
bool IsRemoteAddress(const QString& given)
{
    const QUrl url(given);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

} // namespace

QString MainView::RefusalOf(const QString& given, const QString& path)
{
    if (IsRemoteAddress(given))
        return tr("\"%1\" is an address on the network, not a file on this computer. Save the document, then open "
                  "the saved file.")
            .arg(given);
    const QFileInfo info(path);
    if (!info.exists())
        return tr("\"%1\" was not found. It may have been moved, renamed or deleted.").arg(Shown(path));
    if (info.isDir())
        return tr("\"%1\" is a folder, not a PDF document.").arg(Shown(path));
    if (!info.isReadable())
        return tr("You do not have permission to read \"%1\".").arg(Shown(path));
    // What the file is, by its content: a name ending in .pdf proves nothing.
    // The marker readers look for comes within the first kilobyte.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.read(1024).contains("%PDF-"))
        return QString();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent);
    if (type.isDefault())
        return tr("\"%1\" is not a PDF document, or it is too damaged to be recognised as one.").arg(Shown(path));
    return tr("\"%1\" is not a PDF document but a file of another kind (%2).").arg(Shown(path), type.comment());
}

void MainView::ShowFailure(const QString& reason)
{
    // Asked from timers and hand-overs too: no loop of its own.
    MKMessageBox::notify(this, QString(), tr("Failed to Open"), reason, 332);
}

QVariantMap MainView::WithViewDefaults(const QVariantMap& request) const
{
    QVariantMap result = request;
    const QVariantMap display = CSettingManager::getInstance()->GetDisplay();
    if (result.value(OpenKey::kPageIndex).isNull())
        result[OpenKey::kPageIndex] = 0;
    if (result.value(OpenKey::kZoom).isNull())
        result[OpenKey::kZoom] = display.value(SettingKey::kPageView);
    if (result.value(OpenKey::kDisplayMode).isNull())
        result[OpenKey::kDisplayMode] = display.value(SettingKey::kPageLayout);
    if (result.value(OpenKey::kCursor).isNull())
        result[OpenKey::kCursor] = display.value(SettingKey::kPageCursor);
    return result;
}

void MainView::SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips)
{
    Q_UNUSED(bTips);
    nRet = MainBox::OpenNone;
    // One spelling per file: the recent list and the open-copy search
    // compare absolute, clean paths.
    const QString given = mapInfo.value(OpenKey::kPath).toString();
    if (given.isEmpty())
        return;
    const QString path = IsRemoteAddress(given) ? given : QDir::cleanPath(QDir::current().absoluteFilePath(given));
    const QFileInfo info(path);
    const QString refusal = RefusalOf(given, path);
    if (!refusal.isEmpty()) {
        nRet = info.exists() ? MainBox::OpenDamaged : MainBox::OpenMissing;
        ShowFailure(refusal);
        return;
    }
    bool found = false;
    emit SignalFindOpenedDocument(path, mapInfo, found);
    if (found) {
        nRet = MainBox::OpenOk;
        return;
    }
    QVariantMap request = WithViewDefaults(mapInfo);
    request[OpenKey::kPath] = path;
    request[OpenKey::kComment] = CSettingManager::getInstance()->GetComments();
    const bool privateMode = CSettingManager::getInstance()->IsPrivateEnabled();
    request[OpenKey::kRecordThumbnail] = !privateMode;
    // Read in the background: a slow file holds up no window, and says what
    // went wrong from its own tab.
    if (!request.value(OpenKey::kDeferred).toBool())
        request[OpenKey::kBackground] = true;
    QWidget* widget = MainBox::CreatePdfBox(this, path, request, nRet);
    if (!widget) {
        if (nRet != MainBox::OpenGaveUp)
            ShowFailure(MainBox::OpenFailureText(nRet, path));
        return;
    }
    // A tab restored behind others stays behind them, unread, and is not
    // news to the recent list.
    const bool deferred = request.value(OpenKey::kDeferred).toBool();
    AttachDocument(info.completeBaseName(), false, widget, !deferred);
    if (!privateMode && !deferred)
        CRecentManager::getInstance()->AddRecord(path, request);
    QTimer::singleShot(1000, this, &MainView::SlotCheckDefaultLauncher);
}

int MainView::IndexOfDocument(const QString& path) const
{
    for (int i = 0; i < tabBar->GetItemCount(); ++i) {
        auto* box = qobject_cast<MainBox*>(tabBar->GetItem(i).widget);
        if (box && MKBase::CFileUtils::IsTheSameFile(box->GetDocumentFilePath(), path))
            return i;
    }
    return -1;
}

bool MainView::ActivateDocument(const QString& path, const QVariantMap& request)
{
    const int index = IndexOfDocument(path);
    if (index < 0)
        return false;
    tabBar->SetCurrentIndex(index);
    RaiseWindow();
    if (auto* box = qobject_cast<MainBox*>(tabBar->GetItem(index).widget)) {
        if (request.contains(OpenKey::kToolId))
            box->HandleToolID(request.value(OpenKey::kToolId).toInt());
        box->ShowRequested(request);
    }
    return true;
}

void MainView::AttachDocument(const QString& caption, bool dirty, QWidget* widget, bool select)
{
    if (!tabBar || !widget)
        return;
    tabBar->AddItem(caption, dirty, widget, select);
    // Named after its new document at once; the page follows with the tab
    // bar's queued selection.
    if (select)
        setWindowTitle(tabBar->GetItemTitle(tabBar->CurrentIndex()));
    widget->setParent(this);
    // A widget arriving from another window drops its old window first.
    const char* documentSignals[] = {SIGNAL(SignalFirstThumbRendered(const QString&, bool)),
                                     SIGNAL(SignalDocumentRename(const QString&, const QString&)),
                                     SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)),
                                     SIGNAL(SignalDocumentChanged(bool)),
                                     SIGNAL(SignalDocumentClosed(bool)),
                                     SIGNAL(SignalDocumentOpenAttachment(const QString&)),
                                     SIGNAL(SignalGetUserName(QString&)),
                                     SIGNAL(SignalSetTitleBarVisible(bool)),
                                     SIGNAL(SignalCommentOptionChanged()),
                                     SIGNAL(SignalClickedFile(const QPoint&)),
                                     SIGNAL(SignalEditStateChanged())};
    for (const char* signal : documentSignals)
        widget->disconnect(signal);
    connect(widget, SIGNAL(SignalFirstThumbRendered(const QString&, bool)), this,
            SLOT(SlotFirstThumbRendered(const QString&, bool)), Qt::QueuedConnection);
    connect(widget, SIGNAL(SignalDocumentRename(const QString&, const QString&)), this,
            SLOT(SlotDocumentRename(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentSaveAs(const QString&, const QString&)), this,
            SLOT(SlotDocumentSaveAs(const QString&, const QString&)));
    connect(widget, SIGNAL(SignalDocumentChanged(bool)), this, SLOT(SlotDocumentChanged(bool)));
    connect(widget, SIGNAL(SignalDocumentClosed(bool)), this, SLOT(SlotDocumentClosed(bool)));
    connect(widget, SIGNAL(SignalDocumentOpenAttachment(const QString&)), this,
            SLOT(SlotDocumentOpenAttachment(const QString&)), Qt::QueuedConnection);
    connect(widget, SIGNAL(SignalGetUserName(QString&)), this, SLOT(SlotGetUserName(QString&)));
    connect(widget, SIGNAL(SignalSetTitleBarVisible(bool)), this, SLOT(SlotSetTitleBarVisible(bool)));
    connect(widget, SIGNAL(SignalCommentOptionChanged()), this, SLOT(SlotCommentOptionChanged()));
    connect(widget, SIGNAL(SignalClickedFile(const QPoint&)), this, SLOT(SlotClickedFile(const QPoint&)));
    // Undo, Redo and the view items follow the document while their menus
    // are closed, so that their keys act exactly when the items could.
    if (auto* box = qobject_cast<MainBox*>(widget))
        connect(box, &MainBox::SignalEditStateChanged, this, &MainView::UpdateWindowState);
    AddPage(widget);
    UpdateWindowState();
}

void MainView::RemoveRecentPath(const QString& path)
{
    if (PageWidgetOfIndex(0) == homePage)
        homePage->RemoveRecordByPath(path);
}

void MainView::OpenAndForgetFailure(const QString& path, bool bTips, const QVariantMap& extra)
{
    QVariantMap request = extra;
    request[OpenKey::kPath] = path;
    int nRet = MainBox::OpenNone;
    SlotOpenFile(nRet, request, bTips);
    if (MainBox::IsOpenError(nRet))
        RemoveRecentPath(path);
}

void MainView::OpenPathFromOutside(const QString& path, const QVariantMap& extra)
{
    OpenAndForgetFailure(path, true, extra);
}

void MainView::RaiseWindow(const QByteArray& startupId, const QByteArray& activationToken)
{
    CLaunchActivation::Activate(this, startupId, activationToken);
}

void MainView::SlotTabClickedAdd()
{
    OpenFilesDialog(MainBox::NoTool);
}

void MainView::OpenFilesDialog(int nTool)
{
    if (!tabBar)
        return;
    QString folder = CSettingManager::getInstance()->GetRecord(SettingKey::kLastFolder).toString();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open"), folder, QStringLiteral("PDF Files (%1);;All Files (*.*)").arg("*.pdf"));
    if (files.isEmpty())
        return;
    CSettingManager::getInstance()->SetRecord(SettingKey::kLastFolder, QFileInfo(files.first()).absolutePath());
    for (const QString& file : files) {
        int nRet = MainBox::OpenNone;
        SlotOpenFile(nRet, QVariantMap {{OpenKey::kPath, file}, {OpenKey::kToolId, nTool}}, true);
        if (MainBox::IsOpenError(nRet))
            RemoveRecentPath(file);
    }
}

void MainView::SlotClickedTool(int nTool)
{
    switch (nTool) {
    case MainBox::ToolEdit:
    case MainBox::ToolPrint:
    case MainBox::ToolOrganize:
    case MainBox::ToolEncrypt:
        OpenFilesDialog(nTool);
        break;
    case MainBox::ToolCreate:
        SlotCreateBlankPDF();
        break;
    default:
        break;
    }
}

void MainView::SlotCreateBlankPDF()
{
    CSettingManager* settings = CSettingManager::getInstance();
    const QString tempPath = settings->GetBlankFilePath();
    QVariantMap request;
    request[OpenKey::kPageSize] = settings->GetBlankPageSize();
    request[OpenKey::kPageCount] = settings->GetBlank().value(SettingKey::kPageCount);
    request[OpenKey::kTempPath] = tempPath;
    request = WithViewDefaults(request);
    request[OpenKey::kComment] = settings->GetComments();
    // A new document is in no recent list: no picture is kept for it.
    request[OpenKey::kRecordThumbnail] = false;
    int nRet = MainBox::OpenNone;
    QWidget* widget = MainBox::CreatePdfBox(this, request, nRet);
    if (!widget) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(tempPath).absolutePath());
        MKMessageBox::information(true, this, this, QString(), tr("Failed to Create PDF"),
                                  tr("The new document could not be written to \"%1\". Check that the folder "
                                     "exists and that you may write there.")
                                      .arg(folder),
                                  1024, 332);
        return;
    }
    AttachDocument(QFileInfo(tempPath).completeBaseName(), true, widget);
    MKBase::CGaReportManager::getInstance()->SendGaReport("Creat_Blank_PDF", QString(), false);
}

void MainView::SlotDocumentOpenAttachment(const QString& strPath)
{
    if (RefusalOf(strPath, strPath).isEmpty())
        OpenAndForgetFailure(strPath, false);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(strPath));
}

void MainView::SlotFirstThumbRendered(const QString& pdfPath, bool hasPassword)
{
    CRecentManager::getInstance()->SetHasPassword(pdfPath, hasPassword);
}

void MainView::SlotDocumentRename(const QString& strOld, const QString& strNew)
{
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    const int index = tabBar->IndexOfWidget(widget);
    tabBar->SetItemText(index >= 0 ? index : tabBar->CurrentIndex(), QFileInfo(strNew).completeBaseName());
    CRecentManager::getInstance()->RenameRecord(strOld, strNew);
}

void MainView::SlotDocumentSaveAs(const QString& strOld, const QString& strNew)
{
    Q_UNUSED(strOld);
    const QVariantMap request = WithViewDefaults({{OpenKey::kPath, strNew}});
    const bool privateMode = CSettingManager::getInstance()->IsPrivateEnabled();
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    const int index = tabBar->IndexOfWidget(widget);
    tabBar->SetItemText(index >= 0 ? index : tabBar->CurrentIndex(), QFileInfo(strNew).completeBaseName());
    if (!privateMode)
        CRecentManager::getInstance()->AddRecord(strNew, request);
}

void MainView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    MKMainWindow::dragEnterEvent(event);
}

void MainView::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        for (const QUrl& url : event->mimeData()->urls()) {
            const QString path = url.toLocalFile();
            QTimer::singleShot(100, this, [this, path]() {
                int nRet = MainBox::OpenNone;
                SlotOpenFile(nRet, QVariantMap {{OpenKey::kPath, path}}, false);
            });
        }
    }
    MKMainWindow::dropEvent(event);
}
