#include "CDocumentSearch.h"
#include "CJobRunner.h"
#include "CFindBar.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CReadingCopy.h"
#include "CSearchOverlay.h"
#include "CSearchResultModel.h"
#include "CSidePanel.h"
#include "CTextCache.h"
#include "CTextStore.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThreadPool>

#include <algorithm>

namespace {

const QFont kFont = [] {
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    return font;
}();

// One page per list of lines, each line drawn at x 40 from y 60 down, 40
// points apart; an empty list makes a page without text.
bool WritePages(const QString& path, const QList<QStringList>& pages)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(595, 842), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.setFont(kFont);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        painter.fillRect(QRectF(40, 700, 200, 80), QColor(40, 90, 220));
        for (int line = 0; line < pages.at(i).size(); ++line)
            painter.drawText(QPointF(40, 60 + line * 40), pages.at(i).at(line));
    }
    return painter.end();
}

// Three pages mentioning "alpha"; the middle one's content cannot be decoded
// and its font does not exist.
QByteArray DamagedPdf()
{
    const QByteArray text = "BT /F1 24 Tf 40 200 Td (alpha page) Tj ET";
    return TestPdf::Assemble({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Resources << /Font << /F1 6 0 R >> >> /Contents 7 0 R >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Resources << /Font << /F1 9 0 R >> >> /Contents 8 0 R >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Resources << /Font << /F1 6 0 R >> >> /Contents 7 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        "<< /Length " + QByteArray::number(text.size()) + " >>\nstream\n" + text + "\nendstream",
        "<< /Length 40 /Filter /FlateDecode >>\nstream\n" + TestPdf::Garbage(40, 3) + "\nendstream",
    });
}

// Two pages set in a simple TrueType font whose program is embedded
// compressed, as typesetting programs embed theirs.
QByteArray TypesetPdf()
{
    QFile file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray program = file.readAll();
    // A zlib stream: what qCompress makes, without its length prefix.
    const QByteArray packed = qCompress(program).mid(4);
    QByteArray widths;
    for (int c = 32; c <= 126; ++c)
        widths += " 600";
    const QByteArray font = "/Font << /F1 5 0 R >>";
    return TestPdf::Assemble({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Resources << " + font + " >> /Contents 6 0 R >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Resources << " + font + " >> /Contents 7 0 R >>",
        "<< /Type /Font /Subtype /TrueType /BaseFont /DejaVuSans /FirstChar 32 /LastChar 126 /Widths [" + widths
            + " ] /Encoding /WinAnsiEncoding /FontDescriptor 8 0 R >>",
        TestPdf::Stream("", "BT /F1 20 Tf 20 200 Td (alpha beta gamma) Tj ET"),
        TestPdf::Stream("", "BT /F1 20 Tf 20 200 Td (delta alpha) Tj ET"),
        "<< /Type /FontDescriptor /FontName /DejaVuSans /Flags 32 /FontBBox [-1021 -463 1793 1232] /ItalicAngle 0 "
        "/Ascent 928 /Descent -236 /CapHeight 729 /StemV 80 /FontFile2 9 0 R >>",
        TestPdf::Stream("/Filter /FlateDecode /Length1 " + QByteArray::number(program.size()), packed),
    });
}

MainBox* OpenShown(const QString& path, const QVariantMap& options = {})
{
    MainBox* box = TestWindows::Document(path, options);
    if (box) {
        box->resize(1000, 800);
        box->show();
    }
    return box;
}

// Where the current match is drawn in the view; null when nowhere.
QRect CurrentOnScreen(MainBox* box)
{
    CDocumentSearch* search = box->Search();
    const QRectF rect = search->MatchRects(search->CurrentPage(), search->CurrentIndex()).value(0);
    return rect.isNull() ? QRect() : box->PageView()->ToViewport(search->CurrentPage(), rect).toAlignedRect();
}

bool CurrentInView(MainBox* box)
{
    const QRect spot = CurrentOnScreen(box);
    return !spot.isNull() && box->PageView()->viewport()->rect().contains(spot);
}

// The darkest pixel the view shows inside area: the match's letters when
// the picture and the highlight agree.
int Darkest(QWidget* viewport, const QRect& area)
{
    const QImage shot = viewport->grab().toImage();
    int darkest = 255;
    for (int y = area.top() + 1; y < area.bottom(); ++y) {
        for (int x = area.left() + 1; x < area.right(); ++x)
            darkest = qMin(darkest, qGray(shot.pixel(x, y)));
    }
    return darkest;
}

