#include "CTabBar.h"
#include "CTabListDelegate.h"
#include "CTabListView.h"
#include "CTabListWidget.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// A shown bar, 1000 pixels wide.
struct Bar
{
    QWidget host;
    CTabBar* bar = new CTabBar(&host);
    Bar()
    {
        host.resize(1000, 40);
        bar->resize(1000, 40);
        host.show();
    }
    void Add(int n)
    {
        for (int i = 0; i < n; ++i)
            bar->AddItem(QStringLiteral("Doc %1").arg(bar->GetItemCount()), false, nullptr, false);
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestTabBar : public QObject
{
    Q_OBJECT

private slots:
    void removeItemKeepsTheRightSelection_data();
    void removeItemKeepsTheRightSelection();
    void titlesDirtyMarksAndBadIndexes();
    void pressesAndTheContextMenu();
    void dragWithinTheBar_data();
    void dragWithinTheBar();
    void windowAdoptsOnlyTheDraggedDocument_data();
    void windowAdoptsOnlyTheDraggedDocument();
    void closeButtonClosesHoveredTab();
    void popupSelection_data();
    void popupSelection();
    void popupRowClickSelectsTab_data();
    void popupRowClickSelectsTab();
};

void TestTabBar::removeItemKeepsTheRightSelection_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("signalled");
    QTest::newRow("left of current") << 4 << 2 << 0 << 1 << true;
    QTest::newRow("right of current") << 4 << 1 << 3 << 1 << false;
    QTest::newRow("current in the middle") << 4 << 2 << 2 << 1 << true;
    QTest::newRow("current and first") << 3 << 0 << 0 << 0 << true;
    QTest::newRow("the only tab") << 1 << 0 << 0 << -1 << false;
    QTest::newRow("invalid index") << 3 << 1 << 7 << 1 << false;
}

void TestTabBar::removeItemKeepsTheRightSelection()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(int, removed);
    QFETCH(int, expected);
    QFETCH(bool, signalled);
    Bar b;
    QList<QWidget*> documents;
    for (int i = 0; i < count; ++i) {
        documents << new QWidget(&b.host);
        b.bar->AddItem(QString::number(i), false, documents.last(), false);
    }
    b.bar->SetCurrentIndex(current);
    QWidget* selected = documents.at(current);
    QSignalSpy select(b.bar, &CTabBar::SignalSelectChanged);
    QSignalSpy counted(b.bar, &CTabBar::SignalItemCountChanged);
    b.bar->RemoveItem(removed);
    QCOMPARE(b.bar->CurrentIndex(), expected);
    QCOMPARE(select.count(), signalled ? 1 : 0);
    if (signalled)
        QCOMPARE(select.at(0).at(0).toInt(), expected);
    QCOMPARE(counted.count(), removed < count ? 1 : 0);
    if (removed != current && removed < count)
        QCOMPARE(b.bar->GetItem(b.bar->CurrentIndex()).widget, selected);
    QCOMPARE(b.bar->ListWidget()->Rows().size(), b.bar->GetItemCount());
}

void TestTabBar::titlesDirtyMarksAndBadIndexes()
{
    Bar b;
    b.bar->AddItem("A", false, nullptr, true);
    b.bar->AddItem("A", true, nullptr, false);
    QCOMPARE(b.bar->GetItemTitle(1), QStringLiteral("A[*]"));
    b.bar->SetCurrentIndex(1);
    QVERIFY(b.bar->IsCurrentDirty());
    // The popup list follows renames but shows no dirty mark.
    b.bar->SetItemText(1, "Renamed");
    QCOMPARE(b.bar->ListWidget()->Rows(), QStringList({"A", "Renamed"}));
    // Indexes that name no tab change and answer nothing.
    QSignalSpy select(b.bar, &CTabBar::SignalSelectChanged);
    for (int bad : {-1, 2, 99}) {
        b.bar->SetCurrentIndex(bad);
        b.bar->SetItemText(bad, "x");
        b.bar->SetItemDirty(bad, true);
        QVERIFY(!b.bar->IsItemDirty(bad));
        QCOMPARE(b.bar->GetItem(bad).widget, nullptr);
    }
    QCOMPARE(select.count(), 0);
    QCOMPARE(b.bar->ListWidget()->Rows().size(), 2);
    QCOMPARE(b.bar->IndexOfWidget(&b.host), -1);
}

