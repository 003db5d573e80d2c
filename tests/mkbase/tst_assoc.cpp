#include "CAssocUtils.h"
#include "CMimeAppsList.h"
#include "EnvOverride.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

using namespace MKBase;

namespace {

const QString kId = QStringLiteral("org.rvpdf.RVPDF.desktop");
const QString kBundle = QStringLiteral("org.rvpdf.RVPDF");
const QString kPdf = QStringLiteral("application/pdf");

// Fresh user folders and system folders under the test root, so that no
// assertion depends on what this machine has installed.
struct Sandbox
{
    explicit Sandbox(const QString& name)
        : root(TestEnv::MakeDir("assoc-" + name)),
          config("XDG_CONFIG_HOME", QString(root + "/config").toLocal8Bit()),
          data("XDG_DATA_HOME", QString(root + "/data").toLocal8Bit()),
          configDirs("XDG_CONFIG_DIRS", QString(root + "/etc1:" + root + "/etc2").toLocal8Bit()),
          dataDirs("XDG_DATA_DIRS", QString(root + "/share1:" + root + "/share2").toLocal8Bit()),
          desktop("XDG_CURRENT_DESKTOP", QByteArray())
    {
        for (const char* sub : {"config", "data/applications", "etc1", "etc2", "share1/applications", "share2/applications"})
            QDir().mkpath(root + "/" + sub);
    }
    QString ListPath() const { return root + "/config/mimeapps.list"; }
    QString EntryPath() const { return root + "/data/applications/" + kId; }

    QString root;
    EnvOverride config, data, configDirs, dataDirs, desktop;
};

// The current data row as a folder name.
QString Tag()
{
    return QString::fromUtf8(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
}

const QByteArray kOthersFile =
    "# written by hand\n"
    "[Default Applications]\n"
    "text/plain=editor.desktop\n"
    "application/pdf=reader.desktop;\n"
    "\n"
    "# keep this comment\n"
    "[Added Associations]\n"
    "application/pdf=reader.desktop;printer.desktop;\n"
    "image/png=viewer.desktop;\n"
    "\n"
    "[Removed Associations]\n"
    "application/pdf=oldtool.desktop;\n"
    "\n"
    "[X-Other Group]\n"
    "Key = value with spaces \n";

} // namespace

class TestAssoc : public QObject
{
    Q_OBJECT

private slots:
    void listEditsKeepOtherBytes_data();
    void listEditsKeepOtherBytes();
    void listRefusesWhatIsNoKeyFile_data();
    void listRefusesWhatIsNoKeyFile();
    void setAndResetRoundTrip_data();
    void setAndResetRoundTrip();
    void desktopEntryStartsThisProgram();
    void execValueQuoting_data();
    void execValueQuoting();
    void desktopFileIds_data();
    void desktopFileIds();
    void defaultLookupPrecedence_data();
    void defaultLookupPrecedence();
};

// Prepend and Remove on text, compared with the exact expected bytes.
void TestAssoc::listEditsKeepOtherBytes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("prepend");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("changed");