bool Done(const CDocumentSearch* search)
{
    return search->GetState() == CDocumentSearch::Finished || search->GetState() == CDocumentSearch::NoText;
}

// The page of each match, in document order.
QString MatchPages(const CDocumentSearch& search)
{
    QStringList list;
    for (int page = 0; page < search.PageCount(); ++page) {
        for (int i = 0; i < search.PageMatches(page).size(); ++i)
            list << QString::number(page);
    }
    return list.join(' ');
}

void WaitForBackgroundWork()
{
    CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
    CJobRunner::ThreadPool(CJobRunner::FilePool)->waitForDone();
    QCoreApplication::processEvents();
}

QString Where(const CDocumentSearch* search)
{
    return QStringLiteral("%1:%2").arg(search->CurrentPage()).arg(search->CurrentIndex());
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsMatchesOnTheRightPages_data();
    void findsMatchesOnTheRightPages();
    void rectanglesSitOnTheText_data();
    void rectanglesSitOnTheText();
    void highlightsFollowTheView_data();
    void highlightsFollowTheView();
    void stepsThroughMatchesInOrder_data();
    void stepsThroughMatchesInOrder();
    void resultsListGroupsByPage();
    void barKeepsQueryPerDocument();
    void textKeptForLaterSessions_data();
    void textKeptForLaterSessions();
    void replacedOrClosedMidway_data();
    void replacedOrClosedMidway();
    void badInputNeverBreaksTheSearch_data();
    void badInputNeverBreaksTheSearch();
    void readingCopyReadsTheSameText_data();
    void readingCopyReadsTheSameText();

private:
    QString dir;
};

void TestSearch::initTestCase()
{
    dir = TestEnv::MakeDir("search");
    QVERIFY(WritePages(dir + "/words.pdf",
                       {{QString::fromUtf8("Résumé and resume"), QString::fromUtf8("office ﬁnance")},
                        {"Search the WORD here", "docu-", "ment", "password passwords"},
                        {QString::fromUtf8("שלום עולם"), QString::fromUtf8("日本語のテキスト")},
                        {},
                        {"a word at the end"}}));
    QVERIFY(WritePages(dir + "/nav.pdf",
                       {{"alpha beta alpha"}, {"beta"}, {"gamma alpha"}, {"beta"}, {"beta"}, {"alpha"}}));
    // "Target" twice at known places: x 40, baselines 300 and 500.
    QVERIFY(WritePages(dir + "/target.pdf", {{"", "", "", "", "", "", "Target", "", "", "", "", "Target"}}));
    for (int degrees : {90, 180, 270})
        QVERIFY(TestPdf::WriteRotated(dir + "/target.pdf", dir + QStringLiteral("/target%1.pdf").arg(degrees),
                                      degrees));
    const QStringList lines = QVector<QString>(12, "alpha omega beta alpha gamma delta alpha epsilon").toList();
    QVERIFY(WritePages(dir + "/long.pdf", QVector<QStringList>(150, lines).toList()));
    QVERIFY(WritePages(dir + "/scanned.pdf", {{}, {}}));
    QVERIFY(TestPdf::WriteBytes(dir + "/damaged.pdf", DamagedPdf()));
    QVERIFY(TestPdf::WriteBytes(dir + "/typeset.pdf", TypesetPdf()));
    // The same with its objects packed into streams, found through a
    // cross-reference stream.
    QCOMPARE(QProcess::execute("qpdf", {"--object-streams=generate", dir + "/typeset.pdf", dir + "/packed.pdf"}), 0);
}

void TestSearch::findsMatchesOnTheRightPages_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("pages"); // page of each match, in document order
    QTest::newRow("accents and case ignored") << "RESUME" << 0 << "0 0";
    QTest::newRow("ligature drawn by the font") << "office" << 0 << "0";
    QTest::newRow("ligature character") << "finance" << 0 << "0";
    QTest::newRow("inside other words") << "word" << 0 << "1 1 1 4";
    QTest::newRow("whole words on several pages") << "word" << int(CTextMatcher::WholeWords) << "1 4";
    QTest::newRow("whole words") << "password" << int(CTextMatcher::WholeWords) << "1";
    QTest::newRow("hyphenated across lines") << "document" << 0 << "1";
    QTest::newRow("right to left") << QString::fromUtf8("שלום עולם") << 0 << "2";
    QTest::newRow("japanese") << QString::fromUtf8("日本語のテキスト") << 0 << "2";
    QTest::newRow("absent") << "zebra" << 0 << "";
}

