#include "CCommentController.h"

#include "CAnnotationLayer.h"
#include "CAnnotationStore.h"
#include "CCommentToolBar.h"
#include "CDocumentSaver.h"
#include "CPageView.h"

#include <QClipboard>
#include <QGuiApplication>

CCommentController::CCommentController(CCommentToolBar* bar_, QWidget* owner_)
    : QObject(owner_)
    , bar(bar_)
    , owner(owner_)
{
    bar->hide();
    connect(bar, &CCommentToolBar::SignalToolChanged, this, &CCommentController::ChooseTool);
    connect(bar, &CCommentToolBar::SignalCloseClicked, this, &CCommentController::Hide);
    connect(bar, &CCommentToolBar::SignalColorChosen, this, [this](const QColor& color) {
        ChangeOption([this, color](CCommentOptions::Tool tool) { return options.SetToolColor(tool, color); },
                     [color](PdfAnnotation& a) { a.color = color; }, tr("Change Comment Color"));
    });
    connect(bar, &CCommentToolBar::SignalOpacityChosen, this, [this](int nPercent) {
        ChangeOption([this, nPercent](CCommentOptions::Tool tool) { return options.SetToolOpacity(tool, nPercent); },
                     [nPercent](PdfAnnotation& a) { a.opacity = nPercent / 100.0; }, tr("Change Comment Opacity"));
    });
    connect(bar, &CCommentToolBar::SignalWidthChosen, this, [this](double dWidth) {
        ChangeOption([this, dWidth](CCommentOptions::Tool tool) { return options.SetToolWidth(tool, dWidth); },
                     [dWidth](PdfAnnotation& a) { a.width = dWidth; }, tr("Change Line Width"));
    });
    connect(bar, &CCommentToolBar::SignalFontSizeChosen, this, [this](int nSize) {
        ChangeOption([this, nSize](CCommentOptions::Tool tool) { return options.SetToolFontSize(tool, nSize); },
                     [nSize](PdfAnnotation& a) { a.fontSize = nSize; }, tr("Change Font Size"));
    });
}

void CCommentController::SetOptionMap(const QVariantMap& map)
{
    incoming = map;
    optionsChanged = false;
    options = CCommentOptions::FromMap(map);
    bar->ShowOptions(options);
}

QVariantMap CCommentController::OptionMap() const
{
    if (!optionsChanged)
        return incoming;
    QVariantMap merged = incoming;
    const QVariantMap ours = options.ToMap();
    for (auto group = ours.constBegin(); group != ours.constEnd(); ++group) {
        QVariantMap values = incoming.value(group.key()).toMap();
        const QVariantMap mine = group.value().toMap();
        for (auto it = mine.constBegin(); it != mine.constEnd(); ++it)
            values.insert(it.key(), it.value());
        merged.insert(group.key(), values);
    }
    return merged;
}

void CCommentController::Attach(CAnnotationStore* pStore, QUndoStack* stack, CPageView* view)
{
    Detach();
    store = pStore;
    layer = new CAnnotationLayer(pStore, stack, view, this);
    layer->SetOptions(&options);
    layer->SetUserNameSource([this]() { return userName ? userName() : QString(); });
    connect(layer, &CAnnotationLayer::SignalSelectionChanged, this, &CCommentController::ShowSelection);
    if (IsShown()) {
        layer->SetActive(true);
        layer->SetTool(bar->Tool());
    }
}

void CCommentController::Detach()
{
    delete layer;
    layer = nullptr;
}

bool CCommentController::Show(bool bLastTool)
{
    if (store && !store->CanAnnotate()) {
        CDocumentSaver::ShowError(owner, tr("Cannot Add Comments"),
                                  tr("The document's permissions do not allow adding comments."));
        return false;
    }
    bar->show();
    if (layer)
        layer->SetActive(true);
    const CCommentOptions::Tool tool = bLastTool ? options.LastTool() : CCommentOptions::NoTool;
    bar->SetTool(tool);
    ChooseTool(tool);
    return true;
}

void CCommentController::Hide()
{
    bar->hide();
    if (layer)
        layer->SetActive(false);
}

CAnnotationLayer* CCommentController::Layer() const
{
    return layer;
}

namespace {

// The comment Copy kept; the clipboard holds only its text.
PdfAnnotation& Copied()
{
    static PdfAnnotation copied;
    return copied;
}

} // namespace

bool CCommentController::HasCopy()
{
    return Copied().page >= 0;
}

bool CCommentController::CopySelected(bool bCut)
{
    if (!layer || !layer->Selected().IsValid())
        return false;
    Copied() = layer->Selected();
    QGuiApplication::clipboard()->setText(Copied().contents);
    return !bCut || layer->DeleteSelected();
}

bool CCommentController::Paste(int nPage, const QSizeF& pageSize)
{
    if (!layer || !store || !HasCopy() || !store->CanAnnotate())
        return false;
    PdfAnnotation pasted = Copied();
    QPointF delta;
    if (pasted.page == nPage)
        delta = QPointF(12, 12);
    // Wholly on the page, whatever its size.
    const QRectF box = pasted.rect.translated(delta);
    delta.rx() += qMin(0.0, pageSize.width() - box.right()) - qMin(0.0, box.left());
    delta.ry() += qMin(0.0, pageSize.height() - box.bottom()) - qMin(0.0, box.top());
    pasted = pasted.Translated(delta);
    pasted.page = nPage;
    pasted.index = -1;
    pasted.name.clear();
    const int index = layer->AddAnnotation(pasted);
    if (index < 0)
        return false;
    Copied().page = nPage;
    Copied().rect = pasted.rect;
    Copied().quads = pasted.quads;
    Copied().paths = pasted.paths;
    layer->Select(nPage, index);
    return true;
}

bool CCommentController::IsShown() const
{
    return !bar->isHidden();
}

void CCommentController::Toggle(bool bLastTool)
{
    if (IsShown())
        Hide();
    else
        Show(bLastTool);
}

void CCommentController::GoTo(int nPage, int nIndex)
{
    if (layer)
        layer->ShowAnnotation(nPage, nIndex);
}

void CCommentController::ChooseTool(int nTool)
{
    const auto tool = CCommentOptions::Tool(nTool);
    if (layer)
        layer->SetTool(tool);
    if (tool != CCommentOptions::NoTool && options.SetLastTool(tool)) {
        optionsChanged = true;
        emit SignalOptionsChanged();
    }
    bar->ShowOptions(options);
}

void CCommentController::ChangeOption(const std::function<bool(CCommentOptions::Tool)>& setTool,
                                      const std::function<void(PdfAnnotation&)>& setAnnotation, const QString& text)
{
    // A selected comment takes the value; otherwise the tool keeps it for
    // what it makes next.
    if (layer && layer->Selected().IsValid()) {
        layer->ChangeSelected(setAnnotation, text);
        return;
    }
    if (setTool(bar->Tool())) {
        optionsChanged = true;
        emit SignalOptionsChanged();
    }
    bar->ShowOptions(options);
}

void CCommentController::ShowSelection(bool bSelected)
{
    const PdfAnnotation selected = layer ? layer->Selected() : PdfAnnotation();
    bar->ShowAnnotation(bSelected ? &selected : nullptr, options);
}
