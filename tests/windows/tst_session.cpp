#include "CEditSession.h"
#include "CPageView.h"
#include "CAnnotationStore.h"
#include "CFormController.h"
#include "CFormStore.h"
#include "CJobRunner.h"
#include "CRecoveryCopy.h"
#include "FileSizeLimit.h"
#include "MKCheckBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "ReadOnly.h"
#include "app/AppStartup.h"
#include "mainview/MainView.h"
#include "setting/CSettingManager.h"
#include "tabbar/CTabBar.h"
#include "windows/CMainViewManager.h"
#include "windows/CSessionKeeper.h"
#include "windows/CSessionStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>

#include <memory>

namespace {

QString SessionDir()
{
    return TestEnv::Root() + "/state/rvpdf/session";
}

QByteArray Digest(const QString& path)
{
    return QCryptographicHash::hash(TestPdf::ReadBytes(path), QCryptographicHash::Sha256);
}

QJsonObject ReadSession()
{
    return QJsonDocument::fromJson(TestPdf::ReadBytes(SessionDir() + "/session.json")).object();
}

QStringList TabPaths(const QJsonObject& window)
{
    QStringList paths;
    for (const QJsonValue& tab : window.value("tabs").toArray())
        paths << tab.toObject().value("path").toString();
    return paths;
}

// Every window's tabs and current tab, without the placement.
QJsonArray WithoutGeometry(const QJsonObject& session)
{
    QJsonArray windows;
    for (const QJsonValue& value : session.value("windows").toArray()) {
        QJsonObject window = value.toObject();
        window.remove("geometry");
        windows.append(window);
    }
    return windows;
}

void SetReopenOption(bool bOn)
{
    CSettingManager* settings = CSettingManager::getInstance();
    QVariantMap general = settings->GetGeneral();
    general["Reopen_Documents"] = bOn;
    settings->SetGeneral(general);
    settings->Save();
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    // Real processes first: the in-process manager keeps its own marker.
    void killedProcessRestoresAtNextStart_data();
    void killedProcessRestoresAtNextStart();
    void savesAreGatheredAndAtomic();
    void damagedSessionIsSetAside_data();
    void damagedSessionIsSetAside();
    void twoWindowsComeBackExactly();
    void vanishedFilesAreSkippedWithOneMessage();
    void privateModeWritesNothing();
    void questionsOfARestoreSurviveWhatComes_data();
    void questionsOfARestoreSurviveWhatComes();
    void recoveryIsOfferedAfterKill_data();
    void recoveryIsOfferedAfterKill();

private:
    std::unique_ptr<QProcess> Start(const QStringList& args, const QStringList& env = {});
    QString ProbeOutput(QStringList* notices);
    void CloseAllWindows();

    QString dir;
    CSessionKeeper* keeper = nullptr;
    QStringList docs;
};

void TestSession::initTestCase()
{
    keeper = KeepSession(CMainViewManager::getInstance());
    dir = TestEnv::MakeDir("session-docs");
    for (int i = 0; i < 4; ++i) {
        docs << dir + QStringLiteral("/doc%1.pdf").arg(i);
        QVERIFY(TestPdf::Write(docs.last(), 6));
    }
    MKCheckBox::SetMarked("close_all", true);
}

void TestSession::init()
{
    QDir(SessionDir()).removeRecursively();
    QDir(CRecoveryCopy::DirPath()).removeRecursively();
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    SetReopenOption(true);
}

void TestSession::cleanup()
{
    // A failed test leaves no window behind for the next one to find.
    if (CMainViewManager::getInstance()->WindowsCount() > 0)
        CloseAllWindows();
    TestEnv::RemoveIpcObjects();
}

std::unique_ptr<QProcess> TestSession::Start(const QStringList& args, const QStringList& env)
{
    return TestEnv::StartChild(RVPDF_BINARY, args, env);
}

// Starts the application as the next start would and returns the session
// it restored (as JSON); notices gets what it would tell the user.
QString TestSession::ProbeOutput(QStringList* notices)
{
    std::unique_ptr<QProcess> probe = Start({}, {"RVPDF_SESSION_PROBE=1"});
    if (!probe->waitForFinished(30000)) {
        probe->kill();
        probe->waitForFinished();
        return QString();
    }
    QString session;
    for (const QByteArray& line : probe->readAllStandardOutput().split('\n')) {
        if (line.startsWith("session "))
            session = QString::fromUtf8(line.mid(8));
        else if (line.startsWith("notice "))
            notices->append(QString::fromUtf8(line.mid(7)));
    }
    TestEnv::RemoveIpcObjects();
    return session;
}

void TestSession::killedProcessRestoresAtNextStart_data()
{
    QTest::addColumn<bool>("reopenOption");
    QTest::newRow("option on") << true;
    QTest::newRow("option off, restored after the crash anyway") << false;
}

void TestSession::killedProcessRestoresAtNextStart()
{
    QFETCH(bool, reopenOption);
    SetReopenOption(reopenOption);
    std::unique_ptr<QProcess> first = Start({docs.at(0)});
    QVERIFY(first->waitForStarted());
    // The session reaches the disk within about a second of each change.
    QTRY_VERIFY_WITH_TIMEOUT(TabPaths(ReadSession().value("windows").toArray().first().toObject()).contains(docs.at(0)), 20000);
    std::unique_ptr<QProcess> second = Start({docs.at(1)});
    QVERIFY(second->waitForFinished(20000));
    QTRY_VERIFY_WITH_TIMEOUT(TabPaths(ReadSession().value("windows").toArray().first().toObject()) == docs.mid(0, 2), 20000);
    first->kill();
    QVERIFY(first->waitForFinished());
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);
    TestEnv::RemoveIpcObjects();

