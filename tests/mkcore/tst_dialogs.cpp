#include "CAboutDialog.h"
#include "CannedServer.h"
#include "CMemberManager.h"
#include "CReviewDialog.h"
#include "CServiceUrl.h"
#include "CSignInDialog.h"
#include "CUpdateChecker.h"
#include "CUpdateDialog.h"
#include "LoggerObject.h"
#include "MKMainWindow.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QUrlQuery>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void serviceUrlRule_data();
    void serviceUrlRule();
    void versionComparison_data();
    void versionComparison();
    void updateCheck_data();
    void updateCheck();
    void updateCheckRefusesInsecureEndpoint();
    void updateDialogShowsProgressThenResult_data();
    void updateDialogShowsProgressThenResult();

    void signIn_data();
    void signIn();
    void memberButtonSignsInAndOut();

    void launchesCountOncePerProcess();
    void reviewAskedOnceFromFifthLaunch_data();
    void reviewAskedOnceFromFifthLaunch();
    void reviewNeedsItsTexts_data();
    void reviewNeedsItsTexts();

    void aboutDialog_data();
    void aboutDialog();

    void feedbackUrl_data();
    void feedbackUrl();
    void feedbackFromWindow();

private:
    static void ResetReview(int nLaunches);
    static QString WriteFile(const QString& name, const QByteArray& data);

    UrlCatcher catcher;
};

void TestDialogs::initTestCase()
{
    // Update checks order versions around this one, whatever the product's is.
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.0.4"));
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    qunsetenv("RVPDF_UPDATE_URL");
    qunsetenv("RVPDF_ACCOUNT_URL");
    QVERIFY(MKBase::LoggerObject::InitLogger(QStringLiteral("PDF.log"), TestEnv::MakeDir("logs")));
    // This process's launch is counted before any test resets the counter.
    CReviewDialog::CountLaunch();
}

void TestDialogs::init()
{
    catcher.urls.clear();
    CMemberManager* member = CMemberManager::getInstance();
    member->SignOut();
    member->SetRequestTimeout(600);
}

void TestDialogs::cleanup()
{
    qunsetenv("RVPDF_UPDATE_URL");
    qunsetenv("RVPDF_ACCOUNT_URL");
    CMemberManager::getInstance()->SignOut();
}

void TestDialogs::ResetReview(int nLaunches)
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    settings.remove("Review");
    settings.setValue("Review/LaunchCount", nLaunches);
}

QString TestDialogs::WriteFile(const QString& name, const QByteArray& data)
{
    const QString path = TestEnv::MakeDir("texts") + "/" + name;
    TestPdf::WriteBytes(path, data);
    return path;
}

void TestDialogs::serviceUrlRule_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https remote") << "https://update.rvpdf.example/check" << true;
    QTest::newRow("http remote") << "http://update.rvpdf.example/check" << false;
    QTest::newRow("http loopback") << "http://127.0.0.1:8080/check" << true;
    QTest::newRow("http localhost") << "http://localhost/check" << true;
    QTest::newRow("http ipv6 loopback") << "http://[::1]:81/" << true;
    QTest::newRow("loopback-looking remote name") << "http://127.0.0.1.evil.example/" << false;
    QTest::newRow("localhost as subdomain") << "http://localhost.evil.example/" << false;
    QTest::newRow("ftp on loopback") << "ftp://127.0.0.1/" << false;
    QTest::newRow("no host") << "https:///path" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("not a url") << "update service" << false;
}

void TestDialogs::serviceUrlRule()
{
    QFETCH(QString, url);
    QFETCH(bool, allowed);
    QCOMPARE(MKBase::CServiceUrl::IsAllowed(QUrl(url)), allowed);
}

void TestDialogs::versionComparison_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("sign");
    QTest::newRow("2.0.10 after 2.0.9") << "2.0.10" << "2.0.9" << 1;
    QTest::newRow("equal") << "2.0.0.4" << "2.0.0.4" << 0;
    QTest::newRow("missing segments are zero") << "2.0" << "2.0.0.0" << 0;
    QTest::newRow("longer is newer") << "2.0.0.1" << "2.0" << 1;
    QTest::newRow("major wins") << "10.0" << "9.99.99.99" << 1;
    QTest::newRow("last segment") << "1.2.3.4" << "1.2.3.5" << -1;
}

