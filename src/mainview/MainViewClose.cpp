// Closing documents and windows: one tab at a time, chained by short timers,
// and the window's own close once its last document agreed.
#include "MainView.h"

#include "CGaReportManager.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "OpenRequestKeys.h"
#include "recent/CRecentManager.h"
#include "setting/CSettingManager.h"
#include "setting/SettingKeys.h"
#include "tabbar/CTabBar.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

void MainView::SlotCloseTab(int nIndex)
{
    if (nIndex < 0 || !tabBar)
        return;
    if (QWidget* widget = tabBar->GetItem(nIndex).widget)
        widget->close();
}

void MainView::CloseCurrentTab()
{
    SlotCloseTab(tabBar->CurrentIndex());
}

void MainView::SlotCloseOtherTabs()
{
    // Closing the others replaces a close-all chain still running.
    closingAll = false;
    const int count = tabBar->GetItemCount();
    closingOthers = count >= 2;
    if (closingOthers)
        SlotCloseTab(tabBar->CurrentIndex() == 0 ? 1 : 0);
}

void MainView::SlotCloseAllTabs()
{
    closingOthers = false;
    const int count = tabBar->GetItemCount();
    closingAll = count > 0;
    if (closingAll) {
        const int current = tabBar->CurrentIndex();
        SlotCloseTab(current >= 0 ? current : 0);
    }
}

void MainView::CloseWindowTabs()
{
    closingWindow = true;
    if (tabBar->GetItemCount() > 0)
        SlotCloseAllTabs();
    else
        QTimer::singleShot(100, this, &QWidget::close);
}

void MainView::StopClosing()
{
    closingWindow = closingAll = closingOthers = false;
    emit SignalMainViewClosed(false);
}

void MainView::SlotDocumentClosed(bool bClosed)
{
    if (!bClosed) {
        StopClosing();
        return;
    }
    auto* widget = qobject_cast<QWidget*>(sender());
    auto* box = qobject_cast<MainBox*>(widget);
    if (box && MainBox::IsOpenError(box->OpenFailure())) {
        // Its file could not be read: the recent list forgets it.
        RemoveRecentPath(box->GetDocumentFilePath());
    } else if (box) {
        QVariantMap view = box->GetDisplayOption();
        if (!CSettingManager::getInstance()->GetGeneral().value(SettingKey::kRestoreView, true).toBool()) {
            view[OpenKey::kPageIndex] = 0;
            view[OpenKey::kZoom] = -2.0f;
        }
        CRecentManager::getInstance()->UpdateRecordInfo(box->GetDocumentFilePath(), view);
    }
    if (widget) {
        const int index = tabBar->IndexOfWidget(widget);
        if (index >= 0)
            tabBar->RemoveItem(index);
        RemovePage(widget);
        widget->hide();
        // Destroyed once the engine has returned from its own emission.
        widget->deleteLater();
        if (tabBar->GetItemCount() == 0)
            homeButton->setChecked(true);
    }
    // With no tab left only the window's own close goes on. A step checks its
    // flag when it runs: a chain that ended or gave way meanwhile does nothing.
    if (tabBar->GetItemCount() == 0)
        closingAll = closingOthers = false;
    if (closingWindow) {
        QTimer::singleShot(100, this, [this]() {
            if (!closingWindow)
                return;
            if (tabBar->GetItemCount() > 1)
                SlotCloseAllTabs();
            else
                close();
        });
    } else if (closingAll) {
        QTimer::singleShot(100, this, [this]() {
            if (closingAll)
                SlotCloseAllTabs();
        });
    } else if (closingOthers) {
        QTimer::singleShot(100, this, [this]() {
            if (closingOthers)
                SlotCloseOtherTabs();
        });
    }
    UpdateWindowState();
    if (!closingWindow && tabBar->GetItemCount() == 0
        && CSettingManager::getInstance()->GetGeneral().value(SettingKey::kQuitClose, false).toBool())
        QTimer::singleShot(200, this, &QWidget::close);
}

void MainView::closeEvent(QCloseEvent* event)
{
    const int count = tabBar->GetItemCount();
    if (count == 1) {
        CloseWindowTabs();
        event->ignore();
        return;
    }
    if (count >= 2) {
        if (sessionEnding || MKCheckBox::IsMarked("close_all")) {
            CloseWindowTabs();
        } else {
            MKCheckBox box(true, this, QString(), tr("Do you want to close all tabs or the current tab?"),
                           tr("Always close all tabs"), tr("Close Current Tab"), tr("Close All Tabs"));
            box.ShowMask(this, false);
            const int answer = box.exec();
            if (answer == 1 || answer == 2)
                MKCheckBox::SetMarked("close_all", box.IsChecked());
            if (answer == 2) {
                CloseWindowTabs();
            } else {
                // The window stays: a quit of all windows stops here.
                emit SignalMainViewClosed(false);
                if (answer == 1)
                    CloseCurrentTab();
            }
        }
        event->ignore();
        return;
    }
    SaveWindowGeometry();
    int windows = 0;
    emit SignalGetWindowCount(windows);
    if (!sessionEnding && windows == 1 && AppValue("ProductDomain") != "domestic")
        ShowReview(QStringLiteral("unknown"));
    emit SignalMainViewClosed(true);
    MKBase::CGaReportManager::ReleaseReport();
    MKMainWindow::closeEvent(event);
}