void TestTabBar::pressesAndTheContextMenu()
{
    Bar b;
    b.Add(3);
    b.bar->SetCurrentIndex(0);
    QSignalSpy select(b.bar, &CTabBar::SignalSelectChanged);
    const QPoint onTab2 = b.bar->GetItemRect(2).center();
    SendMouse(b.bar, QEvent::MouseButtonPress, onTab2, Qt::RightButton, Qt::RightButton);
    SendMouse(b.bar, QEvent::MouseButtonRelease, onTab2, Qt::RightButton, Qt::NoButton);
    SendMouse(b.bar, QEvent::MouseButtonPress, onTab2, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    SendMouse(b.bar, QEvent::MouseButtonRelease, onTab2, Qt::LeftButton, Qt::NoButton);
    // Empty space right of the tabs.
    SendMouse(b.bar, QEvent::MouseButtonPress, QPoint(900, 20), Qt::LeftButton, Qt::LeftButton);
    SendMouse(b.bar, QEvent::MouseButtonRelease, QPoint(900, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(select.count(), 0);
    QCOMPARE(b.bar->CurrentIndex(), 0);
    // The context menu over a tab selects it first; over empty space, nothing.
    QSignalSpy menu(b.bar, &CTabBar::SignalContextMenu);
    const QPoint pos = b.bar->GetItemRect(1).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, b.bar->mapToGlobal(pos));
    QApplication::sendEvent(b.bar, &event);
    QCOMPARE(select.count(), 1);
    QCOMPARE(b.bar->CurrentIndex(), 1);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), b.bar->mapToGlobal(pos));
    QContextMenuEvent empty(QContextMenuEvent::Mouse, QPoint(950, 20), b.bar->mapToGlobal(QPoint(950, 20)));
    QApplication::sendEvent(b.bar, &empty);
    QCOMPARE(menu.count(), 1);
}

void TestTabBar::dragWithinTheBar_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("removed"); // a tab closed by itself at the end of the drag, while the mouse is held
    QTest::addColumn<QStringList>("order");
    const int small = QApplication::startDragDistance() - 1;
    const QStringList unchanged {"first", "Doc 1", "Doc 2", "Doc 3"};
    QTest::newRow("too small to be a drag") << small << -1 << unchanged;
    QTest::newRow("stopped at the left margin") << -60 << -1 << unchanged;
    QTest::newRow("past the third tab") << 2 * 208 + 30 << -1 << QStringList {"Doc 1", "Doc 2", "first", "Doc 3"};
    // A removal cancels the drag: nothing else moves.
    QTest::newRow("the dragged tab removed") << 3 * 208 << 0 << QStringList {"Doc 1", "Doc 2", "Doc 3"};
    QTest::newRow("a tab the drag passed removed") << 3 * 208 << 2 << QStringList {"first", "Doc 1", "Doc 3"};
    QTest::newRow("the tab at the drop place removed") << 3 * 208 << 3 << QStringList {"first", "Doc 1", "Doc 2"};
}

