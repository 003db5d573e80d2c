#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CGaReportManager.h"
#include "CReportConsent.h"
#include "CJsonReader.h"
#include "CannedServer.h"
#include "EnvOverride.h"
#include "TestMain.h"
#include "app/UsageReport.h"
#include "windows/CMainViewManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QStandardPaths>

#include <memory>

using MKBase::CFileUtils;
using MKBase::CGaReportManager;

namespace {

const QString kAbsent = QStringLiteral("<absent>");
const QString kPcid = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
const QString kTable = QStringLiteral(":/res/conf/rv_overseas/ga/ga_linux.json");
const QString kDau = QStringLiteral("DAU_V2.0.0.4_Linux");

// One event as the server received it.
struct Sent
{
    QString channel;
    QString name;
    QString category;
    QString action;
    QString label;
    QString value;
};

QList<Sent> Received(const CannedServer& server)
{
    QList<Sent> out;
    for (const SeenRequest& request : server.requests) {
        const bool ga = request.target.startsWith("/mp/collect");
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        for (const QJsonValue& value : body.value("events").toArray()) {
            const QJsonObject event = value.toObject();
            const QJsonObject params = event.value("params").toObject();
            out << Sent {ga ? "ga" : "qv", event.value("name").toString(),
                         params.value("event_category").toString(), params.value("event_action").toString(),
                         params.value("event_label").toString(), event.value("value").toString()};
        }
    }
    return out;
}

int Count(const QList<Sent>& sent, const QString& nameOrAction, const QString& labelOrValue)
{
    int n = 0;
    for (const Sent& s : sent) {
        const bool ga = s.channel == QLatin1String("ga");
        if ((ga ? s.action : s.name) == nameOrAction && (ga ? s.label : s.value) == labelOrValue)
            ++n;
    }
    return n;
}

CGaReportManager::Timing Fast()
{
    CGaReportManager::Timing timing;
    timing.batchDelayMs = 50;
    timing.requestTimeoutMs = 500;
    timing.startRetryDelayMs = 100;
    return timing;
}

// A manager as one run of the application would have it.
std::unique_ptr<CGaReportManager> NewManager(const CannedServer& server, const QString& dir,
                                             CGaReportManager::Timing timing = Fast())
{
    qputenv("RVPDF_ANALYTICS_URL", server.Url("/mp/collect").toEncoded());
    std::unique_ptr<CGaReportManager> manager(new CGaReportManager);
    manager->SetTiming(timing);
    if (!QFile::exists(dir + "/framework.ini"))
        MKBase::CReportConsent::getInstance()->Set(dir + "/framework.ini", true, true);
    manager->InitStorage(dir, dir + "/framework.ini");
    manager->InitGaData(kTable, kPcid, "G-TEST000001", "test-secret");
    manager->InitQvData(server.Url("/log/v1/api/report").toString(), kPcid, "rvlnx", "2.0.0.4", "lnx_official");
    return manager;
}

void SetFile(const QString& path, const QString& content)
{
    QFile::remove(path);
    if (content != kAbsent)
        QVERIFY(CFileUtils::WriteFileData(path, content));
}

QString FileOrAbsent(const QString& path)
{
    return QFile::exists(path) ? CFileUtils::ReadFileData(path) : kAbsent;
}

QJsonArray QueuedEvents(const QString& dir)
{
    return QJsonDocument::fromJson(CFileUtils::ReadFileBytes(dir + "/queue.json")).object().value("events").toArray();
}

} // namespace

class TestUsage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void launchCounting_data();
    void launchCounting();
    void oncePerProcessNotPerWindow();
    void eventsAreBatchedWithTableNames();
    void personalDataIsRefused_data();
    void personalDataIsRefused();
    void undeliveredEventsWaitOnDisk_data();
    void undeliveredEventsWaitOnDisk();
    void queueIsBoundedAndChecked();
    void releaseIsBounded_data();
    void releaseIsBounded();
    void startupSendsLater();
    void disabledSendsAndKeepsNothing_data();
    void disabledSendsAndKeepsNothing();

