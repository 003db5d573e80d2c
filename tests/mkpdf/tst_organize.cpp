#include "CEditSession.h"
#include "CEncryptBox.h"
#include "COrganizerBox.h"
#include "COrganizerView.h"
#include "CPagePlan.h"
#include "CPdfDocument.h"
#include "FileSizeLimit.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QUndoStack>
#include <QUrl>

#include <unistd.h>

namespace {

// What a reader sees of each page: its label.
QStringList PageTexts(const QString& path, const QByteArray& password = QByteArray())
{
    CPdfDocument::LoadStatus status;
    const auto doc = CPdfDocument::Load(path, password, &status);
    QStringList texts;
    for (int i = 0; doc && i < doc->PageCount(); ++i) {
        QStringList words;
        for (const PdfWord& word : doc->PageWords(i))
            words << word.text;
        // The label; a form field's value may follow it.
        texts << words.mid(0, 2).join(' ');
    }
    return texts;
}

// Outline entries as "title>page number".
QStringList OutlineEntries(const QString& path)
{
    CPdfDocument::LoadStatus status;
    QStringList entries;
    if (const auto doc = CPdfDocument::Load(path, QByteArray(), &status)) {
        for (const PdfOutlineNode& node : doc->Outline())
            entries << QStringLiteral("%1>%2").arg(node.title).arg(node.page + 1);
    }
    return entries;
}

// Makes a file or a folder read-only, for root too: a folder through a
// read-only mount of itself, a file through its immutable flag.
class ReadOnly
{
public:
    explicit ReadOnly(const QString& target)
        : path(target)
        , folder(QFileInfo(target).isDir())
    {
        QFile::setPermissions(path, folder ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        if (geteuid() != 0)
            return;
        if (folder) {
            QProcess::execute("mount", {"--bind", path, path});
            QProcess::execute("mount", {"-o", "remount,ro,bind", path});
        } else {
            QProcess::execute("chattr", {"+i", path});
        }
    }
    ~ReadOnly()
    {
        if (geteuid() == 0)
            QProcess::execute(folder ? "umount" : "chattr", folder ? QStringList{path} : QStringList{"-i", path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | (folder ? QFile::ExeOwner : QFile::Permissions()));
    }

private:
    QString path;
    bool folder;
};

} // namespace

class TestOrganize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void planOperationsAndJson_data();
    void planOperationsAndJson();
    void organizeUndoAndSave_data();
    void organizeUndoAndSave();
    void interactiveContentSurvives();
    void extractAndSplit_data();
    void extractAndSplit();
    void protectAndReopen_data();
    void protectAndReopen();
    void encryptDialogChecksInput_data();
    void encryptDialogChecksInput();
    void failuresKeepTheOriginal_data();
    void failuresKeepTheOriginal();

private:
    QString Fresh(const QString& name, const QString& source = QString());
    QString dir;
    QString rich;
    QString other;
    QString locked;
};

void TestOrganize::initTestCase()
{
    dir = TestEnv::MakeDir("organize");
    QVERIFY(TestPdf::Write(dir + "/four.pdf", 4));
    rich = dir + "/rich.pdf";
    QVERIFY(TestPdf::WriteRich(dir + "/four.pdf", rich, "notes.txt", "attached text"));
    other = dir + "/other.pdf";
    QVERIFY(TestPdf::Write(other, 2, QSizeF(595, 842), "Other"));
    locked = dir + "/locked.pdf";
    QVERIFY(TestPdf::WriteEncrypted(rich, locked, "user", "owner"));
}

QString TestOrganize::Fresh(const QString& name, const QString& source)
{
    const QString path = TestEnv::MakeDir(name) + "/doc.pdf";
    QFile::remove(path);
    QFile::copy(source.isEmpty() ? rich : source, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void TestOrganize::planOperationsAndJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("error");
    const QString head = R"({"format":"rvpdf-page-plan","version":1,"sources":["/a.pdf"],"pages":)";
    QTest::newRow("valid") << head + R"([{"source":0,"page":2,"rotate":-90},{"blank":[200,300],"rotate":0}]})" << "";
    QTest::newRow("other format") << R"({"format":"x","version":1})" << "known version";
    QTest::newRow("no pages") << head + "[]}" << "page count";
    QTest::newRow("odd turn") << head + R"([{"source":0,"page":0,"rotate":45}]})" << "90 degrees";
    QTest::newRow("unknown source") << head + R"([{"source":1,"page":0,"rotate":0}]})" << "names no page";
    QTest::newRow("negative page") << head + R"([{"source":0,"page":-1,"rotate":0}]})" << "names no page";
    QTest::newRow("page as text") << head + R"([{"source":0,"page":"1","rotate":0}]})" << "names no page";
    QTest::newRow("huge blank") << head + R"([{"blank":[1e9,5],"rotate":0}]})" << "blank page size";
}

void TestOrganize::planOperationsAndJson()
{
    QFETCH(QString, json);
    QFETCH(QString, error);
    CPagePlan plan;
    QString reason;
    const bool read = CPagePlan::FromJson(QJsonDocument::fromJson(json.toUtf8()).object(), &plan, &reason);
    QCOMPARE(read, error.isEmpty());
    QVERIFY2(reason.contains(error), qPrintable(reason));
    if (!read)
        return;
    QCOMPARE(plan.Pages().at(0).rotation, 270);
    QVERIFY(plan.Pages().at(1).IsBlank());
    QVERIFY(!plan.FitsSources({2}));
    QVERIFY(plan.FitsSources({3}));
    // What is written reads back the same.
    CPagePlan again;
    QVERIFY(CPagePlan::FromJson(plan.ToJson(), &again));
    QVERIFY(again == plan);
}

void TestOrganize::organizeUndoAndSave_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("turns");
    QTest::addColumn<QStringList>("outline");
    QTest::addColumn<int>("messages");
    const QStringList original {"Page 1", "Page 2", "Page 3", "Page 4"};
    const QList<int> upright {0, 0, 0, 0};
    QTest::newRow("last page first") << "select 3|move 0" << QStringList{"Page 4", "Page 1", "Page 2", "Page 3"}
                                     << upright << QStringList{"Chapter Two>3"} << 0;
    QTest::newRow("first two to the end") << "select 0,1|move 4" << QStringList{"Page 3", "Page 4", "Page 1", "Page 2"}
                                          << upright << QStringList{"Chapter Two>4"} << 0;
    QTest::newRow("rotate right, one back twice") << "select 1,2|rotate 90|select 2|rotate -90|rotate -90" << original
                                                  << QList<int>{0, 90, 270, 0} << QStringList{"Chapter Two>2"} << 0;
    QTest::newRow("delete the outline's page") << "select 1|delete" << QStringList{"Page 1", "Page 3", "Page 4"}
                                               << QList<int>{0, 0, 0} << QStringList() << 0;
    QTest::newRow("delete by key") << "select 2,3|key Delete" << QStringList{"Page 1", "Page 2"} << QList<int>{0, 0}
                                   << QStringList{"Chapter Two>2"} << 0;
    QTest::newRow("duplicate") << "select 0,1|duplicate"
                               << QStringList{"Page 1", "Page 2", "Page 1", "Page 2", "Page 3", "Page 4"}
                               << QList<int>{0, 0, 0, 0, 0, 0} << QStringList{"Chapter Two>2"} << 0;
    QTest::newRow("blank page") << "select 0|blank" << QStringList{"Page 1", "", "Page 2", "Page 3", "Page 4"}
                                << QList<int>{0, 0, 0, 0, 0} << QStringList{"Chapter Two>3"} << 0;
    QTest::newRow("insert another file") << "insert 2"
                                         << QStringList{"Page 1", "Page 2", "Other 1", "Other 2", "Page 3", "Page 4"}
                                         << QList<int>{0, 0, 0, 0, 0, 0} << QStringList{"Chapter Two>2"} << 0;
    QTest::newRow("file dropped on the grid") << "drop 0"
                                              << QStringList{"Other 1", "Other 2", "Page 1", "Page 2", "Page 3", "Page 4"}
                                              << QList<int>{0, 0, 0, 0, 0, 0} << QStringList{"Chapter Two>4"} << 0;
    QTest::newRow("deleting every page is refused") << "key Ctrl+A|key Delete" << original << upright
                                                    << QStringList{"Chapter Two>2"} << 1;
}

void TestOrganize::organizeUndoAndSave()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, turns);
    QFETCH(QStringList, outline);
    QFETCH(int, messages);
    const QString path = Fresh("steps");
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    box->resize(900, 700);
    box->show();
    box->OnMainMenuTrigger("organize_pages");
    QVERIFY(box->IsOrganizing());
    COrganizerBox* organizer = box->Organizer();
    COrganizerView* view = organizer->View();
    CEditSession* session = box->Session();
    QSignalSpy dirty(box.data(), SIGNAL(SignalDocumentChanged(bool)));
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 3);
    for (const QString& step : steps.split('|')) {
        const QString verb = step.section(' ', 0, 0);
        const QString arg = step.section(' ', 1);
        if (verb == "select") {
            QList<int> positions;
            for (const QString& n : arg.split(','))
                positions << n.toInt();
            view->SetSelection(positions);
        } else if (verb == "move") {
            emit view->SignalMoveRequested(view->Selection(), arg.toInt());
        } else if (verb == "rotate") {
            organizer->RotateSelection(arg.toInt());
        } else if (verb == "delete") {
            organizer->DeleteSelection();
        } else if (verb == "duplicate") {
            organizer->DuplicateSelection();
        } else if (verb == "blank") {
            organizer->InsertBlankPage();
        } else if (verb == "insert") {
            QVERIFY(organizer->InsertFile(other, arg.toInt()));
        } else if (verb == "drop") {
            // A file from the file manager, entering the grid and dropped
            // on the left edge of a page.
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(other)});
            const QPoint at = view->CellRect(arg.toInt()).topLeft() + QPoint(4, 20);
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &enter);
            QCOMPARE(view->DropIndicator(), arg.toInt());
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &drop);
            QVERIFY(drop.isAccepted());
        } else if (verb == "key") {
            const QKeySequence key(arg);
            QTest::keyClick(view, Qt::Key(key[0] & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
        }
    }
    QCOMPARE(answerer.AnsweredCount(), messages);
    const bool changed = texts.size() != 4 || turns != QList<int>{0, 0, 0, 0} || texts.first() != "Page 1";
    QCOMPARE(box->IsDirty(), changed);
    QCOMPARE(dirty.isEmpty(), !changed);
    if (!changed)
        return;
    QCOMPARE(dirty.last().at(0).toBool(), true);
    // Undo gives back the document exactly; redo the changes exactly.
    const CPagePlan after = session->Plan();
    for (int i = 0; i < 9 && session->UndoStack()->canUndo(); ++i)
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(session->Plan() == CPagePlan::Identity(box->GetDocumentFilePath(), 4));
    QVERIFY(!box->IsDirty());
    QCOMPARE(dirty.last().at(0).toBool(), false);
    for (int i = 0; i < 9 && session->UndoStack()->canRedo(); ++i)
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(session->Plan() == after);
    QCOMPARE(organizer->StatusText().section(' ', 1, 1).toInt(), texts.size());

    box->OnMainMenuTrigger("save");
    QVERIFY(!box->IsDirty());
    QCOMPARE(dirty.last().at(0).toBool(), false);
    QCOMPARE(box->PageCount(), texts.size());
    QCOMPARE(PageTexts(path), texts);
    QCOMPARE(TestPdf::Rotations(path), turns);
    QCOMPARE(OutlineEntries(path), outline);
    QCOMPARE(TestPdf::StructureProblems(path), QString());
}

