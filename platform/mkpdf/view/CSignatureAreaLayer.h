#pragma once

#include "CPageLayer.h"
#include "CSignatures.h"

#include <QPointF>
#include <QVector>

#include <memory>

class CPdfDocument;

// Choosing where a new signature goes, on a page view: a box dragged on a
// page, or a click on an empty signature field (outlined while choosing).
// Enter, for whoever works without a mouse, takes the current page's empty
// field or puts a box of the usual size in the middle of the page; Esc
// gives up.
class CSignatureAreaLayer : public CPageLayer
{
    Q_OBJECT
public:
    // The usual box, in points; smaller drags are taken as a click.
    static constexpr double kWidth = 200;
    static constexpr double kHeight = 60;

    CSignatureAreaLayer(std::shared_ptr<CPdfDocument> document, CPageView* view, QObject* parent = nullptr);

    void SetEmptyFields(const QVector<PdfSignature>& fields);
    void Start();
    void Stop();
    bool IsActive() const { return active; }
    // The usual box centred on point (page points), kept on the page.
    QRectF BoxAround(int nPage, const QPointF& point) const;
    void PaintPage(QPainter& painter, const CPageView& view, int nPage, const QRectF& target) override;

signals:
    // rect in page points (top left origin); strField names the empty
    // field picked instead, with its own rect.
    void SignalPlaced(int nPage, const QRectF& rect, const QString& strField);
    void SignalCancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(int nPage, const QRectF& rect, const QString& field);
    const PdfSignature* FieldAt(int nPage, const QPointF& point) const;

    std::shared_ptr<CPdfDocument> document;
    QVector<PdfSignature> fields;
    bool active = false;
    int dragPage = -1;
    QPointF dragFrom;
    QPointF dragTo;
};
