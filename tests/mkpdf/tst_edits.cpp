#include "CAnnotationCommand.h"
#include "CAnnotationStore.h"
#include "CEditRecovery.h"
#include "CEditSession.h"
#include "CEncryptBox.h"
#include "CFormBar.h"
#include "CFormController.h"
#include "CFormLayer.h"
#include "CFormStore.h"
#include "CInlineTextEditor.h"
#include "COrganizerBox.h"
#include "COrganizerView.h"
#include "CPagePlan.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "FileSizeLimit.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "ReadOnly.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// An access list giving user 65534 reading, as the system stores it:
// version 2, then (tag, permissions, id) for owner, that user, group, mask
// and others.
const QByteArray kAcl = QByteArray::fromHex("02000000" "01000600ffffffff" "02000400feff0000" "04000600ffffffff"
                                            "10000600ffffffff" "20000400ffffffff");

// What an edited document holds and what a reader finds in its file, as
// lines a test compares.
const char* const kKinds[]
    = {"Highlight", "Underline", "StrikeOut", "Squiggly", "Note", "FreeText", "Ink", "Rectangle", "Ellipse", "Line", "Arrow", "Eraser", "Other"};

QString Pt(const QPointF& p)
{
    return QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}

QString Box(const QRectF& r)
{
    return QStringLiteral("%1 %2x%3").arg(Pt(r.topLeft())).arg(qRound(r.width())).arg(qRound(r.height()));
}

// "x,y,w,h" or "dx,dy" as numbers.
QList<double> Numbers(const QString& text)
{
    QList<double> numbers;
    for (const QString& n : text.split(','))
        numbers << n.toDouble();
    return numbers;
}

// A comment as one line: page, kind, colour, where it is, who wrote what.
QString NoteLine(const PdfAnnotation& a)
{
    QString where;
    if (a.HasTextMarkupGeometry())
        where = QStringLiteral("quads %1 %2").arg(a.quads.size()).arg(Box(a.quads.value(0)));
    else if (a.HasPoints() && !a.paths.isEmpty())
        where = QStringLiteral("from %1 to %2").arg(Pt(a.paths.first().first()), Pt(a.paths.first().last()));
    else
        where = "at " + Box(a.rect);
    if (a.kind == PdfAnnotation::FreeText)
        where += QStringLiteral(" size %1").arg(a.fontSize);
    return QStringLiteral("note %1 %2/%3 %4 %5 w%6 by %7: %8")
        .arg(a.page + 1)
        .arg(kKinds[a.kind], a.subtype, a.color.name(), where)
        .arg(a.width)
        .arg(a.author, a.contents);
}

// Every filled field as the engine holds it: text, the ticked widget of a
// button (its number among widgets of the same name), the chosen items.
QStringList FieldLines(MainBox* box)
{
    QStringList lines;
    QHash<QString, int> widgets;
    for (const PdfFormField& f : box->Forms()->Store()->AllFields()) {
        const int nWidget = widgets[f.name]++;
        QStringList chosen;
        for (int i : f.current)
            chosen << f.choices.value(i);
        const QString value = f.type == PdfFormField::Text                      ? f.text
            : f.type == PdfFormField::CheckBox || f.type == PdfFormField::Radio ? (f.state ? QString::number(nWidget) : QString())
                                                                                : chosen.join(',');
        if (!value.isEmpty())
            lines << QStringLiteral("field %1=%2").arg(f.name, value);
    }
    return lines;
}

// What the open document holds now: comments, fields and page plan.
QStringList Live(MainBox* box, bool withPlan = true)
{
    QStringList lines;
    for (int page = 0; page < box->PageCount(); ++page) {
        for (const PdfAnnotation& a : box->Annotations()->PageAnnotations(page))
            lines << NoteLine(a);
    }
    lines += FieldLines(box);
    if (withPlan)
        lines << QString::fromUtf8(QJsonDocument(box->Session()->Plan().ToJson()).toJson(QJsonDocument::Compact));
    return lines;
}

// What a reader finds in the file, line by line under a category word:
// file name, page labels, page turns, outline, attachments, comments (as
// the engine reads them), annotations and form values (as qpdf reads them),
// protection. An empty category says "none".
QStringList Digest(const QString& path, const QString& password)
{
    CPdfDocument::LoadStatus status;
    const auto doc = CPdfDocument::Load(path, password.toUtf8(), &status);
    if (!doc)
        return {"unreadable"};
    QStringList lines {"file " + QFileInfo(path).fileName()};
    QStringList labels, turns, outline, attachments, notes;
    for (int i = 0; i < doc->PageCount(); ++i) {
        QStringList words;
        for (const PdfWord& word : doc->PageWords(i))
            words << word.text;
        // The label; a form field's value may follow it.
        labels << words.mid(0, 2).join(' ');
        for (const PdfAnnotation& a : CAnnotationStore::ReadPage(*doc, i))
            notes << NoteLine(a);
    }
    for (int turn : TestPdf::Rotations(path, password))
        turns << QString::number(turn);
    for (const PdfOutlineNode& node : doc->Outline())
        outline << QStringLiteral("outline %1>%2").arg(node.title).arg(node.page + 1);
    for (int i = 0; i < doc->Attachments().size(); ++i)
        attachments << QStringLiteral("attach %1=%2").arg(doc->Attachments().at(i).name, QString(doc->AttachmentData(i)));
    lines << "pages " + labels.join('|') << "turns " + turns.join(' ') << (outline.isEmpty() ? QStringList {"outline none"} : outline) << attachments
          << (notes.isEmpty() ? QStringList {"note none"} : notes);
    for (const QString& line : TestPdf::Annotations(path, password))
        lines << (line.startsWith("form ") ? line : "annot " + line);
    const QString shown = TestEnv::RunChild("qpdf", {"--show-encryption", "--password=" + password, path}).Output();
    for (const QString& line : shown.split('\n', Qt::SkipEmptyParts))
        lines << "crypt " + line.trimmed();
    return lines;
}

// The page as pdftoppm draws it at 72 dpi, so a pixel is a point.
QImage Rendered(const QString& path, int nPage)
{
    const QString prefix = QFileInfo(path).absolutePath() + "/render" + QString::number(nPage);
    TestEnv::RunChild("pdftoppm", {"-r", "72", "-f", QString::number(nPage + 1), "-l", QString::number(nPage + 1), "-png", "-singlefile", path, prefix});
    return QImage(prefix + ".png");
}