void TestOrganize::interactiveContentSurvives()
{
    // Move page 1 (note, link, field) last, turn it, copy it, drop page 3.
    const QString path = Fresh("interactive");
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    box->show();
    box->HandleToolID(3);
    QTRY_VERIFY(box->IsOrganizing());
    COrganizerBox* organizer = box->Organizer();
    organizer->View()->SetSelection({0});
    emit organizer->View()->SignalMoveRequested({0}, 4);
    organizer->RotateSelection(90);
    organizer->DuplicateSelection();
    organizer->View()->SetSelection({1});
    QVERIFY(organizer->DeleteSelection());
    QVERIFY(box->SaveAs(path));
    QCOMPARE(PageTexts(path), (QStringList{"Page 2", "Page 4", "Page 1", "Page 1"}));
    QCOMPARE(TestPdf::StructureProblems(path), QString());
    CPdfDocument::LoadStatus status;
    const auto doc = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(doc);
    QCOMPARE(doc->Attachments().size(), 1);
    QCOMPARE(doc->AttachmentData(0), QByteArray("attached text"));
    // The note is on both copies of page 1, each its own.
    const QList<PdfAnnotationInfo> notes = doc->Annotations();
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).page, 2);
    QCOMPARE(notes.at(0).contents, QStringLiteral("Hello reviewer"));
    QCOMPARE(OutlineEntries(path), QStringList{"Chapter Two>1"});
    // Each copy of page 1 has its own link, still to page 4 (now the
    // second), and its own field (the copy's under a name of its own, so
    // the two are not one field); the form has both, with the value.
    QCOMPARE(TestPdf::Annotations(path),
             (QStringList{"3 /Text", "3 /Link >2", "3 /Widget name=Ada", "4 /Text", "4 /Link >2",
                          "4 /Widget name+1=Ada", "form name=Ada", "form name+1=Ada"}));
}

