#include "CPageEditController.h"

#include "CCommentController.h"
#include "CCommentToolBar.h"
#include "CDocumentSaver.h"
#include "CEditSession.h"
#include "CJobRunner.h"
#include "CLinkTargetBox.h"
#include "CMessageDialog.h"
#include "CPageEditBar.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "MainBox.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// A new picture takes at most this part of the page's width and height.
constexpr double kImageShare = 0.6;
// Pixels of a picture as points, as a screen of 96 dpi shows them.
constexpr double kPointsPerPixel = 0.75;

// A link made or led elsewhere: to a page (from 0) or, when there is one, a
// web address.
PageEdit LinkEdit(PageEdit::Kind kind, int nPage, int nIndex, const QRectF& area, int nTarget, const QString& address)
{
    PageEdit edit;
    edit.kind = kind;
    edit.page = nPage;
    edit.index = nIndex;
    edit.area = area;
    edit.target = address.isEmpty() ? nTarget : -1;
    edit.text = address;
    return edit;
}

} // namespace

CPageEditController::CPageEditController(MainBox* box_)
    : QObject(box_)
    , box(box_)
{
    bar = new CPageEditBar(box);
    box->layout->addWidget(bar);
    connect(bar, &CPageEditBar::SignalToolChanged, this, [this](int nTool) {
        if (layer)
            layer->SetTool(CPageEditLayer::Tool(nTool));
        if (box->view)
            box->view->setFocus();
    });
    connect(bar, &CPageEditBar::SignalStyleChanged, this, [this]() {
        const PdfTextStyle style = bar->TextStyle();
        QFont font(style.family);
        font.setPointSizeF(style.size);
        if (layer)
            layer->SetTextLook(font, style.color);
    });
    connect(bar, &CPageEditBar::SignalDeleteClicked, this, &CPageEditController::DeleteSelected);
    connect(bar, &CPageEditBar::SignalLinkClicked, this, [this]() {
        if (layer && layer->Selected().link)
            AskRetarget(layer->Selected().page, layer->Selected().index);
    });
    connect(bar, &CPageEditBar::SignalCloseClicked, this, &CPageEditController::Hide);
    connect(box, &MainBox::SignalEditStateChanged, this, &CPageEditController::UpdateVisibility);
    box->comments->Bar()->installEventFilter(this);
}

void CPageEditController::Attach()
{
    delete layer;
    document = box->document;
    generations.clear();
    overridden.clear();
    selectAfter = CPageEditLayer::Item();
    layer = new CPageEditLayer(box->view, this);
    emit bar->SignalStyleChanged();
    layer->SetTool(CPageEditLayer::Tool(bar->Tool()));
    connect(layer, &CPageEditLayer::SignalPageWanted, this, &CPageEditController::Refresh);
    connect(layer, &CPageEditLayer::SignalTextTyped, this, &CPageEditController::AddText);
    connect(layer, &CPageEditLayer::SignalImageWanted, this, &CPageEditController::AskImage);
    connect(layer, &CPageEditLayer::SignalLinkDrawn, this, &CPageEditController::AskLinkTarget);
    connect(layer, &CPageEditLayer::SignalObjectChanged, this, &CPageEditController::ChangeObject);
    connect(layer, &CPageEditLayer::SignalDeleteWanted, this, &CPageEditController::DeleteSelected);
    connect(layer, &CPageEditLayer::SignalLinkWanted, this, &CPageEditController::AskRetarget);
    connect(layer, &CPageEditLayer::SignalToolChanged, bar, &CPageEditBar::SetTool);
    connect(layer, &CPageEditLayer::SignalSelectionChanged, this,
            [this]() { bar->ShowSelection(layer->Selected().IsValid(), layer->Selected().link); });
    bar->ShowSelection(false, false);
    if (!connected) {
        connected = true;
        connect(box->session, &CEditSession::SignalPageEditsChanged, this, &CPageEditController::OnEditsChanged);
    }
    UpdateVisibility();
}