void TestDialogs::versionComparison()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, sign);
    const int result = CUpdateChecker::CompareVersions(left, right);
    QCOMPARE((result > 0) - (result < 0), sign);
    QVERIFY(CUpdateChecker::IsVersion(left));
    for (const char* bad : {"", "v2.0", "2..0", "2.0.", "2.0.x", " 2.0", "latest", "1.2.3.4.5.6.7.8.9"})
        QVERIFY2(!CUpdateChecker::IsVersion(bad), bad);
}

void TestDialogs::updateCheck_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QUrl>("url");
    const int up = CUpdateChecker::UpToDate;
    const int fresh = CUpdateChecker::NewVersion;
    const int failed = CUpdateChecker::Failed;
    // The product runs as 2.0.0.4.
    QTest::newRow("same version") << Mode::Respond << 200 << QByteArray(R"({"version":"2.0.0.4"})") << up << "2.0.0.4" << QUrl();
    QTest::newRow("newer") << Mode::Respond << 200 << QByteArray(R"({"version":"2.0.0.5","url":"https://dl.rvpdf.example/2005"})")
                           << fresh << "2.0.0.5" << QUrl("https://dl.rvpdf.example/2005");
    QTest::newRow("insecure download page dropped") << Mode::Respond << 200 << QByteArray(R"({"version":"3.0","url":"http://dl.example/x"})")
                                                    << fresh << "3.0" << QUrl();
    QTest::newRow("malformed json") << Mode::Respond << 200 << QByteArray(R"({"version":)") << failed << "" << QUrl();
    QTest::newRow("no version") << Mode::Respond << 200 << QByteArray(R"({"url":"https://dl.example"})") << failed << "" << QUrl();
    QTest::newRow("version not a number") << Mode::Respond << 200 << QByteArray(R"({"version":"latest"})") << failed << "" << QUrl();
    QTest::newRow("http 500") << Mode::Respond << 500 << QByteArray(R"({"version":"9.0"})") << failed << "" << QUrl();
    QTest::newRow("connection dropped") << Mode::Close << 0 << QByteArray() << failed << "" << QUrl();
    QTest::newRow("no answer") << Mode::Silent << 0 << QByteArray() << failed << "" << QUrl();
    QTest::newRow("server down") << Mode::Down << 0 << QByteArray() << failed << "" << QUrl();
}

void TestDialogs::updateCheck()
{
    QFETCH(Mode, mode);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, result);
    QFETCH(QString, version);
    QFETCH(QUrl, url);
    CannedServer server;
    server.Set(mode, status, body);
    CUpdateChecker checker;
    checker.SetTimeout(500);
    QSignalSpy spy(&checker, &CUpdateChecker::SignalFinished);
    QVERIFY(checker.Start(server.Url("/check")));
    QVERIFY(checker.IsRunning());
    QVERIFY(!checker.Start(server.Url("/check")));
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), result);
    QCOMPARE(spy.at(0).at(1).toString(), version);
    QCOMPARE(spy.at(0).at(2).toUrl(), url);
    QVERIFY(!checker.IsRunning());
    if (mode == Mode::Down) {
        QCOMPARE(server.requests.size(), 0);
        return;
    }
    // The service learns who asks. A dropped connection is retried once by
    // the network layer, never more.
    QCOMPARE(server.requests.size(), mode == Mode::Close ? 2 : 1);
    const QUrlQuery query(QUrl("http://127.0.0.1" + QString::fromLatin1(server.requests.at(0).target)));
    QCOMPARE(query.queryItemValue("version"), QStringLiteral("2.0.0.4"));
    QCOMPARE(query.queryItemValue("pid"), QStringLiteral("rvlnx"));
    QCOMPARE(query.queryItemValue("platform"), QStringLiteral("linux"));
}

void TestDialogs::updateCheckRefusesInsecureEndpoint()
{
    // Which addresses pass is the rule's table above; here: the menu's
    // override goes through it.
    qputenv("RVPDF_UPDATE_URL", "http://update.rvpdf.example/check");
    CUpdateChecker checker;
    QSignalSpy spy(&checker, &CUpdateChecker::SignalFinished);
    QVERIFY(checker.Start());
    // Reported later, so a caller connecting after Start still hears it.
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.at(0).at(0).toInt(), int(CUpdateChecker::Failed));
}

