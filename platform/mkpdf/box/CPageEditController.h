#pragma once

#include "CPageEditLayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <memory>

class CPageEditBar;
class CPdfDocument;
class MainBox;
struct PagePreview;

// Page editing of one document, the home page's Edit PDF: text, pictures
// and links added to pages as their content, pictures moved, resized and
// deleted. Every change is an undo step of the document; the pages with
// changes are shown as they will be saved, made anew off the GUI thread
// after each step. Editing starts from the saved document (held comments
// are saved first) and ends with the changes saved or dropped, as the
// page organizer does. Text already on a page is not edited.
class CPageEditController : public QObject
{
    Q_OBJECT
public:
    explicit CPageEditController(MainBox* box);

    CPageEditBar* Bar() const { return bar; }
    CPageEditLayer* Layer() const { return layer; }
    // The document's view, new or made again after a save.
    void Attach();
    // False when the user stays where they are, or the document's
    // permissions refuse changes (they are told).
    bool Show();
    bool Hide();
    bool IsShown() const { return shown; }
    void Toggle();
    // Whether pages are still being made anew after the latest step.
    bool IsBusy() const { return running > 0; }

    // The steps, for the layer, the bar and callers that know the answers a
    // dialog would ask for. Each false when refused or there is nothing to do.
    bool AddText(int nPage, const QPointF& at, const QString& text);
    bool AddImage(int nPage, const QPointF& centre, const QString& path);
    bool ChangeObject(int nPage, int nIndex, const QRectF& area);
    // A page target from 0, or a web address.
    bool AddLink(int nPage, const QRectF& area, int nTarget, const QString& address);
    bool SetLink(int nPage, int nIndex, int nTarget, const QString& address);
    bool DeleteSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AskImage(int nPage, const QPointF& at);
    void AskLinkTarget(int nPage, const QRectF& area);
    void AskRetarget(int nPage, int nIndex);
    bool Push(const PageEdit& edit, const QString& text, int nSelect = -1, bool bLink = false);
    void OnEditsChanged(int nPage);
    void Refresh(int nPage);
    void OnPreview(int nPage, quint64 generation, const PagePreview& preview);
    void UpdateVisibility();
    void ShowError(const QString& text);

    MainBox* box;
    CPageEditBar* bar = nullptr;
    QPointer<CPageEditLayer> layer;
    std::shared_ptr<CPdfDocument> document;
    QHash<int, quint64> generations;
    QSet<int> overridden;
    // Selected once the page is known again: the new object or link.
    CPageEditLayer::Item selectAfter;
    int running = 0;
    bool shown = false;
    bool connected = false;
};
