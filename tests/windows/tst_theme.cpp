#include "CSystemUtils.h"
#include "EnvOverride.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "windows/CMainViewManager.h"
#include "windows/CThemeWatcher.h"

#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

#include <memory>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");
const QString kPortalConnection = QStringLiteral("rv-fake-portal");
const QString kWatcherConnection = QStringLiteral("rv-theme-watcher");

// Stands in for the desktop portal's settings interface.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 0;
    // Versions before 2 have no ReadOne.
    bool hasReadOne = true;
    // Answers both reads with this error instead, when set.
    QString errorName;
    // Holds the ReadOne answer back until AnswerHeld().
    bool holdReadOne = false;
    QDBusMessage held;

    void AnswerHeld(uint value)
    {
        QDBusConnection(kPortalConnection).send(held.createReply(QVariant::fromValue(QDBusVariant(value))));
        held = QDBusMessage();
    }

public slots:
    QDBusVariant ReadOne(const QString& nameSpace, const QString& key)
    {
        if (!hasReadOne) {
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method"));
            return QDBusVariant();
        }
        if (!Check(nameSpace, key))
            return QDBusVariant();
        if (holdReadOne) {
            setDelayedReply(true);
            held = message();
            return QDBusVariant();
        }
        return QDBusVariant(scheme);
    }

    QDBusVariant Read(const QString& nameSpace, const QString& key)
    {
        if (!Check(nameSpace, key))
            return QDBusVariant();
        // The old method wraps the value in a second variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }

private:
    bool Check(const QString& nameSpace, const QString& key)
    {
        if (!errorName.isEmpty()) {
            sendErrorReply(errorName, QStringLiteral("refused"));
            return false;
        }
        if (nameSpace != kAppearance || key != kColorScheme) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("unknown"));
            return false;
        }
        return true;
    }
};

// Receives a marker signal sent after the messages under test: once it is
// here, everything sent before it on the same connection was delivered.
class Sentinel : public QObject
{
    Q_OBJECT
public:
    int seen = 0;
public slots:
    void SlotSeen() { ++seen; }
};

MKApplication* App()
{
    return MKApplication::getInstance();
}

// What the user sees: the palette the last applied skin set.
bool AppliedDark()
{
    return MKBase::CSystemUtils::IsPaletteDark(QGuiApplication::palette());
}

// Puts the application into a known applied state.
void SetApplied(bool bDark)
{
    App()->SetSystemDarkMode(bDark);
    App()->OnThemeChanged();
}

QPalette& SystemPalette()
{
    return *const_cast<QPalette*>(QGuiApplicationPrivate::platformTheme()->palette(QPlatformTheme::SystemPalette));
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void sessionBusIsNeverStarted_data();
    void sessionBusIsNeverStarted();
    void burstGivesOneReapply();
    void desktopSettingChanges_data();
    void desktopSettingChanges();
    void systemPaletteDecidesWithoutPortal();
    void startupReadsCurrentValue_data();
    void startupReadsCurrentValue();
    void firstWindowOpensInDesktopColours_data();
    void firstWindowOpensInDesktopColours();

private:
    void SendSetting(const QString& nameSpace, const QString& key, const QVariant& value);
    CThemeWatcher* NewWatcher(const QString& address);
    // Waits for the next re-apply after count; false when none comes.
    bool WaitReapply(int count, int timeout = 3000);

    QProcess bus;
    QString address;
    FakePortal portal;
    CMainViewManager* manager = nullptr;
    CThemeWatcher* managerWatcher = nullptr;
    QList<CThemeWatcher*> watchers;
};

void TestTheme::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);

    // A bus of our own, with no service files, so nothing gets activated.
    const QString config = TestEnv::Root() + "/bus.conf";
    QVERIFY(TestPdf::WriteBytes(config, QStringLiteral("<busconfig><type>session</type>"
                                 "<listen>unix:path=%1/bus</listen><auth>EXTERNAL</auth>"
                                 "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                                 .arg(TestEnv::Root())
                                 .toUtf8()));
    bus.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"});
    QVERIFY2(bus.waitForStarted(5000), "dbus-daemon is needed");
    QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), 5000);
    address = QString::fromUtf8(bus.readLine()).trimmed();
    QVERIFY(!address.isEmpty());
    // Before anything opens the session bus: it is this one from here on.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());

    QDBusConnection portalBus = QDBusConnection::connectToBus(address, kPortalConnection);
    QVERIFY(portalBus.isConnected());
    QVERIFY(portalBus.registerObject(kPath, &portal, QDBusConnection::ExportAllSlots));
    QVERIFY(portalBus.registerService(kService));

    App()->SetCurrentSkin(MKApplication::kSkinAuto);
    manager = CMainViewManager::getInstance();
    manager->StartThemeWatcher();
    managerWatcher = manager->findChild<CThemeWatcher*>();
    QVERIFY(managerWatcher);
    QTRY_VERIFY(managerWatcher->IsReady());
    // It asked our portal, over the session bus of this test.
    QCOMPARE(managerWatcher->PortalColorScheme(), 0);
    QVERIFY(portalBus.interface()->isServiceRegistered(QDBusConnection::sessionBus().baseService()));
}

