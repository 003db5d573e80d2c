#include "CAssocUtils.h"
#include "CTerminationSignals.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKCheckBox.h"
#include "MKMainWindow.h"
#include "MKMessageBox.h"
#include "MKMultiViewManager.h"
#include "ModalAnswerer.h"
#include "TestMain.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <csignal>

class TestMKCore : public QObject
{
    Q_OBJECT

private slots:
    void appValuesOfEachBrand_data();
    void appValuesOfEachBrand();
    void unknownBrandHasNoValues();
    void languages();
    void skinColourNotation_data();
    void skinColourNotation();
    void skinPaletteComesFromItsColours_data();
    void skinPaletteComesFromItsColours();
    void pageStack();
    void windowActivationIsReported();
    void informationDimsTheWindowWhileShown();
    void checkBoxMarksPersist();
    void viewManagerForgetsDestroyedWindows();
    void terminationRequestBecomesSignal();

private:
    void RestoreDefaultBrand() { MKApplication::getInstance()->InitProduct("rv", "overseas"); }
};

void TestMKCore::appValuesOfEachBrand_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("region");
    QTest::newRow("rv overseas") << "rv" << "overseas";
    QTest::newRow("mk overseas") << "mk" << "overseas";
    QTest::newRow("mk domestic") << "mk" << "domestic";
    QTest::newRow("hd domestic") << "hd" << "domestic";
}

void TestMKCore::appValuesOfEachBrand()
{
    QFETCH(QString, bundle);
    QFETCH(QString, region);
    MKApplication* app = MKApplication::getInstance();
    app->InitProduct(bundle, region);
    const QString bundleId = app->GetAppValue("BundleId");
    const QString appId = app->GetAppValue("AppId");
    QVERIFY(!app->GetAppValue("Title").isEmpty() && !app->GetProductID().isEmpty());
    QCOMPARE(app->IsHaldenProduct(), bundle == "hd");
    // The desktop file id: a Wayland compositor finds the entry and icon of
    // a window by it; the registered entry is named after it.
    QVERIFY2(appId.endsWith("." + bundleId), qPrintable(appId));
    QCOMPARE(QGuiApplication::desktopFileName(), appId);
    QCOMPARE(MKBase::CAssocUtils::DesktopFileId(appId), appId + ".desktop");
    // Each brand keeps its settings in a folder of its own.
    QVERIFY(MKApplication::AppCacheDirPath().endsWith("/" + bundleId.toLower()));
    QVERIFY(MKApplication::AppCacheDirPath().startsWith(TestEnv::Root()));
    static QSet<QString> seen;
    QVERIFY2(!seen.contains(bundleId), "no two brands share their settings");
    seen << bundleId;
    RestoreDefaultBrand();
}

void TestMKCore::unknownBrandHasNoValues()
{
    MKApplication* app = MKApplication::getInstance();
    // A brand without files has no values; empty names mean the default brand.
    app->InitProduct("zz", "nowhere");
    QVERIFY(app->GetAppValue("Title").isEmpty());
    QVERIFY(app->LanguageMap().isEmpty());
    app->InitProduct(QString(), QString());
    QCOMPARE(app->GetAppValue("BundleId"), QStringLiteral("RVPDF"));
}

void TestMKCore::languages()
{
    MKApplication* app = MKApplication::getInstance();
    QVERIFY(!app->SetCurrentLanguage("Klingon"));
    QVERIFY(app->SetCurrentLanguage("French"));
    QCOMPARE(app->CurrentLanguage(), QStringLiteral("French"));
    // The choice survives a restart.
    RestoreDefaultBrand();
    QCOMPARE(app->CurrentLanguage(), QStringLiteral("French"));
    QVERIFY(app->SetCurrentLanguage("English"));
}

void TestMKCore::skinColourNotation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("hex") << "#3b6cf6" << QColor(0x3b, 0x6c, 0xf6);
    QTest::newRow("hex with alpha") << "#80ffffff" << QColor(255, 255, 255, 128);
    QTest::newRow("rgba") << "rgba(0,0,0,30)" << QColor(0, 0, 0, 30);
    QTest::newRow("rgba spaced") << " rgba( 255, 112 ,0 , 150 ) " << QColor(255, 112, 0, 150);
    QTest::newRow("rgba without alpha") << "rgba(1,2,3)" << QColor();
    QTest::newRow("rgb with alpha") << "rgb(1,2,3,4)" << QColor();
    QTest::newRow("channel over 255") << "rgba(256,0,0,10)" << QColor();
    QTest::newRow("negative") << "rgb(-1,0,0)" << QColor();
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
}

void TestMKCore::skinPaletteComesFromItsColours_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("dir");
    QTest::newRow("light") << "Light" << ":/res/skin/light/resoures";
    QTest::newRow("dark") << "Dark" << ":/res/skin/dark/resoures";
}

