#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QStyledItemDelegate>

// Paints an entry of the recent list (a 56 px row or a 148 x 184 tile) with
// its more button and, in the list, its pin button, and turns clicks on them
// into signals.
class CFileListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CFileListDelegate(QObject* parent = nullptr);

    QColor backColor = QColor("#F5F5F5");
    QColor borderColor = QColor("#E0E0E0");
    QColor deepColor = QColor("#1A1B1F");
    QColor lightColor = QColor("#83858F");
    QColor hoverColor = QColor(0, 0, 0, 15);
    QColor pressedColor = QColor(0, 0, 0, 25);
    QString IconPath() const { return iconPath; }
    void SetIconPath(const QString& path);

    static QRect MoreRect(const QRect& item, bool grid);
    static QRect PinRect(const QRect& item);
    static const QColor kHoverTextColor;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void SignalClickedMore(const QModelIndex& index);
    void SignalClickedPin(const QModelIndex& index);
    void SignalLeftButtonClicked(const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool IsGrid(const QStyleOptionViewItem& option) const;
    bool HitTest(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);
    void PaintButtonBack(QPainter* painter, const QRect& rect, int state, int row) const;

    int moreState = 1;
    int pinState = 1;
    int hotRow = -1;
    QString iconPath;
    QPixmap unpinPixmap;
    QPixmap pinPixmap;
    QPixmap morePixmap;
    QPixmap trianglePixmap;
    QImage gridLock;
    QImage listLock;
};
