#pragma once

#include "CCommentOptions.h"

#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QVariantMap>

#include <functional>

class CAnnotationLayer;
class CAnnotationStore;
class CCommentToolBar;
class CPageView;
class QUndoStack;
class QWidget;

// Comment mode of one document: the comment bar, the tool options that came
// with the open request, and the layer that draws and edits comments on the
// current page view. Option changes are reported with
// SignalOptionsChanged for the window to keep.
class CCommentController : public QObject
{
    Q_OBJECT
public:
    CCommentController(CCommentToolBar* bar, QWidget* owner);

    void SetOptionMap(const QVariantMap& map);
    // What came in, as it came while nothing changed; then with this
    // program's keys updated and every other key kept.
    QVariantMap OptionMap() const;
    const CCommentOptions& Options() const { return options; }
    void SetUserNameSource(std::function<QString()> source) { userName = std::move(source); }

    // The document's view, new or made again after a save.
    void Attach(CAnnotationStore* store, QUndoStack* stack, CPageView* view);
    // Before that view goes.
    void Detach();

    // Shows the bar, with no tool or the one used last. A document whose
    // permissions forbid comments says so and shows nothing.
    bool Show(bool bLastTool);
    void Hide();
    bool IsShown() const;
    // The tool bar's button resumes with the tool used last; the menu's
    // Comment opens the bar without one.
    void Toggle(bool bLastTool = false);
    // Brings a comment into view, selected while the bar is shown.
    void GoTo(int nPage, int nIndex);
    CAnnotationLayer* Layer() const;
    // Copying a selected comment keeps it for Paste (in any document) and
    // puts its text on the clipboard; Cut deletes it too. Paste adds the
    // comment kept to the given page, a little off the original when it
    // lands on the same spot. Each false when there is nothing to act on.
    bool CopySelected(bool bCut);
    bool Paste(int nPage, const QSizeF& pageSize);
    static bool HasCopy();
    CCommentToolBar* Bar() const { return bar; }

signals:
    void SignalOptionsChanged();

private:
    void ChooseTool(int nTool);
    void ChangeOption(const std::function<bool(CCommentOptions::Tool)>& setTool,
                      const std::function<void(struct PdfAnnotation&)>& setAnnotation, const QString& text);
    void ShowSelection(bool bSelected);

    CCommentToolBar* bar;
    QWidget* owner;
    QPointer<CAnnotationLayer> layer;
    QPointer<CAnnotationStore> store;
    CCommentOptions options;
    QVariantMap incoming;
    bool optionsChanged = false;
    std::function<QString()> userName;
};
