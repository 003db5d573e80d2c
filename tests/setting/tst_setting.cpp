#include "CClearEdit.h"
#include "CAppPaths.h"
#include "BlankOption.h"
#include "CSettingManager.h"
#include "CVTabWidget.h"
#include "DisplayOption.h"
#include "GeneralOption.h"
#include "MKApplication.h"
#include "SettingOption.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "FileSizeLimit.h"
#include "ReadOnly.h"

#include <QStackedWidget>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QVERIFY(TestPdf::WriteBytes(path, bytes));
}

// Replaces a path with a folder: unreadable as a file even for root.
void MakeUnreadable(const QString& path)
{
    QFile::remove(path);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

void RemoveAny(const QString& path)
{
    QFile::remove(path);
    QDir(path).removeRecursively();
}

} // namespace

class TestSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartCopiesTheBrandFile();
    void userFileGainsMissingKeysKeepsExtras();
    void pageViewRoundTripsAsFloat();
    void invalidStoredValuesFallBack_data();
    void invalidStoredValuesFallBack();
    void blankPageSize_data();
    void blankPageSize();
    void blankFilePathNumbering();
    void blankFileNameStaysInItsFolder_data();
    void blankFileNameStaysInItsFolder();
    void recordsAndCommentsRoundTrip();
    void damagedFilesFallBackToDefaults_data();
    void damagedFilesFallBackToDefaults();
    void unwritableFolderKeepsSettingsInMemory_data();
    void unwritableFolderKeepsSettingsInMemory();
    void cancelLeavesFileUntouched();
    void skinAndLanguageChoices();
    void haldenHidesViewerAndLanguage();
    void blankCustomSizeApplied();
    void blankNameAndCountValidation();

private:
    CSettingManager* store = nullptr;
    QString staleBlank;
};

void TestSetting::initTestCase()
{
    // Before the store exists: no user file, and a leftover in the blank folder.
    QVERIFY(!QFile::exists(CSettingManager::UserSettingPath()));
    staleBlank = MKBase::CAppPaths::BlankDocumentDir() + "Untitled_1.pdf";
    WriteAll(staleBlank, "left over");
    store = CSettingManager::getInstance();
}

void TestSetting::firstStartCopiesTheBrandFile()
{
    QCOMPARE(TestPdf::ReadBytes(CSettingManager::UserSettingPath()), TestPdf::ReadBytes(CSettingManager::DefaultSettingPath()));
    QCOMPARE(store->GetDisplay().value("Page_View").userType(), int(QMetaType::Float));
    // The blank-document folder is emptied at start.
    QVERIFY(QDir(store->BlankDirPath()).exists());
    QVERIFY(!QFile::exists(staleBlank));
}

void TestSetting::userFileGainsMissingKeysKeepsExtras()
{
    WriteAll(CSettingManager::UserSettingPath(),
             "[General]\nDefault_Viewer=true\nQuit_Close=true\nExtra_Key=5\n\n[Display]\nPage_Layout=3\n");
    store->Reload();
    QCOMPARE(store->GetGeneral().value("Restore_View").toBool(), true);
    // A file from before the session option gains it, switched on.
    QCOMPARE(store->GetGeneral().value("Reopen_Documents").toBool(), true);
    QCOMPARE(store->GetGeneral().value("Quit_Close").toBool(), true);
    QVERIFY(!store->GetGeneral().contains("Extra_Key"));
    QCOMPARE(store->GetDisplay().value("Page_Layout").toInt(), 3);
    QCOMPARE(store->GetDisplay().value("Page_View").toFloat(), -2.0f);
    QSettings file(CSettingManager::UserSettingPath(), QSettings::IniFormat);
    QCOMPARE(file.value("Restore_View").toString(), QStringLiteral("true"));
    QCOMPARE(file.value("Extra_Key").toInt(), 5);
    QCOMPARE(file.value("Blank/File_Name").toString(), QStringLiteral("Untitled"));
}

