// Printing: the document itself, as PDF, with what the user added to it,
// to the printer or the file the dialog names.

#include "CAnnotationCommand.h"
#include "CAnnotationStore.h"
#include "CEditSession.h"
#include "CFormController.h"
#include "CFormLayer.h"
#include "CFormStore.h"
#include "CMessageDialog.h"
#include "CPageColors.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CPdfPrinter.h"
#include "CPrintJob.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QUndoStack>

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTheDocumentItself_data();
    void printsTheDocumentItself();
    void printOptionsReachCups_data();
    void printOptionsReachCups();

private:
    QString dir;
    QString twoPages;
    QString locked;
};

void TestPrint::initTestCase()
{
    dir = TestEnv::MakeDir("print-fixtures");
    twoPages = dir + "/two.pdf";
    QVERIFY(TestPdf::Write(twoPages, 2));
    locked = dir + "/locked.pdf";
    QVERIFY(TestPdf::WriteEncrypted(twoPages, locked, "user", "owner"));
}

void TestPrint::printsTheDocumentItself_data()
{
    QTest::addColumn<QString>("source"); // "two", or "locked:<password>"
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("before"); // "dark" page colours, an unsaved "comment", "no file" or the document "itself" to print to
    QTest::addColumn<QString>("printed"); // each page's text, or "!" and what the user is told
    QTest::newRow("every page") << "two" << -1 << -1 << "" << "Page 1|Page 2";
    QTest::newRow("the second page") << "two" << 1 << 1 << "" << "Page 2";
    // The page colours are for the screen: paper stays white.
    QTest::newRow("in dark page colours") << "two" << -1 << -1 << "dark" << "Page 1|Page 2";
    QTest::newRow("with an unsaved comment") << "two" << -1 << -1 << "comment" << "Page 1|Page 2";
    QTest::newRow("with an unsaved form value") << "form" << -1 << -1 << "fill" << "Ada Lovela";
    // Opened with the open password, printing and copying are refused;
    // the permissions password allows both.
    QTest::newRow("printing forbidden") << "locked:user" << -1 << -1 << "" << "!do not allow printing";
    QTest::newRow("permissions password") << "locked:owner" << 0 << 0 << "" << "Page 1";
    QTest::newRow("pages beyond the end") << "two" << 4 << 5 << "" << "!are not in the document";
    QTest::newRow("neither printer nor file") << "two" << -1 << -1 << "no file" << "!No printer and no file";
    QTest::newRow("into the document itself") << "two" << -1 << -1 << "itself" << "!is the document being printed";
}

void TestPrint::printsTheDocumentItself()
{
    QFETCH(QString, source);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, before);
    QFETCH(QString, printed);
    const QString path = source == "two" ? twoPages : source == "form" ? dir + "/form.pdf" : locked;
    QVERIFY(source != "form" || TestPdf::WriteBytes(path, TestPdf::FormPdf(false)));
    QScopedPointer<ModalAnswerer> password(source.contains(':') ? ModalAnswerer::TypingPasswords({source.section(':', 1)}) : nullptr);
    QScopedPointer<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    CPageColors::SetCurrent(before == "dark" ? CPageColors::Dark : CPageColors::Normal);
    const QRectF mark(100, 650, 200, 100);
    if (before == "comment") {
        PdfAnnotation square;
        square.page = 0;
        square.kind = PdfAnnotation::Rectangle;
        square.rect = mark;
        square.color = Qt::red;
        square.width = 8;
        box->Session()->UndoStack()->push(CAnnotationCommand::NewCreate(box->Annotations(), square, "Add"));
    }
    for (PdfFormField field : box->Forms()->Store()->AllFields()) {
        field.text = "Ada Lovelace";
        QVERIFY(field.name != "name" || box->Forms()->Layer()->Change({field}, "Fill"));
    }
    // Refused: the Print item (and the home tool with it) and PrintTo say so.
    const bool refused = printed.startsWith('!');
    const bool forbidden = source.endsWith(":user");
    QStringList told;
    auto tell = [&told](QWidget* dialog) {
        if (auto* message = qobject_cast<CMessageDialog*>(dialog))
            told << message->InfoText();
        dialog->close();
    };
    if (forbidden) {
        ModalAnswerer answerer(tell);
        box->OnMainMenuTrigger("print");
    }
    const QString output = before == "itself" ? path : TestEnv::MakeDir("print") + "/printed.pdf";
    const QByteArray original = TestPdf::ReadBytes(path);
    QPrinter printer(QPrinter::HighResolution);
    // Never a printer: without a file name Qt would pick the default one.
    printer.setOutputFileName(before == "no file" ? QString() : output);
    printer.setOutputFormat(QPrinter::PdfFormat);
    {
        ModalAnswerer answerer(tell, refused ? 1 : 0);
        QCOMPARE(box->PrintTo(&printer, from, to), !refused);
    }
    CPageColors::SetCurrent(CPageColors::Normal);
    // Nor is the text to be copied where printing is forbidden.
    box->resize(800, 1000);
    box->show();
    box->OnMainMenuTrigger("select_all");
    QApplication::clipboard()->setText("kept");
    QTest::keyClick(box->PageView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text() == "kept", forbidden);
    if (refused) {
        QCOMPARE(told.size(), forbidden ? 2 : 1);
        QVERIFY2(told.filter(printed.mid(1)).size() == told.size(), qPrintable(told.join('\n')));
        QVERIFY(output == path ? TestPdf::ReadBytes(path) == original : !QFile::exists(output));
        return;
    }
    // The pages themselves, text and all, not pictures of them.
    const QStringList pages = QString::fromUtf8(TestEnv::RunChild("pdftotext", {output, "-"}).out).split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), printed.split('|').size());
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(pages.at(i).contains(printed.section('|', i, i)), qPrintable(pages.at(i)));
    QVERIFY(QFileInfo(output).size() < 10 * QFileInfo(path).size());
    // Comments are drawn into their page, for printers that draw no comments.
    QCOMPARE(TestPdf::Annotations(output), QStringList());
    CPdfDocument::LoadStatus status;
    auto copy = CPdfDocument::Load(output, QByteArray(), &status);
    QVERIFY(copy);
    const QImage page = copy->RenderPage(0, 1.0);
    const QColor paper = page.pixelColor(page.width() - 20, page.height() - 20);
    QVERIFY2(paper.lightness() > 240, qPrintable(paper.name()));
    const QColor edge = page.pixelColor(QPoint(int(mark.left()) + 2, int(mark.center().y())));
    QCOMPARE(edge.red() > 200 && edge.green() < 80, before == "comment");
}

