// The default-viewer question with its guide, and the sign-in popup.
#include "MainView.h"

#include "CAssocUtils.h"
#include "CHoverButton.h"
#include "CMemberManager.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "guide/AssocGuidBox.h"
#include "guide/LogGuidBox.h"
#include "setting/CSettingManager.h"
#include "tabbar/CTabBar.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

// The default-viewer question is asked at most once per process.
bool defaultLauncherAsked = false;

} // namespace

void MainView::ResetDefaultLauncherCheck()
{
    defaultLauncherAsked = false;
}

void MainView::SlotCheckDefaultLauncher()
{
    // A window on its way out asks nothing more.
    if (defaultLauncherAsked || closingWindow || sessionEnding)
        return;
    // One question at a time: this one waits for the one on screen (the
    // notice after a crash, a password) to be answered.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &MainView::SlotCheckDefaultLauncher);
        return;
    }
    defaultLauncherAsked = true;
    const QString appId = AppValue("AppId");
    const QString title = AppValue("Title");
    CSettingManager* settings = CSettingManager::getInstance();
    if (settings->IsDefaultViewer()) {
        // The user's yes is kept, but a default chosen since (in the
        // desktop's settings, with xdg-mime) is the newer choice and stands:
        // nothing is registered and nothing asked. Only a desktop that names
        // no default at all gets us back.
        if (MKBase::CAssocUtils::DefaultApplication(QStringLiteral("application/pdf")).isEmpty())
            MKBase::CAssocUtils::SetPdfLauncher(appId, title, true);
        return;
    }
    if (MKCheckBox::IsMarked("pdf_Launcher") || MKBase::CAssocUtils::IsDefaultPdfLauncher(appId))
        return;
    // Asked from a timer: modal to this window only, without a loop of its
    // own that the window could be closed under.
    auto* box = new MKCheckBox(true, this, QString(), tr("Do you want to set %1 as your default PDF viewer?").arg(title),
                               tr("Don't show again"), tr("Later"), tr("Yes"));
    box->ShowMask(this, false);
    box->OpenThen([this, box, appId, title](int answer) {
        if (answer == 2) {
            MKBase::CAssocUtils::SetPdfLauncher(appId, title, true);
            CSettingManager::getInstance()->SetDefaultViewer(true);
            QTimer::singleShot(3000, this, &MainView::SlotPopoupAssocGuid);
        }
        if (box->IsChecked() && (answer == 1 || answer == 2))
            MKCheckBox::SetMarked("pdf_Launcher", true);
    });
}

void MainView::SlotClickedSetAsDefault()
{
    MKBase::CAssocUtils::SetPdfLauncher(AppValue("AppId"), AppValue("Title"), true);
    CSettingManager::getInstance()->SetDefaultViewer(true);
    QTimer::singleShot(3000, this, &MainView::SlotPopoupAssocGuid);
}

void MainView::SlotPopoupAssocGuid()
{
    if (MKBase::CAssocUtils::IsDefaultPdfLauncher(AppValue("AppId")))
        return;
    auto* box = qobject_cast<MainBox*>(tabBar->GetItem(tabBar->CurrentIndex()).widget);
    if (!box || CurrentPage() != box)
        return;
    auto* guide = new AssocGuidBox(this);
    guide->SetDocumentPath(box->GetDocumentFilePath());
    guide->ShowMask(this, false);
    guide->OpenThen();
}

void MainView::SlotMemberEnterEvent()
{
    auto* button = qobject_cast<CHoverButton*>(sender());
    if (!button || CMemberManager::getInstance()->GetAccountState() != 0)
        return;
    if (!signInPopup) {
        SlotShowLogGuid();
        return;
    }
    signInPopup->StopTimer();
    QPointer<CHoverButton> watched(button);
    QTimer::singleShot(200, this, [this, watched]() {
        if (signInPopup && !signInPopup->isVisible() && watched && watched->IsMouseEnter())
            SlotShowLogGuid();
    });
}

void MainView::SlotMemberLeaveEvent()
{
    if (signInPopup && signInPopup->isVisible())
        signInPopup->StartTimer(200);
}

void MainView::SlotShowLogGuid()
{
    if (!signInPopup) {
        signInPopup = new LogGuidBox(this);
        signInPopup->setPopup(false);
        connect(signInPopup, &LogGuidBox::SignalClickedLogin, this, &MainView::SlotClickedMember);
    }
    QPoint pos = geometry().topRight();
    pos.ry() += 40;
    pos.rx() -= 270;
    signInPopup->move(pos);
    signInPopup->show();
    signInPopup->StopTimer();
}
