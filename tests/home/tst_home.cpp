#include "CFileListView.h"
#include "CRecentManager.h"
#include "CSettingManager.h"
#include "CToolItem.h"
#include "HomePage.h"
#include "ModalAnswerer.h"
#include "RecentPage.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

#include <algorithm>

namespace {

void LoadList(const QJsonArray& records)
{
    TestPdf::WriteBytes(CRecentManager::ListFilePath(), QJsonDocument(records).toJson());
    CRecentManager::getInstance()->Load();
}

QPushButton* Button(QWidget* page, const char* name)
{
    return page->findChild<QPushButton*>(name);
}

} // namespace

class TestHome : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyStateThenList();
    void clearingAsksFirst_data();
    void clearingAsksFirst();
    void privateModeInEveryWindow();
    void recentFileListForTheMenu();
};

void TestHome::init()
{
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    LoadList({});
}

void TestHome::emptyStateThenList()
{
    HomePage home;
    home.resize(1200, 800);
    home.show();
    RecentPage* recent = home.Recent();
    QCOMPARE(recent->Stack()->currentIndex(), 0);
    for (const char* name : {"button_list", "button_icon", "clear_button"})
        QVERIFY(!Button(recent, name)->isEnabled());
    QVERIFY(Button(recent, "button_private")->isEnabled());

    const QString file = TestEnv::MakeDir("home") + "/first.pdf";
    TestPdf::Write(file, 1);
    CRecentManager::getInstance()->AddRecord(file, {});
    QTRY_COMPARE(recent->Stack()->currentIndex(), 1);
    for (const char* name : {"button_list", "button_icon", "clear_button"})
        QVERIFY(Button(recent, name)->isEnabled());
    // The empty state's own button and the page's one ask for the file
    // dialog; a tool says which it is.
    QSignalSpy open(&home, &HomePage::SignalClickedOpen);
    QSignalSpy tool(&home, &HomePage::SignalClickedTool);
    recent->findChildren<QPushButton*>("button_ok").first()->click();
    QCOMPARE(open.count(), 1);
    home.OpenButton()->click();
    QCOMPARE(open.count(), 2);
    home.Tools().at(1)->click();
    QCOMPARE(tool.count(), 1);
    QCOMPARE(tool.at(0).at(0).toInt(), 1);
}

void TestHome::clearingAsksFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("left");
    QTest::newRow("cancel keeps everything") << "button_1" << 3;
    QTest::newRow("closing the question keeps everything") << "button_close" << 3;
    QTest::newRow("clear") << "button_3" << 0;
}

void TestHome::clearingAsksFirst()
{
    QFETCH(QString, button);
    QFETCH(int, left);
    const QString folder = TestEnv::MakeDir("clear");
    QJsonArray records;
    for (int i = 0; i < 3; ++i) {
        const QString path = folder + QStringLiteral("/doc%1.pdf").arg(i);
        TestPdf::Write(path, 1);
        records.append(QJsonObject{{"path", path}, {"openTime", 100 + i}});
    }
    LoadList(records);
    HomePage home;
    home.show();
    RecentPage* recent = home.Recent();
    ModalAnswerer answerer([button](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, button); });
    Button(recent, "clear_button")->click();
    QCOMPARE(answerer.AnsweredCount(), 1);
    QCOMPARE(CRecentManager::getInstance()->Count(), left);
    if (left == 0) {
        QTRY_COMPARE(recent->Stack()->currentIndex(), 0);
        QVERIFY(!Button(recent, "clear_button")->isEnabled());
    }
}

void TestHome::privateModeInEveryWindow()
{
    HomePage first;
    HomePage second;
    first.show();
    second.show();
    QCOMPARE(first.Stack()->currentIndex(), 1);
    Button(first.Recent(), "button_private")->click();
    QVERIFY(CSettingManager::getInstance()->IsPrivateEnabled());
    QTRY_COMPARE(first.Stack()->currentIndex(), 0);
    QTRY_COMPARE(second.Stack()->currentIndex(), 0);
    const QList<QLabel*> labels = second.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [](QLabel* label) { return label->isVisible() && label->text().contains("You've gone Incognito"); }));
    // "Close" on any of them brings the list back everywhere.
    QPushButton* close = nullptr;
    for (QPushButton* button : second.findChildren<QPushButton*>("button_cancel")) {
        if (button->text() == "Close")
            close = button;
    }
    QVERIFY(close);
    close->click();
    QVERIFY(!CSettingManager::getInstance()->IsPrivateEnabled());
    QTRY_COMPARE(first.Stack()->currentIndex(), 1);
    QTRY_COMPARE(second.Stack()->currentIndex(), 1);
}

void TestHome::recentFileListForTheMenu()
{
    const QString folder = TestEnv::MakeDir("thirty");
    QJsonArray records;
    for (int i = 0; i < 30; ++i) {
        const QString path = folder + QStringLiteral("/doc%1.pdf").arg(i, 2, 10, QLatin1Char('0'));
        // doc07 is pinned although it was opened long ago.
        records.append(QJsonObject{{"path", path}, {"openTime", 1000 + i}, {"pin", i == 7}, {"pinTime", i == 7 ? 5 : 0}});
    }
    LoadList(records);
    HomePage home;
    QStringList list {"kept"};
    home.GetRecentFileList(list);
    QCOMPARE(list.size(), 11);
    QCOMPARE(list.at(0), QStringLiteral("kept"));
    QVERIFY(list.at(1).endsWith("doc07.pdf"));
    QVERIFY(list.at(2).endsWith("doc29.pdf"));
    QVERIFY(list.at(3).endsWith("doc28.pdf"));
}

RV_TEST_MAIN(TestHome)
#include "tst_home.moc"