void TestDialogs::updateDialogShowsProgressThenResult_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUrl>("download");
    QTest::newRow("up to date") << 200 << QByteArray(R"({"version":"2.0.0.4"})") << "RVPDF is up to date." << QUrl();
    // Without a page of its own, the brand's download page.
    QTest::newRow("new version without page") << 200 << QByteArray(R"({"version":"2.1"})")
                                              << "A new version 2.1 is available." << QUrl("https://www.rvpdf.example/en/download");
    QTest::newRow("failure") << 503 << QByteArray()
                             << "Could not reach the update service. Please check your connection and try again." << QUrl();
}

// Through the window's menu, as the user asks: the window stays usable
// while the service is asked.
void TestDialogs::updateDialogShowsProgressThenResult()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(QUrl, download);
    CannedServer server;
    server.Set(Mode::Hold, status, body);
    qputenv("RVPDF_UPDATE_URL", server.Url("/check").toString().toUtf8());
    MKMainWindow window;
    window.show();
    window.SlotClickedUpdate();
    QPointer<CUpdateDialog> dialog = window.findChild<CUpdateDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    auto* downloadButton = dialog->findChild<QPushButton*>("button_download");
    QVERIFY(downloadButton && downloadButton->isHidden());
    // The request only arrives because the event loop keeps running.
    QTRY_COMPARE(server.requests.size(), 1);
    QCOMPARE(dialog->StatusText(), QStringLiteral("Checking for updates..."));
    server.Release();
    QTRY_COMPARE(dialog->StatusText(), text);
    QCOMPARE(downloadButton->isVisible(), !download.isEmpty());
    if (download.isEmpty())
        dialog->findChild<QPushButton*>("button_ok")->click();
    else
        downloadButton->click();
    QTRY_VERIFY(dialog.isNull() || !dialog->isVisible());
    QCOMPARE(catcher.urls, download.isEmpty() ? QList<QUrl>() : QList<QUrl> {download});
}

void TestDialogs::signIn_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("endpoint");
    QTest::addColumn<bool>("before");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("signedAs");
    const QString ann = " ann@example.com ";
    const QString pw = "s3cret pass";
    const QString wrong = "The e-mail address or password is incorrect.";
    const QString badMail = "Please enter a valid e-mail address.";
    const QString unreachable = "Could not reach the account service. Please check your connection and try again.";
    const QString unreadable = "The account service sent an answer that could not be read. Please try again later.";
    const QByteArray ok(R"({"email":"Ann@Example.com","token":"t0k"})");
    QTest::newRow("signed in") << ann << pw << QByteArray() << false << Mode::Respond << 200 << ok << "" << "" << "Ann@Example.com";
    QTest::newRow("answer without e-mail") << ann << pw << QByteArray() << false << Mode::Respond << 200 << QByteArray(R"({"token":"t0k"})") << "" << "" << "ann@example.com";
    QTest::newRow("wrong password") << ann << pw << QByteArray() << false << Mode::Respond << 401 << QByteArray(R"({"error":"denied"})") << "" << wrong << "";
    QTest::newRow("wrong password ends the session") << ann << pw << QByteArray() << true << Mode::Respond << 401 << QByteArray() << "" << wrong << "";
    QTest::newRow("server error") << ann << pw << QByteArray() << false << Mode::Respond << 500 << ok << "" << unreachable << "";
    QTest::newRow("empty token") << ann << pw << QByteArray() << false << Mode::Respond << 200 << QByteArray(R"({"email":"a@b.c","token":""})") << "" << unreadable << "";
    QTest::newRow("malformed answer") << ann << pw << QByteArray() << false << Mode::Respond << 200 << QByteArray("<html>") << "" << unreadable << "";
    QTest::newRow("connection dropped") << ann << pw << QByteArray() << false << Mode::Close << 0 << QByteArray() << "" << unreachable << "";
    QTest::newRow("no answer") << ann << pw << QByteArray() << false << Mode::Silent << 0 << QByteArray() << "" << unreachable << "";
    QTest::newRow("server down") << ann << pw << QByteArray() << false << Mode::Down << 0 << QByteArray() << "" << unreachable << "";
    // Refused before any request.
    QTest::newRow("empty e-mail") << "" << pw << QByteArray() << false << Mode::Respond << 200 << ok << badMail << "" << "";
    QTest::newRow("no domain") << "ann@" << pw << QByteArray() << false << Mode::Respond << 200 << ok << badMail << "" << "";
    QTest::newRow("empty password") << ann << "" << QByteArray() << false << Mode::Respond << 200 << ok << "Please enter your password." << "" << "";
    QTest::newRow("insecure service") << ann << pw << QByteArray("http://account.rvpdf.example/login") << false << Mode::Respond
                                      << 200 << ok << unreachable << "" << "";
}

