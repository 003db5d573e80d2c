// Page editing: text, pictures and links added to pages as their content,
// pictures moved, resized and deleted, links led elsewhere and removed;
// each an undo step, kept by a recovery copy, saved and read back by
// poppler, mupdf and qpdf.

#include "CEditSession.h"
#include "CInlineTextEditor.h"
#include "CPageEditBar.h"
#include "CPageEditController.h"
#include "CPageEditLayer.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontComboBox>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QUndoStack>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QRectF Rect(const QString& text)
{
    const QStringList n = text.split(',');
    return QRectF(n.value(0).toDouble(), n.value(1).toDouble(), n.value(2).toDouble(), n.value(3).toDouble());
}

QString Box(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(qRound(r.x())).arg(qRound(r.y())).arg(qRound(r.width())).arg(qRound(r.height()));
}

QString Target(const PdfLink& link)
{
    return link.kind == PdfLink::Uri ? link.target : ">" + QString::number(link.page + 1);
}

// What page editing shows of the first page: its pictures and added texts,
// and its links.
QStringList Live(CPageEditController* edits)
{
    QStringList lines;
    for (const PageObject& object : edits->Layer()->Objects(0))
        lines << QStringLiteral("%1 %2").arg(object.image ? "picture" : "text", Box(object.area));
    for (const PdfLink& link : edits->Layer()->Links(0))
        lines << "link " + Box(link.area) + " " + Target(link);
    return lines;
}

// Whether the middle of area is about that colour.
bool Shows(const QImage& page, const QRectF& area, const QColor& color)
{
    const QColor got = page.pixelColor(area.center().toPoint());
    return qAbs(got.red() - color.red()) + qAbs(got.green() - color.green()) + qAbs(got.blue() - color.blue()) < 60;
}

// A page with "Picture page" and a red picture drawn as a whole image
// object, 100 x 100 pt at 300,500.
bool WritePicturePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(595, 842), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.setFont(QFont("DejaVu Sans", 20));
    painter.drawText(QPointF(40, 80), "Picture page");
    QImage red(50, 50, QImage::Format_RGB32);
    red.fill(Qt::red);
    painter.drawImage(QRectF(300, 500, 100, 100), red);
    return painter.end();
}

bool WriteImage(const QString& path, const QSize& size, const char* format, const QColor& left, const QColor& right)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(right);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), left);
    painter.end();
    return image.save(path, format, 95);
}

} // namespace

class TestPageEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editsRoundTrip_data();
    void editsRoundTrip();

private:
    QString dir;
};

void TestPageEdit::initTestCase()
{
    dir = TestEnv::MakeDir("pageedit");
    QVERIFY(TestPdf::Write(dir + "/plain.pdf", 4));
    QVERIFY(TestPdf::WriteRich(dir + "/plain.pdf", dir + "/rich.pdf", "notes.txt", "attached"));
    QVERIFY(TestPdf::WriteRotated(dir + "/plain.pdf", dir + "/turned.pdf", 90));
    QVERIFY(TestPdf::WriteEncrypted(dir + "/plain.pdf", dir + "/locked.pdf", "user", "owner"));
    QVERIFY(WritePicturePdf(dir + "/picture.pdf"));
    QVERIFY(WriteImage(dir + "/red.png", QSize(80, 40), "PNG", Qt::red, Qt::red));
    QVERIFY(WriteImage(dir + "/green.jpg", QSize(64, 64), "JPEG", QColor(0, 160, 0), QColor(0, 160, 0)));
    // Half see-through: the page shows through its left half.
    QVERIFY(WriteImage(dir + "/glass.png", QSize(80, 80), "PNG", Qt::transparent, Qt::magenta));
    QVERIFY(TestPdf::WriteBytes(dir + "/garbage.png", TestPdf::Garbage(3000, 7)));
}

