#include "MainBox.h"

#include "CDocumentSearch.h"
#include "CFileUtils.h"
#include "CFindBar.h"
#include "CGotoPageBox.h"
#include "CIconButton.h"
#include "CMessageDialog.h"
#include "CPageCache.h"
#include "CPageView.h"
#include "CPasswordBox.h"
#include "CPdfDocument.h"
#include "CPdfEditor.h"
#include "CPdfPrinter.h"
#include "CPropertiesBox.h"
#include "CRenameBox.h"
#include "CRenderQueue.h"
#include "CSidePanel.h"
#include "CTextCache.h"
#include "CustomIntValidator.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QFutureWatcher>
#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QBuffer>
#include <QSet>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

int ResultForStatus(CPdfDocument::LoadStatus status)
{
    switch (status) {
    case CPdfDocument::Loaded:
        return MainBox::OpenOk;
    case CPdfDocument::Missing:
        return MainBox::OpenMissing;
    case CPdfDocument::Unreadable:
        return MainBox::OpenUnreadable;
    case CPdfDocument::Damaged:
        return MainBox::OpenDamaged;
    case CPdfDocument::NeedsPassword:
    case CPdfDocument::WrongPassword:
        return MainBox::OpenWrongPassword;
    }
    return MainBox::OpenDamaged;
}

// Zoom of an open request: a fit value, or a percentage within range;
// anything else falls back to fit width.
double ZoomFromOption(const QVariant& value)
{
    bool ok = false;
    const double zoom = value.toDouble(&ok);
    if (!ok)
        return CPageView::kFitWidth;
    if (zoom == CPageView::kFitPage || zoom == CPageView::kFitWidth || zoom == CPageView::kFitHeight)
        return zoom;
    if (zoom >= CPageView::kMinZoom && zoom <= CPageView::kMaxZoom)
        return zoom;
    return CPageView::kFitWidth;
}

QSet<const void*>& LiveBoxes()
{
    static QSet<const void*> boxes;
    return boxes;
}

// A name taken from inside a PDF: only its last part, without characters a
// file name cannot hold.
QString SafeAttachmentName(const QString& name)
{
    static const QRegularExpression forbidden("[\\\\/:*?\"<>|\\x00-\\x1f]");
    QString clean = name.section('/', -1).section('\\', -1);
    clean.remove(forbidden);
    clean = clean.trimmed();
    if (clean.isEmpty() || clean == "." || clean == "..")
        clean = QStringLiteral("attachment");
    return clean.right(150);
}

struct PrefetchResult
{
    std::shared_ptr<CPdfDocument> document;
    QImage firstPage;
    double scale = 0;
};

struct PrefetchSlot
{
    QString path;
    QFuture<PrefetchResult> future;
};

PrefetchSlot& Prefetched()
{
    static PrefetchSlot slot;
    return slot;
}

const double kZoomChoices[] = {6400, 3200, 2400, 1600, 800, 400, 200, 150, 125, 100, 75, 50, 25, 10, 5};

} // namespace

MainBox::MainBox(std::shared_ptr<CPdfDocument> document_, const QVariantMap& options, QWidget* parent)
    : QWidget(parent)
    , document(std::move(document_))
{
    LiveBoxes().insert(static_cast<const QWidget*>(this));
    setObjectName("main_box");
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view = new CPageView(document, this);
    panel = new CSidePanel(document, this);
    panel->hide();
    search = new CDocumentSearch(document, this);
    view->SetOverlay(search);
    panel->SetSearch(search);
    findBar = new CFindBar(search, view, this);
    findBar->hide();
    toolBar = BuildToolBar();
    layout->addWidget(toolBar);
    layout->addWidget(findBar);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(panel);
    body->addWidget(view, 1);
    layout->addLayout(body, 1);

    // The recent list's picture of the document is made at once, in the
    // background, also for a document opened behind other tabs.
    keepThumbnail = options.value("recordThumbnail", true).toBool();
    QTimer::singleShot(0, this, [this]() {
        if (!firstThumbDone)
            WriteFirstThumbnail();
    });
    connect(view, &CPageView::SignalCurrentPageChanged, this, &MainBox::UpdatePageNumber);
    connect(view, &CPageView::SignalZoomChanged, this, &MainBox::UpdateZoomText);
    connect(panel, &CSidePanel::SignalGoToPage, view, &CPageView::GoToPage);
    connect(panel, &CSidePanel::SignalOpenAttachment, this, [this](int nIndex) { ExtractAttachment(nIndex); });
    connect(findBar, &CFindBar::SignalShowResults, this, [this]() {
        panel->ShowPage(CSidePanel::SearchResults);
        panel->show();
    });
    ApplyOptions(options);
    UpdatePageNumber(view->CurrentPage());

    // Sizes of the other pages are read in the background; the layout uses
    // the first page's size until then.
    if (!document->SizesLoaded()) {
        auto* watcher = new QFutureWatcher<void>(this);
        connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher]() {
            watcher->deleteLater();
            view->RefreshLayout();
            panel->RefreshLayout();
        });
        std::shared_ptr<CPdfDocument> doc = document;
        watcher->setFuture(CRenderQueue::Run([doc]() { doc->LoadPageSizes(); }));
    }
}

