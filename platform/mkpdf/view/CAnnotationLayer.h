#pragma once

#include "CAnnotationStore.h"
#include "CCommentOptions.h"
#include "CPageLayer.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QVector>

#include <functional>

class CInlineTextEditor;
class CPageView;
class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;
class QUndoStack;

// The comment tools at work on a page view: drawing new comments with the
// current tool, and, with no tool, selecting, moving, resizing, editing and
// deleting existing ones (another program's included). Every change goes on
// the document's undo stack. Draws the selection and what is being drawn
// over the pages; takes the view's mouse only while the comment bar is
// shown.
class CAnnotationLayer : public CPageLayer
{
    Q_OBJECT
    Q_PROPERTY(QColor accentColor READ AccentColor WRITE SetAccentColor)
public:
    CAnnotationLayer(CAnnotationStore* store, QUndoStack* stack, CPageView* view, QObject* parent = nullptr);
    ~CAnnotationLayer() override;

    void SetOptions(const CCommentOptions* pOptions) { options = pOptions; }
    void SetUserNameSource(std::function<QString()> source) { userName = std::move(source); }
    void SetActive(bool bActive);
    bool IsActive() const { return active; }
    void SetTool(CCommentOptions::Tool tool);
    CCommentOptions::Tool Tool() const { return tool; }

    // The comment selected for changes; invalid when none.
    PdfAnnotation Selected() const { return selected; }
    void Select(int nPage, int nIndex);
    // Scrolls to a comment; selects it while the layer is active.
    void ShowAnnotation(int nPage, int nIndex);
    void ClearSelection();
    bool DeleteSelected();
    // Changes the selected comment as change says, in one undo step.
    bool ChangeSelected(const std::function<void(PdfAnnotation&)>& change, const QString& text);
    void EditSelectedText();

    // A comment as the current options make it, on a page.
    PdfAnnotation NewAnnotation(CCommentOptions::Tool kind, int nPage) const;
    // Marks the view's selected text with a text markup tool; false when
    // nothing is selected.
    bool MarkSelectedText(CCommentOptions::Tool markup);
    // Puts a new comment on the undo stack; its index once made, or -1.
    int AddAnnotation(const PdfAnnotation& annotation);

    void PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target) override;

    QColor AccentColor() const { return accent; }
    void SetAccentColor(const QColor& color) { accent = color; }

signals:
    void SignalSelectionChanged(bool bSelected);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Drag { NoDrag, Drawing, Moving, Resizing, Erasing };

    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    bool DoubleClick(QMouseEvent* event);
    bool ContextMenu(QContextMenuEvent* event);
    bool KeyPress(QKeyEvent* event);
    void FinishDrawing();
    void EraseAt(int nPage, const QPointF& point);
    // The handle of the selection under a viewport point: 0-3 corners of
    // the box, 10 and 11 the ends of a line; -1 none.
    int HandleAt(const QPoint& pos) const;
    QVector<QPointF> HandlePoints() const;
    PdfAnnotation Resized(const QPointF& point) const;
    void OpenEditor(const QRectF& pageRect, int nPage, const QString& text,
                    const std::function<void(const QString&)>& done);
    void UpdateCursor(const QPoint& pos);
    double Margin() const;
    void Refresh();
    void OnPageChanged(int nPage);

    CAnnotationStore* store;
    QUndoStack* stack;
    const CCommentOptions* options = nullptr;
    std::function<QString()> userName;
    bool active = false;
    CCommentOptions::Tool tool = CCommentOptions::NoTool;
    PdfAnnotation selected;
    PdfAnnotation hovered;

    Drag drag = NoDrag;
    int dragPage = -1;
    int dragHandle = -1;
    QPointF dragStart; // page points
    QPointF dragNow;
    QVector<QPointF> stroke;
    bool eraseMacro = false;
    QColor accent = QColor(59, 108, 246);
};