// Steps on the first page, through the calls the layer and the bar make:
// "text x,y Family: words", "image cx,cy file", "link x,y,w,h page|address",
// "move i x,y,w,h", "drag i dx,dy" (the mouse), "delete i", "retarget i
// page|address", "unlink i", "tool" (the home page's tile). A step with "!"
// is refused with a message containing the row's "error" line, and nothing
// changes. Expected, in the saved file: "text <words>" pdftotext prints,
// "word <w> x,y" poppler finds there, "[!]color x,y,w,h #rgb" poppler and
// mupdf draw in the middle of the area, "links" every link poppler finds,
// "subset" pdffonts lists the added fonts as embedded subsets with their text.
void TestPageEdit::editsRoundTrip_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");
    const QString red = "#ff0000";

    QTest::newRow("text, Latin, Cyrillic and Greek") << "plain" << "tool|text 60,400 DejaVu Sans: Grüße Привет Ελλάδα" << QStringList {"text Grüße Привет Ελλάδα", "word Grüße 60,400", "word Привет 107,400", "subset", "links"};
    QTest::newRow("text in a CJK font") << "plain" << "text 60,450 Noto Sans CJK SC: 漢字かな 한국어" << QStringList {"text 漢字かな 한국어", "subset"};
    QTest::newRow("PNG picture") << "plain" << "image 450,600 red.png" << QStringList {"color 420,585,60,30 " + red, "!color 420,640,60,30 " + red};
    QTest::newRow("JPEG picture, dragged and resized") << "plain" << "image 450,600 green.jpg|drag 0 -300,0|move 0 100,650,120,120" << QStringList {"color 100,650,120,120 #00a000", "!color 426,576,48,48 #00a000"};
    QTest::newRow("see-through PNG over the block") << "plain" << "image 200,200 glass.png" << QStringList {"color 170,170,30,60 #285adc", "color 200,170,30,60 #ff00ff"};
    QTest::newRow("picture of the file moved") << "picture" << "move 0 50,600,50,50" << QStringList {"color 50,600,50,50 " + red, "!color 300,500,100,100 " + red, "text Picture page"};
    QTest::newRow("picture of the file deleted") << "picture" << "delete 0" << QStringList {"!color 300,500,100,100 " + red, "text Picture page"};
    QTest::newRow("added text deleted, picture kept") << "plain" << "text 60,400 DejaVu Sans: Gone|image 450,600 red.png|delete 0" << QStringList {"!text Gone", "color 420,585,60,30 " + red};
    QTest::newRow("links to a page and a web address") << "plain" << "link 50,600,200,30 3|link 50,650,200,30 https://example.org/a?b=1" << QStringList {"links 50,600 200x30 >3|50,650 200x30 https://example.org/a?b=1"};
    QTest::newRow("link led elsewhere") << "rich" << "retarget 0 https://example.org/new" << QStringList {"links 40,802 160x20 https://example.org/new"};
    QTest::newRow("link removed") << "rich" << "unlink 0" << QStringList {"links"};
    QTest::newRow("turned page") << "turned" << "image 100,100 red.png|text 100,300 DejaVu Sans: Turned" << QStringList {"color 70,85,60,30 " + red, "word Turned 100,301", "text Turned"};
    QTest::newRow("protected, permissions password") << "locked:owner" << "text 60,400 DejaVu Sans: Owner" << QStringList {"text Owner", "protected"};

    QTest::newRow("unreadable picture") << "plain" << "!image 300,400 garbage.png" << QStringList {"error not a PNG or JPEG"};
    QTest::newRow("missing picture") << "plain" << "!image 300,400 none.png" << QStringList {"error could not be read"};
    QTest::newRow("font without the character") << "plain" << "!text 60,300 DejaVu Sans: 漢字" << QStringList {"error has no character for \"漢\""};
    QTest::newRow("link to a page the document lacks") << "plain" << "!link 50,600,100,20 9" << QStringList {"error has no page 9"};
    QTest::newRow("link to a script") << "plain" << "!link 50,600,100,20 javascript:alert(1)" << QStringList {"error is not a web address"};
    QTest::newRow("permissions refuse changes") << "locked:user" << "!tool" << QStringList {"error do not allow changing"};
}