// Whether some pixel within area has about the given colour, or that
// colour half blended into the white page (a thin line's edge).
bool ShowsColor(const QImage& image, const QRectF& area, const QColor& color)
{
    const QRect box = area.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image.rect());
    const QColor light((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
    auto near = [](const QColor& a, const QColor& b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60; };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (near(image.pixelColor(x, y), color) || near(image.pixelColor(x, y), light))
                return true;
        }
    }
    return false;
}

// One row's document and what its dialogs are answered with.
struct Run
{
    QString dir;
    QString sources;      // where the files of the test case are
    QString password;     // for the password prompt, and to read what was written
    QString target;       // the name typed into a file dialog
    QStringList protect;  // the protection dialog: button, open, owner, refused rights, strength
    QStringList asked;    // texts of the questions and messages, each answered with its first button
    QStringList written;  // files an extract or split made
};

void Answer(Run* run, QWidget* dialog)
{
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
        name->setText(run->target);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    } else if (auto* password = dialog->findChild<QLineEdit*>("line_password")) {
        password->setText(run->password);
        ModalAnswerer::ClickButton(dialog, "button_ok");
    } else if (dialog->objectName() == "encrypt_box" && run->protect.size() == 5) {
        const QStringList& p = run->protect;
        for (const char* field : {"line_open_password", "line_open_confirm"})
            dialog->findChild<QLineEdit*>(field)->setText(p.at(1));
        dialog->findChild<QCheckBox*>("check_restrict")->setChecked(!p.at(2).isEmpty());
        for (const char* field : {"line_owner_password", "line_owner_confirm"})
            dialog->findChild<QLineEdit*>(field)->setText(p.at(2));
        for (const QString& right : p.at(3).split(',', Qt::SkipEmptyParts))
            dialog->findChild<QCheckBox*>("check_allow_" + right)->setChecked(false);
        dialog->findChild<QComboBox*>("combo_box")->setCurrentIndex(p.at(4) == "aes256" ? 0 : 1);
        ModalAnswerer::ClickButton(dialog, p.at(0));
    } else {
        QStringList texts;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        run->asked << texts.join(' ');
        ModalAnswerer::ClickButton(dialog, "button_3");
    }
}

PdfFormField Field(MainBox* box, const QString& name, int nWidget = 0)
{
    int seen = 0;
    for (const PdfFormField& field : box->Forms()->Store()->AllFields()) {
        if (field.name == name && seen++ == nWidget)
            return field;
    }
    return PdfFormField();
}

