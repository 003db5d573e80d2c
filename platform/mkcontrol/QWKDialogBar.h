#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Title area of a frameless dialog: its title and a close button. Dragging
// it moves the dialog.
class QWKDialogBar : public QWidget
{
    Q_OBJECT
public:
    explicit QWKDialogBar(QWidget* parent = nullptr);

    // bShowIcon puts the application icon before the title.
    void SetTitle(const QString& title, bool bShowIcon = false);
    QString Title() const;
    void SetCloseVisible(bool visible);
    QPushButton* CloseButton() const { return closeButton; }

signals:
    void SignalClose();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* iconLabel = nullptr;
    QLabel* titleLabel = nullptr;
    QPushButton* closeButton = nullptr;
    bool dragging = false;
    QPoint dragOffset;
};
