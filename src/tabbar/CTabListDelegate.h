#pragma once

#include <QColor>
#include <QPixmap>
#include <QStyle>
#include <QStyledItemDelegate>

// Paints a row of the tab list: check mark for the current tab, caption,
// and a close icon that reacts to the pointer.
class CTabListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CTabListDelegate(QObject* parent = nullptr);

    QColor textColor;
    QColor hoverColor;
    QColor pressedColor;
    QString closeNormalIcon;
    QString closeHoverIcon;
    QString checkedIcon;

    void SetCloseNormalIcon(const QString& path);
    void SetCloseHoverIcon(const QString& path);
    void SetCheckedIcon(const QString& path);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QRect CloseIconRect(const QRect& item);

signals:
    void SignalClickedClose(const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    bool HitClose(QEvent* event, const QRect& item);

    QPixmap closeNormalPixmap;
    QPixmap closeHoverPixmap;
    QPixmap checkedPixmap;
    QStyle::StateFlag closeState = QStyle::State_Enabled;
    int lastRow = -1;
};