    QStringList notices;
    const QJsonObject restored = QJsonDocument::fromJson(ProbeOutput(&notices).toUtf8()).object();
    const QJsonArray windows = restored.value("windows").toArray();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(TabPaths(windows.first().toObject()), docs.mid(0, 2));
    // The file handed over last was the current one.
    QCOMPARE(windows.first().toObject().value("current").toInt(), 1);
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.first().contains("did not close properly"), qPrintable(notices.first()));

    // That start ended cleanly: the next one follows the option alone, and
    // says nothing.
    notices.clear();
    const QJsonObject again = QJsonDocument::fromJson(ProbeOutput(&notices).toUtf8()).object();
    QCOMPARE(TabPaths(again.value("windows").toArray().first().toObject()), reopenOption ? docs.mid(0, 2) : QStringList());
    QVERIFY(notices.isEmpty());
}

void TestSession::savesAreGatheredAndAtomic()
{
    CSessionStore store(SessionDir());
    int collected = 0;
    QJsonObject next {{"windows", QJsonArray {QJsonObject {{"tabs", QJsonArray {QJsonObject {{"path", docs.at(0)}}}}}}}};
    store.SetCollector([&]() {
        ++collected;
        return next;
    });
    QSignalSpy saved(&store, &CSessionStore::SignalSaved);
    for (int i = 0; i < 50; ++i)
        store.ScheduleSave();
    QVERIFY(saved.wait(5000));
    QCOMPARE(collected, 1);
    QCOMPARE(TabPaths(store.Load().value("windows").toArray().first().toObject()), QStringList {docs.at(0)});
    // "Not now" leaves the file as it was.
    next = QJsonObject();
    QVERIFY(!store.SaveNow());
    QCOMPARE(TabPaths(store.Load().value("windows").toArray().first().toObject()), QStringList {docs.at(0)});
    // No temporary files are left next to it.
    QCOMPARE(QDir(SessionDir()).entryList(QDir::Files), QStringList {"session.json"});
    // A full disk or a folder that takes nothing keeps the last session
    // whole: the next start still restores it.
    const QByteArray kept = TestPdf::ReadBytes(store.FilePath());
    next = QJsonObject {{"windows", QJsonArray {QJsonObject {{"tabs", QJsonArray {QJsonObject {{"path", docs.at(1)}}}}}}}};
    {
        FileSizeLimit full(16);
        QVERIFY(full.IsActive());
        QVERIFY(!store.SaveNow());
    }
    QCOMPARE(TestPdf::ReadBytes(store.FilePath()), kept);
    {
        ReadOnly locked(SessionDir());
        QVERIFY(!store.SaveNow());
    }
    QCOMPARE(TestPdf::ReadBytes(store.FilePath()), kept);
    QCOMPARE(QDir(SessionDir()).entryList(QDir::Files), QStringList {"session.json"});

    // The marker tells an unclean end from a clean one.
    QVERIFY(!store.EndedUncleanly());
    store.MarkRunning();
    QVERIFY(CSessionStore(SessionDir()).EndedUncleanly());
    store.MarkCleanEnd();
    QVERIFY(!CSessionStore(SessionDir()).EndedUncleanly());
    // A file being written next to a marker is no crash.
    QVERIFY(TestPdf::WriteBytes(SessionDir() + "/running-1.aBc123", QByteArray()));
    QVERIFY(!CSessionStore(SessionDir()).EndedUncleanly());
    QVERIFY(QFile::remove(SessionDir() + "/running-1.aBc123"));
    // Another instance still running (or still ending) did not crash; once
    // it is gone without removing its mark, it did.
    QProcess other;
    other.start("sleep", {"30"});
    QVERIFY(other.waitForStarted());
    const QString otherMark = SessionDir() + QStringLiteral("/running-%1").arg(other.processId());
    QVERIFY(TestPdf::WriteBytes(otherMark, QByteArray()));
    QVERIFY(!store.EndedUncleanly());
    other.kill();
    QVERIFY(other.waitForFinished());
    QVERIFY(store.EndedUncleanly());
    QVERIFY(QFile::remove(otherMark));
    // Killed but not yet reaped by its parent is gone too.
    QProcess parent;
    parent.start("sh", {"-c", "sleep 0 & echo $!; exec sleep 30"});
    QVERIFY(parent.waitForReadyRead(5000));
    const QByteArray zombie = parent.readLine().trimmed();
    QVERIFY(TestPdf::WriteBytes(SessionDir() + "/running-" + zombie, QByteArray()));
    QTRY_VERIFY(store.EndedUncleanly());
    parent.kill();
    parent.waitForFinished();
    store.MarkRunning();
    QCOMPARE(QDir(SessionDir()).entryList({"running-*"}), QStringList {QFileInfo(store.MarkerPath()).fileName()});
    store.MarkCleanEnd();
}