void TestTheme::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(kWatcherConnection);
    QDBusConnection::disconnectFromBus(kPortalConnection);
    bus.kill();
    bus.waitForFinished(5000);
}

void TestTheme::init()
{
    portal.hasReadOne = true;
    portal.holdReadOne = false;
    portal.errorName.clear();
    App()->SetCurrentSkin(MKApplication::kSkinAuto);
    SetApplied(false);
}

void TestTheme::cleanup()
{
    qDeleteAll(watchers);
    watchers.clear();
    QDBusConnection portalBus(kPortalConnection);
    if (!portalBus.interface()->isServiceRegistered(kService))
        QVERIFY(portalBus.registerService(kService));
    // Nothing scheduled leaks into the next test.
    QTRY_VERIFY_WITH_TIMEOUT(!CThemeWatcher::IsThemeChangePending(), 3000);
}

void TestTheme::SendSetting(const QString& nameSpace, const QString& key, const QVariant& value)
{
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("SettingChanged"));
    signal << nameSpace << key << QVariant::fromValue(QDBusVariant(value));
    QVERIFY(QDBusConnection(kPortalConnection).send(signal));
}

CThemeWatcher* TestTheme::NewWatcher(const QString& busAddress)
{
    const QString name = busAddress == address ? kWatcherConnection : QStringLiteral("rv-no-bus");
    auto* watcher = new CThemeWatcher([busAddress, name]() {
        return QDBusConnection::connectToBus(busAddress, name);
    });
    connect(watcher, &CThemeWatcher::SignalThemeChanged, manager, &CMainViewManager::SlotThemeChanged);
    watchers.append(watcher);
    return watcher;
}

bool TestTheme::WaitReapply(int count, int timeout)
{
    return QTest::qWaitFor([count]() { return CThemeWatcher::ReapplyCount() > count; }, timeout);
}

void TestTheme::burstGivesOneReapply()
{
    QSignalSpy skinChanged(App(), &MKApplication::SignalSkinChanged);
    const int before = CThemeWatcher::ReapplyCount();
    // Five notifications over 280 ms, from the portal and from Qt; the last
    // from Qt, whose light palette must not outvote the portal.
    auto theme = [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::ThemeChange)); };
    auto setting = [this] { SendSetting(kAppearance, kColorScheme, uint(CThemeWatcher::PreferDark)); };
    setting();
    QTimer::singleShot(70, this, theme);
    QTimer::singleShot(140, this, setting);
    QTimer::singleShot(210, this, setting);
    auto burstSent = std::make_shared<bool>(false);
    QTimer::singleShot(280, this, [theme, burstSent]() {
        theme();
        *burstSent = true;
    });
    QVERIFY(WaitReapply(before, 2500));
    QVERIFY(*burstSent);
    QCOMPARE(CThemeWatcher::ReapplyCount(), before + 1);
    // Every notification of the burst came before the re-apply and none
    // started another.
    QVERIFY(!CThemeWatcher::IsThemeChangePending());
    QCOMPARE(App()->EffectiveSkin(), MKApplication::kSkinDark);
    QVERIFY(MKApplication::SkinResouresPath().contains("/dark/"));
    QVERIFY(AppliedDark());
    QCOMPARE(skinChanged.count(), 1);
}

void TestTheme::desktopSettingChanges_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("nameSpace");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("reapplies");
    QTest::addColumn<bool>("systemDark");
    QTest::addColumn<bool>("appliedDark");
    QTest::addColumn<int>("portalScheme");
    const QString aut = MKApplication::kSkinAuto;
    QTest::newRow("prefer dark") << aut << kAppearance << kColorScheme << QVariant(uint(1)) << true << true << true << 1;
    QTest::newRow("prefer light") << aut << kAppearance << kColorScheme << QVariant(uint(2)) << true << false << false << 2;
    QTest::newRow("unknown value") << aut << kAppearance << kColorScheme << QVariant(uint(7)) << true << false << false << 0;
    QTest::newRow("signed dark") << aut << kAppearance << kColorScheme << QVariant(int(1)) << true << true << true << 1;
    // A fixed skin ignores the desktop but remembers it for Auto.
    QTest::newRow("fixed light skin") << QString(MKApplication::kSkinLight) << kAppearance << kColorScheme
                                      << QVariant(uint(1)) << true << true << false << 1;
    QTest::newRow("other key") << aut << kAppearance << "contrast" << QVariant(uint(1)) << false << false << false << -2;
    QTest::newRow("other namespace") << aut << "org.gnome.desktop.interface" << kColorScheme << QVariant(uint(1))
                                     << false << false << false << -2;
    QTest::newRow("key case") << aut << kAppearance << "Color-Scheme" << QVariant(uint(1)) << false << false << false << -2;
    QTest::newRow("text value") << aut << kAppearance << kColorScheme << QVariant(QStringLiteral("1")) << false << false
                                << false << -2;
}