    const QString def = CMimeAppsList::kDefaultGroup;
    const QString added = CMimeAppsList::kAddedGroup;
    QTest::newRow("empty file gets the group") << QByteArray() << def << true << QByteArray("[Default Applications]\napplication/pdf=org.rvpdf.RVPDF.desktop;\n") << true;
    QTest::newRow("present later and twice: moved, one copy") << QByteArray("[Added Associations]\napplication/pdf=a.desktop;org.rvpdf.RVPDF.desktop;b.desktop;org.rvpdf.RVPDF.desktop;\n") << added << true << QByteArray("[Added Associations]\napplication/pdf=org.rvpdf.RVPDF.desktop;a.desktop;b.desktop;\n") << true;
    QTest::newRow("key added after the group's keys, before its comment") << QByteArray("[Added Associations]\ntext/plain=e.desktop;\n# next\n\n[Other]\nk=v\n") << added << true << QByteArray("[Added Associations]\ntext/plain=e.desktop;\napplication/pdf=org.rvpdf.RVPDF.desktop;\n# next\n\n[Other]\nk=v\n") << true;
    QTest::newRow("no final newline stays so") << QByteArray("[Other]\nk=v") << def << true << QByteArray("[Other]\nk=v\n\n[Default Applications]\napplication/pdf=org.rvpdf.RVPDF.desktop;") << true;
    QTest::newRow("CRLF lines get CRLF") << QByteArray("[Default Applications]\r\ntext/plain=e.desktop\r\n") << def << true << QByteArray("[Default Applications]\r\ntext/plain=e.desktop\r\napplication/pdf=org.rvpdf.RVPDF.desktop;\r\n") << true;
    QTest::newRow("repeated group: the later key is the one read") << QByteArray("[Default Applications]\napplication/pdf=org.rvpdf.RVPDF.desktop;a.desktop\n[Default Applications]\napplication/pdf=b.desktop\n") << def << true << QByteArray("[Default Applications]\napplication/pdf=a.desktop\n[Default Applications]\napplication/pdf=org.rvpdf.RVPDF.desktop;b.desktop\n") << true;

    QTest::newRow("remove keeps the others and the trailing ;") << QByteArray("[Added Associations]\napplication/pdf=a.desktop;org.rvpdf.RVPDF.desktop;b.desktop;\n") << added << false << QByteArray("[Added Associations]\napplication/pdf=a.desktop;b.desktop;\n") << true;
    QTest::newRow("remove drops an emptied group with its blank line") << QByteArray("[Other]\nk=v\n\n[Added Associations]\napplication/pdf=org.rvpdf.RVPDF.desktop;\n") << added << false << QByteArray("[Other]\nk=v\n") << true;
    QTest::newRow("remove from every repeated group") << QByteArray("[Added Associations]\napplication/pdf=org.rvpdf.RVPDF.desktop\n[Added Associations]\napplication/pdf=x.desktop;org.rvpdf.RVPDF.desktop\n") << added << false << QByteArray("[Added Associations]\napplication/pdf=x.desktop\n") << true;
    QTest::newRow("remove does not match a longer id") << QByteArray("[Added Associations]\napplication/pdf=xorg.rvpdf.RVPDF.desktop;org.rvpdf.RVPDF.desktop.old;\n") << added << false << QByteArray("[Added Associations]\napplication/pdf=xorg.rvpdf.RVPDF.desktop;org.rvpdf.RVPDF.desktop.old;\n") << false;
}

void TestAssoc::listEditsKeepOtherBytes()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, group);
    QFETCH(bool, prepend);
    QFETCH(QByteArray, after);
    QFETCH(bool, changed);
    CMimeAppsList list;
    QVERIFY(list.Parse(before));
    QCOMPARE(list.ToBytes(), before);
    QCOMPARE(prepend ? list.Prepend(group, kPdf, kId) : list.Remove(group, kPdf, kId), changed);
    QCOMPARE(list.ToBytes(), after);
    if (prepend)
        QCOMPARE(list.Values(group, kPdf).value(0), kId);
    else
        QVERIFY(!list.Values(group, kPdf).contains(kId));
}

void TestAssoc::listRefusesWhatIsNoKeyFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary") << TestPdf::Garbage(4096, 7);
    QTest::newRow("NUL byte") << QByteArray("[Default Applications]\napplication/pdf=a") + QByteArray(1, '\0') + "b\n";
    QTest::newRow("invalid UTF-8") << QByteArray("[Default Applications]\napplication/pdf=\xff\xfe.desktop\n");
    QTest::newRow("line without =") << QByteArray("[Default Applications]\njust some words\n");
    QTest::newRow("key before any group") << QByteArray("application/pdf=a.desktop\n[Default Applications]\n");
    QTest::newRow("broken group header") << QByteArray("[Default Applications\napplication/pdf=a.desktop\n");
    QTest::newRow("too big") << QByteArray("[A]\n") + QByteArray(int(CMimeAppsList::kMaxFileSize), '#');
}