void TestSearch::findsMatchesOnTheRightPages()
{
    QFETCH(QString, query);
    QFETCH(int, options);
    QFETCH(QString, pages);
    // From the first page the first two are read with their layout, the
    // others as plain text; from the middle the other way round.
    for (int from : {0, 2}) {
        CPdfDocument::LoadStatus status;
        CDocumentSearch search(CPdfDocument::Load(dir + "/words.pdf", QByteArray(), &status));
        search.Start(query, CTextMatcher::Options(options), from);
        QTRY_VERIFY(Done(&search));
        QCOMPARE(search.GetState(), CDocumentSearch::Finished);
        QCOMPARE(MatchPages(search), pages);
        // Once their layout is read, pages hold the same matches, and each
        // still covers text the query finds.
        const CTextMatcher matcher(query, CTextMatcher::Options(options));
        for (int page = 0; page < 5; ++page) {
            if (search.PageMatches(page).isEmpty())
                continue;
            QTRY_VERIFY(!search.MatchRects(page, 0).isEmpty());
            QString before, match, after;
            QVERIFY(search.Snippet(page, 0, &before, &match, &after));
            QVERIFY2(match.contains(' ') || matcher.FindAll(match).size() == 1, qPrintable(match));
        }
        QCOMPARE(MatchPages(search), pages);
        QCOMPARE(search.Count(), pages.isEmpty() ? 0 : pages.split(' ').size());
    }
}

void TestSearch::rectanglesSitOnTheText_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QTransform>("turn"); // from the page as drawn to the page as shown
    QTest::newRow("upright") << 0 << QTransform();
    QTest::newRow("turned 90") << 90 << QTransform(0, 1, -1, 0, 842, 0);
    QTest::newRow("turned 180") << 180 << QTransform(-1, 0, 0, -1, 595, 842);
    QTest::newRow("turned 270") << 270 << QTransform(0, -1, 1, 0, 0, 595);
}

void TestSearch::rectanglesSitOnTheText()
{
    QFETCH(int, degrees);
    QFETCH(QTransform, turn);
    const QString file = dir + (degrees ? QStringLiteral("/target%1.pdf").arg(degrees) : QStringLiteral("/target.pdf"));
    CPdfDocument::LoadStatus status;
    CDocumentSearch search(CPdfDocument::Load(file, QByteArray(), &status));
    search.Start("target", {}, 0);
    QTRY_VERIFY(Done(&search));
    QCOMPARE(search.Count(), 2);
    QTRY_VERIFY(!search.MatchRects(0, 0).isEmpty() && !search.MatchRects(0, 1).isEmpty());
    const QVector<QRectF> found = search.MatchRects(0, 0) + search.MatchRects(0, 1);
    // Where the words were drawn, on the page before it was turned; each
    // edge within 5 points.
    const QFontMetricsF metrics(kFont);
    for (int baseline : {300, 500}) {
        const QRectF expected = turn.mapRect(
            QRectF(40, baseline - metrics.ascent(), metrics.horizontalAdvance("Target"), metrics.height()));
        const auto near = [&expected](const QRectF& rect) {
            return expected.adjusted(-5, -5, 5, 5).contains(rect) && rect.adjusted(-5, -5, 5, 5).contains(expected);
        };
        QVERIFY2(std::any_of(found.begin(), found.end(), near),
                 qPrintable(QStringLiteral("nothing found at %1,%2 %3x%4").arg(expected.x()).arg(expected.y())
                                .arg(expected.width()).arg(expected.height())));
    }
}

void TestSearch::highlightsFollowTheView_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<double>("zoom");
    QTest::newRow("continuous, fit width") << "target.pdf" << "single_scroll" << double(CViewOptions::kFitWidth);
    QTest::newRow("single page, 200%") << "target.pdf" << "single_view" << 200.0;
    QTest::newRow("two pages, 50%") << "target.pdf" << "two_scroll" << 50.0;
    QTest::newRow("turned page, fit page") << "target90.pdf" << "two_view" << double(CViewOptions::kFitPage);
    QTest::newRow("view turned right") << "target.pdf" << "single_view|rotate_right" << 100.0;
    QTest::newRow("view turned upside down, two pages") << "target.pdf" << "two_scroll|rotate_left|rotate_left" << 75.0;
    QTest::newRow("turned page, view turned back") << "target90.pdf" << "single_scroll|rotate_left" << double(CViewOptions::kFitWidth);
}