void TestTheme::desktopSettingChanges()
{
    QFETCH(QString, skin);
    QFETCH(QString, nameSpace);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, reapplies);
    QFETCH(bool, systemDark);
    QFETCH(bool, appliedDark);
    QFETCH(int, portalScheme);
    // Start from the opposite of what a change would show.
    const bool changes = reapplies && skin == MKApplication::kSkinAuto;
    SetApplied(changes && !appliedDark);
    App()->SetCurrentSkin(skin);
    Sentinel sentinel;
    QVERIFY(QDBusConnection::sessionBus().connect(QString(), "/rvpdf/test", "org.rvpdf.Test", "Sentinel",
                                                  &sentinel, SLOT(SlotSeen())));
    QSignalSpy skinChanged(App(), &MKApplication::SignalSkinChanged);
    const int before = CThemeWatcher::ReapplyCount();
    const int scheme = managerWatcher->PortalColorScheme();

    SendSetting(nameSpace, key, value);
    QVERIFY(QDBusConnection(kPortalConnection).send(QDBusMessage::createSignal("/rvpdf/test", "org.rvpdf.Test", "Sentinel")));
    QTRY_COMPARE(sentinel.seen, 1);
    if (reapplies) {
        QVERIFY(WaitReapply(before));
    } else {
        QVERIFY(!CThemeWatcher::IsThemeChangePending());
        QCOMPARE(CThemeWatcher::ReapplyCount(), before);
    }
    QCOMPARE(App()->IsSystemDarkMode(), systemDark);
    QCOMPARE(AppliedDark(), appliedDark);
    QCOMPARE(skinChanged.count(), changes ? 1 : 0);
    QCOMPARE(managerWatcher->PortalColorScheme(), portalScheme == -2 ? scheme : portalScheme);
    if (skin != MKApplication::kSkinAuto) {
        App()->SetCurrentSkin(MKApplication::kSkinAuto);
        QCOMPARE(AppliedDark(), systemDark);
    }
}

void TestTheme::systemPaletteDecidesWithoutPortal()
{
    QVERIFY(QDBusConnection(kPortalConnection).unregisterService(kService));
    CThemeWatcher* watcher = NewWatcher(address);
    QSignalSpy ready(watcher, &CThemeWatcher::SignalReady);
    watcher->Start();
    QVERIFY(ready.wait(5000));
    QCOMPARE(watcher->PortalColorScheme(), -1);
    QVERIFY(!AppliedDark());
    // Our own skin switches repaint with our palette: not taken for the desktop's.
    for (const QString& skin : {MKApplication::kSkinDark, MKApplication::kSkinLight, MKApplication::kSkinAuto}) {
        App()->SetCurrentSkin(skin);
        QCoreApplication::processEvents();
        QVERIFY2(!CThemeWatcher::IsThemeChangePending(), qPrintable(skin));
    }

    // The desktop switches to a dark palette.
    const QPalette light = SystemPalette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x25, 0x25, 0x28));
    dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    SystemPalette() = dark;
    int before = CThemeWatcher::ReapplyCount();
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::ApplicationPaletteChange));
    const bool becameDark = WaitReapply(before) && AppliedDark();

    // And back, announced as a theme change this time.
    SystemPalette() = light;
    before = CThemeWatcher::ReapplyCount();
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::ThemeChange));
    const bool becameLight = WaitReapply(before) && !AppliedDark();
    QVERIFY(becameDark);
    QVERIFY(becameLight);
}

void TestTheme::startupReadsCurrentValue_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<uint>("scheme");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("portalScheme");
    QTest::newRow("ReadOne dark") << "portal" << 1u << true << 1;
    QTest::newRow("ReadOne light") << "portal" << 2u << false << 2;
    QTest::newRow("ReadOne no preference") << "portal" << 0u << false << 0;
    QTest::newRow("old portal, Read dark") << "old portal" << 1u << true << 1;
    QTest::newRow("portal refuses") << "refusing portal" << 1u << false << -1;
    QTest::newRow("no portal") << "no portal" << 1u << false << -1;
    QTest::newRow("no bus") << "no bus" << 1u << false << -1;
    // The user switches to dark while the first answer, light, is under way.
    QTest::newRow("change during the read wins") << "held" << 2u << true << 1;
}

