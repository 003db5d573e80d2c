#include "CFileListDelegate.h"
#include "CFileListModel.h"
#include "CFileListView.h"
#include "CRecentManager.h"
#include "CThumbnailCache.h"
#include "FileSizeLimit.h"
#include "ModalAnswerer.h"
#include "RencentSortFilterProxyModel.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QSaveFile>
#include <QSignalSpy>

namespace {

CRecentManager* Store()
{
    return CRecentManager::getInstance();
}

// A list file written by hand, then read by the store.
void LoadList(const QJsonArray& records)
{
    QVERIFY(TestPdf::WriteBytes(CRecentManager::ListFilePath(), QJsonDocument(records).toJson()));
    Store()->Load();
}

QJsonObject Record(const QString& path, int openTime, bool pin = false, int pinTime = 0)
{
    return QJsonObject{{"path", path}, {"openTime", openTime}, {"pin", pin}, {"pinTime", pinTime},
                       {"count", 0}, {"pageIndex", 0}, {"zoom", -2.0}, {"displayMode", 1}, {"hasPassword", false}};
}

QStringList DisplayOrder(QAbstractItemModel* proxy)
{
    QStringList names;
    for (int row = 0; row < proxy->rowCount(); ++row)
        names << QFileInfo(proxy->index(row, 0).data(CFileListModel::RecentInfoRole).toMap().value("path").toString()).fileName();
    return names;
}

// A model and proxy over the store, as a recent page builds them.
struct Models
{
    CFileListModel model;
    RencentSortFilterProxyModel proxy;
    Models()
    {
        model.SetRecentManager(Store());
        proxy.setSourceModel(&model);
        proxy.sort(0, Qt::DescendingOrder);
    }
};

} // namespace

class TestRecent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void otherSpellingUpdatesTheRecord();
    void reopeningKeepsPlaceWithNewerTime();
    void missingValuesReadAsDefaults();
    void removeAllEmptiesListAndThumbnails();
    void fileSizeTexts_data();
    void fileSizeTexts();
    void openTimeTexts();
    void failedWriteKeepsThePreviousList();
    void damagedListsStartEmpty_data();
    void damagedListsStartEmpty();
    void proxyOrder_data();
    void proxyOrder();
    void equalKeysKeepStoreOrder();
    void contextMenuShowsPinOrUnpin();
    void missingFileIsReportedAndDropped_data();
    void missingFileIsReportedAndDropped();
    void leftClickOpensAndFailuresDrop_data();
    void leftClickOpensAndFailuresDrop();
    void thumbnailsAreSharedAndDecodedOnce();

private:
    QString dir;
    QString a;
    QString b;
    QString c;
};

void TestRecent::initTestCase()
{
    dir = TestEnv::MakeDir("recent");
    a = dir + "/alpha.pdf";
    b = dir + "/beta.pdf";
    c = dir + "/gamma.pdf";
    for (const QString& path : {a, b, c})
        QVERIFY(TestPdf::Write(path, 1));
}

void TestRecent::init()
{
    QFile::remove(CRecentManager::ListFilePath());
    QFile::remove(CRecentManager::ListFilePath() + ".bad");
    Store()->Load();
}

void TestRecent::otherSpellingUpdatesTheRecord()
{
    Store()->AddRecord(a, {});
    QSignalSpy added(Store(), &CRecentManager::SignalRecentItemAdded);
    QSignalSpy changed(Store(), &CRecentManager::SignalRecentItemChanged);
    const QString other = dir + "//./alpha.pdf";
    Store()->AddRecord(other, {});
    QCOMPARE(Store()->Count(), 1);
    QCOMPARE(added.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Store()->IndexOf(a), 0);
    QCOMPARE(Store()->IndexOf(other), -1);
    // Updates given in the other spelling find nothing and change nothing.
    Store()->SetHasPassword(other, true);
    QCOMPARE(Store()->GetItemInfo(0).value("hasPassword").toBool(), false);
}