void TestSetting::pageViewRoundTripsAsFloat()
{
    // Actual size through the dialog: shown, applied and read back as a float.
    QVariantMap display = store->GetDisplay();
    display["Page_View"] = 100.0f;
    store->SetDisplay(display);
    store->Save();
    SettingOption dialog;
    QCOMPARE(dialog.Display()->ViewBox()->currentText(), QStringLiteral("Actual Size"));
    // A file cut down to one group meanwhile: OK writes every group again.
    WriteAll(CSettingManager::UserSettingPath(), "[General]\nQuit_Close=true\n");
    dialog.findChild<QPushButton*>("button_ok")->click();
    QSettings file(CSettingManager::UserSettingPath(), QSettings::IniFormat);
    QCOMPARE(file.value("Restore_View").toString(), QStringLiteral("true"));
    QCOMPARE(file.value("Blank/File_Name").toString(), QStringLiteral("Untitled"));
    store->Reload();
    QCOMPARE(store->GetDisplay().value("Page_View").userType(), int(QMetaType::Float));
    QCOMPARE(store->GetDisplay().value("Page_View").toFloat(), 100.0f);
    // A stored value matching no entry shows the first entry.
    DisplayOption page;
    page.SetOptions({{"Page_View", 333.0f}, {"Page_Layout", 9}, {"Page_Cursor", 1}});
    QCOMPARE(page.ViewBox()->currentIndex(), 0);
    QCOMPARE(page.LayoutBox()->currentIndex(), 0);
    QCOMPARE(page.CursorBox()->currentText(), QStringLiteral("Hand"));
    QFile::remove(CSettingManager::UserSettingPath());
    store->Reload();
}

void TestSetting::invalidStoredValuesFallBack_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("bool not a bool") << QByteArray("[General]\nRestore_View=maybe\n") << "General" << "Restore_View" << QVariant("true");
    QTest::newRow("layout out of range") << QByteArray("[Display]\nPage_Layout=17\n") << "Display" << "Page_Layout" << QVariant(1);
    QTest::newRow("zoom nonsense") << QByteArray("[Display]\nPage_View=huge\n") << "Display" << "Page_View" << QVariant(-2.0f);
    QTest::newRow("zero pages") << QByteArray("[Blank]\nPage_Count=0\n") << "Blank" << "Page_Count" << QVariant(1);
    QTest::newRow("custom size not a size") << QByteArray("[Blank]\nPage_Custom_Size=big\n") << "Blank" << "Page_Custom_Size" << QVariant(QSize(210, 297));
    // A file cut off mid-line keeps what it held before the cut.
    QTest::newRow("truncated file") << QByteArray("[General]\nQuit_Close=true\nRestore_View=false\n\n[Display]\nPage_Lay") << "General" << "Quit_Close" << QVariant("true");
    QTest::newRow("custom size absurd") << QByteArray("[Blank]\nPage_Custom_Size=@Size(99999 5)\n") << "Blank" << "Page_Custom_Size" << QVariant(QSize(210, 297));
}

void TestSetting::invalidStoredValuesFallBack()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    WriteAll(CSettingManager::UserSettingPath(), line);
    store->Reload();
    const QVariantMap map = group == "General" ? store->GetGeneral()
        : group == "Display"                   ? store->GetDisplay()
                                               : store->GetBlank();
    QCOMPARE(map.value(key).toString(), expected.toString());
}

void TestSetting::blankPageSize_data()
{
    QTest::addColumn<int>("fixed");
    QTest::addColumn<QSize>("custom");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("A4 portrait") << 4 << QSize(210, 297) << 0 << QSizeF(595, 842);
    QTest::newRow("A4 landscape") << 4 << QSize(210, 297) << 1 << QSizeF(842, 595);
    QTest::newRow("custom 100 x 50") << -1 << QSize(100, 50) << 0 << QSizeF(283, 142);
    QTest::newRow("B6 landscape") << 12 << QSize(1, 1) << 7 << QSizeF(499, 354);
    QTest::newRow("broken custom falls back to A4") << -1 << QSize(0, 0) << 0 << QSizeF(595, 842);
}

void TestSetting::blankPageSize()
{
    QFETCH(int, fixed);
    QFETCH(QSize, custom);
    QFETCH(int, orientation);
    QFETCH(QSizeF, points);
    QVariantMap blank = store->GetBlank();
    blank["Page_Fixed_Size"] = fixed;
    blank["Page_Custom_Size"] = custom;
    blank["Page_Orientation"] = orientation;
    store->SetBlank(blank);
    QCOMPARE(store->GetBlankPageSize(), points);
}

