#include "CDocumentSearch.h"
#include "CEditSession.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CJobRunner.h"
#include "CRecognizeBar.h"
#include "CRecognizeController.h"
#include "CRecoveryCopy.h"
#include "CTextLayerWriter.h"
#include "MainBox.h"

#include <QThreadPool>
#include "TestMain.h"
#include "TestPdf.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

namespace {

std::unique_ptr<MainBox> Open(const QString& path)
{
    int result = -1;
    return std::unique_ptr<MainBox>(qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, path, {}, result)));
}

bool Recognize(MainBox* box, const QList<int>& pages, const QStringList& languages)
{
    QSignalSpy finished(box->Recognizer(), &CRecognizeController::SignalFinished);
    return box->Recognizer()->Recognize(pages, languages) && finished.wait(180000)
        && finished.first().first().toBool();
}

// Where the search finds word on page, or an empty rectangle.
QRectF Found(MainBox* box, const QString& word, int nPage)
{
    CDocumentSearch* search = box->Search();
    search->Start(word, {}, 0);
    const auto done = [search]() {
        return search->GetState() == CDocumentSearch::Finished || search->GetState() == CDocumentSearch::NoText;
    };
    if (!QTest::qWaitFor(done, 30000)
        || search->PageMatches(nPage).isEmpty())
        return QRectF();
    QVector<QRectF> rects;
    if (!QTest::qWaitFor([&]() { return !(rects = search->MatchRects(nPage, 0)).isEmpty(); }, 10000))
        return QRectF();
    return rects.value(0);
}

QString PdfToText(const QString& path)
{
    QProcess tool;
    tool.start("pdftotext", {path, "-"});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

} // namespace

class TestOcr : public QObject
{
    Q_OBJECT
private slots:
    void recognizesScans_data();
    void recognizesScans();
    void survivesKill();
    void stoppedChangesNothing_data();
    void stoppedChangesNothing();
    void refusesBadInput_data();
    void refusesBadInput();
};

void TestOcr::recognizesScans_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("textFirst");
    QTest::addColumn<bool>("sideways");
    const QStringList english = {"Invoice 4711 from Springfield", "The quick brown fox jumps"};
    QTest::newRow("english") << "eng" << english << false << false;
    QTest::newRow("second language") << "deu" << QStringList {"Größe der Übung", "Straße nach München"} << false
                                     << false;
    QTest::newRow("page with text left alone") << "eng" << english << true << false;
    QTest::newRow("picture on its side") << "eng" << english << false << true;
}

