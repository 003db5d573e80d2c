#pragma once

#include <QListView>

class CTabListDelegate;

// The list inside the tab list popup. Its colours and icons are set by the
// skin through the properties below and painted by its delegate.
class CTabListView : public QListView
{
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ TextColor WRITE SetTextColor)
    Q_PROPERTY(QColor hoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(QColor pressedColor READ PressedColor WRITE SetPressedColor)
    Q_PROPERTY(QString closeNormalIcon READ CloseNormalIcon WRITE SetCloseNormalIcon)
    Q_PROPERTY(QString closeHoverIcon READ CloseHoverIcon WRITE SetCloseHoverIcon)
    Q_PROPERTY(QString checkedIcon READ CheckedIcon WRITE SetCheckedIcon)
public:
    explicit CTabListView(QWidget* parent = nullptr);

    CTabListDelegate* Delegate() const { return delegate; }

    QColor TextColor() const;
    void SetTextColor(const QColor& color);
    QColor HoverColor() const;
    void SetHoverColor(const QColor& color);
    QColor PressedColor() const;
    void SetPressedColor(const QColor& color);
    QString CloseNormalIcon() const;
    void SetCloseNormalIcon(const QString& path);
    QString CloseHoverIcon() const;
    void SetCloseHoverIcon(const QString& path);
    QString CheckedIcon() const;
    void SetCheckedIcon(const QString& path);

signals:
    void SignalCurrentChanged(int row);
    void SignalCloseCurrent(int row);

public slots:
    void SlotClickedClose(const QModelIndex& index);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CTabListDelegate* delegate = nullptr;
    // Set while the user's own press is handled: only then does a new
    // current row choose a tab. The list also moves its current row when
    // rows go or move, and on focus; none of that is a choice.
    bool userChoosing = false;
};
