// The document layer alone: the file, its text and its page plan, with no
// widget and no display.

#include "CPagePlan.h"
#include "CPdfDocument.h"
#include "CTextMatcher.h"
#include "TestEnv.h"
#include "TestPdf.h"

#include <QGuiApplication>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QRectF Turned(const QRectF& area, int nRotate)
{
    // A 200 x 200 page turned clockwise.
    switch (nRotate) {
    case 90: return QRectF(200 - area.bottom(), area.left(), area.height(), area.width());
    case 180: return QRectF(200 - area.right(), 200 - area.bottom(), area.width(), area.height());
    case 270: return QRectF(area.top(), 200 - area.right(), area.height(), area.width());
    default: return area;
    }
}

bool Contains(const QVector<QRectF>& areas, const QRectF& expected)
{
    for (const QRectF& area : areas) {
        if (qAbs(area.x() - expected.x()) < 0.5 && qAbs(area.y() - expected.y()) < 0.5
            && qAbs(area.width() - expected.width()) < 0.5 && qAbs(area.height() - expected.height()) < 0.5)
            return true;
    }
    return false;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void foldsTextAsReadersExpect_data();
    void foldsTextAsReadersExpect();
    void damagedPlanRefused_data();
    void damagedPlanRefused();
    void findsPictureAreas_data();
    void findsPictureAreas();
};

void TestDocument::foldsTextAsReadersExpect_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("found"); // start:length of each match
    const int exact = CTextMatcher::MatchCase;
    const int whole = CTextMatcher::WholeWords;
    QTest::newRow("case ignored") << "Find FIND find" << "find" << 0 << "0:4 5:4 10:4";
    QTest::newRow("case matched") << "Find FIND find" << "find" << exact << "10:4";
    QTest::newRow("accents ignored") << QString::fromUtf8("résumé resume") << "RESUME" << 0 << "0:6 7:6";
    QTest::newRow("accents kept with case") << QString::fromUtf8("résumé resume") << "resume" << exact << "7:6";
    QTest::newRow("decomposed accent is one letter") << QString::fromUtf8("cafe\u0301 cafe") << QString::fromUtf8("café") << exact << "0:5";
    QTest::newRow("bare letter is not the accented one") << QString::fromUtf8("cafe\u0301") << "cafe" << exact << "";
    QTest::newRow("ligature in a word") << QString::fromUtf8("o\uFB03ce") << "office" << exact << "0:4";
    QTest::newRow("part of a ligature") << QString::fromUtf8("\uFB03") << "fi" << 0 << "0:1";
    QTest::newRow("full-width letters") << QString::fromUtf8("ＡＢＣ") << "abc" << 0 << "0:3";
    QTest::newRow("radical forms of ideographs") << QString::fromUtf8("\u2F47本") << QString::fromUtf8("日本") << exact << "0:2";
    QTest::newRow("arabic presentation forms") << QString::fromUtf8("\uFEE3\uFEAE\uFEA3\uFE92\uFE8E") << QString::fromUtf8("مرحبا") << exact << "0:5";
    QTest::newRow("hyphen at a line end") << "docu-\nment docu- ment" << "document" << 0 << "0:10";
    QTest::newRow("soft hyphen") << QString::fromUtf8("hy\u00ADphen") << "hyphen" << 0 << "0:7";
    QTest::newRow("white space runs") << "two  \n words" << "two words" << 0 << "0:12";
    QTest::newRow("line break inside japanese") << QString::fromUtf8("日本\n語") << QString::fromUtf8("日本語") << 0 << "0:4";
    QTest::newRow("whole words") << "pass password pass_ pass" << "pass" << whole << "0:4 20:4";
    QTest::newRow("whole words in chinese") << QString::fromUtf8("我们的文件") << QString::fromUtf8("文件") << whole << "3:2";
    QTest::newRow("hangul syllables stay whole") << QString::fromUtf8("각 가") << QString::fromUtf8("가") << 0 << "2:1";
    QTest::newRow("kana voicing counts") << QString::fromUtf8("がか") << QString::fromUtf8("か") << 0 << "1:1";
    QTest::newRow("outside the basic plane") << QString::fromUtf8("a 𝐀b 𝐀") << QString::fromUtf8("𝐀") << exact << "2:2 6:2";
    QTest::newRow("nothing to find") << "text" << "  \n " << 0 << "";
}

void TestDocument::foldsTextAsReadersExpect()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QFETCH(int, options);
    QFETCH(QString, found);
    QStringList spans;
    for (const PdfTextMatch& match : CTextMatcher(query, CTextMatcher::Options(options)).FindAll(text))
        spans << QStringLiteral("%1:%2").arg(match.start).arg(match.length);
    QCOMPARE(spans.join(' '), found);
}

void TestDocument::damagedPlanRefused_data()
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

void TestDocument::damagedPlanRefused()
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

void TestDocument::findsPictureAreas_data()
{
    QTest::addColumn<int>("rotate");
    for (int rotate : {0, 90, 180, 270, -90, 450})
        QTest::addRow("turned %d", rotate) << rotate;
}

void TestDocument::findsPictureAreas()
{
    QFETCH(int, rotate);
    const QString path = TestEnv::MakeDir("areas") + QStringLiteral("/turned%1.pdf").arg(rotate);
    QVERIFY(TestPdf::WriteBytes(path, TestPdf::HandWrittenPage(rotate)));
    CPdfDocument::LoadStatus status;
    auto document = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(document);
    const int turn = ((rotate % 360) + 360) % 360;
    const QVector<QRectF> areas = document->ImageAreas(0);
    QCOMPARE(areas.size(), 2);
    QVERIFY2(Contains(areas, Turned(QRectF(110, 110, 60, 60), turn)), "picture drawn through a form");
    QVERIFY2(Contains(areas, Turned(QRectF(10, 140, 40, 40), turn)), "inline picture");
    // The areas are where the renderer really puts the pictures.
    const QImage page = document->RenderPage(0, 2.0);
    const QRgb red = page.pixel(TestPdf::PictureCells(Turned(QRectF(110, 110, 60, 60), turn), 2.0).first());
    QVERIFY2(qRed(red) > 150 || qGreen(red) > 150 || qBlue(red) > 150, "a picture cell lies in the area");
    QVERIFY(document->ImageAreas(1).isEmpty());
    QVERIFY(document->ImageAreas(-1).isEmpty());
}

int main(int argc, char** argv)
{
    TestEnv::Setup(TestEnv::Offscreen);
    QGuiApplication app(argc, argv);
    TestDocument test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_document.moc"