void TestAssoc::listRefusesWhatIsNoKeyFile()
{
    QFETCH(QByteArray, content);
    CMimeAppsList list;
    QVERIFY(!list.Parse(content));
    QVERIFY(list.IsEmpty());
    QVERIFY(list.Values(CMimeAppsList::kDefaultGroup, kPdf).isEmpty());
}

// setup: "" a plain list file, "link" a list kept as a link elsewhere,
// "damaged" a list that is no key file, "read-only" a config folder that
// cannot be written, "file" a config folder that is a file. The last three
// fail whole: nothing of the user's is changed.
void TestAssoc::setAndResetRoundTrip_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QByteArray>("original"); // null: no list file
    QTest::addColumn<bool>("makeDefault");
    QTest::newRow("missing file, default") << "" << QByteArray() << true;
    QTest::newRow("other apps in every group, default") << "" << kOthersFile << true;
    QTest::newRow("other apps in every group, not default") << "" << kOthersFile << false;
    QTest::newRow("CRLF") << "" << QByteArray("# c\r\n[Added Associations]\r\napplication/pdf=a.desktop;\r\n") << true;
    // Dotfile managers keep mimeapps.list as a link into their own folder.
    QTest::newRow("linked list") << "link" << kOthersFile << true;
    QTest::newRow("linked empty list") << "link" << QByteArray("") << true;
    QTest::newRow("damaged list") << "damaged" << TestPdf::Garbage(2000, 3) << true;
    QTest::newRow("read-only config folder, old entry") << "read-only" << kOthersFile << true;
    QTest::newRow("config folder is a file") << "file" << QByteArray() << true;
    // With the package's entry installed only the list is ours to write.
    QTest::newRow("installed entry") << "installed" << kOthersFile << true;
    QTest::newRow("installed entry, our copy from before") << "installed-ours" << QByteArray() << true;
    QTest::newRow("installed entry, the user's own copy") << "installed-own" << QByteArray() << false;
}

