#include "MainBox.h"

#include "CAnnotationLayer.h"
#include "CAnnotationStore.h"
#include "CCommentController.h"
#include "CCommentToolBar.h"
#include "CChangeWatcher.h"
#include "CDocumentCommands.h"
#include "CDocumentFileActions.h"
#include "CDocumentSaver.h"
#include "CDocumentSearch.h"
#include "CDocumentToolBar.h"
#include "CEditRecovery.h"
#include "CEditSession.h"
#include "CFileUtils.h"
#include "CFindBar.h"
#include "CFormBar.h"
#include "CFormController.h"
#include "CGotoPageBox.h"
#include "CJobRunner.h"
#include "CLinkActions.h"
#include "CLinkLayer.h"
#include "CMessageDialog.h"
#include "COrganizerBox.h"
#include "COrganizerView.h"
#include "CPageCache.h"
#include "CPageColors.h"
#include "CPageEditController.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CPdfEditor.h"
#include "CPdfPrinter.h"
#include "CPropertiesBox.h"
#include "CRecentThumbnail.h"
#include "CRecognizeBar.h"
#include "CRecognizeController.h"
#include "CRecoveryKeeper.h"
#include "CRenameBox.h"
#include "CSearchOverlay.h"
#include "CSidePanel.h"
#include "CSignatureBar.h"
#include "CSignatureController.h"
#include "CTextCache.h"
#include "OpenRequestKeys.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// Zoom of an open request: a fit value, or a percentage within range;
// anything else falls back to fit width.
double ZoomFromOption(const QVariant& value)
{
    bool ok = false;
    const double zoom = value.toDouble(&ok);
    return ok && CViewOptions::IsValidZoom(zoom) ? zoom : CViewOptions::kFitWidth;
}

QSet<const void*>& LiveBoxes()
{
    static QSet<const void*> boxes;
    return boxes;
}

} // namespace

MainBox::MainBox(std::shared_ptr<CPdfDocument> document_, const QVariantMap& options, QWidget* parent)
    : QWidget(parent)
    , document(std::move(document_))
{
    LiveBoxes().insert(static_cast<const QWidget*>(this));
    setObjectName("main_box");
    setAttribute(Qt::WA_StyledBackground);
    layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (document)
        Start(options);
    else
        deferredRequest = options;
}