void TestSetting::blankFilePathNumbering()
{
    QVariantMap blank = store->GetBlank();
    blank["File_Name"] = "Untitled";
    store->SetBlank(blank);
    const QString dir = store->BlankDirPath();
    QCOMPARE(store->GetBlankFilePath(), dir + "Untitled_1.pdf");
    WriteAll(dir + "Untitled_1.pdf", "x");
    QCOMPARE(store->GetBlankFilePath(), dir + "Untitled_2.pdf");
    QFile::remove(dir + "Untitled_1.pdf");
    QCOMPARE(store->GetBlankFilePath(), dir + "Untitled_1.pdf");
    // With all 99 numbered names taken, a free name is still found.
    for (int i = 1; i <= 99; ++i)
        WriteAll(dir + QStringLiteral("Untitled_%1.pdf").arg(i), "x");
    const QString free = store->GetBlankFilePath();
    QCOMPARE(free, dir + "Untitled_100.pdf");
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
}

void TestSetting::blankFileNameStaysInItsFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("parent folders") << "../../evil" << "....evil_1.pdf";
    QTest::newRow("absolute") << "/etc/passwd" << "etcpasswd_1.pdf";
    QTest::newRow("only forbidden") << "///" << "Untitled_1.pdf";
    QTest::newRow("spaces") << "   " << "Untitled_1.pdf";
    QTest::newRow("dot dot") << ".." << "Untitled_1.pdf";
    // A file name may hold 255 bytes on disk, whatever its characters.
    QTest::newRow("wide characters") << QString(200, QChar(0x6587)) << QString(79, QChar(0x6587)) + "_1.pdf";
    QTest::newRow("characters beyond 16 bits")
        << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(100) << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(59) + "_1.pdf";
}

void TestSetting::blankFileNameStaysInItsFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QVariantMap blank = store->GetBlank();
    blank["File_Name"] = name;
    store->SetBlank(blank);
    QCOMPARE(store->GetBlankFilePath(), store->BlankDirPath() + file);
}

void TestSetting::recordsAndCommentsRoundTrip()
{
    store->SetPrivateEnabled(true);
    QVERIFY(TestPdf::ReadBytes(CSettingManager::RecordPath()).contains("Private_Enable=true"));
    store->SetPrivateEnabled(false);
    QVERIFY(!store->GetRecord("never_written").isValid());
    const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03", 6);
    store->SetRecord("Window_Geometry", geometry);
    const QVariantMap comments {{"Highlight", QVariantMap {{"color", "#ffcc00"}, {"opacity", 60}}},
                                {"Note", QVariantMap {{"icon", "comment"}}}};
    store->SetComments(comments);
    store->Reload();
    QCOMPARE(store->GetRecord("Window_Geometry").toByteArray(), geometry);
    QCOMPARE(store->GetComments(), comments);
}

void TestSetting::damagedFilesFallBackToDefaults_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("kind");
    for (const char* file : {"setting", "comments", "record"}) {
        for (const char* kind : {"garbage", "empty", "unreadable", "binary ini"})
            QTest::newRow(qPrintable(QString("%1 %2").arg(file, kind))) << file << kind;
    }
}

void TestSetting::damagedFilesFallBackToDefaults()
{
    QFETCH(QString, which);
    QFETCH(QString, kind);
    const QString path = which == "setting" ? CSettingManager::UserSettingPath()
        : which == "comments"               ? CSettingManager::CommentsPath()
                                            : CSettingManager::RecordPath();
    RemoveAny(path);
    RemoveAny(path + ".bad");
    QByteArray content;
    if (kind == "garbage")
        content = TestPdf::Garbage(3000, 21);
    else if (kind == "binary ini")
        content = QByteArray("[General]\nQuit_Close=true\n\0\0\0\xff\xfe garbage", 40);
    if (kind == "unreadable")
        MakeUnreadable(path);
    else
        WriteAll(path, content);

    store->Reload();
    QCOMPARE(store->GetGeneral().value("Restore_View").toBool(), true);
    QCOMPARE(store->GetGeneral().value("Quit_Close").toBool(), false);
    QCOMPARE(store->GetDisplay().value("Page_View").toFloat(), -2.0f);
    QCOMPARE(store->GetBlank().value("Page_Count").toInt(), 1);
    QVERIFY(!store->GetRecord("Private_Enable").toBool());
    QVERIFY(store->GetComments().isEmpty() || which != "comments");
    // What could not be read is kept aside, never thrown away.
    if (kind == "garbage" || kind == "binary ini")
        QCOMPARE(TestPdf::ReadBytes(path + ".bad"), content);
    // The store keeps working afterwards.
    store->SetRecord("after_damage", 7);
    QCOMPARE(store->GetRecord("after_damage").toInt(), 7);
    RemoveAny(path);
    RemoveAny(path + ".bad");
    store->Reload();
}