void TestRecent::reopeningKeepsPlaceWithNewerTime()
{
    LoadList({Record(b, 200), Record(a, 100)});
    const QString thumb = CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(a);
    TestPdf::WriteBytes(thumb, "png");
    // An update names only what changed; the display mode stays.
    Store()->UpdateRecordInfo(a, {{"pageIndex", 3}, {"zoom", 150.0f}});
    Store()->AddRecord(a, {{"pageIndex", 9}});
    QCOMPARE(Store()->Count(), 2);
    QCOMPARE(Store()->IndexOf(a), 1);
    // The view state of the first open stays; re-opening does not change it.
    Store()->Load();
    const QVariantMap info = Store()->GetItemInfo(1);
    QVERIFY(info.value("openTime").toInt() > 200);
    QCOMPARE(info.value("pageIndex").toInt(), 3);
    QCOMPARE(info.value("zoom").toDouble(), 150.0);
    QCOMPARE(info.value("displayMode").toInt(), 1);
    // A renamed record takes its picture along; a removed one deletes it.
    const QString renamed = dir + "/renamed.pdf";
    Store()->RenameRecord(a, renamed);
    QCOMPARE(Store()->IndexOf(renamed), 1);
    const QString moved = CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(renamed);
    QVERIFY(QFile::exists(moved) && !QFile::exists(thumb));
    Store()->RemoveRecord(1);
    QVERIFY(!QFile::exists(moved));
}

void TestRecent::missingValuesReadAsDefaults()
{
    const QString dotted = dir + "/report.v2.pdf";
    LoadList({QJsonObject{{"path", dotted}}});
    const QVariantMap info = Store()->GetItemInfo(0);
    QCOMPARE(info.value("zoom").toDouble(), 100.0);
    QCOMPARE(info.value("displayMode").toInt(), 1);
    QCOMPARE(info.value("pageIndex").toInt(), 0);
    QCOMPARE(info.value("pin").toBool(), false);
    // The list shows the name without its suffix, as text and as tool tip.
    QCOMPARE(info.value("fileName").toString(), QStringLiteral("report.v2"));
    Models m;
    QCOMPARE(m.proxy.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("report.v2"));
    QVERIFY(Store()->GetItemInfo(1).isEmpty());
    QVERIFY(Store()->GetItemInfo(-1).isEmpty());
    Store()->SetPinned(5, true);
    QCOMPARE(Store()->Count(), 1);
}