private:
    CannedServer launches;
};

void TestUsage::initTestCase()
{
    // The rows order versions around this one, whatever the product's is.
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.0.4"));
    QApplication::setQuitOnLastWindowClosed(false);
    qunsetenv("RVPDF_DISABLE_REPORTS");
    qputenv("RVPDF_ANALYTICS_URL", launches.Url("/mp/collect").toEncoded());
    qputenv("RVPDF_REPORT_URL", launches.Url("").toEncoded());
    CGaReportManager::getInstance()->SetTiming(Fast());
    MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, true);
    InitUsageReport("rv", "overseas");
    QCOMPARE(CGaReportManager::getInstance()->GaEndpoint(), launches.Url("/mp/collect"));
    QCOMPARE(CGaReportManager::getInstance()->QvEndpoint(), launches.Url("/log/v1/api/report"));
}

void TestUsage::launchCounting_data()
{
    QTest::addColumn<QString>("duaBefore");
    QTest::addColumn<QString>("versionBefore");
    QTest::addColumn<bool>("freshAccount");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("dau");
    QTest::addColumn<QString>("duaAfter");
    QTest::addColumn<QString>("versionAfter");
    QTest::addColumn<bool>("agreed");

    const QDate day(2024, 3, 10);
    QTest::newRow("first launch ever") << kAbsent << kAbsent << true << day << true << "2024-03-10" << "2.0.0.4" << true;
    QTest::newRow("empty files") << "" << "" << false << day << true << "2024-03-10" << "2.0.0.4" << true;
    QTest::newRow("again the same day") << "2024-03-10" << "2.0.0.4" << false << day << false << "2024-03-10" << "2.0.0.4" << true;
    QTest::newRow("next day") << "2024-03-10" << "2.0.0.4" << false << day.addDays(1) << true << "2024-03-11" << "2.0.0.4" << true;
    QTest::newRow("date in the future") << "2024-03-12" << "2.0.0.4" << false << day << false << "2024-03-12" << "2.0.0.4" << true;
    QTest::newRow("future date has passed") << "2024-03-12" << "2.0.0.4" << false << day.addDays(3) << true << "2024-03-13" << "2.0.0.4" << true;
    QTest::newRow("eleven characters") << "2024-03-10\n" << "2.0.0.4" << false << day.addDays(1) << false << "2024-03-10\n" << "2.0.0.4" << true;
    QTest::newRow("ten characters, no date") << "not a date" << "2.0.0.4" << false << day << true << "2024-03-10" << "2.0.0.4" << true;
    QTest::newRow("older version running") << "2024-03-10" << "2.1.0.0" << false << day << false << "2024-03-10" << "2.1.0.0" << true;
    QTest::newRow("newer version running") << "2024-03-10" << "2.0.0.3" << false << day << false << "2024-03-10" << "2.0.0.4" << true;
    // Without the user's yes: nothing sent, and no file or marker written.
    QTest::newRow("not agreed") << kAbsent << kAbsent << true << day << false << kAbsent << kAbsent << false;
}