void TestOcr::recognizesScans()
{
    QFETCH(QString, language);
    QFETCH(QStringList, lines);
    QFETCH(bool, textFirst);
    QFETCH(bool, sideways);
    const QString folder = TestEnv::MakeDir(QStringLiteral("scan-%1-%2-%3").arg(language).arg(textFirst).arg(sideways));
    const QString path = folder + "/scan.pdf";
    QVERIFY(TestPdf::WriteScan(path, lines, textFirst, sideways));
    QList<QRectF> words;
    TestPdf::ScanPicture(lines, &words);
    const QByteArray original = TestPdf::ReadBytes(path);
    const int scan = textFirst ? 1 : 0;

    std::unique_ptr<MainBox> box = Open(path);
    QVERIFY(box);
    std::shared_ptr<CPdfDocument> document = box->Session()->Document();
    QVERIFY(document->IsScannedPage(scan));
    QCOMPARE(document->IsScannedPage(0), !textFirst);
    const QImage before = document->RenderPage(scan, 1.0);
    QVERIFY(Found(box.get(), lines.first().section(' ', 0, 0), scan).isNull());

    QList<int> all;
    for (int i = 0; i < document->PageCount(); ++i)
        all << i;
    box->PageView()->GoToPage(scan);
    QVERIFY(Recognize(box.get(), all, {language}));
    // A screen reader reads it as the page's text.
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(box->PageView())->textInterface();
    QTRY_COMPARE(reader->text(0, -1).simplified(), lines.join(' '));
    // Only the scan got text; a page with text of its own is left alone.
    QCOMPARE(box->Session()->TextLayers().keys(), QList<int>({scan}));
    QVERIFY(box->IsDirty());
    QVERIFY(!document->IsScannedPage(scan));

    // Find puts each word where the scan shows it.
    const QStringList flat = lines.join(' ').split(' ');
    for (int i : {0, 2, flat.size() - 1}) {
        const QRectF at = Found(box.get(), flat.at(i), scan);
        QVERIFY2(!at.isNull(), qPrintable(flat.at(i)));
        const QRectF& ink = words.at(i);
        QVERIFY2(qAbs(at.left() - ink.left()) < 3 && qAbs(at.right() - ink.right()) < 3
                     && qAbs(at.center().y() - ink.center().y()) < 4,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5, drawn at %6,%7 %8x%9")
                                .arg(flat.at(i))
                                .arg(at.x())
                                .arg(at.y())
                                .arg(at.width())
                                .arg(at.height())
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
    }
    // Copy gives the text.
    box->PageView()->SelectAllText();
    box->PageView()->CopySelection();
    QVERIFY2(QApplication::clipboard()->text().simplified().contains(lines.join(' ')),
             qPrintable(QApplication::clipboard()->text()));

    // One undo step takes it away and gives it back.
    box->Session()->UndoStack()->undo();
    QVERIFY(box->Session()->TextLayers().isEmpty());
    QVERIFY(Found(box.get(), flat.first(), scan).isNull());
    QTRY_VERIFY(reader->text(0, -1).trimmed().isEmpty());
    QTRY_COMPARE(box->Recognizer()->Bar()->Text(), QStringLiteral("This page is a scan without text."));
    box->Session()->UndoStack()->redo();
    QVERIFY(!Found(box.get(), flat.first(), scan).isNull());

    // Saved as an update of the file, which looks as before and reads as text.
    const QString saved = folder + "/saved.pdf";
    QVERIFY(box->SaveAs(saved));
    QVERIFY(TestPdf::ReadBytes(saved).startsWith(original));
    QCOMPARE(TestPdf::StructureProblems(saved), QString());
    QVERIFY2(PdfToText(saved).contains(lines.join(' ')), qPrintable(PdfToText(saved)));
    QCOMPARE(PdfToText(saved).contains("Born digital"), textFirst);
    QVERIFY(!box->IsDirty());
    QCOMPARE(box->Session()->Document()->RenderPage(scan, 1.0), before);
    QVERIFY(!Found(box.get(), flat.last(), scan).isNull());
}

void TestOcr::survivesKill()
{
    // A recognition not saved when the program is killed comes back.
    const QString path = TestEnv::MakeDir("killed") + "/scan.pdf";
    QVERIFY(TestPdf::WriteScan(path, {"Recovered after a crash"}));
    QProcess child;
    child.setProcessEnvironment(TestEnv::ChildEnvironment());
    child.start(RECOVERY_CHILD, {path, "--recognize"});
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("ready")
                                 || child.state() == QProcess::NotRunning,
                             180000);
    QCOMPARE(child.state(), QProcess::Running);
    child.kill();
    QVERIFY(child.waitForFinished());

    QList<CRecoveryCopy::Entry> pending = CRecoveryCopy::Pending();
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&path](const CRecoveryCopy::Entry& entry) { return entry.documentPath != path; }),
                  pending.end());
    QCOMPARE(pending.size(), 1);
    std::unique_ptr<MainBox> box = Open(path);
    QVERIFY(box);
    QString error;
    QVERIFY2(box->RestoreRecovery(pending.first().state, &error), qPrintable(error));
    QVERIFY(box->IsDirty());
    QVERIFY(!Found(box.get(), "crash", 0).isNull());
    QCOMPARE(box->Session()->UndoStack()->count(), 1);
}

