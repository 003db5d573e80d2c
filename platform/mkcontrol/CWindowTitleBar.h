#pragma once

#include <QWidget>

class QHBoxLayout;
class QPushButton;
class CHoverButton;

// Title bar of a frameless main window: caller widgets on the left, tool
// buttons, then the menu, account, minimise, maximise and close buttons.
// Dragging it moves the window; a double click maximises or restores.
class CWindowTitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit CWindowTitleBar(QWidget* parent = nullptr);

    void AddWidgetToLeft(QWidget* widget, int stretch = 0);
    void InsertToolButton(int index, QWidget* widget);
    void EnterFullScreen(bool bFull);
    void SetMaximized(bool bMaximized);

    QPushButton* MenuButton() const { return menuButton; }
    CHoverButton* MemberButton() const { return memberButton; }
    QPushButton* MaxButton() const { return maxButton; }

signals:
    void SignalClickedMenu();
    void SignalClickedMember();
    void SignalMemberEnter();
    void SignalMemberLeave();
    void SignalMinimize();
    void SignalMaximize();
    void SignalClose();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPushButton* MakeButton(const QString& objectName);
    void Retranslate();

    QHBoxLayout* leftLayout = nullptr;
    QHBoxLayout* toolLayout = nullptr;
    QPushButton* menuButton = nullptr;
    CHoverButton* memberButton = nullptr;
    QPushButton* minButton = nullptr;
    QPushButton* maxButton = nullptr;
    QPushButton* closeButton = nullptr;
    // A press becomes a move once the pointer travels: the window system's
    // move would swallow the second click of a double click.
    bool pressed = false;
    QPoint pressAt;
    // Manual move when the window system offers no interactive move.
    bool dragging = false;
    QPoint dragOffset;
};