// One step of a row, as a user or the caller does it. A step starting with
// "!" must be refused.
void Do(MainBox* box, const QString& step, Run& run)
{
    const bool refused = step.startsWith('!');
    const QStringList words = step.mid(refused ? 1 : 0).split(' ');
    const QString verb = words.at(0);
    const QString arg = words.value(1);
    const QString rest = words.mid(2).join(' ');
    COrganizerBox* organizer = box->Organizer();
    COrganizerView* view = organizer ? organizer->View() : nullptr;
    CAnnotationStore* store = box->Annotations();
    CFormLayer* form = box->Forms()->Layer();
    auto push = [box](QUndoCommand* command) { box->Session()->UndoStack()->push(command); };
    QList<int> positions;
    for (const QString& n : arg.split(',', Qt::SkipEmptyParts))
        positions << n.toInt();
    const QString out = run.dir + "-out";

    if (verb == "organize" || verb == "tool") {
        // From the menu, or from the home page's tool.
        if (verb == "tool")
            box->HandleToolID(3);
        else
            box->OnMainMenuTrigger("organize_pages");
        QTRY_VERIFY(box->IsOrganizing());
    } else if (verb == "select") {
        view->SetSelection(positions);
    } else if (verb == "move") {
        emit view->SignalMoveRequested(view->Selection(), arg.toInt());
    } else if (verb == "rotate") {
        organizer->RotateSelection(arg.toInt());
    } else if (verb == "delete") {
        QVERIFY(organizer->DeleteSelection());
    } else if (verb == "duplicate") {
        organizer->DuplicateSelection();
    } else if (verb == "blank") {
        organizer->InsertBlankPage();
    } else if (verb == "insert") {
        QVERIFY(organizer->InsertFile(run.sources + "/other.pdf", arg.toInt()));
    } else if (verb == "drop") {
        // A file from the file manager, dropped on the left edge of a page.
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(run.sources + "/other.pdf")});
        const QPoint at = view->CellRect(arg.toInt()).topLeft() + QPoint(4, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QCOMPARE(view->DropIndicator(), arg.toInt());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        QVERIFY(drop.isAccepted());
    } else if (verb == "key") {
        const QKeySequence key(arg);
        QTest::keyClick(view, Qt::Key(key[0] & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
    } else if (verb == "extract") {
        QDir().mkpath(out);
        view->SetSelection(positions);
        QVERIFY(organizer->ExtractSelection(out + "/part.pdf"));
        run.written << out + "/part.pdf";
    } else if (verb == "split") {
        // A name already taken is never overwritten.
        QVERIFY(TestPdf::WriteBytes(out + "/doc_1.pdf", "keep me"));
        run.written = organizer->SplitInto(out, arg.toInt());
        QCOMPARE(TestPdf::ReadBytes(out + "/doc_1.pdf"), QByteArray("keep me"));
    } else if (verb == "note") {
        // note Kind x,y,w,h #colour contents
        PdfAnnotation a;
        a.page = 0;
        a.kind = PdfAnnotation::Kind(std::find(std::begin(kKinds), std::end(kKinds), arg) - std::begin(kKinds));
        const QList<double> r = Numbers(words.value(2));
        a.rect = QRectF(r.value(0), r.value(1), r.value(2), r.value(3));
        a.color = QColor(words.value(3));
        a.contents = words.mid(4).join(' ');
        a.author = "Tester";
        a.width = 3;
        a.fontSize = 16;
        if (a.HasTextMarkupGeometry())
            a.quads = {a.rect};
        if (a.kind == PdfAnnotation::Ink)
            a.paths = {{a.rect.topLeft(), a.rect.center() + QPointF(0, a.rect.height() / 2), a.rect.topRight()}};
        if (a.kind == PdfAnnotation::Line || a.kind == PdfAnnotation::Arrow)
            a.paths = {{a.rect.topLeft(), a.rect.bottomRight()}};
        push(CAnnotationCommand::NewCreate(store, a, "Add"));
    } else if (verb == "shift" || verb == "change") {
        // shift index dx,dy; change index dx,dy #colour width contents
        const PdfAnnotation before = store->PageAnnotations(0).value(arg.toInt());
        const QList<double> d = Numbers(words.value(2));
        PdfAnnotation after = before.Translated(QPointF(d.value(0), d.value(1)));
        if (verb == "change") {
            after.color = QColor(words.value(3));
            after.width = words.value(4).toDouble();
            after.contents = words.mid(5).join(' ');
        }
        push(CAnnotationCommand::NewChange(store, before, after, "Change"));
    } else if (verb == "remove") {
        push(CAnnotationCommand::NewRemove(store, store->PageAnnotations(0).value(arg.toInt()), "Delete"));
    } else if (verb == "type" || verb == "escape") {
        QCOMPARE(form->Activate(Field(box, arg)), !refused);
        if (refused)
            return;
        CInlineTextEditor* editor = form->Editor();
        QVERIFY(editor);
        editor->selectAll();
        const QStringList lines = rest.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            QTest::keyClicks(editor, lines.at(i));
        }
        // Escape gives a field its value back.
        if (verb == "escape")
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            editor->Commit();
    } else if (verb == "set") {
        PdfFormField field = Field(box, arg);
        field.text = rest;
        QCOMPARE(form->Change({field}, "x"), !refused);
        QVERIFY(!refused || !box->Forms()->Store()->SetValues({field}));
    } else if (verb == "click") {
        QCOMPARE(form->Activate(Field(box, arg, rest.toInt())), !refused);
    } else if (verb == "choose") {
        QCOMPARE(form->ChooseOption(Field(box, arg), rest.toInt()), !refused);
    } else if (verb == "protect") {
        // protect button open owner refused strength, "-" for nothing
        for (const QString& w : words.mid(1))
            run.protect << (w == "-" ? QString() : w);
        run.target = run.dir + "/copy.pdf";
        QSignalSpy marked(box, SIGNAL(SignalFirstThumbRendered(QString, bool)));
        box->HandleToolID(4);
        // The new protection is known at once: its thumbnail says so.
        QTRY_VERIFY(!marked.isEmpty() && marked.last().at(0).toString() == box->GetDocumentFilePath()
                    && marked.last().at(1).toBool() == !run.protect.at(1).isEmpty());
        run.password = run.protect.at(1);
    } else if (verb == "save") {
        box->OnMainMenuTrigger("save");
    } else if (verb == "saveas") {
        QVERIFY(box->SaveAs(run.dir + "/" + arg));
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

// The current data row as a folder name.
QString Tag()
{
    return QString::fromUtf8(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
}

} // namespace

class TestEdits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void failuresKeepTheOriginal_data();
    void failuresKeepTheOriginal();
    void damagedRecoveryChangesNothing_data();
    void damagedRecoveryChangesNothing();
    void encryptDialogChecksInput_data();
    void encryptDialogChecksInput();
    void formBarSaysWhatTheFormAllows_data();
    void formBarSaysWhatTheFormAllows();
    void tabGoesThroughFieldsInOrder();

private:
    MainBox* Open(const QString& source, Run& run, QString* path, const QString& folder = "rows/");
    QString dir;
};

void TestEdits::initTestCase()
{
    dir = TestEnv::MakeDir("edits");
    QVERIFY(TestPdf::Write(dir + "/plain.pdf", 4));
    QVERIFY(TestPdf::WriteRich(dir + "/plain.pdf", dir + "/rich.pdf", "notes.txt", "attached text"));
    QVERIFY(TestPdf::Write(dir + "/other.pdf", 2, QSizeF(595, 842), "Other"));
    QVERIFY(TestPdf::WriteEncrypted(dir + "/rich.pdf", dir + "/locked.pdf", "user", "owner"));
    QVERIFY(TestPdf::WriteBytes(dir + "/foreign.pdf", TestPdf::ForeignPdf()));
    QVERIFY(TestPdf::WriteBytes(dir + "/form.pdf", TestPdf::FormPdf(false)));
    QVERIFY(TestPdf::WriteBytes(dir + "/xfa.pdf", TestPdf::FormPdf(true)));
    // Protected by an owner password alone; the form one refuses filling.
    for (const QStringList& args : {QStringList {"--", dir + "/plain.pdf", dir + "/owner.pdf"},
                                    QStringList {"--form=n", "--annotate=n", "--", dir + "/form.pdf", dir + "/formlocked.pdf"}}) {
        const TestEnv::ChildResult run = TestEnv::RunChild("qpdf", QStringList {"--encrypt", "", "owner", "256"} + args);
        QVERIFY2(run.ExitCode() == 0, qPrintable(run.Output()));
    }
}

// source: a file made above, "name:password", or "new:pages" for a new
// document; folders are named after the row.
MainBox* TestEdits::Open(const QString& source, Run& run, QString* path, const QString& folder)
{
    run.sources = dir;
    run.password = source.section(':', 1);
    if (source.startsWith("new:")) {
        const int nPages = run.password.toInt();
        run.password.clear();
        run.dir = TestEnv::MakeDir(Tag());
        *path = run.dir + "/Untitled_1.pdf";
        int result = -1;
        return qobject_cast<MainBox*>(MainBox::CreatePdfBox(
            nullptr, {{"pageSize", QSizeF(595, 842)}, {"pageCount", nPages}, {"tempPath", *path}}, result));
    }
    *path = TestPdf::FreshCopy(dir + "/" + source.section(':', 0, 0) + ".pdf", folder + Tag());
    run.dir = QFileInfo(*path).absolutePath();
    return TestWindows::Document(*path, {{"zoom", 100.0}});
}

// Rows: the steps of an edit and what a reader then finds in the file, as
// lines of the digest above. Only categories a row names are compared, all
// of their lines ("form" and "crypt" lines need only be there). Besides:
// "appended" the original bytes start the file, "printed <text>" a reader
// prints it, "[!]look 1 x,y,w,h #colour" a reader and the tab draw (or no
// longer draw) that colour there, "asked <n>" so many messages were shown
// (none when not named).
void TestEdits::roundTrip_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");
    const QString four = "pages Page 1|Page 2|Page 3|Page 4";
    const QString upright = "turns 0 0 0 0";
    const QString chapter = "outline Chapter Two>";

    QTest::newRow("new document, save as") << "new:2" << "saveas Minutes" << QStringList {"file Minutes.pdf", "pages |"};

    QTest::newRow("last page first") << "rich" << "organize|select 3|move 0" << QStringList {"pages Page 4|Page 1|Page 2|Page 3", upright, chapter + "3"};
    QTest::newRow("last page first, the file has a second name") << "rich" << "organize|select 3|move 0" << QStringList {"pages Page 4|Page 1|Page 2|Page 3", upright, chapter + "3"};
    QTest::newRow("first two to the end") << "rich" << "organize|select 0,1|move 4" << QStringList {"pages Page 3|Page 4|Page 1|Page 2", upright, chapter + "4"};
    QTest::newRow("rotate right, one back twice") << "rich" << "organize|select 1,2|rotate 90|select 2|rotate -90|rotate -90" << QStringList {four, "turns 0 90 270 0", chapter + "2"};
    QTest::newRow("delete the outline's page") << "rich" << "organize|select 1|delete" << QStringList {"pages Page 1|Page 3|Page 4", "turns 0 0 0", "outline none"};
    QTest::newRow("delete by key") << "rich" << "organize|select 2,3|key Delete" << QStringList {"pages Page 1|Page 2", chapter + "2"};
    QTest::newRow("turned, then duplicated") << "rich" << "organize|select 0|rotate 90|duplicate" << QStringList {"turns 90 90 0 0 0"};
    QTest::newRow("duplicate") << "rich" << "organize|select 0,1|duplicate" << QStringList {"pages Page 1|Page 2|Page 1|Page 2|Page 3|Page 4", chapter + "2"};
    QTest::newRow("blank page") << "rich" << "organize|select 0|blank" << QStringList {"pages Page 1||Page 2|Page 3|Page 4", chapter + "3"};
    QTest::newRow("insert another file") << "rich" << "organize|insert 2" << QStringList {"pages Page 1|Page 2|Other 1|Other 2|Page 3|Page 4", chapter + "2"};
    QTest::newRow("file dropped on the grid") << "rich" << "organize|drop 0" << QStringList {"pages Other 1|Other 2|Page 1|Page 2|Page 3|Page 4", chapter + "4"};
    QTest::newRow("deleting every page is refused") << "rich" << "organize|key Ctrl+A|key Delete" << QStringList {"asked 1", four};
    // Each copy of page 1 keeps its own note, its own link (still to page 4,
    // now the second) and its own field, the copy's under a name of its own.
    QTest::newRow("links, notes, fields and files survive") << "rich" << "tool|select 0|move 4|rotate 90|duplicate|select 1|delete" << QStringList {"pages Page 2|Page 4|Page 1|Page 1", "turns 0 0 90 90", chapter + "1", "attach notes.txt=attached text", "annot 3 /Text", "annot 3 /Link >2", "annot 3 /Widget name=Ada", "annot 4 /Text", "annot 4 /Link >2", "annot 4 /Widget name+1=Ada", "form name=Ada", "form name+1=Ada"};
    QTest::newRow("extract pages 2 and 4") << "rich" << "organize|extract 1,3" << QStringList {"out Page 2|Page 4", four};
    QTest::newRow("split by three") << "rich" << "organize|split 3" << QStringList {"out Page 1|Page 2|Page 3", "out Page 4"};

    const QString note = "note 1 ";
    QTest::newRow("highlight") << "plain" << "note Highlight 40,50,130,40 #ffe14d look" << QStringList {"appended", note + "Highlight/Highlight #ffe14d quads 1 40,50 130x40 w1 by Tester: look"};
    QTest::newRow("underline") << "plain" << "note Underline 40,50,130,40 #2f80ed" << QStringList {"appended", note + "Underline/Underline #2f80ed quads 1 40,50 130x40 w1 by Tester: "};
    QTest::newRow("strike-out") << "plain" << "note StrikeOut 40,50,130,40 #e5484d gone" << QStringList {"appended", note + "StrikeOut/StrikeOut #e5484d quads 1 40,50 130x40 w1 by Tester: gone"};
    QTest::newRow("squiggly") << "plain" << "note Squiggly 40,50,130,40 #2fa84f" << QStringList {"appended", note + "Squiggly/Squiggly #2fa84f quads 1 40,50 130x40 w1 by Tester: "};
    QTest::newRow("sticky note") << "plain" << "note Note 400,300,24,24 #ffc400 Check this\nsecond line" << QStringList {"appended", note + "Note/Text #ffc400 at 400,300 24x24 w1 by Tester: Check this\nsecond line"};
    QTest::newRow("free text") << "plain" << "note FreeText 300,600,200,40 #e5484d Typed on the page" << QStringList {"appended", note + "FreeText/FreeText #e5484d at 300,600 200x40 size 16 w0 by Tester: Typed on the page"};
    QTest::newRow("ink") << "plain" << "note Ink 100,650,120,60 #1f9e44" << QStringList {"appended", note + "Ink/Ink #1f9e44 from 100,650 to 220,650 w3 by Tester: "};
    QTest::newRow("rectangle") << "plain" << "note Rectangle 80,400,150,90 #e5484d box" << QStringList {"appended", note + "Rectangle/Square #e5484d at 80,400 150x90 w3 by Tester: box"};
    QTest::newRow("ellipse") << "plain" << "note Ellipse 300,400,150,90 #2f80ed" << QStringList {"appended", note + "Ellipse/Circle #2f80ed at 300,400 150x90 w3 by Tester: "};
    QTest::newRow("line") << "plain" << "note Line 60,720,200,60 #1f2329" << QStringList {"appended", note + "Line/Line #1f2329 from 60,720 to 260,780 w3 by Tester: "};
    QTest::newRow("arrow") << "plain" << "note Arrow 300,720,200,60 #e5484d there" << QStringList {"appended", note + "Arrow/Line #e5484d from 300,720 to 500,780 w3 by Tester: there"};
    QTest::newRow("comment changed") << "plain" << "note Rectangle 100,100,80,60 #ff0000 first|change 0 50,70 #2f80ed 6 second" << QStringList {note + "Rectangle/Square #2f80ed at 150,170 80x60 w6 by Tester: second"};
    // Another program's comments keep their own pictures wherever they go.
    QTest::newRow("foreign square moved") << "foreign" << "shift 0 0,150" << QStringList {note + "Rectangle/Square #00ff00 at 100,392 100x100 w1 by Bob: square by bob", note + "Other/Stamp #000000 at 300,292 100x50 w1 by Carol: ", "look 1 110,402,80,80 #ff0000", "!look 1 110,252,80,80 #ff0000", "look 1 310,302,80,30 #0000ff"};
    QTest::newRow("foreign stamp deleted") << "foreign" << "remove 1" << QStringList {note + "Rectangle/Square #00ff00 at 100,242 100x100 w1 by Bob: square by bob", "look 1 110,252,80,80 #ff0000", "!look 1 310,302,80,30 #0000ff"};
    QTest::newRow("comment on a protected file") << "owner" << "note Note 300,300,24,24 #ffc400 Still locked?" << QStringList {note + "Note/Text #ffc400 at 300,300 24x24 w1 by Tester: Still locked?", "crypt R = 6"};

    QTest::newRow("field shown twice") << "form" << "type city Berlin" << QStringList {"form city=Berlin", "form city=Berlin", "field id=R-1001", "field city=Berlin", "field city=Berlin", "look 1 300,262,150,20 #000000"};
    QTest::newRow("one-line text") << "form" << "type name Ada Lovelace" << QStringList {"form name=Ada Lovela", "field name=Ada Lovela", "field id=R-1001", "printed Ada Lovela"};
    QTest::newRow("multi-line text") << "form" << "type notes first line\nsecond line|escape name thrown away" << QStringList {"form notes=first line\nsecond line", "field notes=first line\nsecond line", "field id=R-1001"};
    QTest::newRow("check box") << "form" << "click agree" << QStringList {"form agree=/Yes", "field agree=0", "field id=R-1001"};
    QTest::newRow("radio changed") << "form" << "click size 0|click size 1" << QStringList {"form size=/M", "field size=1", "field id=R-1001"};
    QTest::newRow("combo box") << "form" << "choose color 2" << QStringList {"form color=Blue", "field color=Blue", "field id=R-1001"};
    QTest::newRow("list, two choices") << "form" << "choose tags 0|choose tags 2" << QStringList {"form tags=Alpha,Gamma", "field tags=Alpha,Gamma", "field id=R-1001"};
    QTest::newRow("typing stops at the limit, read-only field refused") << "form" << "type name 0123456789ABCDEF|!type id changed|!set id changed" << QStringList {"form name=0123456789", "form id=R-1001", "field name=0123456789", "field id=R-1001"};
    QTest::newRow("values set otherwise") << "form" << "set notes typed elsewhere|set name abcdefghijklmnop" << QStringList {"field name=abcdefghij", "field notes=typed elsewhere", "field id=R-1001"};
    QTest::newRow("reset button") << "form" << "type name Grace|click agree|click size 0|choose color 0|click reset" << QStringList {"form size=/M", "form color=Green", "field size=1", "field color=Green", "field id=R-1001"};

    QTest::newRow("open password, AES-256") << "rich" << "protect button_ok s3cret - - aes256" << QStringList {"asked 1", four, "crypt R = 6", "crypt print high resolution: allowed", "crypt modify document assembly: allowed"};
    QTest::newRow("no printing, copying or page changes") << "rich" << "protect button_ok s3cret boss print,copy,assembly aes256" << QStringList {"asked 1", four, "crypt R = 6", "crypt print low resolution: not allowed", "crypt extract for any purpose: not allowed", "crypt modify document assembly: not allowed", "crypt modify forms: allowed"};
    QTest::newRow("no editing, comments or forms, AES-128") << "rich" << "protect button_ok s3cret boss edit,annotate,forms aes128" << QStringList {"asked 1", four, "crypt R = 4", "crypt modify forms: not allowed", "crypt modify annotations: not allowed", "crypt modify other: not allowed", "crypt print high resolution: allowed"};
    QTest::newRow("protected as a new file") << "rich" << "protect button_save_new s3cret - - aes256" << QStringList {"file copy.pdf", four, "crypt R = 6"};
    QTest::newRow("protection removed") << "locked:owner" << "protect button_remove - - - aes256" << QStringList {"asked 1", four, "crypt File is not encrypted"};
}

