#include "MKMainWindow.h"

#include "CWindowTitleBar.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MKMessageBox.h"

#include <QCursor>
#include <QDataStream>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

MKMainWindow::MKMainWindow(QWidget* parent)
    : CFramelessWindow(parent)
{
    setObjectName("main_window");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    bar = new CWindowTitleBar(this);
    layout->addWidget(bar);
    // QStackedWidget drops a page by itself when the page is re-parented
    // elsewhere, which is how a document moves to another window.
    pages = new QStackedWidget(this);
    pages->setObjectName("widget_pages");
    layout->addWidget(pages, 1);

    connect(bar, &CWindowTitleBar::SignalMinimize, this, &QWidget::showMinimized);
    connect(bar, &CWindowTitleBar::SignalMaximize, this, [this]() {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
    });
    connect(bar, &CWindowTitleBar::SignalClose, this, &QWidget::close);
    connect(bar, &CWindowTitleBar::SignalClickedMenu, this, &MKMainWindow::SlotClickedMenu);
    connect(bar, &CWindowTitleBar::SignalClickedMember, this, &MKMainWindow::SlotClickedMember);
    connect(bar, &CWindowTitleBar::SignalMemberEnter, this, &MKMainWindow::SlotMemberEnterEvent);
    connect(bar, &CWindowTitleBar::SignalMemberLeave, this, &MKMainWindow::SlotMemberLeaveEvent);
}

MKMainWindow::~MKMainWindow() = default;

int MKMainWindow::AddPage(QWidget* page)
{
    if (!page)
        return -1;
    return pages->addWidget(page);
}

void MKMainWindow::RemovePage(QWidget* page)
{
    if (page && pages->indexOf(page) >= 0)
        pages->removeWidget(page);
}

void MKMainWindow::SetCurrentPage(QWidget* page)
{
    if (page && pages->indexOf(page) >= 0)
        pages->setCurrentWidget(page);
}

void MKMainWindow::SetCurrentPage(int index)
{
    if (index >= 0 && index < pages->count())
        pages->setCurrentIndex(index);
}

QWidget* MKMainWindow::PageWidgetOfIndex(int index) const
{
    return pages->widget(index);
}

QWidget* MKMainWindow::CurrentPage() const
{
    return pages->currentWidget();
}

QSize MKMainWindow::PageAreaSize() const
{
    return pages->size();
}

int MKMainWindow::PageCount() const
{
    return pages->count();
}

void MKMainWindow::MoveToCenter()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QByteArray MKMainWindow::saveState(int version) const
{
    QByteArray state;
    QDataStream stream(&state, QIODevice::WriteOnly);
    stream << quint32(0x524d5753) << qint32(version) << bool(windowState() & Qt::WindowFullScreen);
    return state;
}

bool MKMainWindow::restoreState(const QByteArray& state, int version)
{
    QDataStream stream(state);
    quint32 marker = 0;
    qint32 stored = 0;
    bool fullScreen = false;
    stream >> marker >> stored >> fullScreen;
    if (stream.status() != QDataStream::Ok || marker != 0x524d5753 || stored != version)
        return false;
    if (fullScreen)
        showFullScreen();
    return true;
}

void MKMainWindow::ShowReview(const QString& strFrom)
{
    MK_LOG("review request from %s not shown", qUtf8Printable(strFrom));
}

void MKMainWindow::UpdateText()
{
}

void MKMainWindow::UpdateSkin()
{
}

void MKMainWindow::SlotSettings(int nIndex)
{
    MKApplication* app = MKApplication::getInstance();
    if (!app)
        return;
    QVariantMap info;
    info["language"] = app->CurrentLanguage();
    info["skin"] = app->CurrentSkin();
    info["languages"] = app->LanguageMap();
    info["index"] = nIndex;
    const QVariantMap result = ShowSettingDialog(info);
    if (result.isEmpty())
        return;
    if (result.contains("language"))
        app->SetCurrentLanguage(result.value("language").toString());
    if (result.contains("skin"))
        app->SetCurrentSkin(result.value("skin").toString());
}

void MKMainWindow::SlotClickedMember()
{
    MK_LOG("sign-in not available");
}

void MKMainWindow::SlotClickedFeedback()
{
    MKApplication* app = MKApplication::getInstance();
    const QString mail = app ? app->GetAppValue("ReceiveEmail") : QString();
    if (mail.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + mail));
}

void MKMainWindow::SlotClickedUpdate()
{
    MK_LOG("update check not available");
}

void MKMainWindow::SlotClickedAbout()
{
    MKApplication* app = MKApplication::getInstance();
    const QString title = app ? app->GetAppValue("Title") : QString();
    MKMessageBox::information(true, this, this, tr("About %1").arg(title), title,
                              tr("Version %1").arg(QCoreApplication::applicationVersion()),
                              0x400, 332);
}

void MKMainWindow::SlotClickedMenu()
{
}

void MKMainWindow::SlotMemberEnterEvent()
{
}

void MKMainWindow::SlotMemberLeaveEvent()
{
}

QVariantMap MKMainWindow::ShowSettingDialog(QVariantMap mapInfo)
{
    Q_UNUSED(mapInfo);
    return {};
}

bool MKMainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        emit SignalWindowActivate();
    return CFramelessWindow::event(event);
}

void MKMainWindow::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        UpdateText();
        break;
    case QEvent::WindowStateChange:
        bar->SetMaximized(isMaximized());
        break;
    default:
        break;
    }
    CFramelessWindow::changeEvent(event);
}