bool CPageEditController::Show()
{
    if (shown)
        return true;
    if (!document || !box->view)
        return false;
    if (box->IsOrganizing() && !box->CloseOrganizer())
        return false;
    if (document->IsEncrypted()) {
        const PdfProtectionInfo rights = CPdfEditor::ReadProtection(document->FilePath(), document->Password());
        if (!rights.ownerAccess && !rights.allowModify) {
            CDocumentSaver::ShowError(box, tr("Cannot Edit Pages"),
                                      tr("The document's permissions do not allow changing its pages. Open it with "
                                         "its permissions password to edit them."));
            return false;
        }
    }
    // Pages are edited as the file has them: what else is unsaved goes first.
    if (!box->session->UndoStack()->isClean()) {
        CMessageDialog ask(true, box, QString(),
                           tr("Save the changes to \"%1\" first?").arg(QFileInfo(document->FilePath()).fileName()),
                           tr("Page editing starts from the saved document."), tr("Cancel"), QString(), tr("Save"));
        ask.ShowMask(box->window(), false);
        if (ask.exec() != 3 || !box->saver->Save())
            return false;
    }
    box->comments->Hide();
    shown = true;
    UpdateVisibility();
    box->view->setFocus();
    return true;
}

bool CPageEditController::Hide()
{
    if (!shown)
        return true;
    if (layer)
        layer->SetActive(false);
    if (!box->session->PageEdits().IsEmpty() && !box->session->UndoStack()->isClean()) {
        CMessageDialog ask(
            true, box, QString(), tr("Save the page edits to \"%1\"?").arg(QFileInfo(document->FilePath()).fileName()),
            tr("Pages show their edits until you leave page editing."), tr("Cancel"), tr("Discard"), tr("Save"));
        ask.ShowMask(box->window(), false);
        const int answer = ask.exec();
        if (answer == 2) {
            box->session->DiscardChanges();
        } else if (answer != 3 || !box->saver->Save()) {
            UpdateVisibility();
            return false;
        }
    }
    shown = false;
    UpdateVisibility();
    return true;
}

void CPageEditController::Toggle()
{
    if (shown)
        Hide();
    else
        Show();
}

void CPageEditController::UpdateVisibility()
{
    const bool on = shown && !box->IsFullScreenReadModeEnable();
    bar->setVisible(on);
    if (layer)
        layer->SetActive(on);
}

bool CPageEditController::eventFilter(QObject* watched, QEvent* event)
{
    // The comment tools and page editing take turns.
    if (event->type() == QEvent::Show && shown && watched == box->comments->Bar()) {
        QTimer::singleShot(0, this, [this]() {
            if (!Hide())
                box->comments->Hide();
        });
    }
    return false;
}

void CPageEditController::ShowError(const QString& text)
{
    CDocumentSaver::ShowError(box, tr("Cannot Edit the Page"), text);
}

bool CPageEditController::Push(const PageEdit& edit, const QString& text, int nSelect, bool bLink)
{
    if (!shown)
        return false;
    if (!CPageEdits::IsValid(edit, document->PageCount())) {
        const bool toPage = edit.IsLinkEdit() && edit.kind != PageEdit::RemoveLink && edit.text.isEmpty();
        if (toPage && (edit.target < 0 || edit.target >= document->PageCount()))
            ShowError(tr("The document has no page %1.").arg(edit.target + 1));
        else if (edit.IsLinkEdit() && !edit.text.isEmpty())
            ShowError(tr("\"%1\" is not a web address a link can lead to.").arg(edit.text));
        else
            ShowError(tr("The change does not fit the page."));
        return false;
    }
    selectAfter = {nSelect >= -1 ? edit.page : -1, nSelect, bLink};
    box->session->ApplyPageEdit(edit, text);
    return true;
}