void TestEdits::roundTrip()
{
    QFETCH(QString, source);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    Run run;
    ModalAnswerer answerer([&run](QWidget* dialog) { Answer(&run, dialog); }, 10);
    // A user who keeps new files from others: a new file written is theirs
    // alone to read, as any other new file would be.
    const mode_t umask = ::umask(027);
    const auto restoreUmask = qScopeGuard([umask]() { ::umask(umask); });
    QString path;
    QScopedPointer<MainBox> box(Open(source, run, &path));
    QVERIFY(box);
    const QByteArray before = TestPdf::ReadBytes(path);
    // A file shared with a group and readable by others, with an access
    // list and attributes of its own, and maybe a second name: a save keeps
    // all of it. Commented files have no access list: it sets the mode
    // bits itself, and would hide a mode that was not kept.
    const QString link = path + ".link";
    const bool linked = QString(QTest::currentDataTag()).contains("second name");
    const QByteArray acl = source == "plain" ? QByteArray() : kAcl;
    const QByteArray name = QFile::encodeName(path);
    if (!source.startsWith("new:")) {
        const gid_t group = ::geteuid() == 0 ? 65534 : ::getegid();
        QCOMPARE(::chown(name.constData(), ::geteuid(), group), 0);
        QCOMPARE(::chmod(name.constData(), acl.isEmpty() ? 0644 : 0664), 0);
        QCOMPARE(::setxattr(name.constData(), "user.origin", "scanner", 7, 0), 0);
        if (!acl.isEmpty())
            QCOMPARE(::setxattr(name.constData(), "system.posix_acl_access", acl.constData(), size_t(acl.size()), 0), 0);
        if (linked)
            QCOMPARE(::link(name.constData(), QFile::encodeName(link).constData()), 0);
    }
    struct stat original {};
    QCOMPARE(::stat(name.constData(), &original), 0);
    box->resize(900, 700);
    box->show();
    QSignalSpy dirty(box.data(), SIGNAL(SignalDocumentChanged(bool)));
    QSignalSpy savedAs(box.data(), SIGNAL(SignalDocumentSaveAs(QString, QString)));
    QUndoStack* stack = box->Session()->UndoStack();
    // What the document holds after each undoable step.
    QHash<int, QStringList> live {{0, Live(box.data())}};
    for (const QString& step : steps.split('|')) {
        Do(box.data(), step, run);
        if (QTest::currentTestFailed())
            return;
        live[stack->index()] = Live(box.data());
    }

    if (box->IsDirty()) {
        QCOMPARE(dirty.last().at(0).toBool(), true);
        // Undo gives back each earlier state exactly, down to the file as
        // it was; redo each later one.
        const int done = stack->index();
        auto press = [&](bool redo) {
            if (box->IsOrganizing())
                QTest::keyClick(box->Organizer()->View(), Qt::Key_Z, redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            else
                box->OnMainMenuTrigger(redo ? "redo" : "undo");
        };
        for (int i = 0; i < 20 && stack->index() > 0; ++i) {
            press(false);
            if (live.contains(stack->index()))
                QCOMPARE(Live(box.data()), live.value(stack->index()));
        }
        QVERIFY(!box->IsDirty());
        QCOMPARE(dirty.last().at(0).toBool(), false);
        for (int i = 0; i < 20 && stack->index() < done; ++i) {
            press(true);
            if (live.contains(stack->index()))
                QCOMPARE(Live(box.data()), live.value(stack->index()));
        }
        QVERIFY(box->IsDirty());
        if (box->IsOrganizing())
            QCOMPARE(box->Organizer()->StatusText().section(' ', 1, 1).toInt(), box->Session()->Plan().Pages().size());

        // What a recovery copy keeps makes the same comments and fields on
        // the file as it was.
        const QJsonArray kept = CEditRecovery::Steps(stack);
        if (!kept.isEmpty()) {
            Run other;
            QString copy;
            QScopedPointer<MainBox> recovered(Open(source, other, &copy, "recovered/"));
            QVERIFY(CEditRecovery::Replay(kept, recovered->Annotations(), recovered->Forms()->Store(), recovered->Session()->UndoStack()));
            QVERIFY(recovered->IsDirty());
            QCOMPARE(Live(recovered.data(), false), Live(box.data(), false));
        }
    }
    // The tab shows the first page as the file will.
    const QImage shown = box->Annotations()->Document()->RenderPage(0, 1.0);
    if (box->IsDirty())
        box->OnMainMenuTrigger("save");
    QVERIFY(!box->IsDirty());
    if (!dirty.isEmpty())
        QCOMPARE(dirty.last().at(0).toBool(), false);

    // A new name is announced, so the tab and the recent list follow it.
    const QString written = box->GetDocumentFilePath();
    QCOMPARE(savedAs.count(), written != path ? 1 : 0);
    if (written != path)
        QCOMPARE(savedAs.at(0), QVariantList({QFileInfo(path).absoluteFilePath(), written}));
    if ((written != path || (dirty.isEmpty() && run.protect.isEmpty())) && !source.startsWith("new:"))
        QCOMPARE(TestPdf::ReadBytes(path), before);
    QCOMPARE(TestPdf::StructureProblems(written, run.password), QString());
    if (written != path) {
        struct stat made {};
        QCOMPARE(::stat(QFile::encodeName(written).constData(), &made), 0);
        QCOMPARE(QString::number(made.st_mode & 0777, 8), QString("640"));
    }
    if (written == path && !source.startsWith("new:")) {
        struct stat now {};
        QCOMPARE(::stat(name.constData(), &now), 0);
        QCOMPARE(QString::number(now.st_mode, 8), QString::number(original.st_mode, 8));
        QCOMPARE(now.st_gid, original.st_gid);
        QCOMPARE(now.st_uid, original.st_uid);
        char value[16] = {};
        QCOMPARE(::getxattr(name.constData(), "user.origin", value, sizeof(value)), ssize_t(7));
        QCOMPARE(QByteArray(value), QByteArray("scanner"));
        QByteArray kept(64, '\0');
        kept.resize(qMax(0, int(::getxattr(name.constData(), "system.posix_acl_access", kept.data(), size_t(kept.size())))));
        QCOMPARE(kept, acl);
        // Both names still name one file, which has the new content.
        if (linked) {
            QCOMPARE(now.st_ino, original.st_ino);
            QCOMPARE(TestPdf::ReadBytes(link), TestPdf::ReadBytes(path));
        }
    }
    CPdfDocument::LoadStatus status;
    if (!run.password.isEmpty()) {
        QVERIFY(!CPdfDocument::Load(written, "wrong", &status));
        QCOMPARE(status, CPdfDocument::WrongPassword);
        QVERIFY(!CPdfDocument::Load(written, QByteArray(), &status));
        QCOMPARE(status, CPdfDocument::NeedsPassword);
    }

    // Opened anew, the engine shows what was written.
    QScopedPointer<MainBox> again(TestWindows::Document(written));
    QVERIFY(again);
    QStringList digest = Digest(written, run.password) + FieldLines(again.data());
    digest << QStringLiteral("asked %1").arg(run.asked.size());
    for (const QString& file : run.written) {
        QStringList labels = Digest(file, QString()).filter(QRegularExpression("^pages ")).mid(0, 1);
        digest << "out " + labels.value(0).mid(6);
        QCOMPARE(TestPdf::StructureProblems(file), QString());
    }
    // No message is expected unless the row says so.
    if (expected.filter(QRegularExpression("^asked ")).isEmpty())
        expected << "asked 0";
    QSet<QString> categories;
    for (const QString& line : expected)
        categories << line.section(' ', 0, 0);
    for (const QString& category : categories) {
        const QStringList want = expected.filter(QRegularExpression("^" + QRegularExpression::escape(category) + " "));
        const QStringList got = digest.filter(QRegularExpression("^" + QRegularExpression::escape(category) + " "));
        if (category == "form" || category == "crypt") {
            // As often as named: a field shown twice is read twice.
            for (const QString& line : want)
                QVERIFY2(got.count(line) >= want.count(line), qPrintable(line + " not in\n" + got.join('\n')));
        } else if (category == "appended") {
            QVERIFY(TestPdf::ReadBytes(written).size() > before.size() && TestPdf::ReadBytes(written).startsWith(before));
        } else if (category == "printed") {
            for (const QString& line : want)
                QVERIFY(TestEnv::RunChild("pdftotext", {"-f", "1", "-l", "1", written, "-"}).out.contains(line.mid(8).toUtf8()));
        } else if (category.endsWith("look")) {
            for (const QString& line : want) {
                const QStringList w = line.split(' ');
                const QList<double> r = Numbers(w.at(2));
                const QRectF area(r.value(0), r.value(1), r.value(2), r.value(3));
                QCOMPARE(ShowsColor(Rendered(written, w.at(1).toInt() - 1), area, QColor(w.at(3))), !category.startsWith('!'));
                QCOMPARE(ShowsColor(shown, area, QColor(w.at(3))), !category.startsWith('!'));
            }
        } else {
            QCOMPARE(got, want);
        }
    }
    // Own comments are drawn by other readers where and as they were made.
    for (int page = 0; run.password.isEmpty() && page < again->PageCount(); ++page) {
        for (const PdfAnnotation& a : again->Annotations()->PageAnnotations(page)) {
            if (a.IsOwn())
                QVERIFY2(ShowsColor(Rendered(written, page), a.rect, a.color), qPrintable(NoteLine(a)));
        }
    }
    // Saving a document that has not changed writes nothing.
    const QByteArray saved = TestPdf::ReadBytes(written);
    QSignalSpy noSave(again.data(), SIGNAL(SignalDocumentSaveAs(QString, QString)));
    again->OnMainMenuTrigger("save");
    QCOMPARE(noSave.count(), 0);
    QCOMPARE(TestPdf::ReadBytes(written), saved);
}

void TestEdits::failuresKeepTheOriginal_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    const QString deleteFirst = "organize|select 0|delete";
    QTest::newRow("read-only folder") << "rich" << deleteFirst << "folder" << "does not allow changes";
    QTest::newRow("read-only file") << "rich" << deleteFirst << "file" << "is read-only";
    QTest::newRow("disk full") << "rich" << deleteFirst << "full" << "could not be written";
    QTest::newRow("disk full, with a comment") << "plain" << "note Ink 50,50,200,200 #ff0000" << "full" << "Nothing was written";
    QTest::newRow("source removed") << "rich" << deleteFirst << "removed" << "moved or deleted";
    QTest::newRow("source changed") << "rich" << deleteFirst << "changed" << "changed by another program";
    QTest::newRow("source changed in place, same size and time") << "rich" << deleteFirst << "rewritten" << "changed by another program";
    // Save at the close question fails: the document stays open.
    QTest::newRow("disk full, saving at close") << "rich" << deleteFirst << "full at close" << "could not be written";
    QTest::newRow("save as where a file is in the way") << "plain" << "note Ink 50,50,200,200 #ff0000" << "blocked" << "Failed to Save";
    // Page changes are not the user's to make either.
    QTest::newRow("protection without the permissions password") << "locked:user" << "!organize" << "owner" << "permissions password";
}