void TestSetting::unwritableFolderKeepsSettingsInMemory_data()
{
    QTest::addColumn<QString>("trouble");
    // A file where the folder should be: nothing can be created below it.
    QTest::newRow("a file in the folder's place") << "file";
    // Every file we own is written whole or not at all.
    QTest::newRow("full disk") << "full";
    QTest::newRow("full disk, folder takes no new file") << "full, locked";
}

void TestSetting::unwritableFolderKeepsSettingsInMemory()
{
    QFETCH(QString, trouble);
    const QString dir = CSettingManager::SettingDirPath();
    QDir(dir).removeRecursively();
    if (trouble == "file")
        WriteAll(dir.chopped(1), "not a folder");
    store->Reload();
    QCOMPARE(store->GetBlank().value("File_Name").toString(), QStringLiteral("Untitled"));
    store->SetRecord("last_folder", "/before");
    store->Save();
    QMap<QString, QByteArray> before;
    for (const QString& name : QDir(dir).entryList(QDir::Files))
        before[name] = TestPdf::ReadBytes(dir + name);
    {
        QScopedPointer<FileSizeLimit> full(trouble.startsWith("full") ? new FileSizeLimit(64) : nullptr);
        QScopedPointer<ReadOnly> locked(trouble.endsWith("locked") ? new ReadOnly(dir, true) : nullptr);
        store->SetRecord("last_folder", "/data");
        QCOMPARE(store->GetRecord("last_folder").toString(), QStringLiteral("/data"));
        store->SetPrivateEnabled(true);
        QVERIFY(store->IsPrivateEnabled());
        QVariantMap general = store->GetGeneral();
        general["Quit_Close"] = true;
        store->SetGeneral(general);
        store->Save();
        QVERIFY(store->GetGeneral().value("Quit_Close").toBool());
    }
    // The files are as they were, each whole.
    QMap<QString, QByteArray> after;
    for (const QString& name : QDir(dir).entryList(QDir::Files))
        after[name] = TestPdf::ReadBytes(dir + name);
    QCOMPARE(after.keys(), before.keys());
    for (const QString& name : before.keys())
        QVERIFY2(after.value(name) == before.value(name), qPrintable(QStringLiteral("%1 changed: %2 bytes, was %3").arg(name).arg(after.value(name).size()).arg(before.value(name).size())));
    QFile::remove(dir.chopped(1));
    store->SetPrivateEnabled(false);
    store->Reload();
}

void TestSetting::cancelLeavesFileUntouched()
{
    QFile::remove(CSettingManager::UserSettingPath());
    store->Reload();
    const QByteArray before = TestPdf::ReadBytes(CSettingManager::UserSettingPath());
    SettingOption dialog;
    dialog.show();
    dialog.SetAppInfo({{"language", "English"}, {"skin", "Auto"}}, MKApplication::getInstance()->LanguageMap(), 0);
    QTest::mouseClick(dialog.PageList()->Button(1), Qt::LeftButton);
    QCOMPARE(dialog.Pages()->currentIndex(), 1);
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        box->toggle();
    for (QComboBox* box : dialog.findChildren<QComboBox*>())
        box->setCurrentIndex(box->count() - 1);
    dialog.General()->SkinGroup()->button(2)->click();
    dialog.Blank()->NameEdit()->setText("Changed");
    dialog.Blank()->CountEdit()->setText("7");
    dialog.Blank()->CustomButton()->click();
    dialog.Blank()->LandscapeButton()->click();
    dialog.findChild<QPushButton*>("button_cancel")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(TestPdf::ReadBytes(CSettingManager::UserSettingPath()), before);
    QCOMPARE(store->GetBlank().value("File_Name").toString(), QStringLiteral("Untitled"));
}