void TestAssoc::setAndResetRoundTrip()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, original);
    QFETCH(bool, makeDefault);
    if (setup == "read-only" && ::geteuid() == 0)
        QSKIP("permissions do not stop root");
    Sandbox box(Tag());
    const QString config = box.root + "/config";
    const QString listFile = setup == "link" ? box.root + "/dotfiles/mimeapps.list" : box.ListPath();
    if (!original.isNull())
        QVERIFY(TestPdf::WriteBytes(listFile, original));
    if (setup == "link")
        QVERIFY(QFile::link(listFile, box.ListPath()));
    const QByteArray oldEntry = "[Desktop Entry]\nName=old\n";
    // As earlier versions wrote it, and as a user might make one by hand.
    const QByteArray earlierCopy = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=RVPDF\nTryExec=/opt/rv/rvpdf\n"
                                   "Exec=/opt/rv/rvpdf %f\nIcon=org.rvpdf.RVPDF\nMimeType=application/pdf;\n"
                                   "Categories=Office;Viewer;\nTerminal=false\nStartupWMClass=rvpdf\n";
    const QByteArray ownCopy = "[Desktop Entry]\nType=Application\nName=My PDF\nExec=env LANG=C rvpdf %f\n";
    if (setup.startsWith("installed")) {
        QVERIFY(QFile::copy(RVPDF_SOURCE_DIR "/packaging/org.rvpdf.RVPDF.desktop", box.root + "/share2/applications/" + kId));
        if (setup != "installed")
            QVERIFY(TestPdf::WriteBytes(box.EntryPath(), setup == "installed-own" ? ownCopy : earlierCopy));
    }
    if (setup == "read-only") {
        QVERIFY(TestPdf::WriteBytes(box.EntryPath(), oldEntry));
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));
    } else if (setup == "file") {
        QVERIFY(QDir(config).removeRecursively());
        QVERIFY(TestPdf::WriteBytes(config, "not a folder"));
    }

    const bool fails = setup == "damaged" || setup == "read-only" || setup == "file";
    QCOMPARE(CAssocUtils::SetPdfLauncher(kBundle, "RVPDF", makeDefault), !fails);
    if (fails) {
        QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QFileInfo::exists(box.EntryPath()), setup == "read-only");
        if (setup == "read-only") {
            QCOMPARE(TestPdf::ReadBytes(box.EntryPath()), oldEntry);
            QCOMPARE(QDir(config).entryList(QDir::Files | QDir::Hidden), QStringList({"mimeapps.list"}));
        }
        QCOMPARE(TestPdf::ReadBytes(setup == "file" ? config : listFile), setup == "file" ? QByteArray("not a folder") : original);
        QVERIFY(!CAssocUtils::IsPdfLauncher(kBundle));
        if (setup == "damaged") {
            // Reset takes our entry away but still leaves the file untouched.
            QVERIFY(TestPdf::WriteBytes(box.EntryPath(), CAssocUtils::DesktopEntry(kBundle, "RVPDF", "/opt/rv/rvpdf")));
            QVERIFY(!CAssocUtils::ResetPdfLauncher(kBundle));
            QCOMPARE(TestPdf::ReadBytes(listFile), original);
            QVERIFY(!QFileInfo::exists(box.EntryPath()));
        }
        return;
    }
    // Only the user's own copy stays beside the installed entry.
    QCOMPARE(QFileInfo(box.EntryPath()).isFile(), !setup.startsWith("installed") || setup == "installed-own");
    if (setup == "installed-own")
        QCOMPARE(TestPdf::ReadBytes(box.EntryPath()), ownCopy);
    const QByteArray set = TestPdf::ReadBytes(listFile);
    CMimeAppsList list;
    QCOMPARE(list.Load(box.ListPath()), CMimeAppsList::Loaded);
    QCOMPARE(list.Values(CMimeAppsList::kAddedGroup, kPdf).value(0), kId);
    QCOMPARE(list.Values(CMimeAppsList::kDefaultGroup, kPdf).value(0) == kId, makeDefault);
    QCOMPARE(CAssocUtils::IsPdfLauncher(kBundle), makeDefault);
    // The other apps' ids are all still listed.
    if (original == kOthersFile) {
        QCOMPARE(list.Values(CMimeAppsList::kAddedGroup, kPdf),
                 QStringList({kId, "reader.desktop", "printer.desktop"}));
        QCOMPARE(list.Values(CMimeAppsList::kDefaultGroup, kPdf),
                 makeDefault ? QStringList({kId, "reader.desktop"}) : QStringList({"reader.desktop"}));
        QCOMPARE(list.Values(CMimeAppsList::kRemovedGroup, kPdf), QStringList({"oldtool.desktop"}));
    }

    // Setting again changes nothing and adds no copy.
    QVERIFY(CAssocUtils::SetPdfLauncher(kBundle, "RVPDF", makeDefault));
    QCOMPARE(TestPdf::ReadBytes(listFile), set);

    QVERIFY(CAssocUtils::ResetPdfLauncher(kBundle));
    if (setup == "link")
        QVERIFY(QFileInfo(box.ListPath()).isSymLink() && QFileInfo(listFile).isFile());
    else
        QCOMPARE(QFileInfo::exists(box.ListPath()), !original.isEmpty());
    QCOMPARE(TestPdf::ReadBytes(listFile), original);
    QCOMPARE(QFileInfo::exists(box.EntryPath()), setup == "installed-own");
    QVERIFY(!CAssocUtils::IsPdfLauncher(kBundle));
    // Nothing left to remove is still success.
    QVERIFY(CAssocUtils::ResetPdfLauncher(kBundle));
}