MainBox::~MainBox()
{
    LiveBoxes().remove(static_cast<const QWidget*>(this));
    CPageCache::Instance().RemoveDocument(document->Id());
    // Workers still reading a page of this document drop what they read.
    search->Clear();
    CTextCache::Instance().RemoveDocument(document->Id());
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

QWidget* MainBox::BuildToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("widget_doc_toolbar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(40);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(4);

    // The file menu belongs to the window; the engine only says where to
    // put it.
    auto* fileButton = new QPushButton(tr("File"), bar);
    fileButton->setObjectName("button_doc_file");
    fileButton->setFixedHeight(28);
    fileButton->setFocusPolicy(Qt::NoFocus);
    fileButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    connect(fileButton, &QPushButton::clicked, this, [this, fileButton]() {
        emit SignalClickedFile(fileButton->mapToGlobal(QPoint(0, fileButton->height())));
    });
    row->addWidget(fileButton);

    QPushButton* panelButton = new CIconButton("button_doc_panel", tr("Thumbnails"), 28, bar);
    connect(panelButton, &QPushButton::clicked, this, [this]() { TogglePanel(CSidePanel::Thumbnails); });
    row->addWidget(panelButton);
    QPushButton* findButton = new CIconButton("button_doc_find", tr("Find (Ctrl+F)"), 28, bar);
    connect(findButton, &QPushButton::clicked, findBar, [this]() { findBar->Open(); });
    row->addWidget(findButton);
    row->addStretch(1);

    QPushButton* previous = new CIconButton("button_doc_prev", tr("Previous Page"), 28, bar);
    connect(previous, &QPushButton::clicked, this, [this]() { OnMainMenuTrigger("pre_page"); });
    row->addWidget(previous);
    pageEdit = new QLineEdit(bar);
    pageEdit->setObjectName("line_doc_page");
    pageEdit->setFixedSize(48, 26);
    pageEdit->setAlignment(Qt::AlignCenter);
    pageEdit->setValidator(new CustomIntValidator(1, qMax(1, document->PageCount()), pageEdit));
    connect(pageEdit, &QLineEdit::returnPressed, this, [this]() {
        const int page = pageEdit->text().toInt();
        if (page >= 1 && page <= document->PageCount())
            view->GoToPage(page - 1);
        UpdatePageNumber(view->CurrentPage());
        view->setFocus();
    });
    row->addWidget(pageEdit);
    pageTotal = new QLabel(QStringLiteral("/ %1").arg(document->PageCount()), bar);
    pageTotal->setObjectName("label_doc_total");
    row->addWidget(pageTotal);
    QPushButton* next = new CIconButton("button_doc_next", tr("Next Page"), 28, bar);
    connect(next, &QPushButton::clicked, this, [this]() { OnMainMenuTrigger("next_page"); });
    row->addWidget(next);
    row->addSpacing(16);

    QPushButton* zoomOut = new CIconButton("button_doc_zoom_out", tr("Zoom Out"), 28, bar);
    connect(zoomOut, &QPushButton::clicked, view, &CPageView::ZoomOut);
    row->addWidget(zoomOut);
    zoomBox = new QComboBox(bar);
    zoomBox->setObjectName("combo_doc_zoom");
    zoomBox->setEditable(true);
    zoomBox->setInsertPolicy(QComboBox::NoInsert);
    zoomBox->setFixedSize(110, 26);
    zoomBox->addItem(tr("Actual Size"), CPageView::kActualSize);
    zoomBox->addItem(tr("Fit Page"), CPageView::kFitPage);
    zoomBox->addItem(tr("Fit Width"), CPageView::kFitWidth);
    zoomBox->addItem(tr("Fit Height"), CPageView::kFitHeight);
    for (double zoom : kZoomChoices)
        zoomBox->addItem(QString::number(zoom) + "%", zoom);
    zoomBox->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression("\\d{0,4}%?"), zoomBox));
    connect(zoomBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        view->SetZoom(zoomBox->itemData(index).toDouble());
        UpdateZoomText(view->ZoomPercent());
        view->setFocus();
    });
    connect(zoomBox->lineEdit(), &QLineEdit::returnPressed, this, [this]() {
        QString text = zoomBox->lineEdit()->text();
        text.remove('%');
        const double zoom = text.toDouble();
        if (zoom > 0)
            view->SetZoom(qBound(CPageView::kMinZoom, zoom, CPageView::kMaxZoom));
        UpdateZoomText(view->ZoomPercent());
        view->setFocus();
    });
    row->addWidget(zoomBox);
    QPushButton* zoomIn = new CIconButton("button_doc_zoom_in", tr("Zoom In"), 28, bar);
    connect(zoomIn, &QPushButton::clicked, view, &CPageView::ZoomIn);
    row->addWidget(zoomIn);
    row->addStretch(1);

    QPushButton* read = new CIconButton("button_doc_read", tr("Enter Read Mode"), 28, bar);
    connect(read, &QPushButton::clicked, this, &MainBox::EnterReadMode);
    row->addWidget(read);
    return bar;
}