void MainBox::Start(const QVariantMap& options)
{
    toolBar = new CDocumentToolBar(this);
    layout->addWidget(toolBar);
    auto* commentBar = new CCommentToolBar(this);
    layout->addWidget(commentBar);
    comments = new CCommentController(commentBar, this);
    auto* formBar = new CFormBar(this);
    layout->addWidget(formBar);
    forms = new CFormController(formBar, this);
    auto* signatureBar = new CSignatureBar(this);
    layout->addWidget(signatureBar);
    auto* recognizeBar = new CRecognizeBar(this);
    layout->addWidget(recognizeBar);
    pageEdit = new CPageEditController(this);
    comments->SetUserNameSource([this]() {
        QString name;
        emit SignalGetUserName(name);
        return name;
    });
    body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    pages = new QStackedWidget(this);
    body->addWidget(pages, 1);
    layout->addLayout(body, 1);
    connect(toolBar, &CDocumentToolBar::SignalClickedFile, this, &MainBox::SignalClickedFile);
    connect(toolBar, &CDocumentToolBar::SignalClickedPanel, this, [this]() { TogglePanel(CSidePanel::Thumbnails); });
    connect(toolBar, &CDocumentToolBar::SignalClickedFind, this, [this]() { findBar->Open(); });
    connect(toolBar, &CDocumentToolBar::SignalClickedReadMode, this, &MainBox::EnterReadMode);
    connect(toolBar, &CDocumentToolBar::SignalClickedOrganize, this, &MainBox::ShowOrganizer);
    connect(toolBar, &CDocumentToolBar::SignalStepPage, this,
            [this](int nDelta) { view->GoToPage(view->CurrentPage() + nDelta); });
    connect(toolBar, &CDocumentToolBar::SignalClickedComment, comments, [this]() { comments->Toggle(true); });
    connect(comments, &CCommentController::SignalOptionsChanged, this, &MainBox::SignalCommentOptionChanged);
    session = new CEditSession(document, this);
    // Comments and form values live in the open document until a save
    // writes them out first.
    session->SetChangesSource([this]() {
        const bool held = (annotations && annotations->HasChanges()) || forms->HasChanges();
        return held ? annotations->Writer() : CSavePipeline::ChangesWriter();
    });
    saver = new CDocumentSaver(session, this);
    signatures = new CSignatureController(signatureBar, session, saver, this);
    connect(signatures, &CSignatureController::SignalOpenFile, this, &MainBox::SignalDocumentOpenAttachment);
    saver->SetSignatureCount([this]() { return signatures->SignedCount(); });
    recognizer = new CRecognizeController(recognizeBar, session, this);
    links = new CLinkActions(this);
    for (auto change : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(session->UndoStack(), change, this, &MainBox::SignalEditStateChanged);
    BuildDocumentWidgets();

    // The recent list's picture of the document is made at once, in the
    // background, also for a document opened behind other tabs.
    keepThumbnail = options.value(OpenKey::kRecordThumbnail, true).toBool();
    QTimer::singleShot(0, this, [this]() {
        if (!firstThumbDone)
            WriteFirstThumbnail();
    });
    connect(session, &CEditSession::SignalDirtyChanged, this, &MainBox::SignalDocumentChanged);
    recovery = new CRecoveryKeeper(session, this);
    connect(saver, &CDocumentSaver::SignalWritten, this, &MainBox::OnWritten);
    // Changed on disk by another program: shown again, once no mode of ours
    // holds the pages and no save of ours is writing.
    changes = new CChangeWatcher(
        this, {[this]() { return document; }, [this]() { return IsDirty(); },
               [this]() {
                   return saver->IsBusy() || IsOrganizing() || pageEdit->IsShown() || recognizer->IsRunning();
               },
               [this](std::shared_ptr<CPdfDocument> read) {
                   ReplaceDocument(std::move(read));
                   WriteFirstThumbnail();
               }});
    changes->Watch(document->FilePath());
    ApplyOptions(options);
}

void MainBox::BuildDocumentWidgets()
{
    view = new CPageView(document, pages);
    pages->insertWidget(0, view);
    annotations = new CAnnotationStore(document, this);
    panel = new CSidePanel(document, this);
    panel->SetAnnotationStore(annotations);
    panel->hide();
    body->insertWidget(0, panel);
    search = new CDocumentSearch(document, this);
    view->SetOverlay(new CSearchOverlay(search, view));
    panel->SetSearch(search);
    findBar = new CFindBar(search, view, this);
    findBar->hide();
    layout->insertWidget(1, findBar);
    toolBar->SetView(view, document->PageCount());
    pages->setCurrentWidget(IsOrganizing() ? static_cast<QWidget*>(organizer) : view);
    connect(view, &CPageView::SignalCurrentPageChanged, this, &MainBox::UpdatePageNumber);
    connect(view, &CPageView::SignalCurrentPageChanged, this, &MainBox::SignalPageChanged);
    connect(view, &CPageView::SignalZoomChanged, this, &MainBox::SignalZoomChanged);
    // A turn of the pages is kept with the zoom.
    connect(view, &CPageView::SignalRotationChanged, this, [this]() { emit SignalZoomChanged(view->ZoomPercent()); });
    connect(view, &CPageView::SignalFirstPagePainted, this, &MainBox::SignalFirstPagePainted);
    connect(annotations, &CAnnotationStore::SignalPageChanged, view, &CPageView::InvalidatePage);
    // Links first, then the form layer: the comment tools, when on, see the
    // mouse first, and a field over a link takes its click.
    linkLayer = new CLinkLayer(document, view, this);
    connect(linkLayer, &CLinkLayer::SignalLinkActivated, links, &CLinkActions::Follow);
    forms->Attach(document, session->UndoStack(), view);
    comments->Attach(annotations, session->UndoStack(), view);
    signatures->Attach(document, view, panel);
    recognizer->Attach(document, view, search);
    pageEdit->Attach();
    toolBar->SetCommentEnabled(annotations->CanAnnotate());
    connect(panel, &CSidePanel::SignalGoToPage, links, [this](int nPage) { links->JumpTo(nPage); });
    connect(panel, &CSidePanel::SignalAnnotationClicked, comments, &CCommentController::GoTo);
    connect(panel, &CSidePanel::SignalOpenAttachment, this, [this](int nIndex) { ExtractAttachment(nIndex); });
    connect(findBar, &CFindBar::SignalShowResults, this, [this]() {
        panel->ShowPage(CSidePanel::SearchResults);
        panel->show();
    });
    UpdatePageNumber(view->CurrentPage());

    // Sizes of the other pages are read in the background; the layout uses
    // the first page's size until then.
    if (!document->SizesLoaded()) {
        auto* watcher = new QFutureWatcher<void>(this);
        QPointer<CPageView> pageView(view);
        QPointer<CSidePanel> sidePanel(panel);
        connect(watcher, &QFutureWatcher<void>::finished, this, [watcher, pageView, sidePanel]() {
            watcher->deleteLater();
            if (pageView)
                pageView->RefreshLayout();
            if (sidePanel)
                sidePanel->RefreshLayout();
        });
        std::shared_ptr<CPdfDocument> doc = document;
        watcher->setFuture(CJobRunner::Run([doc]() { doc->LoadPageSizes(); }));
    }
}

void MainBox::ReplaceDocument(std::shared_ptr<CPdfDocument> written)
{
    const QVariantMap state = GetDisplayOption();
    const bool panelShown = panel->isVisible();
    const int panelPage = panel->CurrentPageIndex();
    ForgetDocument();
    comments->Detach();
    forms->Detach();
    delete findBar;
    delete search;
    delete panel;
    delete linkLayer;
    delete view;
    delete annotations;
    annotations = nullptr;
    document = std::move(written);
    {
        // Clearing the steps tells the window, which would ask the view
        // just deleted; it hears once the new one is there.
        const QSignalBlocker quiet(this);
        session->Restart(document);
    }
    BuildDocumentWidgets();
    emit SignalEditStateChanged();
    emit SignalDocumentChanged(IsDirty());
    view->SetDisplayMode(state.value(OpenKey::kDisplayMode).toInt());
    view->SetRotation(state.value(OpenKey::kRotation).toInt());
    view->SetZoom(state.value(OpenKey::kZoom).toDouble());
    view->GoToPage(qMin(state.value(OpenKey::kPageIndex).toInt(), document->PageCount() - 1));
    if (panelShown) {
        panel->ShowPage(panelPage);
        panel->show();
    }
}

void MainBox::ForgetDocument()
{
    if (!document)
        return;
    CPageCache::Instance().RemoveDocument(document->Id());
    // Workers still reading a page of this document drop what they read.
    search->Clear();
    CTextCache::Instance().RemoveDocument(document->Id());
}

void MainBox::OnWritten(const QString& strOldPath, std::shared_ptr<CPdfDocument> written)
{
    const QString path = written->FilePath();
    if (strOldPath != path)
        emit SignalDocumentSaveAs(strOldPath, path);
    ReplaceDocument(std::move(written));
    changes->Watch(path);
    // The recent list learns the new first page and whether a password
    // now protects the file.
    WriteFirstThumbnail();
}

MainBox::~MainBox()
{
    LiveBoxes().remove(static_cast<const QWidget*>(this));
    ForgetDocument();
    // Children are deleted after this body, when the box is only a QWidget:
    // a signal they send then (the edit session clearing its stack says
    // "clean") must not reach a slot of the half-destroyed box.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

bool MainBox::IsLiveBox(const void* pointer)
{
    return pointer && LiveBoxes().contains(pointer);
}

MainBox* MainBox::FindOpenDocument(const QString& path)
{
    for (const void* pointer : LiveBoxes()) {
        auto* box = static_cast<MainBox*>(const_cast<QWidget*>(static_cast<const QWidget*>(pointer)));
        if (MKBase::CFileUtils::IsTheSameFile(box->GetDocumentFilePath(), path))
            return box;
    }
    return nullptr;
}

void MainBox::ApplyOptions(const QVariantMap& options)
{
    view->SetDisplayMode(options.value(OpenKey::kDisplayMode, CPageView::SingleScroll).toInt());
    view->SetZoom(ZoomFromOption(options.value(OpenKey::kZoom, CPageView::kFitWidth)));
    view->SetCursorMode(options.value(OpenKey::kCursor, 0).toInt());
    view->SetRotation(options.value(OpenKey::kRotation, 0).toInt());
    view->GoToPage(options.value(OpenKey::kPageIndex, 0).toInt());
    comments->SetOptionMap(options.value(OpenKey::kComment).toMap());
    if (options.contains(OpenKey::kToolId))
        pendingTool = options.value(OpenKey::kToolId).toInt();
    ShowRequested(options);
}

void MainBox::ShowRequested(const QVariantMap& request)
{
    if (!document) {
        // Still being read: shown once it is.
        for (const char* key : {OpenKey::kShowPage, OpenKey::kFind}) {
            if (!deferredRequest.isEmpty() && request.contains(key))
                deferredRequest.insert(key, request.value(key));
        }
        return;
    }
    bool ok = false;
    const int page = request.value(OpenKey::kShowPage).toInt(&ok);
    if (ok)
        view->GoToPage(page);
    const QString text = request.value(OpenKey::kFind).toString();
    if (!text.isEmpty()) {
        findBar->Open();
        findBar->Field()->setText(text);
        findBar->FindNext();
    }
}

void MainBox::WriteFirstThumbnail()
{
    firstThumbDone = true;
    const QString path = document->FilePath();
    const bool encrypted = document->IsEncrypted();
    CRecentThumbnail::Write(document, keepThumbnail, this,
                            [this, path, encrypted]() { emit SignalFirstThumbRendered(path, encrypted); });
}

void MainBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A tab behind others reads its file once shown, in the background.
    if (EnsureLoaded())
        ApplyPendingTool();
}

void MainBox::ApplyPendingTool()
{
    if (pendingTool >= 0) {
        const int tool = pendingTool;
        pendingTool = NoTool;
        QTimer::singleShot(0, this, [this, tool]() { ApplyTool(tool); });
    }
}

void MainBox::HandleToolID(int nToolID)
{
    if (isVisible() && document)
        QTimer::singleShot(0, this, [this, nToolID]() { ApplyTool(nToolID); });
    else
        pendingTool = nToolID;
}

void MainBox::ApplyTool(int nToolID)
{
    if (!EnsureLoaded()) {
        pendingTool = nToolID;
        return;
    }
    switch (nToolID) {
    case ToolEdit:
        pageEdit->Show();
        break;
    case ToolPrint:
        AskPrint();
        break;
    case ToolOrganize:
        ShowOrganizer();
        break;
    case ToolEncrypt:
        saver->AskProtect();
        break;
    default:
        break;
    }
}

void MainBox::TogglePanel(int nPage)
{
    if (panel->isVisible() && panel->CurrentPageIndex() == nPage) {
        panel->hide();
        return;
    }
    panel->ShowPage(nPage);
    panel->show();
}

void MainBox::UpdatePageNumber(int nPage)
{
    toolBar->UpdatePageNumber(nPage);
    panel->SetCurrentDocumentPage(nPage);
}

void MainBox::OnMainMenuTrigger(const QVariant& action)
{
    if (!EnsureLoaded())
        return;
    CDocumentCommands::Run(this, action.toString());
}

bool MainBox::IsOrganizing() const
{
    return organizer && pages->currentWidget() == organizer;
}

void MainBox::ShowOrganizer()
{
    if (!EnsureLoaded())
        return;
    if (IsOrganizing() || !pageEdit->Hide())
        return;
    // A protected document keeps its pages as they are unless the user has
    // the right to change them.
    if (document->IsEncrypted()) {
        const PdfProtectionInfo rights = CPdfEditor::ReadProtection(document->FilePath(), document->Password());
        if (!rights.allowAssembly && !rights.ownerAccess) {
            ShowError(tr("Cannot Organize Pages"),
                      tr("The document's permissions do not allow changing its pages. Open it with its "
                         "permissions password to organize it."));
            return;
        }
    }
    if (!organizer) {
        organizer = new COrganizerBox(session, pages);
        pages->addWidget(organizer);
        connect(organizer, &COrganizerBox::SignalSaveRequested, saver, &CDocumentSaver::Save);
        connect(organizer, &COrganizerBox::SignalCloseRequested, this, &MainBox::CloseOrganizer);
        connect(organizer, &COrganizerBox::SignalClickedFile, this, &MainBox::SignalClickedFile);
    }
    panelWasVisible = panel->isVisible();
    toolBar->hide();
    comments->Hide();
    findBar->Close();
    panel->hide();
    pages->setCurrentWidget(organizer);
    organizer->View()->SetSelection({view->CurrentPage()});
    organizer->View()->EnsureVisible(view->CurrentPage());
    organizer->View()->setFocus();
}

bool MainBox::CloseOrganizer()
{
    if (!IsOrganizing())
        return true;
    if (session->HasPageChanges() && !session->UndoStack()->isClean()) {
        // The reading view always shows the pages as saved.
        CMessageDialog box(true, this, QString(),
                           tr("Save the page changes to \"%1\"?").arg(QFileInfo(document->FilePath()).fileName()),
                           tr("The reading view shows the pages once they are saved."), tr("Cancel"), tr("Discard"),
                           tr("Save"));
        box.ShowMask(window(), false);
        const int answer = box.exec();
        if (answer == 2)
            session->DiscardChanges();
        else if (answer != 3 || !saver->Save())
            return false;
    }
    pages->setCurrentWidget(view);
    toolBar->show();
    panel->setVisible(panelWasVisible);
    view->setFocus();
    return true;
}

QLineEdit* MainBox::PageEdit() const
{
    return toolBar ? toolBar->PageEdit() : nullptr;
}

QString MainBox::GetDocumentFilePath() const
{
    return document ? document->FilePath() : deferredRequest.value(OpenKey::kPath).toString();
}

QVariantMap MainBox::GetDisplayOption() const
{
    QVariantMap option;
    if (!view) {
        for (const char* key : {OpenKey::kPageIndex, OpenKey::kZoom, OpenKey::kDisplayMode, OpenKey::kRotation}) {
            if (deferredRequest.contains(key))
                option[key] = deferredRequest.value(key);
        }
        return option;
    }
    option[OpenKey::kPageIndex] = view->CurrentPage();
    option[OpenKey::kZoom] = float(view->Zoom());
    option[OpenKey::kDisplayMode] = view->DisplayMode();
    option[OpenKey::kRotation] = view->Rotation();
    return option;
}

QVariantMap MainBox::GetCommentOption() const
{
    return comments ? comments->OptionMap() : deferredRequest.value(OpenKey::kComment).toMap();
}

int MainBox::GetModuleIndex() const
{
    return 0;
}

bool MainBox::isTempDoc() const
{
    return session && session->IsTemporary();
}

bool MainBox::IsDirty() const
{
    return session && session->IsDirty();
}

QVariantMap MainBox::GetMenuState() const
{
    if (!session)
        return {};
    return {{"can_undo", session->UndoStack()->canUndo()},
            {"can_redo", session->UndoStack()->canRedo()},
            {"can_go_back", links->History().CanGoBack()},
            {"can_go_forward", links->History().CanGoForward()},
            {"read_mode", readMode}};
}

bool MainBox::WriteRecoveryCopy()
{
    return recovery && recovery->WriteNow();
}

bool MainBox::RestoreRecovery(const QJsonObject& state, QString* error)
{
    if (!EnsureLoaded()) {
        if (error)
            *error = tr("The file might have been moved, damaged, or deleted.");
        return false;
    }
    const QJsonArray steps = state.value("steps").toArray();
    QUndoStack* stack = session->UndoStack();
    const bool freshStack = stack->count() == 0;
    bool recovered = CEditRecovery::Replay(steps, annotations, forms->Store(), stack, error);
    if (recovered && !session->RestoreRecoveryState(state, error)) {
        if (!steps.isEmpty())
            stack->undo();
        recovered = false;
    }
    // Nothing was recovered: no step to redo either.
    if (!recovered && freshStack)
        stack->clear();
    return recovered;
}

bool MainBox::SaveAs(const QString& path, QString* error)
{
    if (!EnsureLoaded())
        return false;
    return saver->SaveAs(path, error);
}

bool MainBox::IsFullScreenReadModeEnable() const
{
    return readMode;
}

int MainBox::PageCount() const
{
    return view ? view->PageCount() : 0;
}

int MainBox::CurrentPageIndex() const
{
    return view ? view->CurrentPage() : deferredRequest.value(OpenKey::kPageIndex).toInt();
}

void MainBox::ShowError(const QString& title, const QString& text)
{
    CDocumentSaver::ShowError(this, title, text);
}

bool MainBox::RenameTo(const QString& path, QString* error)
{
    if (!EnsureLoaded())
        return false;
    const QString old = document->FilePath();
    if (!CDocumentFileActions::Rename(this, *document, path, error))
        return false;
    if (document->FilePath() != old) {
        changes->Watch(document->FilePath());
        emit SignalDocumentRename(old, document->FilePath());
    }
    return true;
}

void MainBox::AskRename()
{
    CRenameBox box(this);
    box.ShowMask(window(), false);
    box.SetNewName(document->FilePath());
    if (box.exec() == 1)
        RenameTo(box.GetNewName());
}

void MainBox::AskGoToPage()
{
    CGotoPageBox box(view->CurrentPage(), view->PageCount(), this);
    box.ShowMask(window(), false);
    if (box.exec() == 1 && box.Page() >= 0)
        links->JumpTo(box.Page());
}

bool MainBox::PrintTo(QPrinter* printer, int nFrom, int nTo)
{
    if (!EnsureLoaded())
        return false;
    return CPdfPrinter::PrintTo(this, session, printer, nFrom, nTo);
}

void MainBox::AskPrint()
{
    CPdfPrinter::AskPrint(this, session, view->CurrentPage());
}

void MainBox::ShowProperties()
{
    CPropertiesBox box(document->FilePath(), document->Properties(), this);
    box.ShowMask(window(), false);
    box.exec();
}

QString MainBox::ExtractAttachment(int nIndex)
{
    if (!EnsureLoaded())
        return QString();
    const QString target = CDocumentFileActions::ExtractAttachment(this, *document, nIndex);
    if (!target.isEmpty())
        emit SignalDocumentOpenAttachment(target);
    return target;
}

void MainBox::EnterReadMode()
{
    if (readMode)
        return;
    readMode = true;
    QWidget* top = window();
    stateBeforeReadMode = top->windowState();
    panelWasVisible = panel->isVisible();
    toolBar->hide();
    comments->Hide();
    panel->hide();
    emit SignalSetTitleBarVisible(false);
    if (top != this)
        top->showFullScreen();
    view->setFocus();
    emit SignalEditStateChanged();
}

void MainBox::LeaveReadMode()
{
    if (!readMode)
        return;
    readMode = false;
    toolBar->setVisible(!IsOrganizing());
    panel->setVisible(panelWasVisible);
    emit SignalSetTitleBarVisible(true);
    QWidget* top = window();
    if (top != this && top->isFullScreen() && !(stateBeforeReadMode & Qt::WindowFullScreen))
        top->setWindowState(stateBeforeReadMode);
    emit SignalEditStateChanged();
}

void MainBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && readMode) {
        LeaveReadMode();
        return;
    }
    if (findBar && findBar->HandleKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void MainBox::closeEvent(QCloseEvent* event)
{
    if (!document) {
        event->accept();
        emit SignalDocumentClosed(true);
        return;
    }
    // A save in progress finishes first.
    if (saver->IsBusy()) {
        event->ignore();
        emit SignalDocumentClosed(false);
        return;
    }
    if (session->IsDirty()) {
        CMessageDialog box(
            true, this, QString(),
            tr("Do you want to save changes to \"%1\" before closing?").arg(QFileInfo(document->FilePath()).fileName()),
            tr("Your changes will be lost if you don't save them."), tr("Cancel"), tr("Don't Save"), tr("Save"));
        box.ShowMask(window(), false);
        const int answer = box.exec();
        const bool keep = answer == 1 || answer == 0 || (answer == 3 && !saver->Save());
        if (keep) {
            event->ignore();
            emit SignalDocumentClosed(false);
            return;
        }
    }
    event->accept();
    recovery->Discard();
    // The window destroys this widget in answer; nothing of it is touched
    // after this line.
    emit SignalDocumentClosed(true);
}