void TestSearch::highlightsFollowTheView()
{
    QFETCH(QString, file);
    QFETCH(QString, mode);
    QFETCH(double, zoom);
    QScopedPointer<MainBox> box(OpenShown(dir + "/" + file, {{"zoom", zoom}}));
    for (const QString& key : mode.split('|'))
        box->OnMainMenuTrigger(key);
    box->OnMainMenuTrigger("find");
    box->FindBar()->Field()->setText("Target");
    box->FindBar()->FindNext();
    auto* overlay = box->PageView()->findChild<CSearchOverlay*>();
    QVERIFY(overlay);
    QTRY_VERIFY(overlay->CurrentMatchPainted());
    // The current match is brought into view wherever the mode, zoom and
    // turn put it, and its highlight lies on the word's letters.
    QVERIFY(CurrentInView(box.data()));
    QTRY_VERIFY(Darkest(box->PageView()->viewport(), CurrentOnScreen(box.data())) < 110);
}

void TestSearch::stepsThroughMatchesInOrder_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("visited");
    QTest::newRow("enter goes on and wraps") << "Return Return Return Return" << "5:0 0:0 0:1 2:0";
    QTest::newRow("shift+enter goes back and wraps") << "Shift+Return Shift+Return Shift+Return" << "0:1 0:0 5:0";
    QTest::newRow("F3 and shift+F3 from the pages") << "F3 F3 Shift+F3" << "5:0 0:0 5:0";
}

void TestSearch::stepsThroughMatchesInOrder()
{
    QFETCH(QString, keys);
    QFETCH(QString, visited);
    QScopedPointer<MainBox> box(OpenShown(dir + "/nav.pdf"));
    box->PageView()->GoToPage(2);
    box->OnMainMenuTrigger("find");
    QLineEdit* field = box->FindBar()->Field();
    QTest::keyClicks(field, "alpha");
    CDocumentSearch* search = box->Search();
    QTRY_VERIFY(Done(search));
    // From the page in view: its match comes first.
    QCOMPARE(Where(search), QStringLiteral("2:0"));
    QCOMPARE(box->FindBar()->Counter()->text(), QStringLiteral("3 of 4"));
    QStringList seen;
    for (const QString& key : keys.split(' ')) {
        const Qt::KeyboardModifiers shift = key.startsWith("Shift") ? Qt::ShiftModifier : Qt::NoModifier;
        if (key.endsWith("F3"))
            QTest::keyClick(box->PageView(), Qt::Key_F3, shift);
        else
            QTest::keyClick(field, Qt::Key_Return, shift);
        seen << Where(search);
        QTRY_VERIFY(CurrentInView(box.data()));
    }
    QCOMPARE(seen.join(' '), visited);
}

void TestSearch::resultsListGroupsByPage()
{
    QScopedPointer<MainBox> box(OpenShown(dir + "/nav.pdf"));
    box->OnMainMenuTrigger("find");
    box->FindBar()->Field()->setText("alpha");
    box->FindBar()->FindNext();
    CDocumentSearch* search = box->Search();
    QTRY_VERIFY(Done(search));
    auto* model = search->findChild<CSearchResultModel*>();
    QVERIFY(model);
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row).data().toString();
    QCOMPARE(rows.join('|'), QStringLiteral("Page 1|alpha beta alpha|alpha beta alpha|Page 3|gamma alpha|Page 6|alpha"));
    QCOMPARE(model->index(0).data(CSearchResultModel::CountRole).toInt(), 2);
    QCOMPARE(model->index(2).data(CSearchResultModel::SnippetRole).toStringList(),
             QStringList({"alpha beta ", "alpha", ""}));

    // Clicking a match or a page heading goes there.
    box->OnMainMenuTrigger("find");
    emit box->FindBar()->SignalShowResults();
    QListView* list = box->SidePanel()->SearchList();
    QVERIFY(list->isVisible());
    for (int row : {6, 3, 2}) {
        emit list->clicked(model->index(row));
        QCOMPARE(Where(search), QStringLiteral("%1:%2").arg(model->index(row).data(CSearchResultModel::PageRole).toInt())
                                    .arg(qMax(0, model->index(row).data(CSearchResultModel::MatchIndexRole).toInt())));
        QTRY_VERIFY(CurrentInView(box.data()));
    }
    QCOMPARE(list->currentIndex().row(), 2);
}