void TestAssoc::desktopEntryStartsThisProgram()
{
    Sandbox box("entry");
    QVERIFY(CAssocUtils::SetPdfLauncher(kBundle, "RV PDF", false));
    CMimeAppsList entry, packaged;
    QCOMPARE(entry.Load(box.EntryPath()), CMimeAppsList::Loaded);
    QCOMPARE(packaged.Load(RVPDF_SOURCE_DIR "/packaging/org.rvpdf.RVPDF.desktop"), CMimeAppsList::Loaded);
    const QString group = QStringLiteral("Desktop Entry");
    QCOMPARE(entry.Values(group, "Name"), QStringList({"RV PDF"}));
    QCOMPARE(entry.Values(group, "Exec").join(';'), CAssocUtils::ExecValue(QCoreApplication::applicationFilePath()));
    // The packaged entry launches one file per launch too.
    QVERIFY(packaged.Values(group, "Exec").join(';').endsWith(" %f"));
    // Same id, icon and window class as the installed entry, so a desktop
    // shows one application, not two.
    QCOMPARE(QFileInfo(box.EntryPath()).fileName(), QStringLiteral("org.rvpdf.RVPDF.desktop"));
    for (const char* key : {"Icon", "StartupWMClass", "GenericName", "Comment", "Keywords", "MimeType", "Categories",
                            "StartupNotify", "Terminal"})
        QVERIFY2(entry.Values(group, key) == packaged.Values(group, key), key);
    // Registered but not default: no default names us.
    QVERIFY(!CAssocUtils::IsDefaultPdfLauncher(kBundle));
}

void TestAssoc::execValueQuoting_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/opt/rvpdf/rvpdf" << "/opt/rvpdf/rvpdf %f";
    QTest::newRow("space") << "/opt/RV PDF/rvpdf" << "\"/opt/RV PDF/rvpdf\" %f";
    QTest::newRow("dollar and backtick") << "/opt/$x`y/rvpdf" << "\"/opt/\\\\$x\\\\`y/rvpdf\" %f";
    QTest::newRow("backslash") << "/opt/a\\b/rvpdf" << "\"/opt/a\\\\\\\\b/rvpdf\" %f";
    QTest::newRow("percent") << "/opt/100%/rvpdf" << "/opt/100%%/rvpdf %f";
}

void TestAssoc::execValueQuoting()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(CAssocUtils::ExecValue(program), exec);
}

void TestAssoc::desktopFileIds_data()
{
    QTest::addColumn<QString>("bundleId");
    QTest::addColumn<QString>("id");
    QTest::newRow("reverse dns") << "org.rvpdf.RVPDF" << "org.rvpdf.RVPDF.desktop";
    QTest::newRow("one element") << "RVPDF" << "RVPDF.desktop";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("slash") << "../evil" << "";
    QTest::newRow("empty element") << "org..rvpdf" << "";
    QTest::newRow("element starts with digit") << "org.2pdf.App" << "";
}

void TestAssoc::desktopFileIds()
{
    QFETCH(QString, bundleId);
    QFETCH(QString, id);
    QCOMPARE(CAssocUtils::DesktopFileId(bundleId), id);
    if (id.isEmpty()) {
        Sandbox box("bad-id-" + Tag());
        QVERIFY(!CAssocUtils::SetPdfLauncher(bundleId, "X", true));
        QVERIFY(!QFileInfo::exists(box.ListPath()));
        QVERIFY(QDir(box.root + "/data/applications").isEmpty());
        QVERIFY(!CAssocUtils::ResetPdfLauncher(bundleId));
        QVERIFY(!CAssocUtils::IsPdfLauncher(bundleId));
    }
}

