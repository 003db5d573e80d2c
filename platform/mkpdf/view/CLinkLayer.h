#pragma once

#include "CPageLayer.h"
#include "CPdfDocument.h"

#include <QHash>
#include <QPoint>
#include <QSet>

#include <memory>

class QMouseEvent;

// The links of the pages on a view: the pointer becomes a hand over one,
// with a tool tip saying where it leads, and a click (press and release
// without a drag, in either cursor mode) follows it through
// SignalLinkActivated. Links are read off the GUI thread, a page at a time,
// the first time the pointer comes over the page.
class CLinkLayer : public CPageLayer
{
    Q_OBJECT
public:
    CLinkLayer(std::shared_ptr<CPdfDocument> document, CPageView* view, QObject* parent = nullptr);

    // The link at a viewport point; kind GoTo with page -1 for none.
    PdfLink LinkAt(const QPoint& viewportPos);
    // The links of a page when they have been read (asked for otherwise).
    bool LinksRead(int nPage);
    // What the tool tip says of a link.
    static QString Describe(const PdfLink& link);
    void PaintPage(QPainter& painter, const CPageView& view, int nPage, const QRectF& target) override;

signals:
    void SignalLinkActivated(const PdfLink& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MouseMove(QMouseEvent* event);
    void Read(int nPage);

    std::shared_ptr<CPdfDocument> document;
    QHash<int, QVector<PdfLink>> links;
    QSet<int> reading;
    bool hovering = false;
    bool pressed = false;
    QPoint pressAt;
    PdfLink pressedLink;
};
