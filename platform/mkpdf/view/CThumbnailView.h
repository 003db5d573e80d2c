#pragma once

#include <QAbstractScrollArea>
#include <QVector>

#include <memory>

class CPdfDocument;
class CRenderQueue;

// One column of page thumbnails. Only the thumbnails in view are rendered,
// on demand and off the GUI thread; a click chooses the page.
class CThumbnailView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QColor currentColor READ CurrentColor WRITE SetCurrentColor)
    Q_PROPERTY(QColor textColor READ TextColor WRITE SetTextColor)
public:
    static constexpr int kThumbWidth = 120;

    explicit CThumbnailView(std::shared_ptr<CPdfDocument> document, QWidget* parent = nullptr);

    void SetCurrentPage(int nPage);
    int CurrentPage() const { return currentPage; }
    void RefreshLayout();
    QRect ThumbRect(int nPage) const; // viewport coordinates
    int RenderedCount() const { return rendered; }

    QColor CurrentColor() const { return currentColor; }
    void SetCurrentColor(const QColor& color);
    QColor TextColor() const { return textColor; }
    void SetTextColor(const QColor& color);

signals:
    void SignalPageClicked(int nPage);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double ThumbScale(int nPage) const;
    void Layout();

    std::shared_ptr<CPdfDocument> document;
    CRenderQueue* queue = nullptr;
    QVector<int> tops; // content y of each cell
    int contentHeight = 0;
    int currentPage = 0;
    int rendered = 0;
    QColor currentColor = QColor(59, 108, 246);
    QColor textColor = QColor(80, 80, 80);
};