// Files are "dir|content" pairs relative to the sandbox; installed desktop
// files are "dir/id" paths.
void TestAssoc::defaultLookupPrecedence_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("expected");

    const QString ours = "[Default Applications]\napplication/pdf=org.rvpdf.RVPDF.desktop;\n";
    const QString theirs = "[Default Applications]\napplication/pdf=reader.desktop;\n";
    const QStringList both {"data/applications/org.rvpdf.RVPDF.desktop", "share1/applications/reader.desktop"};

    QTest::newRow("nothing anywhere") << QStringList() << both << "" << "";
    QTest::newRow("user file beats system config") << QStringList{"config/mimeapps.list|" + ours, "etc1/mimeapps.list|" + theirs} << both << "" << "org.rvpdf.RVPDF.desktop";
    QTest::newRow("config dirs beat data dirs") << QStringList{"share1/applications/mimeapps.list|" + ours, "etc2/mimeapps.list|" + theirs} << both << "" << "reader.desktop";
    QTest::newRow("user data dir beats system data dir") << QStringList{"data/applications/mimeapps.list|" + ours, "share1/applications/mimeapps.list|" + theirs} << both << "" << "org.rvpdf.RVPDF.desktop";
    QTest::newRow("uninstalled default is skipped") << QStringList{"config/mimeapps.list|" + ours, "etc1/mimeapps.list|" + theirs} << QStringList{"share1/applications/reader.desktop"} << "" << "reader.desktop";
    QTest::newRow("next id of the same list when the first is missing") << QStringList{"config/mimeapps.list|[Default Applications]\napplication/pdf=gone.desktop;org.rvpdf.RVPDF.desktop;\n"} << both << "" << "org.rvpdf.RVPDF.desktop";
    QTest::newRow("desktop-specific file wins over plain") << QStringList{"config/mimeapps.list|" + theirs, "config/x-work-mimeapps.list|" + ours} << both << "X-Work" << "org.rvpdf.RVPDF.desktop";
    QTest::newRow("other desktop's file is ignored") << QStringList{"config/mimeapps.list|" + theirs, "config/x-work-mimeapps.list|" + ours} << both << "Other" << "reader.desktop";
    QTest::newRow("hidden entry in the user folder masks the system one") << QStringList{"config/mimeapps.list|" + ours, "etc1/mimeapps.list|" + theirs} << QStringList{"data/applications/org.rvpdf.RVPDF.desktop=[Desktop Entry]\nHidden=true\n", "share2/applications/org.rvpdf.RVPDF.desktop", "share1/applications/reader.desktop"} << "" << "reader.desktop";
    QTest::newRow("damaged user file is skipped") << QStringList{"config/mimeapps.list|garbage without groups", "etc1/mimeapps.list|" + ours} << both << "" << "org.rvpdf.RVPDF.desktop";
}

void TestAssoc::defaultLookupPrecedence()
{
    QFETCH(QStringList, lists);
    QFETCH(QStringList, installed);
    QFETCH(QString, desktop);
    QFETCH(QString, expected);
    Sandbox box("lookup-" + Tag());
    EnvOverride current("XDG_CURRENT_DESKTOP", desktop.isEmpty() ? QByteArray() : desktop.toUtf8());
    for (const QString& item : lists)
        QVERIFY(TestPdf::WriteBytes(box.root + "/" + item.section('|', 0, 0), item.section('|', 1).toUtf8()));
    for (const QString& item : installed) {
        const QString content = item.contains('=') ? item.section('=', 1) : QStringLiteral("[Desktop Entry]\n");
        QVERIFY(TestPdf::WriteBytes(box.root + "/" + item.section('=', 0, 0), content.toUtf8()));
    }
    QCOMPARE(CAssocUtils::DefaultApplication(kPdf), expected);
    QCOMPARE(CAssocUtils::IsPdfLauncher(kBundle), expected == kId);
    QCOMPARE(CAssocUtils::IsDefaultPdfLauncher(kBundle), expected == kId);
}

RV_TEST_MAIN(TestAssoc)
#include "tst_assoc.moc"