void TestRecent::removeAllEmptiesListAndThumbnails()
{
    Store()->AddRecord(a, {});
    Store()->AddRecord(b, {});
    TestPdf::WriteBytes(CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(a), "png");
    QSignalSpy all(Store(), &CRecentManager::SignalRecentRemoveAll);
    Store()->RemoveAllRecords();
    QCOMPARE(all.count(), 1);
    QCOMPARE(Store()->Count(), 0);
    QCOMPARE(QJsonDocument::fromJson(TestPdf::ReadBytes(CRecentManager::ListFilePath())).array(), QJsonArray());
    QVERIFY(QDir(CRecentManager::ThumbnailDirPath()).exists());
    QVERIFY(QDir(CRecentManager::ThumbnailDirPath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestRecent::fileSizeTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << qint64(0) << "C" << "0 KB";
    QTest::newRow("bytes") << qint64(512) << "C" << "512.00 B";
    QTest::newRow("megabytes") << qint64(5 * 1024 * 1024) << "C" << "5.00 MB";
    QTest::newRow("beyond TB") << qint64(1024) * 1024 * 1024 * 1024 * 1024 << "C" << "1024.00 TB";
    // In the user's own notation.
    QTest::newRow("German") << qint64(632013) << "de_DE" << "617,20 KB";
    QTest::newRow("English, grouped") << qint64(1024) * 1024 * 1024 * 1024 * 1024 << "en_US" << "1,024.00 TB";
}

void TestRecent::fileSizeTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QString formatted = CRecentManager::FormatFileSize(bytes);
    QLocale::setDefault(before);
    QCOMPARE(formatted, text);
}

void TestRecent::openTimeTexts()
{
    const QDateTime now = QDateTime::currentDateTime();
    QCOMPARE(CRecentManager::FormatOpenTime(now.toSecsSinceEpoch()), now.toString("HH:mm:ss"));
    const QDateTime old(QDate(2024, 2, 29), QTime(10, 30));
    QCOMPARE(CRecentManager::FormatOpenTime(old.toSecsSinceEpoch()), QStringLiteral("02/29/2024"));
}

void TestRecent::failedWriteKeepsThePreviousList()
{
    Store()->AddRecord(a, {});
    Store()->AddRecord(b, {});
    const QByteArray before = TestPdf::ReadBytes(CRecentManager::ListFilePath());
    QVERIFY(before.size() > 200);
    // Files may not grow beyond 64 bytes now: every write of the list fails
    // part way, as on a full disk.
    {
        FileSizeLimit full(64);
        QVERIFY(full.IsActive());
        Store()->AddRecord(c, {});
        Store()->SetPinned(0, true);
    }
    QCOMPARE(TestPdf::ReadBytes(CRecentManager::ListFilePath()), before);
    // Nothing half written is left beside it.
    const QStringList files = QDir(QFileInfo(CRecentManager::ListFilePath()).absolutePath()).entryList(QDir::Files);
    QCOMPARE(files, QStringList{"recentfiles.json"});
    QCOMPARE(Store()->Count(), 3);
}

void TestRecent::damagedListsStartEmpty_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("truncated") << QByteArray("[{\"path\": \"/tmp/a.pdf\", \"openTi") << true;
    QTest::newRow("not json") << QByteArray("this is not json") << true;
    QTest::newRow("object instead of array") << QByteArray("{\"path\": \"/tmp/a.pdf\"}") << true;
    QTest::newRow("binary") << TestPdf::Garbage(500, 4) << true;
    QTest::newRow("array of junk") << QByteArray("[1, \"x\", null, {\"nopath\": 1}]") << true;
}

void TestRecent::damagedListsStartEmpty()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, keptAside);
    QVERIFY(TestPdf::WriteBytes(CRecentManager::ListFilePath(), content));
    Store()->Load();
    QCOMPARE(Store()->Count(), 0);
    QCOMPARE(QFile::exists(CRecentManager::ListFilePath() + ".bad"), keptAside);
    if (keptAside)
        QCOMPARE(TestPdf::ReadBytes(CRecentManager::ListFilePath() + ".bad"), content);
    // The store works on and the damaged copy survives the next save.
    Store()->AddRecord(a, {});
    QCOMPARE(Store()->Count(), 1);
    if (keptAside)
        QCOMPARE(TestPdf::ReadBytes(CRecentManager::ListFilePath() + ".bad"), content);
}

void TestRecent::proxyOrder_data()
{
    QTest::addColumn<QJsonArray>("records");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("pinned first, then newest")
        << QJsonArray {Record(a, 100, true, 50), Record(b, 300), Record(c, 200)} << QString()
        << QStringList {"alpha", "beta", "gamma"};
    QTest::newRow("reopened below the pinned")
        << QJsonArray {Record(a, 100, true, 50), Record(b, 300), Record(c, 200)} << "add gamma"
        << QStringList {"alpha", "gamma", "beta"};
    QTest::newRow("pinning moves to the top at once")
        << QJsonArray {Record(a, 300), Record(b, 200), Record(c, 100)} << "pin row 2"
        << QStringList {"gamma", "alpha", "beta"};
    QTest::newRow("unpinning moves back")
        << QJsonArray {Record(a, 300), Record(b, 200), Record(c, 100, true, 5)} << "pin row 0"
        << QStringList {"alpha", "beta", "gamma"};
    QTest::newRow("later pin first") << QJsonArray {Record(a, 300, true, 1000), Record(b, 100, true, 2000), Record(c, 500)}
                                     << QString() << QStringList {"beta", "alpha", "gamma"};
    QTest::newRow("pinned without pin times follow their openings")
        << QJsonArray {Record(a, 300, true, 0), Record(b, 100, true, 2000)} << QString()
        << QStringList {"alpha", "beta"};
}