void TestOrganize::extractAndSplit_data()
{
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<int>("perFile"); // 0: extract the selection
    QTest::addColumn<QList<QStringList>>("files");
    QTest::newRow("extract pages 2 and 4") << QList<int>{1, 3} << 0 << QList<QStringList>{{"Page 2", "Page 4"}};
    QTest::newRow("split by three") << QList<int>() << 3
                                    << QList<QStringList>{{"Page 1", "Page 2", "Page 3"}, {"Page 4"}};
    QTest::newRow("split by one") << QList<int>() << 1
                                  << QList<QStringList>{{"Page 1"}, {"Page 2"}, {"Page 3"}, {"Page 4"}};
}

void TestOrganize::extractAndSplit()
{
    QFETCH(QList<int>, selection);
    QFETCH(int, perFile);
    QFETCH(QList<QStringList>, files);
    const QString path = Fresh("extract");
    const QByteArray before = TestPdf::ReadBytes(path);
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    box->ShowOrganizer();
    COrganizerBox* organizer = box->Organizer();
    QStringList written;
    const QString out = TestEnv::MakeDir("extract-out");
    if (perFile == 0) {
        organizer->View()->SetSelection(selection);
        QVERIFY(organizer->ExtractSelection(out + "/part.pdf"));
        written << out + "/part.pdf";
    } else {
        // A name already taken is never overwritten.
        QVERIFY(TestPdf::WriteBytes(out + "/doc_1.pdf", "keep me"));
        written = organizer->SplitInto(out, perFile);
        QCOMPARE(TestPdf::ReadBytes(out + "/doc_1.pdf"), QByteArray("keep me"));
    }
    QCOMPARE(written.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(PageTexts(written.at(i)), files.at(i));
        QCOMPARE(TestPdf::StructureProblems(written.at(i)), QString());
    }
    // The document itself is as it was.
    QCOMPARE(TestPdf::ReadBytes(path), before);
    QVERIFY(!box->IsDirty());
}