void TestDialogs::signIn()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(QByteArray, endpoint);
    QFETCH(bool, before);
    QFETCH(Mode, mode);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, refusal);
    QFETCH(QString, error);
    QFETCH(QString, signedAs);
    CannedServer server;
    qputenv("RVPDF_ACCOUNT_URL", server.Url("/account/v1/login").toString().toUtf8());
    CMemberManager* member = CMemberManager::getInstance();
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).remove("Account");
    QSignalSpy finished(member, &CMemberManager::SignalSignInFinished);
    if (before) {
        server.Set(Mode::Respond, 200, R"({"email":"old@example.com","token":"t"})");
        QVERIFY(member->SignIn("old@example.com", "pw"));
        QVERIFY(finished.wait(5000));
        QCOMPARE(member->GetAccountState(), 1);
        finished.clear();
        server.requests.clear();
    }
    server.Set(mode, status, body);
    if (!endpoint.isEmpty())
        qputenv("RVPDF_ACCOUNT_URL", endpoint);
    QSignalSpy changed(member, &CMemberManager::SignalAccountChanged);

    QString refused;
    QCOMPARE(member->SignIn(email, password, &refused), refusal.isEmpty());
    QCOMPARE(refused, refusal);
    if (!refusal.isEmpty()) {
        QVERIFY(!member->IsSigningIn());
        QVERIFY(!finished.wait(300));
        QCOMPARE(member->GetAccountState(), 0);
        QCOMPARE(server.connections, 0);
        return;
    }
    QVERIFY(member->IsSigningIn());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.count(), 1);
    const bool ok = error.isEmpty();
    QCOMPARE(finished.at(0).at(0).toBool(), ok);
    QCOMPARE(finished.at(0).at(1).toString(), error);
    QCOMPARE(member->GetAccountState(), ok ? 1 : 0);
    QCOMPARE(member->GetMemberEmail(), signedAs);
    // A failed attempt ends the session before it.
    QCOMPARE(changed.count(), ok || before ? 1 : 0);
    QVERIFY(!member->IsSigningIn());
    // Only a successful sign-in is remembered for the next form.
    QCOMPARE(CMemberManager::LastEmail(), ok ? signedAs : before ? QStringLiteral("old@example.com") : QString());
    if (!ok) {
        // Signing out of nothing changes nothing.
        member->SignOut();
        QCOMPARE(changed.count(), before ? 1 : 0);
    }

    if (mode == Mode::Down) {
        QCOMPARE(server.requests.size(), 0);
        return;
    }
    QCOMPARE(server.requests.size(), mode == Mode::Close ? 2 : 1);
    const SeenRequest& request = server.requests.at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.target, QByteArray("/account/v1/login"));
    QVERIFY(request.headers.toLower().contains("content-type: application/json"));
    const QJsonObject sent = QJsonDocument::fromJson(request.body).object();
    QCOMPARE(sent.value("email").toString(), QStringLiteral("ann@example.com"));
    QCOMPARE(sent.value("password").toString(), QStringLiteral("s3cret pass"));
    // The password is neither kept in the settings nor written to the log.
    QVERIFY(!TestPdf::ReadBytes(MKApplication::FrameworkSettingsPath()).contains("s3cret"));
    QVERIFY(TestPdf::ReadBytes(MKBase::LoggerObject::LogFilePath()).contains("sign-in"));
    QVERIFY(!TestPdf::ReadBytes(MKBase::LoggerObject::LogFilePath()).contains("s3cret"));
}