void TestEdits::failuresKeepTheOriginal()
{
    QFETCH(QString, source);
    QFETCH(QString, steps);
    QFETCH(QString, failure);
    QFETCH(QString, message);
    Run run;
    ModalAnswerer answerer([&run](QWidget* dialog) { Answer(&run, dialog); }, 10);
    QString path;
    QScopedPointer<MainBox> box(Open(source, run, &path));
    QVERIFY(box);
    const QString folder = run.dir;
    for (const QString& step : steps.split('|')) {
        if (step == "!organize") {
            box->ShowOrganizer();
            QVERIFY(!box->IsOrganizing());
            continue;
        }
        Do(box.data(), step, run);
    }
    QByteArray expected = TestPdf::ReadBytes(path);
    if (failure == "removed" || failure == "changed") {
        QFile::remove(path);
        expected.clear();
    }
    if (failure == "changed") {
        QVERIFY(QFile::copy(dir + "/other.pdf", path));
        expected = TestPdf::ReadBytes(path);
    }
    if (failure == "rewritten") {
        // Another program changes a byte and sets the time back.
        const QDateTime time = QFileInfo(path).lastModified();
        expected[expected.size() / 2] = char(expected.at(expected.size() / 2) ^ 1);
        QVERIFY(TestPdf::WriteBytes(path, expected));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    QScopedPointer<ReadOnly> readOnly(failure == "folder" || failure == "file" ? new ReadOnly(failure == "folder" ? folder : path) : nullptr);
    QScopedPointer<FileSizeLimit> full(failure.startsWith("full") ? new FileSizeLimit(2048) : nullptr);
    if (failure == "owner") {
        box->OnMainMenuTrigger("protect");
    } else if (failure == "blocked") {
        QVERIFY(TestPdf::WriteBytes(folder + "/blocked", "x"));
        QString error;
        QVERIFY(!box->SaveAs(folder + "/blocked/copy.pdf", &error));
        QVERIFY(!error.isEmpty());
    } else if (failure.endsWith("at close")) {
        QSignalSpy closed(box.data(), SIGNAL(SignalDocumentClosed(bool)));
        QVERIFY(!box->close());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0).at(0).toBool(), false);
    } else {
        box->OnMainMenuTrigger("save");
    }
    full.reset();
    readOnly.reset();
    QCOMPARE(run.asked.size(), failure == "owner" || failure.endsWith("at close") ? 2 : 1);
    QVERIFY2(run.asked.last().contains(message), qPrintable(run.asked.join('\n')));
    // Nothing of the attempt is left, and the original is as it was.
    QCOMPARE(box->GetDocumentFilePath(), path);
    QCOMPARE(TestPdf::ReadBytes(path), expected);
    QCOMPARE(QFile::exists(path), failure != "removed");
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), failure == "removed" ? 0 : failure == "blocked" ? 2 : 1);
    // The changes are still there, to save once the way is clear.
    QCOMPARE(box->IsDirty(), failure != "owner");
    if (failure == "folder" || failure == "file" || failure == "full") {
        box->OnMainMenuTrigger("save");
        QVERIFY(!box->IsDirty());
        QCOMPARE(TestPdf::StructureProblems(path), QString());
    }
}