void TestSession::damagedSessionIsSetAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("garbage") << TestPdf::Garbage(4000, 3);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut short") << QByteArray("{\"windows\": [{\"tabs\": [{\"path\": \"/a.pdf\"");
    QTest::newRow("array at the top") << QByteArray("[1, 2, 3]");
    QTest::newRow("windows not a list") << QByteArray("{\"windows\": 7}");
    QTest::newRow("tab without a path") << QByteArray("{\"windows\": [{\"tabs\": [{\"pageIndex\": 2}]}]}");
    QTest::newRow("tabs not a list") << QByteArray("{\"windows\": [{\"tabs\": \"x\"}]}");
    QTest::newRow("far too large") << QByteArray(9 * 1024 * 1024, ' ');
}

void TestSession::damagedSessionIsSetAside()
{
    QFETCH(QByteArray, content);
    QDir().mkpath(SessionDir());
    QVERIFY(TestPdf::WriteBytes(SessionDir() + "/session.json", content));
    // The start goes on: nothing is restored, no window is made.
    const int before = CMainViewManager::getInstance()->WindowsCount();
    QCOMPARE(keeper->Restore(nullptr, true), 0);
    QCOMPARE(CMainViewManager::getInstance()->WindowsCount(), before);
    QVERIFY(!QFile::exists(SessionDir() + "/session.json"));
    const QStringList aside = QDir(SessionDir()).entryList({"session.json.damaged-*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(QFileInfo(SessionDir() + "/" + aside.first()).size(), qint64(content.size()));
}

void TestSession::CloseAllWindows()
{
    CMainViewManager* manager = CMainViewManager::getInstance();
    manager->CloseAllViews();
    QTRY_COMPARE_WITH_TIMEOUT(manager->WindowsCount(), 0, 60000);
}

void TestSession::twoWindowsComeBackExactly()
{
    CMainViewManager* manager = CMainViewManager::getInstance();
    struct Tab
    {
        int doc, page, mode;
        double zoom;
    };
    const QList<QList<Tab>> layout {{{0, 3, 1, 125.0}, {1, 2, 3, -1.0}, {2, 0, 1, -2.0}}, {{3, 4, 0, 75.0}}};
    const QList<int> currents {1, 0};
    for (int w = 0; w < layout.size(); ++w) {
        auto* window = qobject_cast<MainView*>(manager->CreateMainView(nullptr));
        window->show();
        for (const Tab& tab : layout.at(w)) {
            QCOMPARE(TestWindows::Open(window, {{"path", docs.at(tab.doc)}, {"pageIndex", tab.page}, {"zoom", tab.zoom},
                                                {"displayMode", tab.mode}}),
                     0);
        }
        window->TabBar()->SetCurrentIndex(currents.at(w));
    }
    QTRY_VERIFY_WITH_TIMEOUT(ReadSession().value("windows").toArray().size() == 2, 5000);
    QVERIFY(keeper->Store()->SaveNow());
    const QJsonObject saved = ReadSession();
    const QJsonArray windows = saved.value("windows").toArray();
    for (int w = 0; w < layout.size(); ++w) {
        const QJsonObject window = windows.at(w).toObject();
        QCOMPARE(window.value("current").toInt(), currents.at(w));
        const QJsonArray tabs = window.value("tabs").toArray();
        QCOMPARE(tabs.size(), layout.at(w).size());
        for (int t = 0; t < tabs.size(); ++t) {
            const QJsonObject tab = tabs.at(t).toObject();
            QCOMPARE(tab.value("path").toString(), docs.at(layout.at(w).at(t).doc));
            QCOMPARE(tab.value("pageIndex").toInt(), layout.at(w).at(t).page);
            QCOMPARE(tab.value("zoom").toDouble(), layout.at(w).at(t).zoom);
            QCOMPARE(tab.value("displayMode").toInt(), layout.at(w).at(t).mode);
        }
    }
    const QRect secondGeometry = qobject_cast<QWidget*>(manager->Views().at(1))->geometry();

    // Quitting closes every tab; the session on disk stays as it was.
    CloseAllWindows();
    QCOMPARE(WithoutGeometry(ReadSession()), WithoutGeometry(saved));

    QCOMPARE(keeper->Restore(nullptr, true), 4);
    QCOMPARE(manager->WindowsCount(), 2);
    QCOMPARE(QJsonDocument(WithoutGeometry(keeper->Collect())).toJson(QJsonDocument::Compact),
             QJsonDocument(WithoutGeometry(saved)).toJson(QJsonDocument::Compact));
    QCOMPARE(qobject_cast<QWidget*>(manager->Views().at(1))->geometry().size(), secondGeometry.size());
    QVERIFY(keeper->Notices().isEmpty());
    // Only the current tab of each window reads its file; another one
    // does when first shown, at its own page and zoom.
    for (int w = 0; w < layout.size(); ++w) {
        const QList<QWidget*> documents = qobject_cast<MainView*>(manager->Views().at(w))->Documents();
        for (int t = 0; t < documents.size(); ++t) {
            if (t == currents.at(w))
                QTRY_VERIFY(qobject_cast<MainBox*>(documents.at(t))->PageView());
            else
                QVERIFY(!qobject_cast<MainBox*>(documents.at(t))->PageView());
        }
    }
    auto* first = qobject_cast<MainView*>(manager->Views().at(0));
    auto* unread = qobject_cast<MainBox*>(first->Documents().at(0));
    first->TabBar()->SetCurrentIndex(0);
    QTRY_VERIFY(unread->PageView());
    QCOMPARE(unread->CurrentPageIndex(), layout.at(0).at(0).page);
    QCOMPARE(unread->PageView()->Zoom(), layout.at(0).at(0).zoom);
    // Saved under a new name: the session on disk follows at once, not a
    // second later, so that a crash right after brings back the new file.
    const QString renamed = TestEnv::MakeDir("saved-as") + "/renamed.pdf";
    QVERIFY(unread->SaveAs(renamed));
    QCoreApplication::processEvents();
    QVERIFY(TabPaths(ReadSession().value("windows").toArray().first().toObject()).contains(renamed));
    CloseAllWindows();
}

void TestSession::vanishedFilesAreSkippedWithOneMessage()
{
    const QString folder = TestEnv::MakeDir("vanish");
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        paths << folder + QStringLiteral("/v%1.pdf").arg(i);
        QVERIFY(QFile::copy(docs.at(0), paths.last()));
    }
    QJsonArray tabs;
    for (const QString& path : paths)
        tabs.append(QJsonObject {{"path", path}, {"pageIndex", 1}});
    CSessionStore store(SessionDir());
    const QJsonObject saved {{"current", 3}, {"tabs", tabs}};
    store.SetCollector([&]() { return QJsonObject {{"windows", QJsonArray {saved}}}; });
    QVERIFY(store.SaveNow());
    QVERIFY(QFile::remove(paths.at(1)));
    QVERIFY(QFile::remove(paths.at(2)));

    QCOMPARE(keeper->Restore(nullptr, true), 2);
    const QJsonArray windows = keeper->Collect().value("windows").toArray();
    QCOMPARE(TabPaths(windows.first().toObject()), (QStringList {paths.at(0), paths.at(3)}));
    // The tab that was current is still current, at its new place.
    QCOMPARE(windows.first().toObject().value("current").toInt(), 1);
    QCOMPARE(keeper->Notices().size(), 1);
    QVERIFY(keeper->Notices().first().contains(paths.at(1)) && keeper->Notices().first().contains(paths.at(2)));

    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->Views().first());
    auto* shown = ModalAnswerer::Clicking("button_3");
    keeper->ShowNotices(window);
    QTRY_COMPARE(shown->AnsweredCount(), 1);
    delete shown;
    // A tab not read yet whose file goes meanwhile says so when shown, and
    // goes; the other stays.
    QVERIFY(QFile::remove(paths.at(0)));
    ModalAnswerer told([](QWidget* dialog) { dialog->close(); });
    window->TabBar()->SetCurrentIndex(0);
    QTRY_COMPARE(told.AnsweredCount(), 1);
    QTRY_COMPARE(TabPaths(keeper->Collect().value("windows").toArray().first().toObject()), QStringList {paths.at(3)});
    CloseAllWindows();

    // A session listing more than anyone leaves open (300 windows, one of
    // 150 tabs) brings back what a person could have had, and says so.
    QJsonArray many {QJsonObject()};
    QJsonArray crowded;
    for (int i = 0; i < 150; ++i) {
        crowded.append(QJsonObject {{"path", QStringLiteral("%1/many-%2.pdf").arg(folder).arg(i)}});
        QVERIFY(QFile::copy(docs.at(0), crowded.last().toObject().value("path").toString()));
    }
    many[0] = QJsonObject {{"tabs", crowded}};
    while (many.size() < 300)
        many.append(QJsonObject {{"tabs", QJsonArray {QJsonObject {{"path", paths.at(3)}}}}});
    store.SetCollector([&]() { return QJsonObject {{"windows", many}}; });
    QVERIFY(store.SaveNow());
    QCOMPARE(keeper->Restore(nullptr, true), 101);
    QCOMPARE(CMainViewManager::getInstance()->WindowsCount(), 20);
    QCOMPARE(keeper->Notices().size(), 1);
    QVERIFY2(keeper->Notices().first().endsWith("Documents not reopened: 330"), qPrintable(keeper->Notices().first()));
    CloseAllWindows();
}