void MainBox::ApplyOptions(const QVariantMap& options)
{
    view->SetDisplayMode(options.value("displayMode", CPageView::SingleScroll).toInt());
    view->SetZoom(ZoomFromOption(options.value("zoom", CPageView::kFitWidth)));
    view->SetCursorMode(options.value("cursor", 0).toInt());
    view->GoToPage(options.value("pageIndex", 0).toInt());
    commentOption = options.value("comment").toMap();
    if (options.contains("toolID"))
        pendingTool = options.value("toolID").toInt();
}

void MainBox::Prefetch(const QString& path, const QSize& viewSize)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        return;
    const double dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // The width the page will most likely be fitted to: the view less its
    // margins and a scroll bar.
    const int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double fitWidth = viewSize.width() - bar - 24;
    PrefetchSlot& slot = Prefetched();
    slot.path = info.absoluteFilePath();
    slot.future = CRenderQueue::Run([path, viewSize, dpr, fitWidth]() {
        PrefetchResult result;
        CPdfDocument::LoadStatus status;
        result.document = CPdfDocument::Load(path, QByteArray(), &status);
        if (!result.document || !viewSize.isValid())
            return result;
        result.scale = fitWidth / result.document->PageSize(0).width() * dpr;
        if (result.scale > 0)
            result.firstPage = result.document->RenderPage(0, result.scale);
        return result;
    });
}

QString MainBox::PrefetchedPath()
{
    return Prefetched().path;
}

QWidget* MainBox::CreatePdfBox(QWidget* parent, const QString& path, const QVariantMap& options,
                               int& result)
{
    CPdfDocument::LoadStatus status = CPdfDocument::Damaged;
    std::shared_ptr<CPdfDocument> document;
    PrefetchResult prefetched;
    PrefetchSlot& slot = Prefetched();
    if (!slot.path.isEmpty() && slot.path == QFileInfo(path).absoluteFilePath()) {
        prefetched = slot.future.result();
        document = prefetched.document;
        slot = PrefetchSlot();
    }
    if (document) {
        status = CPdfDocument::Loaded;
        if (!prefetched.firstPage.isNull())
            CPageCache::Instance().Insert({document->Id(), 0, CPageCache::ScaleKey(prefetched.scale), QRect()},
                                          prefetched.firstPage);
    } else {
        document = CPdfDocument::Load(path, QByteArray(), &status);
    }
    // A protected file: ask until the password fits or the user gives up.
    bool retry = false;
    while (!document && (status == CPdfDocument::NeedsPassword || status == CPdfDocument::WrongPassword)) {
        CPasswordBox box(QFileInfo(path).fileName(), retry, parent);
        if (parent)
            box.ShowMask(parent->window(), false);
        if (box.exec() != 1) {
            result = OpenGaveUp;
            return nullptr;
        }
        document = CPdfDocument::Load(path, box.Password().toUtf8(), &status);
        retry = true;
    }
    if (!document) {
        result = ResultForStatus(status);
        return nullptr;
    }
    result = OpenOk;
    auto* box = new MainBox(document, options, parent);
    if (prefetched.document == document && prefetched.scale > 0)
        box->view->SetPlaceholderScale(prefetched.scale);
    return box;
}

