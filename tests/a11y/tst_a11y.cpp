#include "A11yCheck.h"
#include "CAboutDialog.h"
#include "CFocusRing.h"
#include "CJsonReader.h"
#include "CReportConsent.h"
#include "CReviewDialog.h"
#include "CSettingManager.h"
#include "CLinkTargetBox.h"
#include "CPageView.h"
#include "CSignatureController.h"
#include "CRecognizeBar.h"
#include "CRecognizeController.h"
#include "CTabBar.h"
#include "CUpdateDialog.h"
#include "CVTabWidget.h"
#include "MainBox.h"
#include "EnvOverride.h"
#include "SettingOption.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "app/ReportConsent.h"
#include "guide/AssocGuidBox.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <functional>

namespace {

// Parts of the windows whose names are still to come.
const QStringList kPending;

// The document of a window's current tab, with a bar or panel of its own
// on show.
void OnDocument(MainView* window, const QString& doc, const QStringList& keys)
{
    TestWindows::Open(window, doc);
    MainBox* box = TestWindows::Box(window, window->TabBar()->CurrentIndex());
    QTRY_VERIFY(box && box->PageView());
    for (const QString& key : keys)
        box->OnMainMenuTrigger(key);
}

// A window or dialog as the application opens it. A modal one runs inside
// open() until the check, made from a timer, closes it.
struct Opening
{
    const char* name;
    std::function<void(MainView*)> open;
};

// The new top-level widget on show: a modal dialog, a popup, a window.
QWidget* NewTopLevel(const QList<QWidget*>& before)
{
    QList<QWidget*> candidates {QApplication::activeModalWidget(), QApplication::activePopupWidget()};
    candidates += QApplication::topLevelWidgets();
    for (QWidget* widget : candidates) {
        if (widget && widget->isVisible() && !before.contains(widget))
            return widget;
    }
    return nullptr;
}

template <typename Dialog, typename... Args> void RunDialog(Args... args)
{
    Dialog dialog(args...);
    dialog.exec();
}

QList<Opening> Openings(const QString& doc)
{
    return {
        {"home page", [](MainView*) {}},
        {"private mode notice", [](MainView*) { CSettingManager::getInstance()->SetPrivateEnabled(true); }},
        {"document tab", [doc](MainView* window) { TestWindows::Open(window, doc); }},
        {"document with its find bar and every side panel",
         [doc](MainView* window) { OnDocument(window, doc, {"find", "thumbnail", "bookmark", "annotation", "attachment"}); }},
        {"comment bar", [doc](MainView* window) { OnDocument(window, doc, {"comment"}); }},
        {"page organizer", [doc](MainView* window) { OnDocument(window, doc, {"organize_pages"}); }},
        {"text recognition bar, some pages",
         [doc](MainView* window) {
             OnDocument(window, doc, {"recognize_text"});
             TestWindows::Box(window, window->TabBar()->CurrentIndex())->Recognizer()->Bar()->SetScope(CRecognizeBar::SomePages);
         }},
        {"text recognition bar, running",
         [doc](MainView* window) {
             OnDocument(window, doc, {"recognize_text"});
             TestWindows::Box(window, window->TabBar()->CurrentIndex())->Recognizer()->Bar()->ShowProgress(40, 1, 3);
         }},
        {"go to page", [doc](MainView* window) { OnDocument(window, doc, {"goto"}); }},
        {"document properties", [doc](MainView* window) { OnDocument(window, doc, {"doc_property"}); }},
        {"rename", [doc](MainView* window) { OnDocument(window, doc, {"rename"}); }},
        {"protect", [doc](MainView* window) { OnDocument(window, doc, {"protect"}); }},
        {"signature bar and panel",
         [doc](MainView* window) {
             OnDocument(window, QFileInfo(doc).path() + "/field.pdf", {});
             MainBox* box = TestWindows::Box(window, window->TabBar()->CurrentIndex());
             QTRY_VERIFY(box->Signatures()->IsChecked());
             box->OnMainMenuTrigger("signature");
         }},
        {"sign dialog",
         [doc](MainView* window) {
             OnDocument(window, doc, {"sign"});
             QTest::keyClick(TestWindows::Box(window, window->TabBar()->CurrentIndex())->PageView(), Qt::Key_Return);
         }},
        {"page editing bar", [doc](MainView* window) { OnDocument(window, doc, {"page_edit"}); }},
        {"link target", [](MainView* window) { RunDialog<CLinkTargetBox>(0, QString(), 3, window); }},
        {"tab list",
         [doc](MainView* window) {
             TestWindows::Open(window, doc);
             window->TabCountButton()->click();
         }},
        {"Preferences", [](MainView* window) { window->SlotSettings(); }},
        {"notice", [](MainView* window) { window->SlotClickedCreateLink(); }},
        {"default viewer question",
         [](MainView* window) {
             MKCheckBox::SetMarked("pdf_Launcher", false);
             MainView::ResetDefaultLauncherCheck();
             window->SlotCheckDefaultLauncher();
         }},
        {"report question",
         [](MainView*) {
             qunsetenv("RVPDF_DISABLE_REPORTS");
             AskReportConsentThenCount(CMainViewManager::getInstance());
         }},
        {"default viewer guide", [](MainView* window) { RunDialog<AssocGuidBox>(window); }},
        {"sign-in popup", [](MainView* window) { window->SlotShowLogGuid(); }},
        {"sign-in", [](MainView* window) { window->SlotClickedMember(); }},
        {"about", [](MainView* window) { window->SlotClickedAbout(); }},
        {"rating question",
         [](MainView* window) {
             RunDialog<CReviewDialog>(MKBase::CJsonReader::ParseJsonFileToObject(CReviewDialog::TextsPath()), window);
         }},
        // Shown without asking the service: no test talks to the network.
        {"update check", [](MainView* window) { RunDialog<CUpdateDialog>(window, QString()); }},
    };
}

// Every page of a dialog with a page list is checked, not only the first.
QStringList PagesProblems(QWidget* shown)
{
    auto* list = shown->findChild<CVTabWidget*>();
    QStringList problems = A11yCheck::Problems(shown, kPending);
    for (int i = 1; list && list->Button(i); ++i) {
        list->Button(i)->click();
        problems << A11yCheck::Problems(shown, kPending);
    }
    return problems;
}

} // namespace