void TestMKCore::skinPaletteComesFromItsColours()
{
    QFETCH(QString, skin);
    QFETCH(QString, dir);
    MKApplication* app = MKApplication::getInstance();
    app->SetCurrentSkin(skin == "Light" ? "Dark" : "Light");
    QSignalSpy changed(app, &MKApplication::SignalSkinChanged);
    app->SetCurrentSkin(skin);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(MKApplication::SkinResouresPath(), dir);
    QVERIFY(app->styleSheet().contains(dir + "/"));
    // A skin that does not exist changes nothing; the choice survives a restart.
    app->SetCurrentSkin("Purple");
    RestoreDefaultBrand();
    QCOMPARE(app->CurrentSkin(), skin);
    QFile file(dir + "/style/colors.json");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject colors = QJsonDocument::fromJson(file.readAll()).object();
    // Widgets the sheet leaves to the palette look like those it styles.
    const QPalette palette = app->palette();
    const struct
    {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        const char* name;
    } roles[] = {{QPalette::Active, QPalette::Window, "window_color"},
                 {QPalette::Active, QPalette::Text, "label_normal_color"},
                 {QPalette::Inactive, QPalette::Base, "panel_color"},
                 {QPalette::Active, QPalette::Highlight, "accent_color"},
                 {QPalette::Active, QPalette::ToolTipBase, "tooltip_color"},
                 {QPalette::Disabled, QPalette::ButtonText, "disabled_text_color"}};
    for (const auto& entry : roles) {
        const QString value = colors.value(entry.name).toString();
        QVERIFY2(value.startsWith('#'), entry.name);
        QCOMPARE(palette.color(entry.group, entry.role), QColor(value));
    }
    // A skin file with colours missing or misspelt still gives a whole palette.
    const QPalette fallback = MKApplication::SkinPalette(
        QJsonObject {{"window_color", "#zzzzzz"}, {"accent_color", "rgba(1,2,3)"}, {"panel_color", 7}});
    QCOMPARE(fallback.color(QPalette::Window), QPalette().color(QPalette::Window));
    QCOMPARE(fallback.color(QPalette::Highlight), QPalette().color(QPalette::Highlight));
    app->SetCurrentSkin("Light");
}

void TestMKCore::pageStack()
{
    MKMainWindow window;
    auto* a = new QLabel("a");
    auto* b = new QLabel("b");
    QCOMPARE(window.AddPage(a), 0);
    QCOMPARE(window.AddPage(b), 1);
    QCOMPARE(window.AddPage(nullptr), -1);
    QCOMPARE(window.PageWidgetOfIndex(1), b);
    QCOMPARE(window.PageWidgetOfIndex(7), nullptr);
    window.SetCurrentPage(b);
    QCOMPARE(window.CurrentPage(), b);
    window.SetCurrentPage(0);
    QCOMPARE(window.CurrentPage(), a);
    window.SetCurrentPage(5);
    QCOMPARE(window.CurrentPage(), a);
    window.RemovePage(a);
    QCOMPARE(window.PageCount(), 1);
    QCOMPARE(window.CurrentPage(), b);
    delete a;
    // A page given to another window leaves this one's stack.
    MKMainWindow second;
    b->setParent(&second);
    second.AddPage(b);
    QCOMPARE(window.PageCount(), 0);
    QCOMPARE(second.PageWidgetOfIndex(0), b);
}

void TestMKCore::windowActivationIsReported()
{
    MKMainWindow window;
    QSignalSpy spy(&window, &MKMainWindow::SignalWindowActivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    QCOMPARE(spy.count(), 1);
}

void TestMKCore::informationDimsTheWindowWhileShown()
{
    MKMainWindow window;
    window.resize(800, 600);
    window.show();
    bool masked = false;
    ModalAnswerer answerer([&window, &masked](QWidget* dialog) {
        auto* box = qobject_cast<QWKDialog*>(dialog);
        masked = box && box->MaskWidget() && box->MaskWidget()->parentWidget() == &window
            && box->MaskWidget()->isVisible() && box->MaskWidget()->geometry() == window.rect();
        ModalAnswerer::ClickButton(dialog, "button_3");
    });
    const int result = MKMessageBox::information(true, &window, &window, QString(), "Failed to Open",
                                                 "The file might have been moved, damaged, or deleted.",
                                                 1024, 332);
    QCOMPARE(result, 3);
    QVERIFY(masked);
    QVERIFY(answerer.SeenTexts().first().contains("Failed to Open"));
    QVERIFY(answerer.SeenTexts().first().contains("The file might have been moved"));
    QCOMPARE(answerer.LastDialog(), nullptr); // the box is gone with its mask
    QVERIFY(window.findChildren<QWidget*>("widget_mask").isEmpty());
}

void TestMKCore::checkBoxMarksPersist()
{
    QVERIFY(!MKCheckBox::IsMarked("close_all"));
    MKCheckBox::SetMarked("close_all", true);
    QVERIFY(MKCheckBox::IsMarked("close_all"));
    // Marks are independent of each other.
    MKCheckBox::SetMarked("pdf_Launcher", false);
    QVERIFY(!MKCheckBox::IsMarked("pdf_Launcher"));
    QVERIFY(MKCheckBox::IsMarked("close_all"));
    // On disk, where the next run reads it.
    QSettings file(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    QVERIFY(file.value("Marks/close_all").toBool());
    MKCheckBox::SetMarked("close_all", false);
    QVERIFY(!MKCheckBox::IsMarked("close_all"));
}

namespace {
class PlainManager : public MKMultiViewManager
{
public:
    QWidget* CreateMainView(QWidget*) override
    {
        auto* window = new QWidget;
        views.append(window);
        InitData();
        return window;
    }
    void CloseAllViews() override {}
    void ActivateAllViews() override {}
};
} // namespace

void TestMKCore::viewManagerForgetsDestroyedWindows()
{
    PlainManager manager;
    QWidget* a = manager.CreateMainView(nullptr);
    QWidget* b = manager.CreateMainView(nullptr);
    manager.SetCurrentView(b);
    QCOMPARE(manager.WindowsCount(), 2);
    delete b;
    QCOMPARE(manager.WindowsCount(), 1);
    QCOMPARE(manager.CurrentView(), nullptr);
    manager.RemoveMainView(a);
    QCOMPARE(manager.WindowsCount(), 0);
    delete a;
}

RV_TEST_MAIN(TestMKCore)
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

#include "tst_mkcore.moc"