void TestEdits::damagedRecoveryChangesNothing_data()
{
    QTest::addColumn<QByteArray>("steps");
    QTest::addColumn<bool>("planFits"); // false: the page plan is for another file
    const QByteArray square = R"("annotation": {"page": 0, "index": 0, "kind": 7, "rect": [1, 1, 9, 9], "color": "#ff0000"})";
    QTest::newRow("unknown kind") << QByteArray(R"([{"stamp": 1}])") << true;
    QTest::newRow("page out of range") << "[{\"action\": 0, " + QByteArray(square).replace("\"page\": 0", "\"page\": 9") + "}]" << true;
    QTest::newRow("change of a comment not there") << "[{\"action\": 1, " + QByteArray(square).replace("\"index\": 0", "\"index\": 5") + "}]" << true;
    QTest::newRow("not a rectangle") << "[{\"action\": 0, " + QByteArray(square).replace("[1, 1,", "[1, \"x\",") + "}]" << true;
    QTest::newRow("no colour") << "[{\"action\": 0, " + QByteArray(square).replace(", \"color\": \"#ff0000\"", "") + "}]" << true;
    QTest::newRow("good step, page plan of another file") << "[{\"action\": 0, " + square + "}]" << false;
    QTest::newRow("field not there, after a good step") << "[{\"action\": 0, " + square + R"(}, {"fields": [{"id": 42, "text": "x"}]}])" << true;
}