QWidget* MainBox::CreatePdfBox(QWidget* parent, const QVariantMap& options, int& result)
{
    const QString path = options.value("tempPath").toString();
    const QSizeF size = options.value("pageSize").toSizeF();
    const int count = options.value("pageCount").toInt();
    if (!CPdfEditor::WriteBlankDocument(path, size, count)) {
        result = OpenCreateFailed;
        return nullptr;
    }
    QWidget* widget = CreatePdfBox(parent, path, options, result);
    if (auto* box = qobject_cast<MainBox*>(widget)) {
        box->tempDoc = true;
        box->dirty = true;
    }
    return widget;
}

void MainBox::DestroyPDF()
{
    Prefetched() = PrefetchSlot();
    CRenderQueue::Pool()->clear();
    CRenderQueue::Pool()->waitForDone();
    CDocumentSearch::Pool()->clear();
    CDocumentSearch::Pool()->waitForDone();
    CPageCache::Instance().Clear();
}

QString MainBox::ThumbnailDirPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recent/thumb/";
}

QString MainBox::ThumbnailFileName(const QString& documentPath)
{
    QString name = documentPath;
    name.replace('/', '_');
    name.replace('\\', '_');
    name.remove(':');
    if (!name.endsWith(".pdf", Qt::CaseInsensitive))
        return name;
    name.replace(".pdf", ".png", Qt::CaseInsensitive);
    if (name.size() >= 200)
        name = name.right(200);
    return name;
}

void MainBox::WriteFirstThumbnail()
{
    firstThumbDone = true;
    const QString path = document->FilePath();
    const QString target = ThumbnailDirPath() + ThumbnailFileName(path);
    const bool encrypted = document->IsEncrypted();
    // A protected document's page never lands on disk as a picture (the list
    // shows a lock instead, and drops a picture an older version left), and
    // a document opened in private mode leaves none at all.
    if (encrypted)
        QFile::remove(target);
    if (encrypted || !keepThumbnail) {
        emit SignalFirstThumbRendered(path, encrypted);
        return;
    }
    std::shared_ptr<CPdfDocument> doc = document;
    QPointer<MainBox> self(this);
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher, path, encrypted]() {
        watcher->deleteLater();
        emit SignalFirstThumbRendered(path, encrypted);
    });
    watcher->setFuture(CRenderQueue::Run([doc, target]() {
        // About 160 px on the long side.
        const QSizeF size = doc->PageSize(0);
        const double scale = 160.0 / qMax(size.width(), size.height());
        const QImage image = doc->RenderPage(0, scale);
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "PNG"))
            MKBase::CFileUtils::WriteFileBytes(target, png);
    }));
}

void MainBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (pendingTool >= 0) {
        const int tool = pendingTool;
        pendingTool = -1;
        QTimer::singleShot(0, this, [this, tool]() { ApplyTool(tool); });
    }
}

void MainBox::HandleToolID(int nToolID)
{
    if (isVisible())
        QTimer::singleShot(0, this, [this, nToolID]() { ApplyTool(nToolID); });
    else
        pendingTool = nToolID;
}