void TestSearch::barKeepsQueryPerDocument()
{
    QScopedPointer<MainBox> first(OpenShown(dir + "/words.pdf"));
    QScopedPointer<MainBox> second(OpenShown(dir + "/words.pdf"));
    first->OnMainMenuTrigger("find");
    QTest::keyClicks(first->FindBar()->Field(), "resume");
    QTRY_VERIFY(Done(first->Search()));
    second->OnMainMenuTrigger("find");
    QVERIFY(second->FindBar()->Field()->text().isEmpty());
    // Esc closes the bar and takes the highlights away; the query stays.
    QTest::keyClick(first->FindBar()->Field(), Qt::Key_Escape);
    QVERIFY(!first->FindBar()->isVisible());
    QCOMPARE(first->Search()->GetState(), CDocumentSearch::Idle);
    QCOMPARE(first->Search()->Count(), 0);
    first->OnMainMenuTrigger("find");
    QCOMPARE(first->FindBar()->Field()->text(), QStringLiteral("resume"));
    QTRY_COMPARE(first->Search()->Count(), 2);
    // Match case, ticked on the bar, searches again with it: the words
    // are there in small letters only.
    first->FindBar()->Field()->setText("RESUME");
    QTRY_COMPARE(first->Search()->Count(), 2);
    first->FindBar()->findChild<QCheckBox*>("check_find_case")->click();
    QTRY_VERIFY(Done(first->Search()));
    QCOMPARE(first->Search()->Count(), 0);
    // Whole words, ticked too: "resum" is only part of a word.
    first->FindBar()->Field()->setText("resum");
    QTRY_COMPARE(first->Search()->Count(), 1);
    first->FindBar()->findChild<QCheckBox*>("check_find_words")->click();
    QTRY_VERIFY(Done(first->Search()));
    QCOMPARE(first->Search()->Count(), 0);
}

void TestSearch::textKeptForLaterSessions_data()
{
    QTest::addColumn<QString>("kept"); // what the store holds for the file before the search
    QTest::addColumn<QString>("pages"); // of the matches of "beta"
    QTest::addColumn<QString>("keptAfter"); // the kept text of page 4 after it, "-" for nothing kept
    QTest::newRow("nothing kept: read, then kept") << "" << "0 1 3 4" << "beta";
    QTest::newRow("kept: searched without reading") << "whole" << "0 1 3" << "gamma";
    QTest::newRow("kept, bytes changed: read again") << "flipped" << "0 1 3 4" << "beta";
    QTest::newRow("kept, cut short: read again") << "cut" << "0 1 3 4" << "beta";
    QTest::newRow("kept for another page count") << "short" << "0 1 3 4" << "beta";
    QTest::newRow("kept before the file changed") << "changed" << "0 1 3 4" << "beta";
    QTest::newRow("private mode keeps nothing") << "private" << "0 1 3 4" << "-";
}

void TestSearch::textKeptForLaterSessions()
{
    QFETCH(QString, kept);
    QFETCH(QString, pages);
    QFETCH(QString, keptAfter);
    const QString path = dir + "/kept.pdf";
    QFile::remove(path);
    QVERIFY(QFile::copy(dir + "/nav.pdf", path));
    QDir(CTextStore::Folder()).removeRecursively();
    CTextCache::Instance().Clear();
    // A page text no reading of the file gives: its match is missing when
    // the search went by what is kept (the first match's page is read again
    // for its layout, and then follows that reading).
    const QVector<QString> marked {"alpha beta alpha", "beta", "gamma alpha", "beta", "gamma", "alpha"};
    const QString file = CTextStore::Folder() + "/" + CTextStore::KeyOf(path) + ".text";
    if (!kept.isEmpty() && kept != "private")
        QVERIFY(CTextStore::Save(CTextStore::KeyOf(path), kept == "short" ? marked.mid(0, 5) : marked));
    QByteArray bytes = TestPdf::ReadBytes(file);
    if (kept == "flipped")
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x20);
    if (kept == "flipped" || kept == "cut")
        QVERIFY(TestPdf::WriteBytes(file, kept == "cut" ? bytes.left(bytes.size() - 9) : bytes));
    if (kept == "changed") {
        QFile touched(path);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    }
    CTextStore::SetPrivate(kept == "private");

    CPdfDocument::LoadStatus status;
    CDocumentSearch search(CPdfDocument::Load(path, QByteArray(), &status));
    search.Start("beta", {}, 0);
    QTRY_VERIFY(Done(&search));
    QCOMPARE(MatchPages(search), pages);
    WaitForBackgroundWork();
    CTextStore::SetPrivate(false);
    const QVector<QString> after = CTextStore::Load(CTextStore::KeyOf(path), 6);
    QCOMPARE(after.isEmpty() ? QStringLiteral("-") : after.at(4), keptAfter);
    if (keptAfter == "-")
        QVERIFY(QDir(CTextStore::Folder()).isEmpty());
}