bool CPageEditController::AddText(int nPage, const QPointF& at, const QString& text)
{
    PageEdit edit;
    edit.kind = PageEdit::AddText;
    edit.page = nPage;
    edit.text = text.left(40);
    QString error;
    edit.data = CTextOverlay::Make(text, bar->TextStyle(), document->PageSize(nPage), at, &edit.area, &error);
    if (edit.data.isEmpty()) {
        if (text.trimmed().isEmpty())
            return false;
        ShowError(error.isEmpty() ? tr("The text could not be added here.") : error);
        // What was typed stays, to be changed or taken to another font.
        if (layer && layer->IsActive()) {
            QTimer::singleShot(0, layer, [this, nPage, at, text]() {
                if (layer && layer->IsActive())
                    layer->StartText(nPage, at, text);
            });
        }
        return false;
    }
    return Push(edit, tr("Add Text"), -1);
}

bool CPageEditController::AddImage(int nPage, const QPointF& centre, const QString& path)
{
    QFile file(path);
    if (file.size() > CPageEdits::kMaxDataBytes || !file.open(QIODevice::ReadOnly)) {
        ShowError(tr("The picture \"%1\" could not be read.").arg(QFileInfo(path).fileName()));
        return false;
    }
    PageEdit edit;
    edit.kind = PageEdit::AddImage;
    edit.page = nPage;
    edit.data = file.readAll();
    QSize pixels;
    QString error;
    if (!CPageContentEditor::ReadImage(edit.data, &pixels, &error)) {
        ShowError(error);
        return false;
    }
    // Its own size where it fits, smaller where not; wholly on the page.
    const QSizeF page = document->PageSize(nPage);
    QSizeF size = QSizeF(pixels) * kPointsPerPixel;
    if (size.width() > page.width() * kImageShare || size.height() > page.height() * kImageShare)
        size.scale(page * kImageShare, Qt::KeepAspectRatio);
    QRectF area(centre - QPointF(size.width() / 2, size.height() / 2), size);
    area.moveLeft(qBound(0.0, area.left(), page.width() - area.width()));
    area.moveTop(qBound(0.0, area.top(), page.height() - area.height()));
    edit.area = area;
    return Push(edit, tr("Add Picture"), -1);
}

bool CPageEditController::ChangeObject(int nPage, int nIndex, const QRectF& area)
{
    const PageObject object = layer ? layer->Objects(nPage).value(nIndex) : PageObject();
    // What is dragged off the page stays where it was.
    if (!QRectF(QPointF(), document->PageSize(nPage)).contains(area.center()) || object.area.isNull()) {
        box->view->viewport()->update();
        return false;
    }
    PageEdit edit;
    edit.kind = PageEdit::MoveObject;
    edit.page = nPage;
    edit.index = nIndex;
    edit.area = area;
    const bool resized
        = qAbs(area.width() - object.area.width()) > 0.01 || qAbs(area.height() - object.area.height()) > 0.01;
    const QString text = object.image ? (resized ? tr("Resize Picture") : tr("Move Picture"))
                                      : (resized ? tr("Resize Text") : tr("Move Text"));
    return Push(edit, text, nIndex);
}

bool CPageEditController::DeleteSelected()
{
    const CPageEditLayer::Item item = layer ? layer->Selected() : CPageEditLayer::Item();
    if (!shown || !item.IsValid())
        return false;
    PageEdit edit;
    edit.kind = item.link ? PageEdit::RemoveLink : PageEdit::DeleteObject;
    edit.page = item.page;
    edit.index = item.index;
    const bool image = layer->Objects(item.page).value(item.index).image;
    layer->Select(CPageEditLayer::Item());
    return Push(edit, item.link ? tr("Remove Link") : image ? tr("Delete Picture") : tr("Delete Text"), -2);
}

bool CPageEditController::AddLink(int nPage, const QRectF& area, int nTarget, const QString& address)
{
    return Push(LinkEdit(PageEdit::AddLink, nPage, -1, area, nTarget, address), tr("Add Link"), -1, true);
}

bool CPageEditController::SetLink(int nPage, int nIndex, int nTarget, const QString& address)
{
    return Push(LinkEdit(PageEdit::SetLink, nPage, nIndex, QRectF(), nTarget, address), tr("Change Link"), nIndex,
                true);
}