void TestEdits::damagedRecoveryChangesNothing()
{
    QFETCH(QByteArray, steps);
    QFETCH(bool, planFits);
    QVERIFY(!QJsonDocument::fromJson(steps).isNull());
    QScopedPointer<MainBox> box(TestWindows::Document(TestPdf::FreshCopy(dir + "/plain.pdf", "recovery")));
    QScopedPointer<MainBox> other(TestWindows::Document(TestPdf::FreshCopy(dir + "/plain.pdf", "recovery-other")));
    QJsonObject state = (planFits ? box : other)->Session()->RecoveryState();
    state.insert("steps", QJsonDocument::fromJson(steps).array());
    QString error;
    QVERIFY(!box->RestoreRecovery(state, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(box->Annotations()->PageAnnotations(0).isEmpty());
    QVERIFY(!box->IsDirty());
    // Nothing to undo, nor a step to redo that would bring the damage back.
    QVERIFY(!box->Session()->UndoStack()->canUndo() && !box->Session()->UndoStack()->canRedo());
}

void TestEdits::encryptDialogChecksInput_data()
{
    QTest::addColumn<QStringList>("fields"); // open, confirm, owner, owner confirm
    QTest::addColumn<bool>("restrict");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QStringList {"", "", "", ""} << false << "Enter a password";
    QTest::newRow("mismatch") << QStringList {"abc", "abd", "", ""} << false << "do not match";
    QTest::newRow("no permissions password") << QStringList {"abcdefg1", "abcdefg1", "", ""} << true << "Enter a permissions password";
    QTest::newRow("permissions mismatch") << QStringList {"abcdefg1", "abcdefg1", "x", "y"} << true << "permissions passwords do not match";
    QTest::newRow("same as open") << QStringList {"Abcdefgh123!", "Abcdefgh123!", "Abcdefgh123!", "Abcdefgh123!"} << true << "must differ";
    QTest::newRow("good") << QStringList {"aaaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaa", "", ""} << false << "";
}

void TestEdits::encryptDialogChecksInput()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, restrict);
    QFETCH(QString, error);
    CEncryptBox box("doc.pdf", false);
    box.show();
    const char* names[] = {"line_open_password", "line_open_confirm", "line_owner_password", "line_owner_confirm"};
    for (int i = 0; i < 4; ++i)
        box.findChild<QLineEdit*>(names[i])->setText(fields.at(i));
    box.findChild<QCheckBox*>("check_restrict")->setChecked(restrict);
    ModalAnswerer::ClickButton(&box, "button_ok");
    QVERIFY2(error.isEmpty() ? box.ErrorText().isEmpty() : box.ErrorText().contains(error), qPrintable(box.ErrorText()));
    QCOMPARE(box.result(), error.isEmpty() ? int(CEncryptBox::SaveOver) : 0);
}

