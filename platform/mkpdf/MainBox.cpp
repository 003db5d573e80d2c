#include "MainBox.h"

#include "CPageView.h"
#include "CPdfDocument.h"
#include "CPdfEditor.h"
#include "CRenderQueue.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QSet>
#include <QThreadPool>
#include <QVBoxLayout>

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

} // namespace

MainBox::MainBox(std::shared_ptr<CPdfDocument> document_, const QVariantMap& options, QWidget* parent)
    : QWidget(parent)
    , document(std::move(document_))
{
    LiveBoxes().insert(static_cast<const QWidget*>(this));
    setObjectName("main_box");
    filePath = document->FilePath();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view = new CPageView(document, this);
    layout->addWidget(view);
    connect(view, &CPageView::SignalPageRendered, this, &MainBox::SlotPageRendered);
    ApplyOptions(options);
}

MainBox::~MainBox()
{
    LiveBoxes().remove(static_cast<const QWidget*>(this));
}

bool MainBox::IsLiveBox(const void* pointer)
{
    return pointer && LiveBoxes().contains(pointer);
}

void MainBox::ApplyOptions(const QVariantMap& options)
{
    view->SetDisplayMode(options.value("displayMode", CPageView::SingleScroll).toInt());
    view->SetZoom(ZoomFromOption(options.value("zoom", CPageView::kFitWidth)));
    view->GoToPage(options.value("pageIndex", 0).toInt());
    commentOption = options.value("comment").toMap();
    if (options.contains("toolID"))
        pendingTool = options.value("toolID").toInt();
}

QWidget* MainBox::CreatePdfBox(QWidget* parent, const QString& path, const QVariantMap& options,
                               int& result)
{
    CPdfDocument::LoadStatus status = CPdfDocument::Damaged;
    std::shared_ptr<CPdfDocument> document = CPdfDocument::Load(path, QByteArray(), &status);
    if (!document) {
        result = ResultForStatus(status);
        return nullptr;
    }
    result = OpenOk;
    return new MainBox(document, options, parent);
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
    CRenderQueue::Pool()->clear();
    CRenderQueue::Pool()->waitForDone();
}

void MainBox::HandleToolID(int nToolID)
{
    pendingTool = nToolID;
}

void MainBox::OnMainMenuTrigger(const QVariant& action)
{
    const QString key = action.toString();
    if (key == "zoom_in")
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
    else if (key == "single_view")
        view->SetDisplayMode(CPageView::SinglePage);
    else if (key == "single_scroll")
        view->SetDisplayMode(CPageView::SingleScroll);
    else if (key == "two_view")
        view->SetDisplayMode(CPageView::TwoPage);
    else if (key == "two_scroll")
        view->SetDisplayMode(CPageView::TwoScroll);
    else if (key == "first_page")
        view->GoToPage(0);
    else if (key == "last_page")
        view->GoToPage(view->PageCount() - 1);
    else if (key == "pre_page")
        view->GoToPage(view->CurrentPage() - 1);
    else if (key == "next_page")
        view->GoToPage(view->CurrentPage() + 1);
}

QString MainBox::GetDocumentFilePath() const
{
    return filePath;
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

void MainBox::SlotPageRendered(int nPage, const QImage& image)
{
    Q_UNUSED(image);
    if (nPage != 0 || firstThumbDone)
        return;
    firstThumbDone = true;
    emit SignalFirstThumbRendered(filePath, document->IsEncrypted());
}

void MainBox::closeEvent(QCloseEvent* event)
{
    // Nothing can be edited yet, so there is nothing to settle before closing.
    event->accept();
    emit SignalDocumentClosed(true);
}