void TestOrganize::protectAndReopen_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("openPassword");
    QTest::addColumn<QString>("ownerPassword");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<bool>("aes256");
    QTest::addColumn<QStringList>("shown"); // lines of qpdf --show-encryption
    QTest::newRow("open password, AES-256") << "rich" << "button_ok" << "s3cret" << "" << QStringList() << true
                                            << QStringList{"R = 6", "print high resolution: allowed",
                                                           "modify document assembly: allowed"};
    QTest::newRow("no printing, copying or page changes")
        << "rich" << "button_ok" << "s3cret" << "boss" << QStringList{"print", "copy", "assembly"} << true
        << QStringList{"R = 6", "print low resolution: not allowed", "extract for any purpose: not allowed",
                       "modify document assembly: not allowed", "modify forms: allowed"};
    QTest::newRow("no editing, comments or forms, AES-128")
        << "rich" << "button_ok" << "s3cret" << "boss" << QStringList{"edit", "annotate", "forms"} << false
        << QStringList{"R = 4", "modify forms: not allowed", "modify annotations: not allowed",
                       "modify other: not allowed", "print high resolution: allowed"};
    QTest::newRow("as a new file") << "rich" << "button_save_new" << "s3cret" << "" << QStringList() << true
                                   << QStringList{"R = 6"};
    QTest::newRow("remove protection") << "locked" << "button_remove" << "" << "" << QStringList() << true
                                       << QStringList{"File is not encrypted"};
}