void TestUsage::launchCounting()
{
    QFETCH(QString, duaBefore);
    QFETCH(QString, versionBefore);
    QFETCH(bool, freshAccount);
    QFETCH(QDate, today);
    QFETCH(bool, dau);
    QFETCH(QString, duaAfter);
    QFETCH(QString, versionAfter);
    QFETCH(bool, agreed);

    MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), agreed, agreed);
    const QString cache = MKBase::CAppPaths::UsageStateDir();
    SetFile(cache + "/dua.data", duaBefore);
    SetFile(cache + "/version.data", versionBefore);
    const QString marker = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/rvpdf-user";
    SetFile(marker, freshAccount ? kAbsent : QStringLiteral("1"));
    launches.requests.clear();

    CountLaunch(today);
    auto* reports = CGaReportManager::getInstance();
    if (!agreed) {
        QVERIFY(reports->IsIdle() && reports->PendingCount() == 0);
        QCOMPARE(FileOrAbsent(marker), kAbsent);
    }
    QTRY_VERIFY(launches.requests.size() == (agreed ? 2 : 0) && reports->IsIdle());

    const QList<Sent> sent = Received(launches);
    QCOMPARE(Count(sent, "Launch", "Launch_RVPDF"), agreed ? 1 : 0);
    QCOMPARE(Count(sent, "mf_show", "none"), agreed ? 1 : 0);
    QCOMPARE(Count(sent, "User_Count", kDau), dau ? 1 : 0);
    QCOMPARE(Count(sent, "User_Count", "New_User_V2.0.0.4_Linux"), freshAccount && agreed ? 1 : 0);
    QCOMPARE(sent.size(), (agreed ? 2 : 0) + (dau ? 1 : 0) + (freshAccount && agreed ? 1 : 0));
    QCOMPARE(FileOrAbsent(cache + "/dua.data"), duaAfter);
    QCOMPARE(FileOrAbsent(cache + "/version.data"), versionAfter);
    for (const SeenRequest& request : launches.requests) {
        QVERIFY(!request.body.contains(TestEnv::Home().toUtf8()));
        QVERIFY(!request.body.contains('@'));
    }
}

void TestUsage::oncePerProcessNotPerWindow()
{
    const QString cache = MKBase::CAppPaths::UsageStateDir();
    SetFile(cache + "/dua.data", kAbsent);
    launches.requests.clear();
    MKBase::CReportConsent::getInstance()->Set(MKApplication::FrameworkSettingsPath(), true, true);

    // Windows count nothing themselves; the launch is counted once, however
    // often asked.
    CMainViewManager* manager = CMainViewManager::getInstance();
    QList<QPointer<QWidget>> windows;
    for (int i = 0; i < 3; ++i)
        windows << manager->CreateMainView(nullptr);
    CountLaunchOnce();
    auto* reports = CGaReportManager::getInstance();
    QTRY_VERIFY(Count(Received(launches), "Launch", "Launch_RVPDF") == 1 && reports->IsIdle());
    CountLaunchOnce();
    CGaReportManager::ReleaseReport();
    QTRY_VERIFY(reports->IsIdle());

    const QList<Sent> sent = Received(launches);
    QCOMPARE(Count(sent, "Launch", "Launch_RVPDF"), 1);
    QCOMPARE(Count(sent, "User_Count", kDau), 1);
    QCOMPARE(CFileUtils::ReadFileData(cache + "/dua.data"), QDate::currentDate().toString("yyyy-MM-dd"));
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

void TestUsage::eventsAreBatchedWithTableNames()
{
    CannedServer server;
    const QString dir = TestEnv::MakeDir("batched");
    auto manager = NewManager(server, dir);
    const QStringList keys = {"Launch", "Crashed", "User_Count", "Creat_Blank_PDF", "Open_PDF"};
    for (int i = 0; i < 30; ++i)
        manager->SendGaReport(keys.at(i % keys.size()), QString(), false);
    manager->SendGaReport("No_Such_Event", QString(), false);
    for (int i = 0; i < 3; ++i)
        manager->SendQvReport("mf_show", "none");
    QCOMPARE(server.connections, 0); // never on the caller's time
    QTRY_VERIFY(server.requests.size() == 3 && manager->IsIdle());

    QHash<QString, QJsonObject> table;
    for (const QJsonValue& row : MKBase::CJsonReader::ParseJsonFileToArray(kTable))
        table.insert(row.toObject().value("event_key").toString(), row.toObject());
    // Both services know the installation by the same id.
    for (const SeenRequest& request : server.requests) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        QCOMPARE(body.value(request.target.startsWith("/mp/collect") ? "client_id" : "pcid").toString(), kPcid);
    }
    const QList<Sent> sent = Received(server);
    QCOMPARE(sent.size(), 33);
    for (const Sent& s : sent) {
        if (s.channel == QLatin1String("qv")) {
            QCOMPARE(s.name + "/" + s.value, QStringLiteral("mf_show/none"));
            continue;
        }
        QVERIFY2(table.contains(s.action), qPrintable(s.action));
        QCOMPARE(s.name, QStringLiteral("Zivezir_Idod_UVUvi_Dizodo"));
        QCOMPARE(s.category, table.value(s.action).value("event_category").toString());
        QCOMPARE(s.label, table.value(s.action).value("event_label").toString());
    }
    QCOMPARE(manager->StoredCount(), 0);
}

