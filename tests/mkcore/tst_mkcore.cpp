#include "CAppPaths.h"
#include "CAssocUtils.h"
#include "CTerminationSignals.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKMainWindow.h"
#include "MKMessageBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"

#include <QJsonObject>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

#include <csignal>

class TestMKCore : public QObject
{
    Q_OBJECT

private slots:
    void brandsKeepTheirOwnIdentity_data();
    void brandsKeepTheirOwnIdentity();
    void choicesSurviveARestart();
    void skinColourNotation_data();
    void skinColourNotation();
    void pageGivenAwayLeavesTheStack();
    void informationDimsTheWindowWhileShown();
    void terminationRequestBecomesSignal();
    void windowStaysWithinReach_data();
    void windowStaysWithinReach();

private:
    void RestoreDefaultBrand() { MKApplication::getInstance()->InitProduct("rv", "overseas"); }
};

void TestMKCore::brandsKeepTheirOwnIdentity_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::newRow("rv overseas") << "rv" << "overseas";
    QTest::newRow("mk overseas") << "mk" << "overseas";
    QTest::newRow("mk domestic") << "mk" << "domestic";
    QTest::newRow("hd domestic") << "hd" << "domestic";
    // A brand without files has no values.
    QTest::newRow("unknown brand") << "zz" << "nowhere";
}

void TestMKCore::brandsKeepTheirOwnIdentity()
{
    QFETCH(QString, bundle);
    QFETCH(QString, region);
    MKApplication* app = MKApplication::getInstance();
    app->InitProduct(bundle, region);
    const QString bundleId = app->GetAppValue("BundleId");
    const QString appId = app->GetAppValue("AppId");
    QCOMPARE(app->GetAppValue("Title").isEmpty(), bundle == "zz");
    if (bundle == "zz") {
        QVERIFY(app->LanguageMap().isEmpty());
        // Empty names mean the default brand.
        app->InitProduct(QString(), QString());
        QCOMPARE(app->GetAppValue("BundleId"), QStringLiteral("RVPDF"));
        return;
    }
    // The desktop file id: a Wayland compositor finds the entry and icon of
    // a window by it; the registered entry is named after it.
    QVERIFY2(appId.endsWith("." + bundleId), qPrintable(appId));
    QCOMPARE(QGuiApplication::desktopFileName(), appId);
    QCOMPARE(MKBase::CAssocUtils::DesktopFileId(appId), appId + ".desktop");
    // Each brand keeps its settings in a folder of its own.
    QCOMPARE(MKBase::CAppPaths::ConfigDir(), TestEnv::Root() + "/config/" + bundleId.toLower());
    QCOMPARE(MKBase::CAppPaths::StateDir(), TestEnv::Root() + "/state/" + bundleId.toLower());
    static QSet<QString> seen;
    QVERIFY2(!seen.contains(bundleId), "no two brands share their settings");
    seen << bundleId;
    RestoreDefaultBrand();
}

void TestMKCore::choicesSurviveARestart()
{
    MKApplication* app = MKApplication::getInstance();
    QVERIFY(!app->SetCurrentLanguage("Klingon"));
    QVERIFY(app->SetCurrentLanguage("French"));
    app->SetCurrentSkin("Dark");
    // A skin that does not exist changes nothing.
    app->SetCurrentSkin("Purple");
    RestoreDefaultBrand();
    QCOMPARE(app->CurrentLanguage(), QStringLiteral("French"));
    QCOMPARE(app->CurrentSkin(), QStringLiteral("Dark"));
    QVERIFY(app->SetCurrentLanguage("English"));
    app->SetCurrentSkin("Light");
}

void TestMKCore::skinColourNotation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("hex with alpha") << "#80ffffff" << QColor(255, 255, 255, 128);
    QTest::newRow("rgba spaced") << " rgba( 255, 112 ,0 , 150 ) " << QColor(255, 112, 0, 150);
    QTest::newRow("rgba without alpha") << "rgba(1,2,3)" << QColor();
    QTest::newRow("rgb with alpha") << "rgb(1,2,3,4)" << QColor();
    QTest::newRow("channel over 255") << "rgba(256,0,0,10)" << QColor();
    QTest::newRow("short hex") << "#12345" << QColor();
    QTest::newRow("colour name") << "red" << QColor();
    QTest::newRow("empty") << "" << QColor();
}