// Every window and dialog the application opens, as a screen reader and a
// keyboard user meet it: each control has a name and a role, and Tab
// reaches every one. The engine's parts join through kPending.
class TestA11y : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyControlNamedAndReachable_data();
    void everyControlNamedAndReachable();
    void preferencesByKeyboardOnly();

private:
    QString doc;
};

void TestA11y::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    doc = TestEnv::MakeDir("a11y") + "/doc.pdf";
    QVERIFY(TestPdf::Write(doc, 2));
    QVERIFY(TestPdf::WriteBytes(QFileInfo(doc).path() + "/field.pdf", TestPdf::SignatureFieldPdf()));
    // A recent list with an entry: its rows are on the home page.
    MainView* window = TestWindows::New();
    QCOMPARE(TestWindows::Open(window, doc), 0);
    TestWindows::DeleteAll();
}

void TestA11y::cleanup()
{
    TestWindows::DeleteAll();
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    qputenv("RVPDF_DISABLE_REPORTS", "1");
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).remove("Reports");
}

void TestA11y::everyControlNamedAndReachable_data()
{
    QTest::addColumn<int>("row");
    const QList<Opening> openings = Openings(QString());
    for (int i = 0; i < openings.size(); ++i)
        QTest::newRow(openings.at(i).name) << i;
}

void TestA11y::everyControlNamedAndReachable()
{
    QFETCH(int, row);
    MainView* window = TestWindows::New();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    // Checked from a timer: a modal dialog runs its own loop until closed.
    QStringList problems;
    bool checked = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&]() {
        if (QWidget* shown = NewTopLevel(before)) {
            poll.stop();
            problems = PagesProblems(shown);
            shown->close();
            checked = true;
        }
    });
    poll.start(10);
    Openings(doc).at(row).open(window);
    // A row that opens nothing of its own checks the window itself.
    if (!QTest::qWaitFor([&]() { return checked; }, 1500)) {
        poll.stop();
        problems = PagesProblems(window);
    }
    QVERIFY2(problems.isEmpty(), qPrintable('\n' + problems.join('\n')));
}

void TestA11y::preferencesByKeyboardOnly()
{
    EnvOverride reports("RVPDF_DISABLE_REPORTS", QByteArray());
    MainView* window = TestWindows::New();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    // The keys a user presses, each with the control it must land on; the
    // ring shows where the focus is after every step.
    QStringList walked;
    bool done = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&]() {
        auto* dialog = qobject_cast<SettingOption*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow() || !dialog->isAncestorOf(QApplication::focusWidget()))
            return;
        poll.stop();
        for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab,
                        Qt::Key_Tab}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            QApplication::processEvents();
            QWidget* focus = QApplication::focusWidget();
            walked << QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name)
                    + (CFocusRing::Instance()->Target() == focus ? "" : " (no ring)");
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        done = true;
    });
    poll.start(10);
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    QTRY_VERIFY(done);
    QCOMPARE(walked, QStringList({"Display", "Blank PDF", "Privacy", "Send anonymous usage statistics",
                                  "Send anonymous usage statistics", "Send crash reports", "Cancel", "Apply"}));
    // Applied: usage statistics on, crash reports left off.
    const QString framework = MKApplication::FrameworkSettingsPath();
    QVERIFY(MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Usage));
    QVERIFY(!MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Crashes));
    // A click puts the ring away.
    QTest::mouseClick(window, Qt::LeftButton);
    QTRY_VERIFY(!CFocusRing::Instance()->Target());
}

RV_TEST_MAIN(TestA11y)
#include "tst_a11y.moc"