void TestRecent::proxyOrder()
{
    QFETCH(QJsonArray, records);
    QFETCH(QString, action);
    QFETCH(QStringList, order);
    LoadList(records);
    Models m;
    if (action.startsWith("add")) {
        const QString path = dir + "/" + action.mid(4) + ".pdf";
        TestPdf::Write(path, 1);
        Store()->AddRecord(path, {});
    } else if (action.startsWith("pin")) {
        m.model.TogglePin(m.proxy.mapToSource(m.proxy.index(action.mid(8).toInt(), 0)));
    }
    QStringList shown = DisplayOrder(&m.proxy);
    for (QString& name : shown)
        name.chop(4);
    QCOMPARE(shown, order);
}

void TestRecent::equalKeysKeepStoreOrder()
{
    // Opened within the same second: newest first, live and after a restart.
    LoadList({Record(a, 100), Record(b, 100), Record(c, 100)});
    Models m;
    QCOMPARE(DisplayOrder(&m.proxy), QStringList({"alpha.pdf", "beta.pdf", "gamma.pdf"}));
    Store()->SetHasPassword(a, true);
    QCOMPARE(DisplayOrder(&m.proxy), QStringList({"alpha.pdf", "beta.pdf", "gamma.pdf"}));
    Store()->AddRecord(dir + "/delta.pdf", {});
    Store()->AddRecord(dir + "/epsilon.pdf", {});
    const QStringList live = DisplayOrder(&m.proxy);
    QCOMPARE(live, QStringList({"epsilon.pdf", "delta.pdf", "alpha.pdf", "beta.pdf", "gamma.pdf"}));
    Store()->Load();
    Models restarted;
    QCOMPARE(DisplayOrder(&restarted.proxy), live);
}

namespace {
// A list view over the store, shown, as the recent page has it.
struct View
{
    Models models;
    CFileListView view;
    View()
    {
        view.setModel(&models.proxy);
        view.setObjectName("list_view");
        view.resize(700, 400);
        view.show();
    }
    QRect ItemRect(int row) { return view.visualRect(models.proxy.index(row, 0)); }
};
} // namespace

// The right button and the row's "more" button show the same menu, and
// neither opens the file.
void TestRecent::contextMenuShowsPinOrUnpin()
{
    LoadList({Record(a, 100, true, 5), Record(b, 50)});
    View list;
    QSignalSpy open(&list.view, &CFileListView::SignalOpenFile);
    for (int row = 0; row < 2; ++row) {
        ModalAnswerer answerer([](QWidget* menu) { menu->close(); });
        const QPoint pos = list.ItemRect(row).center();
        if (row == 0) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list.view.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(list.view.viewport(), &event);
        } else {
            const QPoint more = CFileListDelegate::MoreRect(list.ItemRect(row), false).center();
            QTest::mouseMove(list.view.viewport(), more);
            QTest::mouseClick(list.view.viewport(), Qt::LeftButton, Qt::NoModifier, more);
        }
        QTRY_COMPARE(answerer.AnsweredCount(), 1);
        const QStringList items = answerer.SeenTexts().first().split('\n');
        QCOMPARE(items.contains("Pin"), row == 1);
        QCOMPARE(items.contains("Unpin"), row == 0);
        QVERIFY(items.contains("Remove from List"));
    }
    QVERIFY(!open.wait(100));
}