void TestMKCore::skinColourNotation()
{
    QFETCH(QString, text);
    QFETCH(QColor, expected);
    const QColor color = MKApplication::ParseSkinColor(text);
    QCOMPARE(color.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(color.rgba(), expected.rgba());
    // A skin's palette takes the colour, or keeps Qt's own for one it cannot read.
    const QPalette palette = MKApplication::SkinPalette(QJsonObject {{"window_color", text}});
    QCOMPARE(palette.color(QPalette::Window).rgba(), (expected.isValid() ? expected : QPalette().color(QPalette::Window)).rgba());
}

void TestMKCore::pageGivenAwayLeavesTheStack()
{
    MKMainWindow window;
    auto* a = new QLabel("a");
    auto* b = new QLabel("b");
    QCOMPARE(window.AddPage(a), 0);
    QCOMPARE(window.AddPage(b), 1);
    QCOMPARE(window.AddPage(nullptr), -1);
    window.SetCurrentPage(5);
    QCOMPARE(window.CurrentPage(), a);
    window.RemovePage(a);
    QCOMPARE(window.CurrentPage(), b);
    delete a;
    // A page given to another window leaves this one's stack.
    MKMainWindow second;
    b->setParent(&second);
    second.AddPage(b);
    QCOMPARE(window.PageCount(), 0);
    QCOMPARE(second.PageWidgetOfIndex(0), b);
}

void TestMKCore::windowStaysWithinReach_data()
{
    // Geometry as a share of the screen's free area; what must come of it.
    QTest::addColumn<QRectF>("share");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("fits") << QRectF(0.1, 0.1, 0.5, 0.5) << false;
    QTest::newRow("above the top edge") << QRectF(0.1, -0.2, 0.5, 0.5) << false;
    QTest::newRow("past the right and bottom edges") << QRectF(0.8, 0.9, 0.5, 0.5) << false;
    QTest::newRow("taller than the area") << QRectF(0.1, -0.05, 0.5, 1.1) << true;
    QTest::newRow("wider than the area, far away") << QRectF(-3, 4, 1.2, 0.5) << true;
}

void TestMKCore::windowStaysWithinReach()
{
    QFETCH(QRectF, share);
    QFETCH(bool, maximized);
    MKMainWindow window;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    window.setGeometry(QRect(area.x() + int(share.x() * area.width()), area.y() + int(share.y() * area.height()),
                             int(share.width() * area.width()), int(share.height() * area.height())));
    window.FitToScreen();
    QCOMPARE(window.isMaximized(), maximized);
    // Its normal place, title strip and buttons included, is on the area.
    QVERIFY(area.contains(window.frameGeometry()));
    window.show();
    // A double click on the empty title strip maximises and restores, with
    // the window system or without.
    const QPoint empty(window.titleBar()->width() / 2, window.titleBar()->height() / 2);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseDClick(window.titleBar(), Qt::LeftButton, Qt::NoModifier, empty);
        QTRY_COMPARE(window.isMaximized(), !maximized == (i == 0));
    }
}

void TestMKCore::informationDimsTheWindowWhileShown()
{
    MKMainWindow window;
    window.resize(800, 600);
    window.show();
    bool masked = false;
    ModalAnswerer answerer([&window, &masked](QWidget* dialog) {
        auto* box = qobject_cast<QWKDialog*>(dialog);
        masked = box && box->MaskWidget() && box->MaskWidget()->isVisible() && box->MaskWidget()->geometry() == window.rect();
        ModalAnswerer::ClickButton(dialog, "button_3");
    });
    QCOMPARE(MKMessageBox::information(true, &window, &window, QString(), "Failed to Open", "moved", 1024, 332), 3);
    QVERIFY(masked);
    QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
    // The box is gone with its mask.
    QCOMPARE(answerer.LastDialog(), nullptr);
    QVERIFY(window.findChildren<QWidget*>("widget_mask").isEmpty());
}

// A desktop ending its session sends SIGTERM: it must reach the GUI thread
// as a request to close, not end the process mid-write.
void TestMKCore::terminationRequestBecomesSignal()
{
    CTerminationSignals* signals_ = CTerminationSignals::Install();
    QVERIFY(signals_);
    QCOMPARE(CTerminationSignals::Install(), signals_);
    QSignalSpy spy(signals_, &CTerminationSignals::SignalTerminationRequested);
    QCOMPARE(raise(SIGTERM), 0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(SIGTERM));
    // Asked again while the first request waits, the process just ends.
    struct sigaction current = {};
    sigaction(SIGTERM, nullptr, &current);
    QVERIFY(current.sa_handler == SIG_DFL);
}

RV_TEST_MAIN(TestMKCore)
#include "tst_mkcore.moc"