void TestTabBar::dragWithinTheBar()
{
    QFETCH(int, dx);
    QFETCH(int, removed);
    QFETCH(QStringList, order);
    Bar b;
    QWidget first;
    b.bar->AddItem("first", false, &first, false);
    b.Add(3);
    QSignalSpy select(b.bar, &CTabBar::SignalSelectChanged);
    const QPoint start = b.bar->GetItemRect(0).center();
    SendMouse(b.bar, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    const int step = dx < 0 ? -10 : 25;
    for (int x = start.x(); dx < 0 ? x >= start.x() + dx : x <= start.x() + dx; x += step)
        SendMouse(b.bar, QEvent::MouseMove, QPoint(qMax(1, x), start.y()), Qt::NoButton, Qt::LeftButton);
    QPoint end(qMax(1, start.x() + dx), start.y());
    if (removed >= 0) {
        QCOMPARE(b.bar->DropIndex(), 3);
        b.bar->RemoveItem(removed);
        QCOMPARE(b.bar->DropIndex(), -1);
        end.rx() -= 100;
    }
    SendMouse(b.bar, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    SendMouse(b.bar, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(b.bar->DropIndex(), -1);
    QCOMPARE(b.bar->ListWidget()->Rows(), order);
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(b.bar->GetItem(i).text, order.at(i));
    // Only the press selected; the reorder keeps the same document selected.
    if (removed < 0) {
        QCOMPARE(select.count(), 1);
        QCOMPARE(b.bar->CurrentIndex(), b.bar->IndexOfWidget(&first));
    }
}

void TestTabBar::closeButtonClosesHoveredTab()
{
    Bar b;
    b.Add(4);
    b.bar->SetCurrentIndex(0);
    QSignalSpy close(b.bar, &CTabBar::SignalCloseTab);
    SendMouse(b.bar, QEvent::MouseMove, b.bar->GetItemRect(2).center(), Qt::NoButton, Qt::NoButton);
    auto* button = b.bar->findChild<QPushButton*>("tab_close");
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(close.count(), 1);
    QCOMPARE(close.at(0).at(0).toInt(), 2);
    QVERIFY(!button->isVisible());
    QCOMPARE(b.bar->CurrentIndex(), 0);
}

void TestTabBar::popupSelection_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("current");
    QTest::newRow("three tabs") << 3 << 1;
    QTest::newRow("twelve tabs scroll") << 12 << 10;
    QTest::newRow("nothing current") << 3 << -1;
}

void TestTabBar::popupSelection()
{
    QFETCH(int, tabs);
    QFETCH(int, current);
    Bar b;
    b.Add(tabs);
    if (current >= 0)
        b.bar->SetCurrentIndex(current);
    QPushButton count(&b.host);
    connect(&count, &QPushButton::clicked, b.bar, &CTabBar::SlotClickedNum);
    count.click();
    CTabListWidget* popup = b.bar->ListWidget();
    QVERIFY(popup->isVisible());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(b.bar->CurrentIndex(), current);
    const QModelIndexList selected = popup->View()->selectionModel()->selectedRows();
    if (current < 0) {
        QVERIFY(selected.isEmpty());
    } else {
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), current);
    }
    if (tabs > 8) {
        QVERIFY(popup->View()->verticalScrollBar()->maximum() > 0);
        QVERIFY(popup->View()->viewport()->rect().intersects(popup->View()->visualRect(selected.first())));
    }
    popup->hide();
}

void TestTabBar::popupRowClickSelectsTab_data()
{
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("selected");
    QTest::newRow("picked") << "" << "Doc 1";
    QTest::newRow("picked tab closed") << "close" << "Doc 0";
    QTest::newRow("picked tab dragged to the end") << "move" << "Doc 1";
    QTest::newRow("picked again after another tab") << "again" << "Doc 1";
    QTest::newRow("close icon of the row") << "icon" << "Doc 3";
}