void TestOrganize::protectAndReopen()
{
    QFETCH(QString, source);
    QFETCH(QString, button);
    QFETCH(QString, openPassword);
    QFETCH(QString, ownerPassword);
    QFETCH(QStringList, refused);
    QFETCH(bool, aes256);
    QFETCH(QStringList, shown);
    const QString path = Fresh("protect", source == "rich" ? rich : locked);
    const QByteArray before = TestPdf::ReadBytes(path);
    const QString copy = QFileInfo(path).absolutePath() + "/copy.pdf";
    QScopedPointer<ModalAnswerer> password(ModalAnswerer::Clicking("button_cancel", 0));
    if (source == "locked") {
        password.reset(new ModalAnswerer([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("line_password")->setText("owner");
            ModalAnswerer::ClickButton(dialog, "button_ok");
        }));
    }
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    QSignalSpy marked(box.data(), SIGNAL(SignalFirstThumbRendered(QString, bool)));
    QSignalSpy savedAs(box.data(), SIGNAL(SignalDocumentSaveAs(QString, QString)));
    // The dialog, then the question before replacing, or the file dialog.
    ModalAnswerer answerer(
        [=](QWidget* dialog) {
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
                name->setText(copy);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (dialog->objectName() == "encrypt_box") {
                dialog->findChild<QLineEdit*>("line_open_password")->setText(openPassword);
                dialog->findChild<QLineEdit*>("line_open_confirm")->setText(openPassword);
                dialog->findChild<QCheckBox*>("check_restrict")->setChecked(!ownerPassword.isEmpty());
                dialog->findChild<QLineEdit*>("line_owner_password")->setText(ownerPassword);
                dialog->findChild<QLineEdit*>("line_owner_confirm")->setText(ownerPassword);
                for (const QString& right : refused)
                    dialog->findChild<QCheckBox*>("check_allow_" + right)->setChecked(false);
                dialog->findChild<QComboBox*>("combo_box")->setCurrentIndex(aes256 ? 0 : 1);
                ModalAnswerer::ClickButton(dialog, button);
            } else {
                ModalAnswerer::ClickButton(dialog, "button_3");
            }
        },
        2);
    box->show();
    QTRY_COMPARE(marked.size(), 1);
    marked.clear();
    box->HandleToolID(4);
    QTRY_COMPARE(answerer.AnsweredCount(), 2);
    const QString written = button == "button_save_new" ? copy : path;
    QTRY_COMPARE(marked.size(), 1);
    QCOMPARE(marked.last().at(0).toString(), written);
    QCOMPARE(marked.last().at(1).toBool(), !openPassword.isEmpty());
    QCOMPARE(savedAs.size(), written == path ? 0 : 1);
    QCOMPARE(box->GetDocumentFilePath(), written);
    if (written != path)
        QCOMPARE(TestPdf::ReadBytes(path), before);

    const QStringList pages {"Page 1", "Page 2", "Page 3", "Page 4"};
    CPdfDocument::LoadStatus status;
    if (!openPassword.isEmpty()) {
        QVERIFY(!CPdfDocument::Load(written, "wrong", &status));
        QCOMPARE(status, CPdfDocument::WrongPassword);
        QVERIFY(!CPdfDocument::Load(written, QByteArray(), &status));
        QCOMPARE(status, CPdfDocument::NeedsPassword);
    }
    QCOMPARE(PageTexts(written, openPassword.toUtf8()), pages);
    const QString check = TestEnv::RunChild("qpdf", {"--show-encryption", "--password=" + openPassword, written}).Output();
    for (const QString& line : shown)
        QVERIFY2(check.contains(line), qPrintable(check));
    QCOMPARE(TestPdf::StructureProblems(written, openPassword), QString());
}