void TestSession::privateModeWritesNothing()
{
    CSettingManager::getInstance()->SetPrivateEnabled(true);
    CMainViewManager* manager = CMainViewManager::getInstance();
    auto* window = qobject_cast<MainView*>(manager->CreateMainView(nullptr));
    window->show();
    QCOMPARE(TestWindows::Open(window, docs.at(2)), 0);
    keeper->SlotSessionChanged();
    QVERIFY(!keeper->Store()->SaveNow());
    QVERIFY(!QFile::exists(SessionDir() + "/session.json"));
    // Unsaved changes stay off the disk too, asked for or not: nothing of
    // the document is offered at the next start.
    auto* box = qobject_cast<MainBox*>(window->TabBar()->GetItem(0).widget);
    CPagePlan plan = box->Session()->Plan();
    plan.Rotate({0}, 90);
    box->Session()->ApplyPlan(plan, "turn", {});
    QVERIFY(box->WriteRecoveryCopy());
    CRecoveryCopy::Flush();
    QVERIFY(CRecoveryCopy::Pending().isEmpty());
    CSettingManager::getInstance()->SetPrivateEnabled(false);
    ModalAnswerer dontSave([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_2"); });
    CloseAllWindows();
}

void TestSession::questionsOfARestoreSurviveWhatComes_data()
{
    // The restored session's current document asks a question (its
    // password, or that it could not be read); meanwhile comes: a file
    // handed over by a later launch, a second such question, the window
    // closing, the end of the session. Nothing may go with a question
    // still running inside it.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("meanwhile");
    QTest::newRow("password, then a hand-over") << "locked" << "hand-over";
    QTest::newRow("password, then a second password") << "locked" << "second";
    QTest::newRow("password, then the window closes") << "locked" << "close";
    QTest::newRow("password, then the end of the session") << "locked" << "terminate";
    QTest::newRow("failed to open, then a hand-over") << "damaged" << "hand-over";
    QTest::newRow("failed to open, then the end of the session") << "damaged" << "terminate";
}

void TestSession::questionsOfARestoreSurviveWhatComes()
{
    QFETCH(QString, file);
    QFETCH(QString, meanwhile);
    const QString folder = TestEnv::MakeDir("questions");
    QJsonArray windows;
    for (int w = 0; w < (meanwhile == "second" ? 2 : 1); ++w) {
        const QString path = QStringLiteral("%1/%2.pdf").arg(folder).arg(w);
        QVERIFY(file == "locked" ? TestPdf::WriteEncrypted(docs.at(0), path, "user", "owner")
                                 : TestPdf::WriteBytes(path, "%PDF-1.4\n" + TestPdf::Garbage(3000, 5)));
        windows.append(QJsonObject {{"current", 0}, {"tabs", QJsonArray {QJsonObject {{"path", path}}}}});
    }
    CSessionStore store(SessionDir());
    store.SetCollector([&]() { return QJsonObject {{"windows", windows}}; });
    QVERIFY(store.SaveNow());
    CMainViewManager* manager = CMainViewManager::getInstance();
    QCOMPARE(keeper->Restore(nullptr, true), windows.size());
    // The questions asked, each once, and the documents read.
    auto asked = []() {
        QList<QDialog*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && qobject_cast<QDialog*>(widget))
                shown << static_cast<QDialog*>(widget);
        }
        return shown;
    };
    auto read = [manager]() {
        int count = 0;
        for (QWidget* view : manager->Views()) {
            for (QWidget* document : qobject_cast<MainView*>(view)->Documents())
                count += qobject_cast<MainBox*>(document)->IsLoaded();
        }
        return count;
    };
    QTRY_COMPARE(asked().size(), windows.size());
    auto* window = qobject_cast<MainView*>(manager->Views().first());
    if (meanwhile == "close") {
        QPointer<MainView> closing = window;
        window->close();
        QTRY_VERIFY(!closing);
    } else if (meanwhile == "terminate") {
        manager->SlotTerminate();
        QTRY_COMPARE_WITH_TIMEOUT(manager->WindowsCount(), 0, 20000);
        // The process would end here; this one goes on as if it started anew.
        manager->SlotMainViewClosed(false);
    } else {
        if (meanwhile == "hand-over") {
            manager->SetCurrentView(window);
            manager->SlotOpenFileEvent(docs.at(1));
            QTRY_COMPARE(read(), 1);
            QCOMPARE(asked().size(), 1);
        } else {
            ModalAnswerer::ClickButton(asked().first(), "button_cancel");
        }
        // The question still there is answered as if nothing had come.
        if (QLineEdit* password = asked().last()->findChild<QLineEdit*>("line_password")) {
            password->setText("user");
            ModalAnswerer::ClickButton(asked().last(), "button_ok");
        } else {
            ModalAnswerer::ClickButton(asked().last(), "button_3");
        }
        QTRY_COMPARE(read(), file == "locked" ? (meanwhile == "hand-over" ? 2 : 1) : 1);
        CloseAllWindows();
    }
    QTRY_VERIFY(asked().isEmpty());
}