void TestSetting::skinAndLanguageChoices()
{
    SettingOption dialog;
    const QVariantMap languages = MKApplication::getInstance()->LanguageMap();
    // Unknown names select nothing: "Auto" and the first language come back.
    dialog.SetAppInfo({{"language", "Klingon"}, {"skin", "Purple"}}, languages, 0);
    QCOMPARE(dialog.General()->SkinGroup()->checkedId(), -1);
    QCOMPARE(dialog.GetSkin(), QStringLiteral("Auto"));
    QCOMPARE(dialog.GetLanguage(), dialog.General()->LanguageBox()->itemData(0).toString());
    dialog.SetAppInfo({{"language", "German"}, {"skin", "Dark"}}, languages, 0);
    QCOMPARE(dialog.General()->SkinGroup()->checkedId(), 2);
    QCOMPARE(dialog.GetSkin(), QStringLiteral("Dark"));
    QCOMPARE(dialog.GetLanguage(), QStringLiteral("German"));
}

void TestSetting::haldenHidesViewerAndLanguage()
{
    MKApplication* app = MKApplication::getInstance();
    app->InitProduct("hd", "domestic");
    {
        GeneralOption page;
        page.show();
        const QList<QCheckBox*> boxes = page.findChildren<QCheckBox*>();
        QVERIFY(!boxes.at(0)->isVisible());
        QVERIFY(!page.LanguageBox()->isVisible());
        // The hidden box still carries its value through apply.
        page.SetOptions({{"Default_Viewer", true}, {"Quit_Close", false}, {"Restore_View", true}, {"Reopen_Documents", false}});
        QCOMPARE(page.GetOptions().value("Default_Viewer").toBool(), true);
        QVERIFY(boxes.at(3)->isVisible());
    }
    app->InitProduct("rv", "overseas");
    GeneralOption page;
    page.show();
    QVERIFY(page.findChildren<QCheckBox*>().at(0)->isVisible());
    QVERIFY(page.LanguageBox()->isVisible());
}

void TestSetting::blankCustomSizeApplied()
{
    SettingOption dialog;
    BlankOption* page = dialog.Blank();
    QTest::mouseClick(page->CustomButton(), Qt::LeftButton);
    QVERIFY(page->WidthEdit()->isEnabled());
    QVERIFY(!page->SizeBox()->isEnabled());
    page->WidthEdit()->selectAll();
    QTest::keyClicks(page->WidthEdit(), "100");
    page->HeightEdit()->selectAll();
    QTest::keyClicks(page->HeightEdit(), "50");
    dialog.findChild<QPushButton*>("button_ok")->click();
    // On disk, and the next showing starts from the stored custom size.
    store->Reload();
    QCOMPARE(store->GetBlankPageSize(), QSizeF(283, 142));
    BlankOption again;
    again.SetOptions(store->GetBlank());
    QVERIFY(again.CustomButton()->isChecked());
    QCOMPARE(again.WidthEdit()->text(), QStringLiteral("100"));
    QCOMPARE(again.SizeBox()->currentIndex(), 4);
    QVERIFY(!again.SizeBox()->isEnabled());
    QFile::remove(CSettingManager::UserSettingPath());
    store->Reload();
}

void TestSetting::blankNameAndCountValidation()
{
    BlankOption page;
    page.SetOptions(store->GetBlank());
    page.NameEdit()->clear();
    QTest::keyClicks(page.NameEdit(), "Q1/2:report*?");
    QCOMPARE(page.NameEdit()->text(), QStringLiteral("Q12report"));
    page.NameEdit()->setText("    ");
    QCOMPARE(page.GetOptions().value("File_Name").toString(), QStringLiteral("Untitled"));
    page.NameEdit()->setText("  Minutes  ");
    QCOMPARE(page.GetOptions().value("File_Name").toString(), QStringLiteral("Minutes"));

    page.CountEdit()->clear();
    QTest::keyClicks(page.CountEdit(), "0");
    QCOMPARE(page.CountEdit()->text(), QString());
    QTest::keyClicks(page.CountEdit(), "101");
    QCOMPARE(page.CountEdit()->text(), QStringLiteral("10"));
    page.CountEdit()->clear();
    QTest::keyClicks(page.CountEdit(), "1a00");
    QCOMPARE(page.CountEdit()->text(), QStringLiteral("100"));
    // Pasted: a number beyond any integer is refused whole.
    page.CountEdit()->clear();
    page.CountEdit()->insert("99999999999999999999");
    QCOMPARE(page.CountEdit()->text(), QString());
    // A field left empty keeps the value the page was shown with.
    page.CountEdit()->clear();
    QCOMPARE(page.GetOptions().value("Page_Count").toInt(), 1);
}

RV_TEST_MAIN(TestSetting)
#include "tst_setting.moc"