void TestSearch::replacedOrClosedMidway_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("inFlight");
    QTest::newRow("new query at once") << "replace" << false;
    QTest::newRow("new query with old results on their way") << "replace" << true;
    QTest::newRow("closed while pages are read") << "close" << false;
    QTest::newRow("closed with results on their way") << "close" << true;
    QTest::newRow("stopped while pages are read") << "stop" << false;
    QTest::newRow("stopped with results on their way") << "stop" << true;
    QTest::newRow("stopped with Escape") << "escape" << false;
}

void TestSearch::replacedOrClosedMidway()
{
    QFETCH(QString, how);
    QFETCH(bool, inFlight);
    const bool close = how == "close";
    const int cached = CTextCache::Instance().UsedBytes();
    QScopedPointer<MainBox> box(OpenShown(dir + "/long.pdf"));
    CDocumentSearch* search = box->Search();
    if (how == "escape")
        box->FindBar()->Open();
    search->Start("alpha", {}, 0);
    // Every page of the first search read, its results queued but not taken.
    if (inFlight) {
        CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
    } else if (close || how == "escape") {
        QSignalSpy progress(search, &CDocumentSearch::SignalProgress);
        QVERIFY(progress.wait());
    }
    QCOMPARE(search->GetState(), CDocumentSearch::Running);
    if (how == "stop" || how == "escape") {
        // The counter tells how far the search got; Stop keeps what it found.
        QLabel* counter = box->FindBar()->Counter();
        QVERIFY2(counter->text().endsWith(" of 150 pages searched"), qPrintable(counter->text()));
        QVERIFY(!box->FindBar()->StopButton()->isHidden());
        if (how == "escape")
            QTest::keyClick(box->FindBar()->Field(), Qt::Key_Escape);
        else
            box->FindBar()->StopButton()->click();
        const int pagesSearched = search->PagesSearched();
        WaitForBackgroundWork();
        QCOMPARE(search->GetState(), CDocumentSearch::Stopped);
        QCOMPARE(search->PagesSearched(), pagesSearched);
        QVERIFY(pagesSearched < 150);
        QCOMPARE(search->Count(), 36 * pagesSearched);
        QCOMPARE(counter->text(), QStringLiteral("%1 of %2, stopped after %3 of 150 pages")
                                      .arg(search->CurrentOrdinal()).arg(search->Count()).arg(pagesSearched)
                                      .replace(QRegularExpression("^0 of (\\d+)"), "\\1 found"));
        QVERIFY(box->FindBar()->StopButton()->isHidden());
        // A stopped search leaves the bar; a second Escape closes it.
        if (how == "escape") {
            QVERIFY(box->FindBar()->isVisible());
            QTest::keyClick(box->FindBar()->Field(), Qt::Key_Escape);
            QVERIFY(!box->FindBar()->isVisible());
        }
        return;
    }
    if (close) {
        box.reset();
        CJobRunner::ThreadPool(CJobRunner::TextPool)->waitForDone();
        QCoreApplication::processEvents();
        // Nothing read for the closed document stays behind.
        QCOMPARE(CTextCache::Instance().UsedBytes(), cached);
        return;
    }
    search->Start("omega", {}, 70);
    QTRY_VERIFY_WITH_TIMEOUT(Done(search), 20000);
    QCOMPARE(search->Count(), 150 * 12);
    for (int page : {0, 69, 70, 149}) {
        QCOMPARE(search->PageMatches(page).size(), 12);
        QString before, match, after;
        QTRY_VERIFY(search->Snippet(page, 11, &before, &match, &after));
        QCOMPARE(match, QStringLiteral("omega"));
    }
    QCOMPARE(Where(search), QStringLiteral("70:0"));
}