void TestTheme::startupReadsCurrentValue()
{
    QFETCH(QString, setup);
    QFETCH(uint, scheme);
    QFETCH(bool, dark);
    QFETCH(int, portalScheme);
    portal.scheme = scheme;
    portal.hasReadOne = setup != "old portal";
    portal.holdReadOne = setup == "held";
    if (setup == "refusing portal")
        portal.errorName = QStringLiteral("org.freedesktop.portal.Error.NotAllowed");
    if (setup == "no portal")
        QVERIFY(QDBusConnection(kPortalConnection).unregisterService(kService));
    SetApplied(!dark);

    CThemeWatcher* watcher = NewWatcher(setup == "no bus" ? "unix:path=" + TestEnv::Root() + "/no-bus" : address);
    QSignalSpy ready(watcher, &CThemeWatcher::SignalReady);
    watcher->Start();
    // Start does not wait for the bus: the answer comes later; until then the skin is as it was.
    QCOMPARE(AppliedDark(), !dark);
    QVERIFY(!watcher->IsReady());
    const int before = CThemeWatcher::ReapplyCount();
    if (setup == "held") {
        QTRY_COMPARE(portal.held.type(), QDBusMessage::MethodCallMessage);
        SendSetting(kAppearance, kColorScheme, uint(CThemeWatcher::PreferDark));
        QTRY_VERIFY(CThemeWatcher::IsThemeChangePending());
        portal.AnswerHeld(scheme);
    }

    QVERIFY(ready.wait(5000));
    QCOMPARE(ready.count(), 1);
    QCOMPARE(watcher->PortalColorScheme(), portalScheme);
    QCOMPARE(App()->IsSystemDarkMode(), dark);
    // Applied at once, not a second later; the change by its own re-apply.
    QVERIFY(setup == "held" ? WaitReapply(before) : !CThemeWatcher::IsThemeChangePending());
    QCOMPARE(AppliedDark(), dark);
}

void TestTheme::firstWindowOpensInDesktopColours_data()
{
    QTest::addColumn<uint>("scheme");
    QTest::addColumn<QByteArray>("painted");
    QTest::newRow("dark desktop") << uint(CThemeWatcher::PreferDark) << QByteArray(" Dark\n");
    QTest::newRow("light desktop") << uint(CThemeWatcher::PreferLight) << QByteArray(" Light\n");
}

void TestTheme::firstWindowOpensInDesktopColours()
{
    // The real program on this test's bus: its very first frame is painted
    // in the desktop's colours, not in light ones until the portal answers.
    QFETCH(uint, scheme);
    QFETCH(QByteArray, painted);
    portal.scheme = scheme;
    const std::unique_ptr<QProcess> app = TestEnv::StartChild(RVPDF_BINARY, {}, {"RVPDF_STARTUP_PROBE=1"});
    // The portal answers from this process: keep its event loop running.
    QTRY_COMPARE_WITH_TIMEOUT(app->state(), QProcess::NotRunning, 15000);
    const QByteArray out = app->readAllStandardOutput();
    QVERIFY2(out.startsWith("painted ") && out.endsWith(painted), (out + " | " + app->readAllStandardError().right(2000)).constData());
}

void TestTheme::sessionBusIsNeverStarted_data()
{
    QTest::addColumn<QByteArray>("busAddress");
    QTest::addColumn<bool>("busFile");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("address given") << QByteArray("unix:path=/nonexistent/bus") << false << true;
    QTest::newRow("user bus of the session") << QByteArray() << true << true;
    QTest::newRow("no bus at all") << QByteArray() << false << false;
}

void TestTheme::sessionBusIsNeverStarted()
{
    QFETCH(QByteArray, busAddress);
    QFETCH(bool, busFile);
    QFETCH(bool, reachable);
    const QString runtime = TestEnv::MakeDir("runtime-probe");
    if (busFile)
        QVERIFY(TestPdf::WriteBytes(runtime + "/bus", QByteArray()));
    EnvOverride runtimeDir("XDG_RUNTIME_DIR", runtime.toUtf8());
    EnvOverride sessionBus("DBUS_SESSION_BUS_ADDRESS", busAddress.isEmpty() ? QByteArray() : busAddress);
    // Without a bus the watcher must not ask the bus library, which would
    // start a daemon of its own to answer.
    QCOMPARE(MKBase::CSystemUtils::HasSessionBus(), reachable);
}

RV_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
