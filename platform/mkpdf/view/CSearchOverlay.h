#pragma once

#include "CPageOverlay.h"

#include <QObject>
#include <QPointer>

class CDocumentSearch;
class CPageView;

// Paints the matches of a document's search over the pages of its view,
// the current one in its own colour, and repaints when they change.
class CSearchOverlay : public QObject, public CPageOverlay
{
    Q_OBJECT
public:
    // A child of view, drawn first over its pages.
    CSearchOverlay(CDocumentSearch* search, CPageView* view);

    void PaintPage(QPainter& painter, const CPageView& view, int nPage, const QRectF& target) override;
    // True once the current match has been drawn on screen.
    bool CurrentMatchPainted() const;

private:
    QPointer<CDocumentSearch> search;
    int paintedPage = -1;
    int paintedIndex = -1;
};
