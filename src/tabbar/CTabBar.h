#pragma once

#include "TabItem.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QMimeData;
class QPushButton;
class QTimer;
class BubbleTipWidget;
class CTabListWidget;

// The tab strip of a document window. Paints every tab itself (no child
// widget per tab), with one live close button that follows the hovered tab.
class CTabBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor hoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(QColor pressedColor READ PressedColor WRITE SetPressedColor)
    Q_PROPERTY(QColor normalTextColor READ NormalTextColor WRITE SetNormalTextColor)
    Q_PROPERTY(QColor hoverTextColor READ HoverTextColor WRITE SetHoverTextColor)
    Q_PROPERTY(QColor separatorColor READ SeparatorColor WRITE SetSeparatorColor)
    Q_PROPERTY(QString closeIcon READ CloseIcon WRITE SetCloseIcon)
public:
    // The formats of a tab dragged between windows.
    static const char* const kDragMarker;
    static const char* const kDragDirty;
    static const char* const kDragText;
    static const char* const kDragPointer;

    explicit CTabBar(QWidget* parent = nullptr);
    ~CTabBar() override;

    void AddItem(const QString& text, bool dirty, QWidget* widget, bool select);
    void RemoveItem(int index);
    void SetCurrentIndex(int index);
    int CurrentIndex() const { return currentIndex; }
    void ClearCurrent();
    void SetItemText(int index, const QString& text);
    void SetItemDirty(int index, bool dirty);
    bool IsItemDirty(int index) const;
    bool IsCurrentDirty() const;
    TabItem GetItem(int index) const;
    QString GetItemTitle(int index) const;
    int IndexOfWidget(QWidget* widget) const;
    int GetItemCount() const { return items.size(); }
    QRect GetItemRect(int index) const;
    int TabWidth() const { return tabWidth; }
    int HoverIndex() const { return hoverIndex; }
    int DropIndex() const { return dropIndex; }
    CTabListWidget* ListWidget() const { return listWidget; }
    BubbleTipWidget* TipWidget() const { return tipWidget; }

    QColor HoverColor() const { return hoverColor; }
    void SetHoverColor(const QColor& color);
    QColor PressedColor() const { return pressedColor; }
    void SetPressedColor(const QColor& color);
    QColor NormalTextColor() const { return normalTextColor; }
    void SetNormalTextColor(const QColor& color);
    QColor HoverTextColor() const { return hoverTextColor; }
    void SetHoverTextColor(const QColor& color);
    QColor SeparatorColor() const { return separatorColor; }
    void SetSeparatorColor(const QColor& color);
    QString CloseIcon() const { return closeIcon; }
    void SetCloseIcon(const QString& path);

    // A tab payload for a drag between windows; DecodeDragData reads one
    // back, giving empty text, false and null for missing parts.
    static QMimeData* EncodeDragData(const QString& text, bool dirty, QWidget* widget);
    static bool DecodeDragData(const QMimeData* data, QString* text, bool* dirty, QWidget** widget);
    // The window that starts dragging a tab's document names it here and
    // ends the drag when QDrag::exec returns. A bar takes a tab payload only
    // while that drag runs and only for that document, once: any program can
    // read the payload and offer it again.
    static void BeginTabDrag(QWidget* widget);
    static void EndTabDrag();
    // The document a bar of this process took during the last drag, so the
    // window that started it can tell whether one of ours adopted it
    // (another program may accept the drop without adopting anything).
    static QWidget* LastAcceptedWidget();

signals:
    void SignalItemDragOut(int nDragIndex, QPoint posMouse);
    void SignalItemDragIn(const QString& tabText, bool dirty, QWidget* tabWidget);
    void SignalClickedAdd();
    void SignalCloseTab(int nIndex);
    void SignalSelectChanged(int nIndex);
    void SignalContextMenu(const QPoint& pos);
    void SignalItemCountChanged();
    void SignalItemWidthChanged(const QPoint& pos);

public slots:
    void SlotClickedClose();
    void SlotClickedNum();
    void SlotCurrentChanged(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum PaintState { StateNormal, StateHover, StateCurrent };

    bool IsValid(int index) const { return index >= 0 && index < items.size(); }
    void CancelDrag();
    void Layout();
    void DragLayout();
    int ItemAt(const QPoint& pos) const;
    int DropIndexAt(const QPoint& pos) const;
    void PaintBackground(QPainter& painter, const QRect& rect, PaintState state) const;
    void PaintCaption(QPainter& painter, const TabItem& item, PaintState state) const;
    void PaintSeparator(QPainter& painter, int x) const;
    void MoveCloseButton(int index);
    void RestartTip(int index);
    void ShowTip();
    void UpdateHover(int index);

    QList<TabItem*> items;
    int currentIndex = -1;
    int hoverIndex = -1;
    int dropIndex = -1;
    bool pressed = false;
    QPoint lastPos;
    bool dragging = false;
    int tabWidth = 200;
    QColor hoverColor;
    QColor pressedColor;
    QColor normalTextColor;
    QColor hoverTextColor;
    QColor separatorColor;
    QString closeIcon;
    QPixmap closePixmap;
    QPushButton* closeButton = nullptr;
    BubbleTipWidget* tipWidget = nullptr;
    QTimer* tipTimer = nullptr;
    CTabListWidget* listWidget = nullptr;
};
