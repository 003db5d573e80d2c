#pragma once

#include <QWidget>

#include <functional>

class CPageView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The bar above a document's pages: the file menu button, the panel, find
// and organizer buttons, the page number, zoom and read mode. Page and zoom act on
// the view it is given, which changes when the document is opened again.
class CDocumentToolBar : public QWidget
{
    Q_OBJECT
public:
    explicit CDocumentToolBar(QWidget* parent = nullptr);

    void SetView(CPageView* pView, int nPageCount);
    // The button that asks for the window's file menu under itself.
    static QPushButton* NewFileButton(QWidget* bar, const std::function<void(const QPoint&)>& open);
    QLineEdit* PageEdit() const { return pageEdit; }
    void UpdatePageNumber(int nPage);
    void UpdateZoomText(double dPercent);
    // A document that forbids comments offers no comment button.
    void SetCommentEnabled(bool bEnabled);
    QPushButton* CommentButton() const { return commentButton; }

signals:
    void SignalClickedFile(const QPoint& pos);
    void SignalClickedPanel();
    void SignalClickedFind();
    void SignalClickedOrganize();
    void SignalClickedComment();
    void SignalClickedReadMode();
    void SignalStepPage(int nDelta);

private:
    CPageView* view = nullptr;
    QLineEdit* pageEdit = nullptr;
    QLabel* pageTotal = nullptr;
    QComboBox* zoomBox = nullptr;
    QPushButton* commentButton = nullptr;
};
