#include "CAssocUtils.h"
#include "CHoverButton.h"
#include "CMemberManager.h"
#include "CSettingManager.h"
#include "CTabBar.h"
#include "CWindowTitleBar.h"
#include "CannedServer.h"
#include "GeneralOption.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "SettingOption.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "guide/AssocGuidBox.h"
#include "guide/LogGuidBox.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QCheckBox>
#include <QDialog>
#include <QDesktopServices>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

MainView* NewWindow()
{
    MainView* window = TestWindows::New();
    window->setGeometry(200, 150, 1000, 700);
    return window;
}

// Answers the default-viewer question: optionally ticks "Don't show
// again", then presses a button by name.
ModalAnswerer::Action Answer(bool tick, const QString& button)
{
    return [tick, button](QWidget* dialog) {
        if (auto* check = dialog->findChild<QCheckBox*>("check_box"))
            check->setChecked(tick);
        ModalAnswerer::ClickButton(dialog, button);
    };
}

// The pointer entering and leaving a widget, as the window system reports it.
void Enter(QWidget* widget)
{
    QEnterEvent event(QPointF(4, 4), QPointF(4, 4), QPointF(widget->mapToGlobal(QPoint(4, 4))));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

bool IsGuide(QWidget* dialog)
{
    return qobject_cast<AssocGuidBox*>(dialog) != nullptr;
}

} // namespace

class TestGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void questionAnswers_data();
    void questionAnswers();
    void questionWaitsForTheOneOnScreen();
    void laterChoiceOfDefaultStands_data();
    void laterChoiceOfDefaultStands();
    void yesShowsGuideWhenRegistrationDidNotTakeEffect();
    void guideButtonOpensPropertiesOnlyForExistingFile();
    void signInPopupOpensSignIn();
    void signInPopupNeverWhileSignedIn();

private:
    // Another program holds the PDF default in the desktop's own list, which
    // our registration cannot override.
    void BlockRegistration(bool blocked);
    QString dir;
    QStringList docs;
    UrlCatcher urls;
};

void TestGuide::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    dir = TestEnv::MakeDir("guide");
    for (const char* name : {"a", "b", "c", "d"}) {
        docs << dir + "/" + name + ".pdf";
        QVERIFY(TestPdf::Write(docs.last(), 2));
    }
    QDesktopServices::setUrlHandler("file", &urls, "Open");
    qputenv("XDG_CURRENT_DESKTOP", "Test");
}

void TestGuide::BlockRegistration(bool blocked)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString apps = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/applications";
    QDir().mkpath(config);
    QDir().mkpath(apps);
    if (!blocked) {
        QFile::remove(config + "/test-mimeapps.list");
        return;
    }
    QFile other(apps + "/otherviewer.desktop");
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("[Desktop Entry]\nType=Application\nName=Other\nExec=true %F\nMimeType=application/pdf;\n");
    other.close();
    QFile list(config + "/test-mimeapps.list");
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\napplication/pdf=otherviewer.desktop\n");
}

void TestGuide::init()
{
    MainView::ResetDefaultLauncherCheck();
    MKCheckBox::SetMarked("pdf_Launcher", false);
    CSettingManager::getInstance()->SetDefaultViewer(false);
    MKBase::CAssocUtils::ResetPdfLauncher(MKApplication::getInstance()->GetAppValue("AppId"));
    BlockRegistration(false);
    urls.urls.clear();
}

void TestGuide::cleanup()
{
    TestWindows::DeleteAll();
}

void TestGuide::questionAnswers_data()
{
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("askedNextProcess");
    QTest::newRow("later, ticked") << true << "button_1" << true << false;
    QTest::newRow("later, not ticked") << false << "button_1" << false << true;
    QTest::newRow("closed, ticked") << true << "button_close" << false << true;
    QTest::newRow("closed, not ticked") << false << "button_close" << false << true;
}