void TestPageEdit::editsRoundTrip()
{
    QFETCH(QString, source);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    const QString password = source.section(':', 1);
    const QString tag = QString::fromUtf8(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    const QString path = TestPdf::FreshCopy(dir + "/" + source.section(':', 0, 0) + ".pdf", tag);
    // Someone else's file in a group of its own, where the test may give it
    // away (as root): saving keeps owner, group and mode.
    const QString owner = ::geteuid() == 0 ? QString("4321:4322") : QString::asprintf("%u:%u", ::geteuid(), ::getegid());
    QVERIFY(::chown(QFile::encodeName(path).constData(), owner.section(':', 0, 0).toUInt(), owner.section(':', 1).toUInt()) == 0);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    const QByteArray before = TestPdf::ReadBytes(path);
    // The password when asked; any other box is a message to keep.
    QStringList errors;
    ModalAnswerer answer(
        [&errors, password](QWidget* dialog) {
            if (auto* line = dialog->findChild<QLineEdit*>("line_password")) {
                line->setText(password);
                ModalAnswerer::ClickButton(dialog, "button_ok");
                return;
            }
            QStringList texts;
            for (QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
            errors << texts.join(' ');
            ModalAnswerer::ClickButton(dialog, "button_3");
        },
        10);
    QScopedPointer<MainBox> box(TestWindows::Document(path, {{"zoom", 100.0}}));
    QVERIFY(box);
    box->resize(900, 700);
    box->show();
    CPageEditController* edits = box->PageEdits();
    QUndoStack* stack = box->Session()->UndoStack();
    if (!steps.contains("tool")) {
        box->OnMainMenuTrigger("page_edit");
        QVERIFY(edits->IsShown());
        QTRY_VERIFY(edits->Layer()->HasPage(0) && !edits->IsBusy());
    }
    // What page editing shows after each undo step.
    QHash<int, QStringList> live {{0, Live(edits)}};
    for (const QString& step : steps.split('|')) {
        const bool refused = step.startsWith('!');
        const QStringList words = step.mid(refused ? 1 : 0).split(' ');
        const QString verb = words.at(0);
        const QString arg = words.value(1);
        const QString rest = words.mid(2).join(' ');
        bool done = true;
        if (verb == "tool") {
            box->HandleToolID(0);
            QTRY_VERIFY(edits->IsShown() || !errors.isEmpty());
            done = edits->IsShown();
        } else if (verb == "text") {
            edits->Bar()->FontBox()->setCurrentFont(QFont(rest.section(':', 0, 0)));
            done = edits->AddText(0, Rect(arg).topLeft(), rest.section(": ", 1));
        } else if (verb == "image") {
            done = edits->AddImage(0, Rect(arg).topLeft(), dir + "/" + rest);
        } else if (verb == "link" || verb == "retarget") {
            const bool page = !rest.contains(':');
            done = verb == "link" ? edits->AddLink(0, Rect(arg), page ? rest.toInt() - 1 : -1, page ? QString() : rest)
                                  : edits->SetLink(0, arg.toInt(), page ? rest.toInt() - 1 : -1, page ? QString() : rest);
        } else if (verb == "move") {
            done = edits->ChangeObject(0, arg.toInt(), Rect(rest));
        } else if (verb == "drag") {
            // Pressed in the middle of the picture, let go further on.
            CPageView* view = box->PageView();
            const QRectF area = edits->Layer()->Objects(0).value(arg.toInt()).area;
            view->ShowArea(0, area);
            const QPoint from = view->ToViewport(0, QRectF(area.center(), QSizeF())).topLeft().toPoint();
            const QPoint to = view->ToViewport(0, QRectF(area.center() + Rect(rest).topLeft(), QSizeF())).topLeft().toPoint();
            QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
            QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
        } else if (verb == "delete" || verb == "unlink") {
            edits->Layer()->Select({0, arg.toInt(), verb == "unlink"});
            QTest::keyClick(box->PageView(), Qt::Key_Backspace);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
        QCOMPARE(done, !refused);
        if (refused) {
            // A clear message, and the document as it was.
            QTRY_VERIFY(!errors.isEmpty());
            const QString want = expected.filter(QRegularExpression("^error ")).value(0).mid(6);
            QVERIFY2(errors.join('\n').contains(want), qPrintable(errors.join('\n')));
            // Typed text is offered again, not lost.
            if (verb == "text")
                QTRY_VERIFY(edits->Layer()->Editor() && edits->Layer()->Editor()->toPlainText() == rest.section(": ", 1));
            QCOMPARE(stack->count(), 0);
            QVERIFY(!box->IsDirty());
            box.reset();
            QCOMPARE(TestPdf::ReadBytes(path), before);
            return;
        }
        QTRY_VERIFY(!edits->IsBusy() && edits->Layer()->HasPage(0));
        live[stack->index()] = Live(edits);
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QVERIFY(box->IsDirty());
    QCOMPARE(stack->count(), steps.count('|') + 1 - (steps.startsWith("tool") ? 1 : 0));

    // Each step is undone on its own, down to the file as it was, and redone.
    const int done = stack->index();
    for (int i = done; i > 0; --i) {
        box->OnMainMenuTrigger("undo");
        QTRY_VERIFY(!edits->IsBusy());
        QCOMPARE(Live(edits), live.value(stack->index()));
    }
    QVERIFY(!box->IsDirty());
    for (int i = 0; i < done; ++i)
        box->OnMainMenuTrigger("redo");
    QTRY_VERIFY(!edits->IsBusy());
    QCOMPARE(Live(edits), live.value(done));

    // A recovery copy brings the same edits back to the file as it was; a
    // damaged one (an edit of a page the file lacks) brings nothing.
    {
        const QJsonObject state = box->Session()->RecoveryState();
        QScopedPointer<MainBox> recovered(TestWindows::Document(path));
        QVERIFY(recovered);
        QString error;
        QVERIFY2(recovered->RestoreRecovery(state, &error), qPrintable(error));
        QVERIFY(recovered->PageEdits()->IsShown() && recovered->IsDirty());
        QTRY_VERIFY(!recovered->PageEdits()->IsBusy() && recovered->PageEdits()->Layer()->HasPage(0));
        QCOMPARE(Live(recovered->PageEdits()), live.value(done));
        const QByteArray damaged = QJsonDocument(state).toJson().replace("\"page\": 0", "\"page\": 99");
        QScopedPointer<MainBox> refused(TestWindows::Document(path));
        QVERIFY(!refused->RestoreRecovery(QJsonDocument::fromJson(damaged).object(), &error) && !error.isEmpty());
        QVERIFY(!refused->IsDirty() && refused->Session()->PageEdits().IsEmpty());
    }

    box->OnMainMenuTrigger("save");
    QVERIFY(!box->IsDirty());
    QCOMPARE(errors, QStringList());
    struct stat saved;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &saved) == 0);
    QCOMPARE(QString::asprintf("%u:%u %o", saved.st_uid, saved.st_gid, saved.st_mode & 0777), owner + " 640");
    QCOMPARE(TestPdf::StructureProblems(path, password), QString());
    const QString prefix = QFileInfo(path).absolutePath() + "/mupdf.png";
    const TestEnv::ChildResult mupdf = TestEnv::RunChild("mutool", {"draw", "-r", "72", "-p", password, "-o", prefix, path, "1"});
    QVERIFY2(mupdf.ExitCode() == 0 && !mupdf.Output().contains("error"), qPrintable(mupdf.Output()));

    // Read back by poppler, as the tab shows it and as a reader draws it.
    CPdfDocument::LoadStatus status;
    const auto doc = CPdfDocument::Load(path, password.toUtf8(), &status);
    QVERIFY(doc);
    const QString printed = QString::fromUtf8(TestEnv::RunChild("pdftotext", {"-opw", password, "-upw", password, "-f", "1", "-l", "1", path, "-"}).out);
    const QImage drawn[] = {doc->RenderPage(0, 1.0), QImage(prefix)};
    QStringList links;
    for (const PdfLink& link : doc->PageLinks(0))
        links << Box(link.area) + " " + Target(link);
    for (const QString& line : expected) {
        const QString kind = line.section(' ', 0, 0);
        const QString what = line.section(' ', 1);
        if (kind == "text" || kind == "!text") {
            QVERIFY2(printed.contains(what) == (kind == "text"), qPrintable(printed));
        } else if (kind == "word") {
            const QRectF want = Rect(what.section(' ', 1));
            bool found = false;
            for (const PdfWord& word : doc->PageWords(0))
                found = found || (word.text == what.section(' ', 0, 0) && (word.box.topLeft() - want.topLeft()).manhattanLength() < 4);
            QVERIFY2(found, qPrintable(line));
        } else if (kind.endsWith("color")) {
            for (const QImage& page : drawn)
                QVERIFY2(Shows(page, Rect(what.section(' ', 0, 0)), QColor(what.section(' ', 1))) == !kind.startsWith('!'), qPrintable(line));
        } else if (kind == "links") {
            QCOMPARE(links.join('|'), what);
        } else if (kind == "subset") {
            // The page's own font is whole; the added ones are subsets.
            const QString fonts = QString::fromUtf8(TestEnv::RunChild("pdffonts", {"-l", "1", path}).out);
            const QStringList added = fonts.split('\n').filter(QRegularExpression("^[A-Z]{6}\\+"));
            QVERIFY2(!added.isEmpty(), qPrintable(fonts));
            for (const QString& font : added)
                QVERIFY2(font.contains(QRegularExpression(" yes +yes +yes ")), qPrintable(fonts));
        } else if (kind == "protected") {
            QVERIFY(!CPdfDocument::Load(path, QByteArray(), &status) && status == CPdfDocument::NeedsPassword);
        }
    }
}

RV_TEST_MAIN(TestPageEdit)
#include "tst_pageedit.moc"