// The form as the user meets it from the window: a malformed address is
// refused without asking, a wrong password is told, the right one signs in.
void TestDialogs::memberButtonSignsInAndOut()
{
    CannedServer server;
    server.Set(Mode::Hold, 401);
    qputenv("RVPDF_ACCOUNT_URL", server.Url("/login").toString().toUtf8());
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).setValue("Account/LastEmail", "last@example.com");
    MKMainWindow window;
    window.show();
    CMemberManager* member = CMemberManager::getInstance();
    QStringList shown;
    ModalAnswerer fill([&](QWidget* dialog) {
        auto* email = dialog->findChild<QLineEdit*>("edit_email");
        auto* password = dialog->findChild<QLineEdit*>("edit_password");
        auto* ok = dialog->findChild<QPushButton*>("button_ok");
        shown << email->text() << QString::number(password->echoMode());
        email->setText("ann");
        password->setText("pw");
        ok->click();
        shown << qobject_cast<CSignInDialog*>(dialog)->ErrorText();
        email->setText("ann@example.com");
        ok->click();
        // Waiting for the service: no second request, the form stays.
        shown << QString::number(ok->isEnabled());
        QTRY_COMPARE(server.requests.size(), 1);
        server.Release();
        QTRY_VERIFY(ok->isEnabled());
        shown << qobject_cast<CSignInDialog*>(dialog)->ErrorText() << QString::number(dialog->isVisible());
        server.Set(Mode::Respond, 200, R"({"email":"ann@example.com","token":"t"})");
        ok->click();
    });
    window.SlotClickedMember();
    QCOMPARE(fill.AnsweredCount(), 1);
    QCOMPARE(shown, QStringList({"last@example.com", QString::number(QLineEdit::Password),
                                 "Please enter a valid e-mail address.", "0",
                                 "The e-mail address or password is incorrect.", "1"}));
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(member->GetAccountState(), 1);
    QCOMPARE(member->GetMemberEmail(), QStringLiteral("ann@example.com"));

    // Signed in, the same button says who and offers to sign out.
    QScopedPointer<ModalAnswerer> signOut(ModalAnswerer::Clicking("button_2"));
    window.SlotClickedMember();
    QCOMPARE(signOut->AnsweredCount(), 1);
    QVERIFY(signOut->SeenTexts().join('\n').contains("Signed in as ann@example.com"));
    QCOMPARE(member->GetAccountState(), 0);
    QVERIFY(member->GetMemberEmail().isEmpty());
}

void TestDialogs::launchesCountOncePerProcess()
{
    // Windows of this process do not count it again, whenever the count runs.
    QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).remove("Review");
    CReviewDialog::CountLaunch();
    const int before = CReviewDialog::LaunchCount();
    {
        MKMainWindow first;
        MKMainWindow second;
        first.ShowReview("test");
        second.ShowReview("test");
    }
    CReviewDialog::CountLaunch();
    QCOMPARE(CReviewDialog::LaunchCount(), before);
    QCOMPARE(CReviewDialog::AddLaunch(), before + 1);
    QCOMPARE(CReviewDialog::LaunchCount(), before + 1);
}

void TestDialogs::reviewAskedOnceFromFifthLaunch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("outcome");
    QTest::newRow("rate") << "button_1" << int(CReviewDialog::Rate);
    QTest::newRow("later") << "button_2" << int(CReviewDialog::Later);
    QTest::newRow("never") << "button_3" << int(CReviewDialog::Never);
    QTest::newRow("closed") << "button_close" << int(CReviewDialog::Later);
}

void TestDialogs::reviewAskedOnceFromFifthLaunch()
{
    QFETCH(QString, button);
    QFETCH(int, outcome);
    ResetReview(0);
    MKMainWindow window;
    window.show();
    for (int launch = 1; launch <= 4; ++launch) {
        QCOMPARE(CReviewDialog::AddLaunch(), launch);
        ModalAnswerer answerer([](QWidget* dialog) { dialog->close(); });
        QCOMPARE(int(CReviewDialog::AskOnce(&window, "test")), int(CReviewDialog::NotShown));
        QCOMPARE(answerer.AnsweredCount(), 0);
    }

    QCOMPARE(CReviewDialog::AddLaunch(), 5);
    QScopedPointer<ModalAnswerer> answerer(ModalAnswerer::Clicking(button));
    QCOMPARE(int(CReviewDialog::AskOnce(&window, "test")), outcome);
    QCOMPARE(answerer->AnsweredCount(), 1);
    QCOMPARE(catcher.urls, outcome == CReviewDialog::Rate ? QList<QUrl>{QUrl("https://www.rvpdf.example/en/review")}
                                                          : QList<QUrl>{});

    // Whatever the answer, never again: not in this process, not in a later
    // one reading the same settings file.
    QVERIFY(CReviewDialog::WasShown());
    QVERIFY(QSettings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat).value("Review/Shown").toBool());
    for (int launch = 6; launch <= 20; ++launch) {
        CReviewDialog::AddLaunch();
        ModalAnswerer late([](QWidget* dialog) { dialog->close(); });
        QCOMPARE(int(CReviewDialog::AskOnce(&window, "test")), int(CReviewDialog::NotShown));
        QCOMPARE(late.AnsweredCount(), 0);
    }
}