void TestUsage::personalDataIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("path") << "/home/alice/Documents/tax.pdf";
    QTest::newRow("file name") << "tax-2023.pdf";
    QTest::newRow("mail address") << "alice@example.org";
    QTest::newRow("too long") << QString(65, 'a');
}

void TestUsage::personalDataIsRefused()
{
    QFETCH(QString, text);
    CannedServer server;
    const QString dir = TestEnv::MakeDir("private");
    auto manager = NewManager(server, dir);
    manager->SendGaReport("Open_PDF", text, false);
    manager->SendQvReport("open", text);
    manager->SendQvReport(text, "none");
    QCOMPARE(manager->PendingCount(), 0);
    manager->SendGaReport("Launch", QString(), true);
    QTRY_VERIFY(server.requests.size() == 1 && manager->IsIdle());
    QCOMPARE(Received(server).size(), 1);
    QVERIFY(!server.requests.first().body.contains(text.toUtf8()));
}

void TestUsage::undeliveredEventsWaitOnDisk_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("kept");
    QTest::newRow("server error") << Mode::Respond << 500 << true;
    QTest::newRow("too many requests") << Mode::Respond << 429 << true;
    QTest::newRow("connection dropped") << Mode::Close << 0 << true;
    QTest::newRow("nothing listening") << Mode::Down << 0 << true;
    // A request the server calls malformed would be refused again: dropped.
    QTest::newRow("HTTP 400") << Mode::Respond << 400 << false;
    QTest::newRow("HTTP 413") << Mode::Respond << 413 << false;
}

void TestUsage::undeliveredEventsWaitOnDisk()
{
    QFETCH(Mode, mode);
    QFETCH(int, status);
    QFETCH(bool, kept);
    const QString dir = TestEnv::MakeDir("offline");
    CGaReportManager::Timing once = Fast();
    once.startRetryDelayMs = once.laterRetryDelayMs = 60 * 60 * 1000;
    {
        CannedServer failing;
        failing.Set(mode, status);
        auto manager = NewManager(failing, dir, once);
        manager->SendGaReport("Launch", QString(), false);
        manager->SendGaReport("User_Count", kDau, false);
        manager->SendQvReport("mf_show", "none");
        QTRY_VERIFY_WITH_TIMEOUT(manager->InFlightCount() == 0 && manager->StoredCount() == (kept ? 3 : 0), 3000);
        CGaReportManager::WaitForDisk();
        QCOMPARE(QueuedEvents(dir).size(), kept ? 3 : 0);
    }
    // The next start delivers them, once each.
    CannedServer server;
    auto manager = NewManager(server, dir);
    if (!kept) {
        QVERIFY(manager->IsIdle());
        QCOMPARE(server.requests.size(), 0);
        return;
    }
    QTRY_VERIFY(server.requests.size() == 2 && manager->IsIdle());
    const QList<Sent> sent = Received(server);
    QCOMPARE(sent.size(), 3);
    QCOMPARE(Count(sent, "Launch", "Launch_RVPDF"), 1);
    QCOMPARE(Count(sent, "User_Count", kDau), 1);
    QCOMPARE(Count(sent, "mf_show", "none"), 1);
    QCOMPARE(manager->StoredCount(), 0);
    CGaReportManager::WaitForDisk();
    QVERIFY(!QFile::exists(dir + "/queue.json"));
}