void MainBox::ApplyTool(int nToolID)
{
    switch (nToolID) {
    case 0:
        view->SetCursorMode(CPageView::SelectCursor);
        break;
    case 2:
        AskPrint();
        break;
    case 3:
        panel->ShowPage(CSidePanel::Thumbnails);
        panel->show();
        break;
    case 4:
        ShowProperties();
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
    pageEdit->setText(QString::number(nPage + 1));
    panel->SetCurrentDocumentPage(nPage);
}

void MainBox::UpdateZoomText(double dPercent)
{
    zoomBox->setEditText(QString::number(qRound(dPercent)) + "%");
}

void MainBox::OnMainMenuTrigger(const QVariant& action)
{
    const QString key = action.toString();
    if (key == "save")
        Save();
    else if (key == "save_as")
        AskSaveAs();
    else if (key == "show_in_finder")
        MKBase::CFileUtils::OpenFolderAndSelectFile(GetDocumentFilePath());
    else if (key == "rename")
        AskRename();
    else if (key == "doc_property")
        ShowProperties();
    else if (key == "print")
        AskPrint();
    else if (key == "copy")
        view->CopySelection();
    else if (key == "select_all")
        view->SelectAllText();
    else if (key == "single_view")
        view->SetDisplayMode(CPageView::SinglePage);
    else if (key == "single_scroll")
        view->SetDisplayMode(CPageView::SingleScroll);
    else if (key == "two_view")
        view->SetDisplayMode(CPageView::TwoPage);
    else if (key == "two_scroll")
        view->SetDisplayMode(CPageView::TwoScroll);
    else if (key == "thumbnail")
        TogglePanel(CSidePanel::Thumbnails);
    else if (key == "bookmark")
        TogglePanel(CSidePanel::Bookmarks);
    else if (key == "annotation")
        TogglePanel(CSidePanel::Annotations);
    else if (key == "attachment")
        TogglePanel(CSidePanel::Attachments);
    else if (key == "zoom_in")
        view->ZoomIn();
    else if (key == "zoom_out")
        view->ZoomOut();
    else if (key == "fit_actual")
        view->SetZoom(CPageView::kActualSize);
    else if (key == "fit_page")
        view->SetZoom(CPageView::kFitPage);
    else if (key == "fit_width")
        view->SetZoom(CPageView::kFitWidth);
    else if (key == "fit_height")
        view->SetZoom(CPageView::kFitHeight);
    else if (key == "full_screen")
        EnterReadMode();
    else if (key == "exit_full_screen")
        LeaveReadMode();
    else if (key == "first_page")
        view->GoToPage(0);
    else if (key == "last_page")
        view->GoToPage(view->PageCount() - 1);
    else if (key == "pre_page")
        view->GoToPage(view->CurrentPage() - 1);
    else if (key == "next_page")
        view->GoToPage(view->CurrentPage() + 1);
    else if (key == "up")
        view->ScrollLines(-1);
    else if (key == "down")
        view->ScrollLines(1);
    else if (key == "goto")
        AskGoToPage();
    else if (key == "find")
        findBar->Open();
    // Editing keys ("undo", "redo", "cut", "paste", "delete") have nothing to
    // act on while reading; unknown keys are ignored.
}

QString MainBox::GetDocumentFilePath() const
{
    return document->FilePath();
}

QVariantMap MainBox::GetDisplayOption() const
{
    QVariantMap option;
    option["pageIndex"] = view->CurrentPage();
    option["zoom"] = float(view->Zoom());
    option["displayMode"] = view->DisplayMode();
    return option;
}

QVariantMap MainBox::GetCommentOption() const
{
    return commentOption;
}

int MainBox::GetModuleIndex() const
{
    return 0;
}

bool MainBox::isTempDoc() const
{
    return tempDoc;
}

bool MainBox::IsFullScreenReadModeEnable() const
{
    return readMode;
}

int MainBox::PageCount() const
{
    return view->PageCount();
}

int MainBox::CurrentPageIndex() const
{
    return view->CurrentPage();
}

void MainBox::ShowError(const QString& title, const QString& text)
{
    CMessageDialog box(true, this, QString(), title, text, QString(), QString(), tr("OK"));
    box.ShowMask(window(), false);
    box.exec();
}

bool MainBox::SaveAs(const QString& path, QString* error)
{
    const QString old = document->FilePath();
    QString target = path;
    if (QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        target += ".pdf";
    const bool same = MKBase::CFileUtils::IsTheSameFile(old, target);
    if (!same && !MKBase::CFileUtils::CopyFileHandle(old, target, true)) {
        const QString reason = tr("The file could not be written to \"%1\". Check that the folder exists and that you may write there.")
                                   .arg(QDir::toNativeSeparators(target));
        if (error)
            *error = reason;
        ShowError(tr("Failed to Save"), reason);
        return false;
    }
    document->SetFilePath(QFileInfo(target).absoluteFilePath());
    tempDoc = false;
    dirty = false;
    emit SignalDocumentSaveAs(old, document->FilePath());
    emit SignalDocumentChanged(false);
    return true;
}

bool MainBox::Save()
{
    if (tempDoc)
        return AskSaveAs();
    if (!dirty)
        return true;
    // The file on disk is the document: nothing in memory differs from it.
    dirty = false;
    emit SignalDocumentChanged(false);
    return true;
}

bool MainBox::AskSaveAs()
{
    const QFileInfo current(document->FilePath());
    QString folder = current.absolutePath();
    if (tempDoc)
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Save As"), folder + "/" + current.fileName(),
                                                        tr("PDF Files (*.pdf)"));
    if (chosen.isEmpty())
        return false;
    return SaveAs(chosen);
}

bool MainBox::RenameTo(const QString& path, QString* error)
{
    const QString old = document->FilePath();
    if (MKBase::CFileUtils::IsTheSameFile(old, path) && QFileInfo(old).fileName() == QFileInfo(path).fileName())
        return true;
    if (!QFile::rename(old, path)) {
        const QString reason = tr("The file could not be renamed. It may be in use, or the folder may not allow changes.");
        if (error)
            *error = reason;
        ShowError(tr("Failed to Rename"), reason);
        return false;
    }
    document->SetFilePath(QFileInfo(path).absoluteFilePath());
    emit SignalDocumentRename(old, document->FilePath());
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
        view->GoToPage(box.Page());
}

bool MainBox::PrintTo(QPrinter* printer, int nFrom, int nTo)
{
    return CPdfPrinter::Print(document, printer, nFrom, nTo, isVisible() ? this : nullptr);
}

void MainBox::AskPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(document->FilePath()).completeBaseName());
    printer.setFromTo(1, view->PageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, view->PageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    const int from = range ? printer.fromPage() - 1 : -1;
    const int to = range ? printer.toPage() - 1 : -1;
    if (!PrintTo(&printer, from, to))
        ShowError(tr("Failed to Print"), tr("The document could not be sent to the printer."));
}