void TestEdits::formBarSaysWhatTheFormAllows_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("state");
    QTest::newRow("no form") << "plain" << int(CFormBar::NoForm);
    QTest::newRow("form") << "form" << int(CFormBar::Fillable);
    QTest::newRow("filling forbidden") << "formlocked" << int(CFormBar::Locked);
    QTest::newRow("XFA only") << "xfa" << int(CFormBar::XfaOnly);
}

void TestEdits::formBarSaysWhatTheFormAllows()
{
    QFETCH(QString, file);
    QFETCH(int, state);
    QScopedPointer<MainBox> box(TestWindows::Document(dir + "/" + file + ".pdf"));
    QVERIFY(box);
    box->show();
    CFormBar* bar = box->Forms()->Bar();
    QCOMPARE(int(bar->GetState()), state);
    QCOMPARE(bar->isVisible(), state != CFormBar::NoForm);
    if (state == CFormBar::Fillable) {
        bar->HighlightButton()->click();
        QVERIFY(box->Forms()->Layer()->IsHighlighting());
    }
    if (state == CFormBar::Locked) {
        QVERIFY(!box->Forms()->Layer()->Activate(Field(box.data(), "agree")));
        QVERIFY(!Field(box.data(), "agree").state);
        QVERIFY(!box->IsDirty());
    }
}

void TestEdits::tabGoesThroughFieldsInOrder()
{
    QScopedPointer<MainBox> box(TestWindows::Document(TestPdf::FreshCopy(dir + "/form.pdf", "tab"), {{"zoom", 100.0}}));
    box->resize(1000, 900);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    CFormLayer* layer = box->Forms()->Layer();
    auto press = [&](Qt::Key key) {
        const bool editing = layer->Editor() && !layer->Editor()->IsFinished();
        QTest::keyClick(editing ? static_cast<QWidget*>(layer->Editor()) : box->PageView(), key,
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
        return box->Forms()->Store()->Find(layer->FocusedField()).name;
    };
    box->PageView()->setFocus();
    QStringList forward;
    for (int i = 0; i < 12; ++i)
        forward << press(Qt::Key_Tab);
    // Read-only fields are passed by; after the last comes the first again.
    QCOMPARE(forward, QStringList({"name", "notes", "agree", "size", "size", "size", "color", "tags", "reset", "city", "city", "name"}));
    QCOMPARE(press(Qt::Key_Backtab), QString("city"));
    // Space ticks the focused box.
    while (box->Forms()->Store()->Find(layer->FocusedField()).name != "agree")
        layer->FocusNext(true);
    QTest::keyClick(box->PageView(), Qt::Key_Space);
    QVERIFY(Field(box.data(), "agree").state);
}

RV_TEST_MAIN(TestEdits)
#include "tst_edits.moc"