void TestUsage::queueIsBoundedAndChecked()
{
    CannedServer server;
    server.Set(Mode::Respond, 500);
    const QString dir = TestEnv::MakeDir("bounded");
    CGaReportManager::Timing timing = Fast();
    timing.startRetryDelayMs = timing.laterRetryDelayMs = 60 * 60 * 1000;
    {
        auto manager = NewManager(server, dir, timing);
        for (int i = 0; i < CGaReportManager::kQueueLimit; ++i)
            manager->SendQvReport("old", "none");
        QTRY_VERIFY(manager->IsIdle());
        for (int i = 0; i < 20; ++i)
            manager->SendQvReport(QStringLiteral("new_%1").arg(i), "none");
        QTRY_VERIFY(manager->IsIdle());
        QCOMPARE(manager->StoredCount(), CGaReportManager::kQueueLimit);
    }
    // The oldest made room for the newest.
    const QJsonArray queued = QueuedEvents(dir);
    QCOMPARE(queued.size(), CGaReportManager::kQueueLimit);
    QStringList newest;
    for (int i = queued.size() - 20; i < queued.size(); ++i)
        newest << queued.at(i).toObject().value("name").toString();
    newest.sort();
    QStringList expected;
    for (int i = 0; i < 20; ++i)
        expected << QStringLiteral("new_%1").arg(i);
    expected.sort();
    QCOMPARE(newest, expected);

    // Records that were edited to carry a path, and a damaged file, are
    // never sent.
    QJsonObject edited = queued.first().toObject();
    edited["value"] = "/home/alice/tax.pdf";
    const QJsonObject root {{"format", 1}, {"events", QJsonArray {edited, queued.last()}}};
    QVERIFY(CFileUtils::WriteFileBytes(dir + "/queue.json", QJsonDocument(root).toJson()));
    QCOMPARE(NewManager(server, dir, timing)->StoredCount(), 1);
    QVERIFY(CFileUtils::WriteFileBytes(dir + "/queue.json", "{\"format\":1,\"events\":[{\"id\""));
    auto manager = NewManager(server, dir, timing);
    QCOMPARE(manager->StoredCount(), 0);
    manager->SendQvReport("mf_show", "none");
    QTRY_VERIFY(manager->IsIdle() && manager->StoredCount() == 1);
    CGaReportManager::WaitForDisk();
    QCOMPARE(QueuedEvents(dir).size(), 1);
}

void TestUsage::releaseIsBounded_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("knownDown");
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("server answers") << Mode::Respond << false << 0;
    QTest::newRow("server holds the request") << Mode::Hold << false << 2;
    QTest::newRow("nothing listening") << Mode::Down << false << 2;
    QTest::newRow("already failed this session") << Mode::Silent << true << 3;
}

void TestUsage::releaseIsBounded()
{
    QFETCH(Mode, mode);
    QFETCH(bool, knownDown);
    QFETCH(int, storedAfter);
    CannedServer server;
    server.Set(mode);
    CGaReportManager::Timing timing = Fast();
    timing.startRetryDelayMs = timing.laterRetryDelayMs = 60 * 60 * 1000;
    timing.batchDelayMs = 60 * 60 * 1000;
    auto manager = NewManager(server, TestEnv::MakeDir("release"), timing);
    if (knownDown) {
        manager->SendQvReport("crash", "none");
        manager->RetryStored();
        QTRY_COMPARE(manager->StoredCount(), 1);
    }
    manager->SendGaReport("Launch", QString(), false);
    manager->SendQvReport("mf_show", "none");

    // Release returns (a held request would keep it for good otherwise)
    // with nothing pending and whatever is undelivered on disk.
    manager->Release();
    QCOMPARE(manager->PendingCount(), 0);
    QCOMPARE(manager->StoredCount(), storedAfter);
    if (mode == Mode::Hold) {
        // A late answer still counts: the events leave the disk queue.
        server.Release();
        QTRY_COMPARE(manager->StoredCount(), 0);
    }
}