void TestSearch::badInputNeverBreaksTheSearch_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("counter");
    QTest::newRow("empty query") << "nav.pdf" << "" << int(CDocumentSearch::Idle) << "";
    QTest::newRow("only spaces") << "nav.pdf" << "   " << int(CDocumentSearch::Idle) << "";
    QTest::newRow("10,000 characters") << "nav.pdf" << QString(10000, 'a') << int(CDocumentSearch::Finished) << "No results";
    QTest::newRow("document without text") << "scanned.pdf" << "alpha" << int(CDocumentSearch::NoText) << "No text in this document";
    QTest::newRow("damaged page") << "damaged.pdf" << "alpha" << int(CDocumentSearch::Finished) << "1 of 2";
}

void TestSearch::badInputNeverBreaksTheSearch()
{
    QFETCH(QString, file);
    QFETCH(QString, query);
    QFETCH(int, state);
    QFETCH(QString, counter);
    QScopedPointer<MainBox> box(OpenShown(dir + "/" + file));
    box->OnMainMenuTrigger("find");
    box->FindBar()->Field()->setText(query);
    QTest::keyClick(box->FindBar()->Field(), Qt::Key_Return);
    QTRY_COMPARE(int(box->Search()->GetState()), state);
    QCOMPARE(box->FindBar()->Counter()->text(), counter);
    // Asked again, a document known to have no text says so at once.
    box->Search()->Start(query, {}, 0);
    QCOMPARE(int(box->Search()->GetState()), state == CDocumentSearch::Finished ? int(CDocumentSearch::Running) : state);
}

void TestSearch::readingCopyReadsTheSameText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("copied");
    QTest::newRow("simple font embedded compressed") << "typeset.pdf" << true;
    QTest::newRow("cross-reference stream") << "packed.pdf" << true;
    QTest::newRow("composite fonts only: nothing to gain") << "words.pdf" << false;
    QTest::newRow("no embedded font, damaged page") << "damaged.pdf" << false;
    QTest::newRow("encrypted") << "encrypted.pdf" << false;
    QTest::newRow("not a PDF") << "garbage.pdf" << false;
    QTest::newRow("missing") << "missing.pdf" << false;
}

void TestSearch::readingCopyReadsTheSameText()
{
    QFETCH(QString, file);
    QFETCH(bool, copied);
    QVERIFY(TestPdf::WriteEncrypted(dir + "/typeset.pdf", dir + "/encrypted.pdf", "secret"));
    QVERIFY(TestPdf::WriteBytes(dir + "/garbage.pdf", TestPdf::Garbage(4096, 7)));
    const QByteArray copy = CReadingCopy::Make(dir + "/" + file);
    QCOMPARE(!copy.isEmpty(), copied);
    if (!copied)
        return;
    // The copy is a sound file of its own, whose every page reads as the
    // original's does, to the place of each character.
    const QString copyPath = dir + "/copy-" + file;
    QVERIFY(TestPdf::WriteBytes(copyPath, copy));
    QCOMPARE(TestPdf::StructureProblems(copyPath), QString());
    CPdfDocument::LoadStatus status;
    const std::shared_ptr<CPdfDocument> original = CPdfDocument::Load(dir + "/" + file, QByteArray(), &status);
    const std::shared_ptr<CPdfDocument> copyDocument = CPdfDocument::Load(copyPath, QByteArray(), &status);
    QVERIFY(original && copyDocument);
    QCOMPARE(copyDocument->PageCount(), original->PageCount());
    CTextParser fromFile(original), fromCopy(copyDocument);
    QString whole;
    for (int page = 0; page < original->PageCount(); ++page) {
        for (bool boxes : {false, true}) {
            PdfPageText expected, read;
            QVERIFY(fromFile.Read(page, boxes, nullptr, &expected));
            QVERIFY(fromCopy.Read(page, boxes, nullptr, &read));
            QCOMPARE(read.text, expected.text);
            QCOMPARE(read.boxes, expected.boxes);
            whole += read.text;
        }
    }
    QVERIFY(!whole.isEmpty());
}

RV_TEST_MAIN(TestSearch)
#include "tst_search.moc"
