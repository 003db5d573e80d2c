#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class CFormBar;
class CFormLayer;
class CFormStore;
class CPageView;
class CPdfDocument;
class QUndoStack;

// The form of one document: its fields, the layer that fills them in on
// the current page view, and the bar that tells about them.
class CFormController : public QObject
{
    Q_OBJECT
public:
    CFormController(CFormBar* bar, QObject* parent);

    // The document's view, new or made again after a save.
    void Attach(std::shared_ptr<CPdfDocument> document, QUndoStack* stack, CPageView* view);
    void Detach();

    CFormStore* Store() const;
    CFormLayer* Layer() const;
    CFormBar* Bar() const { return bar; }
    bool HasChanges() const;

private:
    CFormBar* bar;
    QPointer<CFormStore> store;
    QPointer<CFormLayer> layer;
};