void TestGuide::questionAnswers()
{
    QFETCH(bool, tick);
    QFETCH(QString, button);
    QFETCH(bool, marked);
    QFETCH(bool, askedNextProcess);
    MainView* window = NewWindow();
    {
        ModalAnswerer question(Answer(tick, button));
        QCOMPARE(TestWindows::Open(window, docs[0]), 0);
        // Asked a moment after the open, not while it opens.
        QCOMPARE(question.AnsweredCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(question.AnsweredCount(), 1, 3000);
        QVERIFY(question.SeenTexts().first().contains("Do you want to set RVPDF as your default PDF viewer?"));
    }
    QCOMPARE(MKCheckBox::IsMarked("pdf_Launcher"), marked);
    QVERIFY(!CSettingManager::getInstance()->IsDefaultViewer());

    // Never twice in one process, whatever the window: the check the next
    // open schedules finds it done.
    ModalAnswerer again(Answer(false, "button_1"));
    MainView* other = NewWindow();
    window->SlotCheckDefaultLauncher();
    other->SlotCheckDefaultLauncher();
    QVERIFY(!QTest::qWaitFor([&again]() { return again.AnsweredCount() > 0; }, 500));
    // The next process asks again unless the mark says not to.
    MainView::ResetDefaultLauncherCheck();
    other->SlotCheckDefaultLauncher();
    if (askedNextProcess)
        QTRY_COMPARE(again.AnsweredCount(), 1);
    else
        QVERIFY(!QTest::qWaitFor([&again]() { return again.AnsweredCount() > 0; }, 500));
}

void TestGuide::questionWaitsForTheOneOnScreen()
{
    // The notice after a crash is up when the restored document asks: the
    // question comes after it, not stacked on it.
    MainView* window = NewWindow();
    QDialog notice(window);
    notice.setModal(true);
    notice.show();
    QTRY_COMPARE(QApplication::activeModalWidget(), &notice);
    ModalAnswerer answers(
        [](QWidget* dialog) {
            if (qobject_cast<MKCheckBox*>(dialog))
                ModalAnswerer::ClickButton(dialog, "button_1");
        },
        2);
    window->SlotCheckDefaultLauncher();
    QTRY_COMPARE(answers.AnsweredCount(), 1);
    // Longer than one retry of the waiting question.
    QVERIFY(!QTest::qWaitFor([&]() { return answers.AnsweredCount() == 2; }, 700));
    notice.close();
    QTRY_COMPARE_WITH_TIMEOUT(answers.AnsweredCount(), 2, 3000);
    QVERIFY(answers.SeenTexts().last().contains("default PDF viewer"));
}

void TestGuide::laterChoiceOfDefaultStands_data()
{
    QTest::addColumn<bool>("otherChosen");
    QTest::newRow("no default named anywhere: registered again") << false;
    QTest::newRow("another viewer chosen since: left alone") << true;
}

void TestGuide::laterChoiceOfDefaultStands()
{
    QFETCH(bool, otherChosen);
    // The user said yes once; since then maybe chose another viewer.
    CSettingManager::getInstance()->SetDefaultViewer(true);
    BlockRegistration(otherChosen);
    const QString appId = MKApplication::getInstance()->GetAppValue("AppId");
    MainView* window = NewWindow();
    // Neither asked nor taken back; Preferences says what is true now, and
    // applying it unchanged registers nothing either.
    bool ticked = false;
    ModalAnswerer answers([&ticked](QWidget* dialog) {
        if (auto* preferences = qobject_cast<SettingOption*>(dialog))
            ticked = preferences->General()->GetOptions().value("Default_Viewer").toBool();
        ModalAnswerer::ClickButton(dialog, "button_ok");
    });
    window->SlotCheckDefaultLauncher();
    QCOMPARE(MKBase::CAssocUtils::IsDefaultPdfLauncher(appId), !otherChosen);
    window->SlotSettings();
    QCOMPARE(answers.AnsweredCount(), 1);
    QCOMPARE(ticked, !otherChosen);
    QCOMPARE(MKBase::CAssocUtils::IsDefaultPdfLauncher(appId), !otherChosen);
    QCOMPARE(CSettingManager::getInstance()->IsDefaultViewer(), !otherChosen);
}

void TestGuide::yesShowsGuideWhenRegistrationDidNotTakeEffect()
{
    BlockRegistration(true);
    MainView* window = NewWindow();
    QString guidePath;
    QStringList guideTexts;
    int guides = 0;
    ModalAnswerer answers(
        [&](QWidget* dialog) {
            if (!IsGuide(dialog)) {
                Answer(true, "button_2")(dialog);
                return;
            }
            ++guides;
            guidePath = static_cast<AssocGuidBox*>(dialog)->DocumentPath();
            for (QLabel* label : dialog->findChildren<QLabel*>())
                guideTexts << label->text();
            auto* ok = dialog->findChild<QPushButton*>("button_ok");
            guideTexts << (ok ? ok->text() : QString()) << (ok && dialog->focusWidget() == ok ? "focused" : "");
            dialog->close();
        },
        2);
    QCOMPARE(TestWindows::Open(window, docs[0]), 0);
    QTRY_VERIFY_WITH_TIMEOUT(CSettingManager::getInstance()->IsDefaultViewer(), 3000);
    QVERIFY(MKCheckBox::IsMarked("pdf_Launcher"));
    // The guide follows a while after the answer, not at once.
    QCOMPARE(guides, 0);
    QTRY_COMPARE_WITH_TIMEOUT(guides, 1, 6000);
    QCOMPARE(guidePath, docs[0]);
    // Enter takes the user on to the system's list.
    QVERIFY2(guideTexts.contains("focused"), qPrintable(guideTexts.join('|')));

    // The menu's "Set as Default" leads to the same guide, until the
    // registration holds; on the home page there is none.
    ModalAnswerer more([&](QWidget* dialog) {
        guides += IsGuide(dialog);
        dialog->close();
    }, 3);
    window->SlotClickedSetAsDefault();
    QTRY_COMPARE_WITH_TIMEOUT(guides, 2, 6000);
    window->HomeButton()->setChecked(true);
    window->SlotPopoupAssocGuid();
    window->TabBar()->SetCurrentIndex(0);
    QTRY_COMPARE(window->CurrentPage(), window->TabBar()->GetItem(0).widget);
    BlockRegistration(false);
    window->SlotPopoupAssocGuid();
    QCOMPARE(guides, 2);
}

void TestGuide::guideButtonOpensPropertiesOnlyForExistingFile()
{
    AssocGuidBox guide;
    guide.SetDocumentPath(dir + "/missing.pdf");
    guide.SlotClickedOK();
    QVERIFY(urls.urls.isEmpty());

    // Without a file manager on the bus the folder is shown instead.
    guide.SetDocumentPath(docs[1]);
    guide.findChild<QPushButton*>("button_ok")->click();
    QTRY_COMPARE_WITH_TIMEOUT(urls.urls.size(), 1, 5000);
    QCOMPARE(urls.urls.first(), QUrl::fromLocalFile(dir));
    QVERIFY(!guide.isHidden() || !guide.isVisible());
}

void TestGuide::signInPopupOpensSignIn()
{
    MainView* window = NewWindow();
    CHoverButton* member = window->titleBar()->MemberButton();
    QVERIFY(!window->SignInPopup());
    Enter(member);
    LogGuidBox* popup = window->SignInPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    Leave(member);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 1000);

    // The popup's button starts the sign-in dialog.
    ModalAnswerer signIn([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_cancel"); });
    Enter(member);
    QTRY_VERIFY(popup->isVisible());
    popup->findChild<QPushButton*>("button_ok")->click();
    QTRY_COMPARE(signIn.AnsweredCount(), 1);
    QCOMPARE(window->SignInPopup(), popup);
}

void TestGuide::signInPopupNeverWhileSignedIn()
{
    CannedServer server;
    server.Set(Mode::Respond, 200, R"({"email":"ann@example.com","token":"t0k3n"})");
    qputenv("RVPDF_ACCOUNT_URL", server.Url("/login").toString().toUtf8());
    CMemberManager* account = CMemberManager::getInstance();
    QSignalSpy finished(account, &CMemberManager::SignalSignInFinished);
    QVERIFY(account->SignIn("ann@example.com", "secret"));
    QVERIFY(finished.wait(5000));
    QCOMPARE(account->GetAccountState() != 0, true);

    MainView* window = NewWindow();
    Enter(window->titleBar()->MemberButton());
    QVERIFY(!QTest::qWaitFor([window]() { return window->SignInPopup() != nullptr; }, 400));
    account->SignOut();
    qunsetenv("RVPDF_ACCOUNT_URL");
    Enter(window->titleBar()->MemberButton());
    QVERIFY(window->SignInPopup() && window->SignInPopup()->isVisible());
}

RV_TEST_MAIN(TestGuide)
#include "tst_guide.moc"
