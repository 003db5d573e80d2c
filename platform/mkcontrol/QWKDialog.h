#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

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

    // Shows the dialog modal to its window and returns at once; done gets
    // what exec() would have returned, and the dialog deletes itself. No
    // loop of its own runs, so nothing can delete the window under one: a
    // window that goes meanwhile takes the dialog with it, and done is not
    // called. For questions asked from timers, hand-overs and restores.
    void OpenThen(const std::function<void(int)>& done = {});

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