void TestSession::recoveryIsOfferedAfterKill_data()
{
    // How the question about the copy is answered; "away" moves the
    // document's folder out of reach first (a disk not yet mounted), and
    // back for a second start.
    QTest::addColumn<QString>("how");
    QTest::newRow("recover") << "recover";
    QTest::newRow("saved as a new file") << "new file";
    QTest::newRow("discard") << "discard";
    // Only Discard discards.
    QTest::newRow("escape") << "escape";
    QTest::newRow("title bar's close") << "close";
    QTest::newRow("end of the session") << "terminate";
    QTest::newRow("document out of reach, then back") << "away";
}

void TestSession::recoveryIsOfferedAfterKill()
{
    QFETCH(QString, how);
    const QString folder = TestEnv::MakeDir("recovery");
    const QString path = folder + "/edited.pdf";
    QVERIFY(TestPdf::WriteRich(docs.at(3), path, "notes.txt", "kept"));
    const QByteArray original = Digest(path);

    // The child waits for the copy the document keeps by itself.
    QProcess child;
    child.setProcessEnvironment(TestEnv::ChildEnvironment());
    child.start(RECOVERY_CHILD, {path});
    QByteArray output;
    auto readyOrGone = [&]() {
        output += child.readAllStandardOutput();
        return output.contains("ready") || child.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(readyOrGone(), "the document kept no recovery copy of its own", 20000);
    QCOMPARE(child.state(), QProcess::Running);
    child.kill();
    QVERIFY(child.waitForFinished());
    QCOMPARE(Digest(path), original);
    const QList<CRecoveryCopy::Entry> pending = CRecoveryCopy::Pending();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.first().documentPath, path);

    CMainViewManager* manager = CMainViewManager::getInstance();
    auto* window = qobject_cast<MainView*>(manager->CreateMainView(nullptr));
    window->show();
    const QString away = folder + "-away";
    if (how == "away") {
        QVERIFY(QDir().rename(folder, away));
        ModalAnswerer keep([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
        keeper->OfferRecovery(window);
        QTRY_COMPARE(keep.AnsweredCount(), 1);
        QVERIFY(keep.SeenTexts().first().contains("Unsaved changes to edited.pdf are kept"));
        QCOMPARE(window->TabBar()->GetItemCount(), 0);
        QCOMPARE(CRecoveryCopy::Pending().size(), 1);
        QVERIFY(QDir().rename(away, folder));
    }
    const QString copy = folder + "/copy.pdf";
    auto* answer = new ModalAnswerer(
        [this, how, copy](QWidget* dialog) {
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
                name->setText(copy);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                return;
            }
            QVERIFY(dialog->findChild<QLabel*>("label_message")->text().contains("Recover unsaved changes to edited.pdf?"));
            if (how == "escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (how == "close")
                ModalAnswerer::ClickButton(dialog, "button_close");
            else if (how == "terminate")
                CMainViewManager::getInstance()->SlotTerminate();
            else
                ModalAnswerer::ClickButton(dialog, how == "discard" ? "button_1" : how == "new file" ? "button_2" : "button_3");
        },
        how == "new file" ? 2 : 1);
    keeper->OfferRecovery(window);
    QTRY_COMPARE(answer->AnsweredCount(), how == "new file" ? 2 : 1);
    delete answer;

    if (how == "discard" || how == "escape" || how == "close" || how == "terminate") {
        QTRY_VERIFY(how == "terminate" ? manager->WindowsCount() == 0 : !QApplication::activeModalWidget());
        QCOMPARE(CRecoveryCopy::Pending().size(), how == "discard" ? 0 : 1);
        QCOMPARE(Digest(path), original);
        how == "terminate" ? manager->SlotMainViewClosed(false) : CloseAllWindows();
        return;
    }
    QTRY_COMPARE(window->TabBar()->GetItemCount(), 1);
    auto* box = qobject_cast<MainBox*>(window->TabBar()->GetItem(0).widget);
    // Saved as a new file: the changes went to the file the user named.
    if (how == "new file")
        QTRY_COMPARE(box->GetDocumentFilePath(), copy);
    else
        QTRY_VERIFY(box->IsDirty());
    const CPagePlan& plan = box->Session()->Plan();
    QCOMPARE(plan.Count(), 5);
    QVERIFY(how == "new file" || (plan.Pages().at(0).rotation == 90 && plan.Pages().at(1).page == 2));
    // Comments made and changed, and the field filled in, are back too.
    QStringList kinds;
    for (const PdfAnnotation& annotation : box->Annotations()->PageAnnotations(0))
        kinds << annotation.subtype + ':' + annotation.contents;
    QCOMPARE(kinds, QStringList({"Text:Seen", "Square:"}));
    QCOMPARE(box->Forms()->Store()->AllFields().first().text, QStringLiteral("Grace"));
    QCOMPARE(Digest(path), original);
    // Unsaved, the document keeps a copy of its own, in place of the old.
    CRecoveryCopy::Flush();
    const QList<CRecoveryCopy::Entry> own = CRecoveryCopy::Pending();
    QCOMPARE(own.size(), how == "new file" ? 0 : 1);
    QVERIFY(own.isEmpty() || own.first().copyPath != pending.first().copyPath);
    // The copy is the worker's to write, never the GUI thread's: with the
    // worker held busy, a change and its copy leave the disk as it was.
    if (how == "recover") {
        const QByteArray before = TestPdf::ReadBytes(own.first().copyPath);
        QSemaphore held;
        CJobRunner::Start(CJobRunner::RecoveryPool, CJobRunner::BackgroundPriority, [&held]() { held.acquire(); });
        CPagePlan turned = plan;
        turned.Rotate({1}, 90);
        box->Session()->ApplyPlan(turned, "turn", {});
        QVERIFY(box->WriteRecoveryCopy());
        const QByteArray during = TestPdf::ReadBytes(own.first().copyPath);
        held.release();
        CRecoveryCopy::Flush();
        QVERIFY2(during == before, "the GUI thread wrote the recovery copy itself");
        QVERIFY(TestPdf::ReadBytes(own.first().copyPath) != before);
    }

    // Closing without saving is a clean close: the copy goes, the file stays.
    auto* dontSave = ModalAnswerer::Clicking("button_2");
    CloseAllWindows();
    delete dontSave;
    CRecoveryCopy::Flush();
    QVERIFY(CRecoveryCopy::Pending().isEmpty());
    QCOMPARE(Digest(path), original);
}

RV_TEST_MAIN_XVFB(TestSession)
#include "tst_session.moc"
