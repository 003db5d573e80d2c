#include "CFormController.h"

#include "CFormBar.h"
#include "CFormLayer.h"
#include "CFormStore.h"

#include <QPushButton>

CFormController::CFormController(CFormBar* bar_, QObject* parent)
    : QObject(parent)
    , bar(bar_)
{
    connect(bar, &CFormBar::SignalHighlightToggled, this, [this](bool bOn) {
        if (layer)
            layer->SetHighlight(bOn);
    });
}

void CFormController::Attach(std::shared_ptr<CPdfDocument> document, QUndoStack* stack, CPageView* view)
{
    Detach();
    store = new CFormStore(std::move(document), this);
    layer = new CFormLayer(store, stack, view, this);
    CFormBar::State state = CFormBar::NoForm;
    if (store->IsXfaOnly())
        state = CFormBar::XfaOnly;
    else if (store->HasFields())
        state = store->CanFill() ? CFormBar::Fillable : CFormBar::Locked;
    const bool highlighted
        = bar->GetState() == CFormBar::Fillable && state == CFormBar::Fillable && bar->HighlightButton()->isChecked();
    bar->SetState(state);
    layer->SetHighlight(highlighted);
}

void CFormController::Detach()
{
    delete layer;
    delete store;
}

CFormStore* CFormController::Store() const
{
    return store;
}

CFormLayer* CFormController::Layer() const
{
    return layer;
}

bool CFormController::HasChanges() const
{
    return store && store->HasChanges();
}
