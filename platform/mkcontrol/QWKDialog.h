#pragma once

#include <QDialog>
#include <QPointer>

class QBoxLayout;
class QPushButton;
class QWKDialogBar;

// Frameless modal dialog with a title bar and a content area. ShowMask dims
// the window it belongs to while it is shown.
class QWKDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QWKDialog(QWidget* parent = nullptr);
    ~QWKDialog() override;

    QWKDialogBar* titleBar() const { return bar; }
    QWidget* contentWidget() const { return content; }
    void SetTitle(const QString& title);

    // The row of buttons at the foot of a dialog, added to layout (or, for
    // null, left for the caller to place: ButtonRow()): Cancel (rejects the
    // dialog; none when cancelText is empty) and the default button,
    // returned for the caller to connect. More buttons can be inserted into
    // the row before the stretch (index 0) or after it.
    QPushButton* AddButtonRow(QBoxLayout* layout, const QString& okText, const QString& cancelText);
    QBoxLayout* ButtonRow() const { return buttonRow; }

    // Dims window until this dialog hides. bTransparent keeps the overlay
    // (so the window cannot be clicked) without darkening it.
    void ShowMask(QWidget* window, bool bTransparent);
    QWidget* MaskWidget() const { return mask; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RemoveMask();

    QWKDialogBar* bar = nullptr;
    QWidget* content = nullptr;
    QBoxLayout* buttonRow = nullptr;
    QPointer<QWidget> mask;
    QPointer<QWidget> maskedWindow;
};