void TestTabBar::popupRowClickSelectsTab()
{
    QFETCH(QString, then);
    QFETCH(QString, selected);
    Bar b;
    b.Add(4);
    b.bar->SetCurrentIndex(3);
    QSignalSpy select(b.bar, &CTabBar::SignalSelectChanged);
    QSignalSpy close(b.bar, &CTabBar::SignalCloseTab);
    b.bar->SlotClickedNum();
    CTabListView* view = b.bar->ListWidget()->View();
    const QRect row = view->visualRect(view->model()->index(1, 0));
    if (then == "icon") {
        // The icon asks to close that row's tab, and only that.
        const QPoint icon = CTabListDelegate::CloseIconRect(row).center();
        QTest::mouseMove(view->viewport(), icon);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, icon);
        QTRY_COMPARE(close.count(), 1);
        QCOMPARE(close.at(0).at(0).toInt(), 1);
        QCOMPARE(select.count(), 0);
        QCOMPARE(b.bar->GetItemCount(), 4);
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center() - QPoint(20, 0));
        QTRY_COMPARE(select.count(), 1);
        QCOMPARE(b.bar->CurrentIndex(), 1);
        QCOMPARE(close.count(), 0);
    }
    QTRY_VERIFY(!b.bar->ListWidget()->isVisible());
    // Only the click chooses: what the list does with its rows later does not.
    if (then == "close")
        b.bar->RemoveItem(1);
    if (then == "move") {
        SendMouse(b.bar, QEvent::MouseButtonPress, b.bar->GetItemRect(1).center(), Qt::LeftButton, Qt::LeftButton);
        for (int x = b.bar->GetItemRect(1).center().x(); x <= 760; x += 25)
            SendMouse(b.bar, QEvent::MouseMove, QPoint(x, 20), Qt::NoButton, Qt::LeftButton);
        SendMouse(b.bar, QEvent::MouseButtonRelease, QPoint(760, 20), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(b.bar->CurrentIndex(), 3);
    }
    if (then == "again") {
        b.bar->SetCurrentIndex(3);
        b.bar->SlotClickedNum();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center() - QPoint(20, 0));
    }
    QCoreApplication::sendPostedEvents();
    QCOMPARE(b.bar->GetItem(b.bar->CurrentIndex()).text, selected);
    // Clicking the chosen tab's row closes the popup and changes nothing.
    b.bar->SlotClickedNum();
    const QRect chosen = view->visualRect(view->model()->index(b.bar->CurrentIndex(), 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, chosen.center() - QPoint(20, 0));
    QTRY_VERIFY(!b.bar->ListWidget()->isVisible());
    QCOMPARE(b.bar->GetItem(b.bar->CurrentIndex()).text, selected);
}

void TestTabBar::windowAdoptsOnlyTheDraggedDocument_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<bool>("adopted");
    QTest::newRow("dragged live document") << "live" << true;
    QTest::newRow("destroyed widget") << "destroyed" << false;
    QTest::newRow("widget that is no document") << "widget" << false;
}

// The payload names a widget by its address, readable by any program: a bar
// takes it only for the very document our own drag is moving, and once.
void TestTabBar::windowAdoptsOnlyTheDraggedDocument()
{
    QFETCH(QString, payload);
    QFETCH(bool, adopted);
    MainView* window = TestWindows::New();
    const QString path = TestEnv::MakeDir("adopt") + "/doc.pdf";
    QVERIFY(TestPdf::Write(path, 1));
    QScopedPointer<QWidget> document(TestWindows::Document(path));
    QWidget notADocument;
    QWidget* named = document.data();
    if (payload == "widget") {
        named = &notADocument;
    } else if (payload == "destroyed") {
        named = new QWidget;
        delete named;
    }
    QScopedPointer<QMimeData> data(CTabBar::EncodeDragData("doc", true, named));
    // A drag of the named widget is under way (a payload naming another
    // than the dragged one: the tab-drag fuzz target).
    CTabBar::BeginTabDrag(named);
    TestWindows::Drop(window->TabBar(), data.data(), Qt::MoveAction);
    TestWindows::Drop(window->TabBar(), data.data(), Qt::MoveAction);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window->TabBar()->GetItemCount(), adopted ? 1 : 0);
    CTabBar::EndTabDrag();
    if (adopted) {
        QWidget* taken = document.take();
        QCOMPARE(window->TabBar()->GetItem(0).widget, taken);
        QVERIFY(window->TabBar()->IsItemDirty(0));
        QCOMPARE(taken->window(), window);
        TestWindows::DeleteAll();
        QVERIFY(!MainBox::IsLiveBox(taken));
    }
    TestWindows::DeleteAll();
}

RV_TEST_MAIN(TestTabBar)
#include "tst_tabbar.moc"