void TestRecent::missingFileIsReportedAndDropped_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::newRow("open") << QByteArray("SlotItemDoubleClicked");
    QTest::newRow("pin") << QByteArray("SlotClickedPin");
    QTest::newRow("rename") << QByteArray("SlotClickedRename");
    QTest::newRow("open file location") << QByteArray("SlotClickedFinder");
}

void TestRecent::missingFileIsReportedAndDropped()
{
    QFETCH(QByteArray, slot);
    const QString gone = dir + "/gone.pdf";
    TestPdf::Write(gone, 1);
    LoadList({Record(gone, 100), Record(b, 50)});
    View list;
    list.ItemRect(0);
    QFile::remove(gone);
    // Another file arrives while the message is up and shifts the rows.
    ModalAnswerer answerer([this](QWidget* dialog) {
        Store()->AddRecord(c, {});
        ModalAnswerer::ClickButton(dialog, "button_3");
    });
    const QModelIndex index = list.models.proxy.index(0, 0);
    list.view.setCurrentIndex(index);
    QVERIFY(QMetaObject::invokeMethod(&list.view, slot.constData(), Q_ARG(QModelIndex, index)));
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
    QCOMPARE(Store()->Count(), 2);
    QCOMPARE(Store()->IndexOf(gone), -1);
    QCOMPARE(Store()->IndexOf(c), 0);
}

void TestRecent::leftClickOpensAndFailuresDrop_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("opened") << 0 << true;
    QTest::newRow("given up") << 100 << true;
    QTest::newRow("failed") << 3 << false;
    QTest::newRow("nobody answered") << -1 << false;
}

void TestRecent::leftClickOpensAndFailuresDrop()
{
    QFETCH(int, answer);
    QFETCH(bool, kept);
    LoadList({Record(a, 100)});
    View list;
    QVariantMap request;
    connect(&list.view, &CFileListView::SignalOpenFile, &list.view,
            [answer, &request](int& nRet, const QVariantMap& info, bool) {
                request = info;
                if (answer >= 0)
                    nRet = answer;
            });
    const QPoint where = list.ItemRect(0).center() - QPoint(100, 0);
    QTest::mouseClick(list.view.viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTRY_COMPARE(request.value("path").toString(), a);
    QCOMPARE(request.value("zoom").toDouble(), -2.0);
    QCOMPARE(Store()->Count(), kept ? 1 : 0);
}

void TestRecent::thumbnailsAreSharedAndDecodedOnce()
{
    Store()->AddRecord(a, {});
    const QString thumb = CRecentManager::ThumbnailDirPath() + CRecentManager::ThumbnailFileName(a);
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(thumb, "PNG"));
    CThumbnailCache* cache = CThumbnailCache::getInstance();
    cache->Clear();
    Models first;
    Models second;
    QSignalSpy ready(cache, &CThumbnailCache::SignalImageReady);
    // Loading rows (as sorting does) decodes nothing; painting asks.
    first.proxy.index(0, 0).data(CFileListModel::RecentInfoRole);
    second.proxy.index(0, 0).data(CFileListModel::RecentInfoRole);
    QVERIFY(!ready.wait(100));
    cache->Request(a, thumb);
    cache->Request(a, thumb);
    QTRY_COMPARE(ready.count(), 1);
    QVERIFY(!ready.wait(100));
    const QImage one = first.proxy.index(0, 0).data(CFileListModel::RecentInfoRole).toMap().value("thumbnail").value<QImage>();
    const QImage two = second.proxy.index(0, 0).data(CFileListModel::RecentInfoRole).toMap().value("thumbnail").value<QImage>();
    QVERIFY(!one.isNull());
    // One decoded picture, held once for both windows' lists.
    QCOMPARE(one.cacheKey(), two.cacheKey());
    QVERIFY(qMax(one.width(), one.height()) <= CThumbnailCache::kSide * 2);
    QCOMPARE(ready.count(), 1);
}

RV_TEST_MAIN(TestRecent)
#include "tst_recent.moc"
