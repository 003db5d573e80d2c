#pragma once

#include "CPageContentEditor.h"
#include "CPageLayer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QVector>

class QKeyEvent;
class QMouseEvent;

// Editing what pages draw, on a page view: pictures and added texts are
// framed, and can be selected, dragged, resized by their corners (the
// arrow keys move a selected one, with Ctrl they resize it), and deleted;
// links are shown and can be selected and led elsewhere. The text tool
// opens a box where a click lands, the picture tool asks for a picture
// there, the link tool draws a link's area. Every change is asked for
// with a signal; what a page holds comes back through SetPage. Takes the
// view's mouse and keys only while active.
class CPageEditLayer : public CPageLayer
{
    Q_OBJECT
    Q_PROPERTY(QColor accentColor READ AccentColor WRITE SetAccentColor)
public:
    enum Tool { SelectTool, TextTool, ImageTool, LinkTool };
    // A picture or added text, or a link, of a page.
    struct Item
    {
        int page = -1;
        int index = -1;
        bool link = false;
        bool IsValid() const { return page >= 0 && index >= 0; }
    };

    explicit CPageEditLayer(CPageView* view, QObject* parent = nullptr);

    void SetActive(bool bActive);
    bool IsActive() const { return active; }
    void SetTool(Tool newTool);
    Tool CurrentTool() const { return tool; }
    // What a page holds now; a page not known yet is asked for with
    // SignalPageWanted when it is drawn.
    void SetPage(int nPage, const QVector<PageObject>& objects, const QVector<PdfLink>& links);
    void ForgetPages();
    bool HasPage(int nPage) const { return objects.contains(nPage); }
    QVector<PageObject> Objects(int nPage) const { return objects.value(nPage); }
    QVector<PdfLink> Links(int nPage) const { return links.value(nPage); }
    Item Selected() const { return selected; }
    void Select(const Item& item);
    // How typed text looks in the box: the font at its size in points.
    void SetTextLook(const QFont& font, const QColor& color);
    // Opens a box for new text with its top left at a page point, holding
    // text to begin with.
    void StartText(int nPage, const QPointF& at, const QString& text = QString());

    void PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target) override;

    QColor AccentColor() const { return accent; }
    void SetAccentColor(const QColor& color) { accent = color; }

signals:
    void SignalPageWanted(int nPage);
    void SignalTextTyped(int nPage, const QPointF& at, const QString& strText);
    void SignalImageWanted(int nPage, const QPointF& at);
    void SignalLinkDrawn(int nPage, const QRectF& area);
    void SignalObjectChanged(int nPage, int nIndex, const QRectF& area);
    void SignalDeleteWanted();
    // The selected link is to lead elsewhere.
    void SignalLinkWanted(int nPage, int nIndex);
    void SignalSelectionChanged();
    void SignalToolChanged(int nTool);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Drag { NoDrag, Moving, Resizing, Drawing };

    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    bool KeyPress(QKeyEvent* event);
    bool WantsKey(QKeyEvent* event) const;
    Item ItemAt(int nPage, const QPointF& point) const;
    QRectF AreaOf(const Item& item) const;
    // The corner of the selection under a viewport point, 0-3 from the top
    // left clockwise; -1 none.
    int HandleAt(const QPoint& pos) const;
    QRectF DraggedArea() const;
    void StepSelection(bool bForward);
    // The middle of the current page's part on screen.
    QPointF VisibleCentre(int* nPage) const;
    void UpdateCursor(const QPoint& pos);
    void Refresh();

    bool active = false;
    Tool tool = SelectTool;
    QHash<int, QVector<PageObject>> objects;
    QHash<int, QVector<PdfLink>> links;
    QSet<int> wanted;
    Item selected;
    Drag drag = NoDrag;
    int dragPage = -1;
    int dragHandle = -1;
    bool keepRatio = true;
    QPointF dragStart;
    QPointF dragNow;
    QFont textFont;
    QColor textColor = Qt::black;
    QColor accent = QColor(59, 108, 246);
};