void CPageEditController::AskImage(int nPage, const QPointF& at)
{
    // The pictures folder where there is one, else the document's own.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(folder).isDir())
        folder = QFileInfo(document->FilePath()).absolutePath();
    const QString path
        = QFileDialog::getOpenFileName(box, tr("Add Picture"), folder, tr("Pictures (*.png *.jpg *.jpeg)"));
    if (!path.isEmpty())
        AddImage(nPage, at, path);
}

void CPageEditController::AskLinkTarget(int nPage, const QRectF& area)
{
    CLinkTargetBox ask(qMin(nPage + 1, document->PageCount() - 1), QString(), document->PageCount(), box);
    ask.ShowMask(box->window(), false);
    if (ask.exec() == 1)
        AddLink(nPage, area, ask.Page(), ask.Address());
}

void CPageEditController::AskRetarget(int nPage, int nIndex)
{
    const PdfLink link = layer ? layer->Links(nPage).value(nIndex) : PdfLink();
    CLinkTargetBox ask(link.kind == PdfLink::GoTo ? link.page : -1, link.kind == PdfLink::Uri ? link.target : QString(),
                       document->PageCount(), box);
    ask.ShowMask(box->window(), false);
    if (ask.exec() == 1)
        SetLink(nPage, nIndex, ask.Page(), ask.Address());
}

void CPageEditController::OnEditsChanged(int nPage)
{
    // Edits brought back from a recovery copy are shown where they are made.
    if (!shown && !box->session->PageEdits().IsEmpty()) {
        shown = true;
        box->comments->Hide();
        UpdateVisibility();
    }
    if (nPage >= 0) {
        Refresh(nPage);
        return;
    }
    QSet<int> pages = overridden;
    for (int page : box->session->PageEdits().Pages())
        pages.insert(page);
    for (int page : pages)
        Refresh(page);
    if (layer)
        layer->ForgetPages();
}

void CPageEditController::Refresh(int nPage)
{
    if (!document || nPage < 0 || nPage >= document->PageCount())
        return;
    const quint64 generation = ++generations[nPage];
    ++running;
    const PdfSource source {document->FilePath(), document->Password()};
    const CPageEdits edits = box->session->PageEdits();
    const std::shared_ptr<CPdfDocument> doc = document;
    auto* watcher = new QFutureWatcher<PagePreview>(this);
    connect(watcher, &QFutureWatcher<PagePreview>::finished, this, [this, watcher, doc, nPage, generation]() {
        watcher->deleteLater();
        --running;
        if (doc == document && !watcher->isCanceled())
            OnPreview(nPage, generation, watcher->result());
    });
    watcher->setFuture(CJobRunner::Run(CJobRunner::FilePool, CJobRunner::VisiblePriority, [source, edits, nPage]() {
        return CPageContentEditor::Preview(source, edits, nPage);
    }));
}

void CPageEditController::OnPreview(int nPage, quint64 generation, const PagePreview& preview)
{
    if (generation != generations.value(nPage))
        return;
    if (!preview.Ok()) {
        // The step just made does not fit the page: it goes again.
        const bool dropped = box->session->DropPageEdit(nPage);
        ShowError(tr("The change could not be made (%1).").arg(preview.error));
        if (!dropped && layer)
            layer->SetPage(nPage, {}, {});
        return;
    }
    const bool draws = !preview.pdf.isEmpty();
    if ((draws || overridden.contains(nPage)) && document->SetPageOverride(nPage, preview.pdf)) {
        if (draws)
            overridden.insert(nPage);
        else
            overridden.remove(nPage);
        box->view->InvalidatePage(nPage);
    }
    if (!layer)
        return;
    layer->SetPage(nPage, preview.objects, preview.links);
    if (selectAfter.page == nPage) {
        CPageEditLayer::Item item = selectAfter;
        const int count = item.link ? preview.links.size() : preview.objects.size();
        if (item.index == -1)
            item.index = count - 1;
        selectAfter = CPageEditLayer::Item();
        if (item.index >= 0 && item.index < count)
            layer->Select(item);
    }
}