void TestOrganize::encryptDialogChecksInput_data()
{
    QTest::addColumn<QStringList>("fields"); // open, confirm, owner, owner confirm
    QTest::addColumn<bool>("restrict");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("strength");
    QTest::newRow("empty") << QStringList{"", "", "", ""} << false << "Enter a password" << 0;
    QTest::newRow("mismatch") << QStringList{"abc", "abd", "", ""} << false << "do not match" << 1;
    QTest::newRow("no permissions password") << QStringList{"abcdefg1", "abcdefg1", "", ""} << true
                                             << "Enter a permissions password" << 2;
    QTest::newRow("permissions mismatch") << QStringList{"abcdefg1", "abcdefg1", "x", "y"} << true
                                          << "permissions passwords do not match" << 2;
    QTest::newRow("same as open") << QStringList{"Abcdefgh123!", "Abcdefgh123!", "Abcdefgh123!", "Abcdefgh123!"}
                                  << true << "must differ" << 3;
    QTest::newRow("good") << QStringList{"aaaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa", "", ""} << false << "" << 1;
}

void TestOrganize::encryptDialogChecksInput()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, restrict);
    QFETCH(QString, error);
    QFETCH(int, strength);
    CEncryptBox box("doc.pdf", false);
    box.show();
    const char* names[] = {"line_open_password", "line_open_confirm", "line_owner_password", "line_owner_confirm"};
    for (int i = 0; i < 4; ++i)
        box.findChild<QLineEdit*>(names[i])->setText(fields.at(i));
    box.findChild<QCheckBox*>("check_restrict")->setChecked(restrict);
    ModalAnswerer::ClickButton(&box, "button_ok");
    QVERIFY2(error.isEmpty() ? box.ErrorText().isEmpty() : box.ErrorText().contains(error), qPrintable(box.ErrorText()));
    QCOMPARE(box.result(), error.isEmpty() ? int(CEncryptBox::SaveOver) : 0);
    QCOMPARE(int(CEncryptBox::PasswordStrength(fields.first())), strength);
    QCOMPARE(box.Protection().aes256, true);
}

void TestOrganize::failuresKeepTheOriginal_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only folder") << "folder" << "does not allow changes";
    QTest::newRow("read-only file") << "file" << "is read-only";
    QTest::newRow("disk full") << "full" << "could not be written";
    QTest::newRow("source removed") << "removed" << "moved or deleted";
    QTest::newRow("source changed") << "changed" << "changed by another program";
    QTest::newRow("protection without the permissions password") << "owner" << "permissions password";
}

void TestOrganize::failuresKeepTheOriginal()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    const QString path = Fresh("fail", failure == "owner" ? locked : rich);
    const QString folder = QFileInfo(path).absolutePath();
    QScopedPointer<ModalAnswerer> password;
    if (failure == "owner") {
        password.reset(new ModalAnswerer([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("line_password")->setText("user");
            ModalAnswerer::ClickButton(dialog, "button_ok");
        }));
    }
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    ModalAnswerer answerer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    box->ShowOrganizer();
    if (failure == "owner") {
        // Page changes are not the user's to make either.
        QVERIFY(!box->IsOrganizing());
    } else {
        box->Organizer()->View()->SetSelection({0});
        QVERIFY(box->Organizer()->DeleteSelection());
    }
    QByteArray expected = TestPdf::ReadBytes(path);
    if (failure == "removed") {
        QFile::remove(path);
        expected.clear();
    }
    if (failure == "changed") {
        expected = TestPdf::ReadBytes(other);
        QFile::remove(path);
        QFile::copy(other, path);
    }
    QScopedPointer<ReadOnly> readOnly(failure == "folder" || failure == "file" ? new ReadOnly(failure == "folder" ? folder : path) : nullptr);
    QScopedPointer<FileSizeLimit> full(failure == "full" ? new FileSizeLimit(2048) : nullptr);
    if (failure == "owner")
        box->OnMainMenuTrigger("protect");
    else
        box->OnMainMenuTrigger("save");
    full.reset();
    readOnly.reset();
    QCOMPARE(answerer.AnsweredCount(), failure == "owner" ? 2 : 1);
    QVERIFY2(answerer.SeenTexts().last().contains(message), qPrintable(answerer.SeenTexts().join('\n')));
    // Nothing of the attempt is left, and the original is as it was.
    QCOMPARE(TestPdf::ReadBytes(path), expected);
    QCOMPARE(QFile::exists(path), failure != "removed");
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), failure == "removed" ? 0 : 1);
    // The changes are still there to save elsewhere.
    QCOMPARE(box->IsDirty(), failure != "owner");
}

RV_TEST_MAIN(TestOrganize)
#include "tst_organize.moc"
