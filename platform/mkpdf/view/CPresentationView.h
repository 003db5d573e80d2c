#pragma once

#include <QWidget>

#include <memory>

class CPdfDocument;
class CRenderQueue;

// A document shown as a presentation: one page at a time, as large as the
// screen allows on black, full screen. The arrow, page and space keys or a
// click (right click back) turn the pages, Home and End go to the ends,
// Esc leaves. The page after next is prepared ahead.
class CPresentationView : public QWidget
{
    Q_OBJECT
public:
    CPresentationView(std::shared_ptr<CPdfDocument> document, int nPage, QWidget* parent = nullptr);
    ~CPresentationView() override;

    int CurrentPage() const { return page; }
    void GoToPage(int nPage);

signals:
    // Left, on the page shown last.
    void SignalClosed(int nPage);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Where a page goes on this screen, and at what scale (device pixels).
    QRect Target(int nPage, double* scale) const;
    void Prepare(int nPage);

    std::shared_ptr<CPdfDocument> document;
    CRenderQueue* queue = nullptr;
    int page = 0;
};