void MainBox::ShowProperties()
{
    CPropertiesBox box(document->FilePath(), document->Properties(), this);
    box.ShowMask(window(), false);
    box.exec();
}

QString MainBox::ExtractAttachment(int nIndex)
{
    const QList<PdfAttachmentInfo> list = document->Attachments();
    if (nIndex < 0 || nIndex >= list.size())
        return QString();
    const QByteArray data = document->AttachmentData(nIndex);
    // Every extraction gets a folder of its own, so nothing is overwritten.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + "/attachments/" + QString::number(QDateTime::currentMSecsSinceEpoch(), 36)
        + QString::number(QRandomGenerator::global()->generate() % 100000, 36);
    const QString target = folder + "/" + SafeAttachmentName(list.at(nIndex).name);
    if (data.isEmpty() && list.at(nIndex).size > 0) {
        ShowError(tr("Failed to Open"), tr("The attachment could not be read from the document."));
        return QString();
    }
    if (!MKBase::CFileUtils::WriteFileBytes(target, data)) {
        ShowError(tr("Failed to Open"), tr("The attachment could not be saved."));
        return QString();
    }
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
    panel->hide();
    emit SignalSetTitleBarVisible(false);
    if (top != this)
        top->showFullScreen();
    view->setFocus();
}

void MainBox::LeaveReadMode()
{
    if (!readMode)
        return;
    readMode = false;
    toolBar->show();
    panel->setVisible(panelWasVisible);
    emit SignalSetTitleBarVisible(true);
    QWidget* top = window();
    if (top != this && top->isFullScreen() && !(stateBeforeReadMode & Qt::WindowFullScreen))
        top->setWindowState(stateBeforeReadMode);
}

void MainBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && readMode) {
        LeaveReadMode();
        return;
    }
    if (event->key() == Qt::Key_L && event->modifiers() == Qt::ControlModifier) {
        readMode ? LeaveReadMode() : EnterReadMode();
        return;
    }
    if (findBar->HandleKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void MainBox::closeEvent(QCloseEvent* event)
{
    if (dirty) {
        CMessageDialog box(true, this, QString(),
                           tr("Do you want to save changes to \"%1\" before closing?")
                               .arg(QFileInfo(document->FilePath()).fileName()),
                           tr("Your changes will be lost if you don't save them."), tr("Cancel"),
                           tr("Don't Save"), tr("Save"));
        box.ShowMask(window(), false);
        const int answer = box.exec();
        const bool keep = answer == 1 || answer == 0 || (answer == 3 && !Save());
        if (keep) {
            event->ignore();
            emit SignalDocumentClosed(false);
            return;
        }
    }
    event->accept();
    // The window destroys this widget in answer; nothing of it is touched
    // after this line.
    emit SignalDocumentClosed(true);
}
