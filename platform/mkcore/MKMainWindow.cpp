#include "MKMainWindow.h"

#include "CAboutDialog.h"
#include "CHoverButton.h"
#include "CMemberManager.h"
#include "CReviewDialog.h"
#include "CSignInDialog.h"
#include "CUpdateDialog.h"
#include "CWindowTitleBar.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "MKMessageBox.h"

#include <QCursor>
#include <QDataStream>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

MKMainWindow::MKMainWindow(QWidget* parent)
    : CFramelessWindow(parent)
{
    setObjectName("main_window");
    // Counting writes the settings file: not while the first window is
    // being put on screen.
    QTimer::singleShot(3000, qApp, &CReviewDialog::CountLaunch);
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
    // Straight from the buttons, so the slots see the button as sender and
    // can place their pop-ups under it.
    connect(bar->MenuButton(), &QPushButton::clicked, this, &MKMainWindow::SlotClickedMenu);
    bar->MemberButton()->setVisible(!MKApplication::IsDistributionBuild());
    connect(bar->MemberButton(), &QPushButton::clicked, this, &MKMainWindow::SlotClickedMember);
    connect(bar->MemberButton(), &CHoverButton::SignalEnter, this, &MKMainWindow::SlotMemberEnterEvent);
    connect(bar->MemberButton(), &CHoverButton::SignalLeave, this, &MKMainWindow::SlotMemberLeaveEvent);
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

void MKMainWindow::FitToScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    const QRect frame = frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const bool tooLarge = frame.width() > area.width() || frame.height() > area.height();
    if (tooLarge) {
        // Its normal size, for when it is restored (or when nothing
        // maximises it): most of the area.
        resize(qMin(width(), area.width() * 9 / 10), qMin(height(), area.height() * 9 / 10));
        MoveToCenter();
    }
    const QRect fitted = frameGeometry();
    move(qBound(area.left(), fitted.left(), area.right() + 1 - fitted.width()),
         qBound(area.top(), fitted.top(), area.bottom() + 1 - fitted.height()));
    if (tooLarge)
        setWindowState(windowState() | Qt::WindowMaximized);
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
    // A process closed within its first seconds still counts.
    CReviewDialog::CountLaunch();
    CReviewDialog::AskOnce(this, strFrom);
}

QUrl MKMainWindow::FeedbackUrl()
{
    MKApplication* app = MKApplication::getInstance();
    return FeedbackUrl(app ? app->GetAppValue("ReceiveEmail") : QString());
}

QUrl MKMainWindow::FeedbackUrl(const QString& strAddress)
{
    // A strict address check also keeps "?" and "&" from smuggling in
    // fields of their own.
    const QString address = strAddress.trimmed();
    if (!CMemberManager::IsValidEmail(address))
        return QUrl();
    MKApplication* app = MKApplication::getInstance();
    const QString title = app ? app->GetAppValue("Title") : QString();
    const QString version = QCoreApplication::applicationVersion();
    const QString body = tr("Version: %1").arg(version) + QStringLiteral("\r\n")
        + tr("System: %1").arg(QSysInfo::prettyProductName()) + QStringLiteral("\r\n\r\n");
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), tr("%1 %2 feedback").arg(title, version).trimmed());
    query.addQueryItem(QStringLiteral("body"), body);
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    url.setQuery(query);
    return url;
}

void MKMainWindow::UpdateText() { }

void MKMainWindow::UpdateSkin() { }

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
    CMemberManager* member = CMemberManager::getInstance();
    if (member->GetAccountState() != 0) {
        MKMessageBox box(true, this, tr("Account"), tr("Signed in as %1").arg(member->GetMemberEmail()), QString(),
                         QString(), tr("Sign Out"), tr("Close"));
        box.ShowMask(this, false);
        if (box.exec() == 2)
            member->SignOut();
        return;
    }
    CSignInDialog dialog(this);
    dialog.ShowMask(this, false);
    dialog.exec();
}

void MKMainWindow::SlotClickedFeedback()
{
    const QUrl url = FeedbackUrl();
    if (!url.isValid()) {
        MK_LOG("feedback: the brand has no valid address");
        return;
    }
    QDesktopServices::openUrl(url);
}

void MKMainWindow::SlotClickedUpdate()
{
    // Shown, not exec()ed: it waits for the service while the window keeps
    // working, and goes away by itself once closed.
    auto* dialog = new CUpdateDialog(this);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->ShowMask(this, false);
    dialog->show();
    dialog->Start();
}

void MKMainWindow::SlotClickedAbout()
{
    CAboutDialog dialog(this);
    dialog.ShowMask(this, false);
    dialog.exec();
}

void MKMainWindow::SlotClickedMenu() { }

void MKMainWindow::SlotMemberEnterEvent() { }

void MKMainWindow::SlotMemberLeaveEvent() { }

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