void TestUsage::startupSendsLater()
{
    const QString dir = TestEnv::MakeDir("startup");
    QJsonArray events;
    for (int i = 0; i < CGaReportManager::kQueueLimit; ++i) {
        events.append(QJsonObject {{"id", QStringLiteral("%1").arg(i, 32, 10, QLatin1Char('0'))},
                                   {"channel", "qv"}, {"time", 1.7e12}, {"name", "mf_show"},
                                   {"value", "none"}, {"version", "2.0.0.3"}});
    }
    QVERIFY(CFileUtils::WriteFileBytes(dir + "/queue.json",
                                       QJsonDocument(QJsonObject {{"format", 1}, {"events", events}}).toJson()));
    CannedServer server;
    server.Set(Mode::Hold);
    CGaReportManager::Timing timing = Fast();
    // Twenty-two requests at once on a loaded machine: a time-out would keep
    // the batch for a later run, which is right but not what is tested here.
    timing.requestTimeoutMs = 60000;

    auto manager = NewManager(server, dir, timing);
    manager->SendGaReport("Launch", QString(), false);
    manager->SendGaReport("User_Count", kDau, false);
    manager->SendQvReport("mf_show", "none");
    // Nothing goes out on the caller's time (how long this takes is the
    // start-up benchmark's concern).
    QCOMPARE(server.connections, 0);

    // The old events go out a moment later, in full batches.
    QTRY_VERIFY(!server.requests.isEmpty());
    server.Set(Mode::Respond);
    server.Release();
    // The kept events follow the new ones on the retry timer.
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1 + 1 + CGaReportManager::kQueueLimit / CGaReportManager::kBatchSize,
                              30000);
    QTRY_VERIFY_WITH_TIMEOUT(manager->IsIdle(), 30000);
    QCOMPARE(Received(server).size(), CGaReportManager::kQueueLimit + 3);
    QCOMPARE(manager->StoredCount(), 0);
}

void TestUsage::disabledSendsAndKeepsNothing_data()
{
    QTest::addColumn<QByteArray>("env");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("disabled");
    const QString yes = QStringLiteral("Asked=true\nUsage=true\n");
    QTest::newRow("environment") << QByteArray("1") << yes << true;
    QTest::newRow("turned off in an older version") << QByteArray() << "Disabled=true\nUsage=true\n" << true;
    QTest::newRow("never asked") << QByteArray() << QString() << true;
    QTest::newRow("answered no") << QByteArray() << "Asked=true\nUsage=false\nCrashes=true\n" << true;
    QTest::newRow("yes, environment 0") << QByteArray("0") << yes << false;
}

void TestUsage::disabledSendsAndKeepsNothing()
{
    QFETCH(QByteArray, env);
    QFETCH(QString, setting);
    QFETCH(bool, disabled);
    const QString dir = TestEnv::MakeDir("disabled");
    CannedServer server;
    {
        // One event left from a run before reporting was turned off.
        CannedServer down;
        down.Set(Mode::Down);
        auto manager = NewManager(down, dir);
        manager->SendQvReport("crash", "none");
        manager->Release();
        QCOMPARE(manager->StoredCount(), 1);
    }
    QVERIFY(CFileUtils::WriteFileData(dir + "/framework.ini", "[Reports]\n" + setting));
    EnvOverride guard("RVPDF_DISABLE_REPORTS", env);

    auto manager = NewManager(server, dir);
    manager->SendGaReport("Launch", QString(), true);
    manager->SendQvReport("mf_show", "none");
    if (disabled) {
        QCOMPARE(manager->PendingCount(), 0);
        QTRY_VERIFY(!QFile::exists(dir + "/queue.json"));
        manager->Release();
        manager->PersistUndelivered();
        QVERIFY(manager->IsIdle());
        QCOMPARE(server.connections, 0);
        CGaReportManager::WaitForDisk();
        QVERIFY(!QFile::exists(dir + "/queue.json"));
    } else {
        QTRY_VERIFY(Received(server).size() == 3 && manager->IsIdle());
        QCOMPARE(manager->StoredCount(), 0);
    }
}

RV_TEST_MAIN(TestUsage)
#include "tst_usage.moc"