void TestPrint::printOptionsReachCups_data()
{
    QTest::addColumn<QString>("dialog"); // copies first, then the other choices; "pages:" the field left to CUPS
    QTest::addColumn<QString>("printed"); // pages written of twelve, from 0
    QTest::addColumn<QString>("options"); // the job's IPP options
    const QString all = "0,1,2,3,4,5,6,7,8,9,10,11";
    const QString plain = "copies=1 sides=one-sided orientation-requested=3 media=A4";
    QTest::newRow("defaults") << "1" << all << plain;
    QTest::newRow("two collated copies of 2-3, long edge") << "2 range long" << "1,2" << "copies=2 multiple-document-handling=separate-documents-collated-copies sides=two-sided-long-edge orientation-requested=3 media=A4";
    QTest::newRow("three uncollated, landscape, short edge") << "3 uncollated landscape short" << all << "copies=3 multiple-document-handling=separate-documents-uncollated-copies sides=two-sided-short-edge orientation-requested=4 media=A4";
    QTest::newRow("current page, grey, reversed, Letter, printer's sides") << "1 current gray reverse letter auto" << "4" << "copies=1 orientation-requested=3 print-color-mode=monochrome outputorder=reverse media=Letter";
    QTest::newRow("pages field") << "1 pages:7,1-3,10-" << "0,1,2,6,9,10,11" << plain;
    QTest::newRow("pages field beyond the end") << "1 pages:14-20" << "none" << plain;
    QTest::newRow("pages field malformed") << "1 pages:3-x" << "none" << plain;
}

void TestPrint::printOptionsReachCups()
{
    QFETCH(QString, dialog);
    QFETCH(QString, printed);
    QFETCH(QString, options);
    const QStringList words = dialog.split(' ');
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setCopyCount(words.at(0).toInt());
    printer.setCollateCopies(!words.contains("uncollated"));
    printer.setFromTo(2, 3);
    printer.setPrintRange(words.contains("range") ? QPrinter::PageRange : words.contains("current") ? QPrinter::CurrentPage : QPrinter::AllPages);
    printer.setPageSize(QPageSize(words.contains("letter") ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(words.contains("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setColorMode(words.contains("gray") ? QPrinter::GrayScale : QPrinter::Color);
    printer.setPageOrder(words.contains("reverse") ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    PrintSettings settings = CPdfPrinter::SettingsFor(printer, 4);
    // Qt's PDF output keeps no duplex mode, a printer's does.
    const int side = QStringList {"one", "long", "short", "auto"}.indexOf(words.value(words.size() - 1));
    settings.sides = side > 0 ? PrintSettings::Sides(side) : settings.sides;
    if (words.last().startsWith("pages:"))
        settings.pages = words.last().mid(6);
    QStringList sent;
    for (const auto& option : CPrintJob::CupsOptions(settings))
        sent << option.first + "=" + option.second;
    QCOMPARE(sent.join(' '), options);
    QStringList pages;
    const CPagePlan plan = CPrintJob::PagesToPrint(CPagePlan::Identity("doc.pdf", 12), settings);
    for (const PlanPage& page : plan.Pages())
        pages << QString::number(page.page);
    QCOMPARE(pages.isEmpty() ? QString("none") : pages.join(','), printed);
}

RV_TEST_MAIN(TestPrint)
#include "tst_print.moc"