void TestDialogs::reviewNeedsItsTexts_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("broken json") << QByteArray("{\"Title\": ");
    QTest::newRow("no text") << QByteArray(R"({"Title":"Enjoying %1?","RateButton":"Rate"})");
}

void TestDialogs::reviewNeedsItsTexts()
{
    QFETCH(QByteArray, content);
    ResetReview(12);
    const QString path = content.isEmpty() ? TestEnv::MakeDir("none") + "/English.json"
                                           : WriteFile("review.json", content);
    ModalAnswerer answerer([](QWidget* dialog) { dialog->close(); });
    QCOMPARE(int(CReviewDialog::AskOnce(nullptr, "test", path)), int(CReviewDialog::NotShown));
    QCOMPARE(answerer.AnsweredCount(), 0);
    // Not asked is not used up: a brand with texts may still ask.
    QVERIFY(!CReviewDialog::WasShown());
    QVERIFY(TestPdf::ReadBytes(MKBase::LoggerObject::LogFilePath()).contains("not shown: no review texts"));
}

void TestDialogs::aboutDialog_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("libraries");
    QTest::newRow("missing file") << QByteArray() << QStringList();
    QTest::newRow("broken file") << QByteArray("{\"Title\": [") << QStringList();
    QTest::newRow("odd entries") << QByteArray(R"json({"Description":"x","Website":"javascript:alert(1)",
        "Libraries":[{"Name":"<i>Lib</i>","License":"MIT","Url":"javascript:alert(1)"},{"License":"nameless"},7]})json")
                                 << QStringList{"<i>Lib</i>"};
}

// The texts file may be damaged or hostile: the dialog still opens, and only
// web addresses become links; names are never markup.
void TestDialogs::aboutDialog()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, libraries);
    CAboutDialog dialog(nullptr, content.isEmpty() ? TestEnv::MakeDir("none") + "/English.json"
                                                   : WriteFile("about.json", content));
    QCOMPARE(dialog.LibraryNames(), libraries);
    const QString listed = dialog.findChild<QLabel*>("label_libraries")->text();
    for (const QString& name : libraries)
        QVERIFY2(listed.contains(name.toHtmlEscaped()), qPrintable(listed));
    QVERIFY(!listed.contains("javascript"));
    QVERIFY(!listed.contains("<i>"));
    QVERIFY(dialog.findChild<QLabel*>("label_website")->isHidden());
}

void TestDialogs::feedbackUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "support@rvpdf.example" << "support@rvpdf.example";
    QTest::newRow("padded") << "  help@rvpdf.example " << "help@rvpdf.example";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("not an address") << "support" << "";
    QTest::newRow("smuggled field") << "a@rvpdf.example?bcc=b@evil.example" << "";
}

void TestDialogs::feedbackUrl()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    const QUrl url = MKMainWindow::FeedbackUrl(address);
    QCOMPARE(url.isValid(), !expected.isEmpty());
    if (expected.isEmpty())
        return;
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), expected);
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("RVPDF 2.0.0.4 feedback"));
    const QString body = query.queryItemValue("body", QUrl::FullyDecoded);
    QVERIFY(body.contains("Version: 2.0.0.4"));
    QVERIFY(body.contains(QSysInfo::prettyProductName()));
    const QByteArray encoded = url.toEncoded();
    QVERIFY(encoded.contains("%0D%0A"));
    for (char raw : {' ', '\n', '\r'})
        QVERIFY(!encoded.contains(raw));
    QCOMPARE(QUrlQuery(url).queryItems().size(), 2);
}

void TestDialogs::feedbackFromWindow()
{
    MKMainWindow window;
    window.SlotClickedFeedback();
    QCOMPARE(catcher.urls, QList<QUrl> {MKMainWindow::FeedbackUrl()});
    QVERIFY(catcher.urls.at(0).isValid());
}

RV_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