void TestOcr::stoppedChangesNothing_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("said");
    QTest::newRow("cancelled") << "1-3" << "eng" << "Text recognition was cancelled. Nothing was changed.";
    QTest::newRow("language not installed")
        << "1-3" << "xyz" << "Text recognition failed (no language data for \"xyz\" is installed). Nothing was changed.";
    QTest::newRow("pages it does not have") << "4-9" << "eng" << "The pages \"4-9\" are not in the document.";
}

void TestOcr::stoppedChangesNothing()
{
    QFETCH(QString, pages);
    QFETCH(QString, language);
    QFETCH(QString, said);
    const QString path = TestEnv::MakeDir("stopped") + "/scan.pdf";
    QVERIFY(TestPdf::WriteScan(path, {"Nothing to see here"}, false, false, 3));
    std::unique_ptr<MainBox> box = Open(path);
    QVERIFY(box);
    CRecognizeBar* bar = box->Recognizer()->Bar();
    QSignalSpy finished(box->Recognizer(), &CRecognizeController::SignalFinished);
    box->OnMainMenuTrigger("recognize_text");
    bar->SetScope(CRecognizeBar::SomePages);
    bar->PagesEdit()->setText(pages);
    if (language == "eng") {
        bar->RecognizeButton()->click();
    } else {
        // A language whose data went away: the bar offers only installed ones.
        QVERIFY(box->Recognizer()->Recognize({0, 1, 2}, {language}));
    }
    if (said.contains("cancelled")) {
        QVERIFY(bar->IsRunning());
        bar->CancelButton()->click();
    }
    if (!said.contains("pages"))
        QVERIFY(finished.wait(180000));
    // The page's own check, begun before, lands later and must not hide the outcome.
    CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(bar->Text(), said);
    QVERIFY(!bar->IsRunning());
    QVERIFY(!box->IsDirty());
    QVERIFY(box->Session()->TextLayers().isEmpty());
    QCOMPARE(box->Session()->UndoStack()->count(), 0);
    QVERIFY(box->Session()->Document()->IsScannedPage(0));
}

void TestOcr::refusesBadInput_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("layer");
    QTest::newRow("not a PDF") << "0" << TestPdf::Garbage(500, 7);
    QTest::newRow("a page the document does not have") << "3" << QByteArray();
    QTest::newRow("not a page number") << "first" << QByteArray();
}

void TestOcr::refusesBadInput()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, layer);
    const QString folder = TestEnv::MakeDir("bad-input");
    const QString path = folder + "/two.pdf";
    QVERIFY(TestPdf::Write(path, 2));
    // A real layer, for rows that damage something else.
    if (layer.isEmpty())
        layer = TestPdf::ReadBytes(folder + "/layer.pdf");
    if (layer.isEmpty()) {
        QVERIFY(TestPdf::Write(folder + "/layer.pdf", 1));
        layer = TestPdf::ReadBytes(folder + "/layer.pdf");
    }
    std::unique_ptr<MainBox> box = Open(path);
    QVERIFY(box);
    // A damaged recovery copy changes nothing.
    const QJsonObject state {{"pagePlan", box->Session()->Plan().ToJson()},
                             {"textLayers", QJsonObject {{page, QString::fromLatin1(layer.toBase64())}}}};
    QString error;
    QVERIFY(!box->RestoreRecovery(state, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!box->IsDirty());
    QCOMPARE(box->Session()->UndoStack()->count(), 0);
    // The writer refuses the same: nothing is written.
    bool number = false;
    const int index = page.toInt(&number);
    if (number) {
        QString problem;
        QVERIFY(CTextLayerWriter::Write({path, {}}, {{index, layer}}, folder + "/out.pdf", nullptr, &problem)
                != CPdfEditor::Written);
        QVERIFY(!problem.isEmpty());
        QVERIFY(!QFile::exists(folder + "/out.pdf"));
    }
}

RV_TEST_MAIN(TestOcr)
#include "tst_ocr.moc"
