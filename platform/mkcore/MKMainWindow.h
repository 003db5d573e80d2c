#pragma once

#include "CFramelessWindow.h"

#include <QUrl>
#include <QVariantMap>

class QStackedWidget;
class CWindowTitleBar;

// Frameless main window of the framework: a title bar over a stack of pages.
// Derived windows fill the title bar and the pages and override the hooks.
class MKMainWindow : public CFramelessWindow
{
    Q_OBJECT
public:
    explicit MKMainWindow(QWidget* parent = nullptr);
    ~MKMainWindow() override;

    CWindowTitleBar* titleBar() const { return bar; }

    int AddPage(QWidget* page);
    void RemovePage(QWidget* page);
    void SetCurrentPage(QWidget* page);
    void SetCurrentPage(int index);
    QWidget* PageWidgetOfIndex(int index) const;
    QWidget* CurrentPage() const;
    int PageCount() const;
    // The size a page of the stack is shown at.
    QSize PageAreaSize() const;

    void MoveToCenter();
    // Keeps the window on its screen's free area (the pointer's screen when
    // it is on none): moved in when it sticks out, maximised when it is
    // larger than the area, so that its title strip and buttons stay in reach.
    void FitToScreen();
    // The window's state beyond its geometry (full screen), for restoring a
    // window as it was left.
    QByteArray saveState(int version = 0) const;
    bool restoreState(const QByteArray& state, int version = 0);
    // Asks for a rating when it is due (see CReviewDialog::AskOnce).
    void ShowReview(const QString& strFrom);
    // mailto: address of the brand's feedback inbox with subject and body
    // prefilled; invalid when the brand has no valid address.
    static QUrl FeedbackUrl();
    static QUrl FeedbackUrl(const QString& strAddress);

    // Language changed: retranslate every text.
    virtual void UpdateText();
    // Skin changed: reload every picture.
    virtual void UpdateSkin();

signals:
    void SignalWindowActivate();

public slots:
    void SlotSettings(int nIndex = 0);
    void SlotClickedMember();
    void SlotClickedFeedback();
    void SlotClickedUpdate();
    void SlotClickedAbout();

protected slots:
    virtual void SlotClickedMenu();
    virtual void SlotMemberEnterEvent();
    virtual void SlotMemberLeaveEvent();

protected:
    // Runs the settings dialog with the current "language" and "skin"; the
    // returned map (empty when cancelled) is applied by the framework.
    virtual QVariantMap ShowSettingDialog(QVariantMap mapInfo);

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CWindowTitleBar* bar = nullptr;
    QStackedWidget* pages = nullptr;
};
