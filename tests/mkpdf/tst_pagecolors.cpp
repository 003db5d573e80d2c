#include "CImageLocator.h"
#include "CPageCache.h"
#include "CPageColors.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CThumbnailView.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSignalSpy>

namespace {

// The same page made by the toolkit's PDF writer: text, then a photo-like
// picture at (110,110 60x60) and a blue block at (10,80 40x20).
bool WriteToolkitPage(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(200, 200), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font("DejaVu Sans");
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 30), "Hi");
    painter.fillRect(QRectF(10, 80, 40, 20), QColor(0, 0, 255));
    static const QRgb cells[] = {qRgb(255, 0, 0), qRgb(0, 192, 0), qRgb(0, 0, 255), qRgb(255, 208, 0)};
    painter.drawImage(QRectF(110, 110, 60, 60), QImage(reinterpret_cast<const uchar*>(cells), 2, 2, QImage::Format_RGB32));
    return painter.end();
}

int Lightness(QRgb c)
{
    return (qMax(qRed(c), qMax(qGreen(c), qBlue(c))) + qMin(qRed(c), qMin(qGreen(c), qBlue(c)))) / 2;
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class TestPageColors : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void recoloursTextAndKeepsPictures_data();
    void recoloursTextAndKeepsPictures();
    void damagedContentNeverCrashes_data();
    void damagedContentNeverCrashes();
    void modeNamesRoundTrip();
    void viewsFollowTheMode();
};

void TestPageColors::init()
{
    CPageColors::SetCurrent(CPageColors::Normal);
}

void TestPageColors::recoloursTextAndKeepsPictures_data()
{
    QTest::addColumn<bool>("handWritten");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("lightText");
    for (bool hand : {true, false}) {
        const char* source = hand ? "hand-written" : "toolkit";
        QTest::addRow("%s normal", source) << hand << int(CPageColors::Normal) << false;
        QTest::addRow("%s dark", source) << hand << int(CPageColors::Dark) << true;
        QTest::addRow("%s sepia", source) << hand << int(CPageColors::Sepia) << false;
        QTest::addRow("%s high contrast", source) << hand << int(CPageColors::HighContrast) << true;
    }
}

void TestPageColors::recoloursTextAndKeepsPictures()
{
    QFETCH(bool, handWritten);
    QFETCH(int, mode);
    QFETCH(bool, lightText);
    const QString path = TestEnv::MakeDir("colours") + "/page.pdf";
    QVERIFY(handWritten ? TestPdf::WriteBytes(path, TestPdf::HandWrittenPage(0)) : WriteToolkitPage(path));
    CPdfDocument::LoadStatus status;
    auto document = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(document);
    const double scale = 2.0;
    const QImage natural = document->RenderPage(0, scale);
    const QImage shown = CPageColors::Render(*document, 0, scale, QRect(), CPageColors::Mode(mode));
    QCOMPARE(shown.size(), natural.size());

    // Paper.
    const QPoint paper(int(190 * scale), int(60 * scale));
    QVERIFY(Near(natural.pixel(paper), qRgb(255, 255, 255), 2));
    QVERIFY(Near(shown.pixel(paper), CPageColors::Paper(CPageColors::Mode(mode)).rgb(), 2));

    // Text: every dark pixel of the heading becomes light, or stays dark.
    int textPixels = 0;
    for (int y = int(5 * scale); y < int(35 * scale); ++y) {
        for (int x = int(8 * scale); x < int(70 * scale); ++x) {
            if (Lightness(natural.pixel(x, y)) > 40)
                continue;
            ++textPixels;
            const int light = Lightness(shown.pixel(x, y));
            QVERIFY2(lightText ? light > 180 : light < 90, qPrintable(QStringLiteral("text pixel %1,%2 is %3").arg(x).arg(y).arg(light)));
        }
    }
    QVERIFY2(textPixels > 50, "the heading was found");

    // Pictures keep their natural colours, pixel for pixel.
    QList<QPoint> cells = TestPdf::PictureCells(QRectF(110, 110, 60, 60), scale);
    if (handWritten)
        cells += TestPdf::PictureCells(QRectF(10, 140, 40, 40), scale);
    for (const QPoint& cell : cells) {
        QVERIFY2(Lightness(natural.pixel(cell)) < 240, "the picture is rendered where expected");
        QVERIFY2(Near(shown.pixel(cell), natural.pixel(cell), 0),
                 qPrintable(QStringLiteral("picture pixel %1,%2 changed").arg(cell.x()).arg(cell.y())));
    }

    // Vector drawing keeps its hue: the blue block stays blue.
    const QRgb block = shown.pixel(int(30 * scale), int(90 * scale));
    QVERIFY2(qBlue(block) > qRed(block) + 60 && qBlue(block) > qGreen(block) + 60,
             qPrintable(QStringLiteral("block is %1").arg(block, 8, 16)));
}

void TestPageColors::damagedContentNeverCrashes_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("form calls itself") << QByteArray("/Im1 7 0 R") << QByteArray("/Im1 6 0 R");
    QTest::newRow("missing picture") << QByteArray("/Im1 7 0 R") << QByteArray("/Im1 99 0 R");
    QTest::newRow("bad matrix") << QByteArray("q 1 0 0 1 100 20 cm") << QByteArray("q (x) 0 /N 1 cm");
    QTest::newRow("unbalanced restore") << QByteArray("q 0 0 1 rg") << QByteArray("Q Q Q 0 0 1 rg");
    QTest::newRow("cut stream") << QByteArray("BI /W 2") << QByteArray("BI /W ");
}

void TestPageColors::damagedContentNeverCrashes()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QByteArray bytes = TestPdf::HandWrittenPage(0);
    QVERIFY(bytes.contains(from));
    bytes.replace(from, to);
    const QString path = TestEnv::MakeDir("damaged") + "/page.pdf";
    QVERIFY(TestPdf::WriteBytes(path, bytes));
    CPdfDocument::LoadStatus status;
    auto document = CPdfDocument::Load(path, QByteArray(), &status);
    if (!document)
        return;
    // Whatever is found, rendering in every mode gives a full page.
    document->ImageAreas(0);
    for (auto mode : {CPageColors::Dark, CPageColors::Sepia, CPageColors::HighContrast})
        QVERIFY(!CPageColors::Render(*document, 0, 1.0, QRect(), mode).isNull());

    // A file the structure parser cannot read at all: no areas, page still
    // recoloured.
    CImageLocator locator;
    QVERIFY(!locator.Open(TestEnv::MakeDir("garbage") + "/none.pdf", QByteArray()));
    QVERIFY(locator.ImageAreas(0).isEmpty());
}

void TestPageColors::modeNamesRoundTrip()
{
    for (auto mode : {CPageColors::Normal, CPageColors::Dark, CPageColors::Sepia, CPageColors::HighContrast})
        QCOMPARE(CPageColors::FromName(CPageColors::Name(mode)), mode);
    QCOMPARE(CPageColors::FromName("purple", CPageColors::Sepia), CPageColors::Sepia);
    QCOMPARE(CPageColors::FromName(QString()), CPageColors::Normal);
    // Views repaint once per real change; an unknown mode is the normal one.
    QSignalSpy spy(CPageColors::Instance(), &CPageColors::SignalModeChanged);
    for (int mode : {int(CPageColors::Dark), int(CPageColors::Dark), 42})
        CPageColors::SetCurrent(CPageColors::Mode(mode));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(CPageColors::Current(), CPageColors::Normal);
}

void TestPageColors::viewsFollowTheMode()
{
    const QString path = TestEnv::MakeDir("view") + "/page.pdf";
    QVERIFY(TestPdf::WriteBytes(path, TestPdf::HandWrittenPage(0)));
    CPdfDocument::LoadStatus status;
    auto document = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(document);
    CPageView view(document);
    view.resize(400, 400);
    view.SetZoom(100.0);
    view.show();
    CThumbnailView thumbs(document);
    thumbs.resize(200, 400);
    thumbs.show();
    auto settled = [&](CPageColors::Mode mode) {
        const QRgb paper = CPageColors::Paper(mode).rgb();
        const QRect page = view.PageRect(0);
        if (page.isEmpty())
            return false;
        QImage image = view.viewport()->grab().toImage();
        // Paper right of the heading, and the inline picture's red cell
        // (10,140 40x40 in points) in its own colour.
        const double s = view.Scale();
        return Near(image.pixel(page.left() + int(150 * s), page.top() + int(20 * s)), paper, 2)
            && Near(image.pixel(page.left() + int(20 * s), page.top() + int(150 * s)), qRgb(255, 0, 0), 6);
    };
    QTRY_VERIFY(settled(CPageColors::Normal));
    CPageColors::SetCurrent(CPageColors::Dark);
    QTRY_VERIFY(settled(CPageColors::Dark));
    // The thumbnail's paper, near its top-left corner.
    const QPoint thumb(thumbs.viewport()->width() / 2 - 7, 62);
    QTRY_VERIFY(Near(thumbs.viewport()->grab().toImage().pixel(thumb), CPageColors::Paper(CPageColors::Dark).rgb(), 8));
    CPageColors::SetCurrent(CPageColors::Sepia);
    QTRY_VERIFY(settled(CPageColors::Sepia));
    CPageColors::SetCurrent(CPageColors::Normal);
    QTRY_VERIFY(settled(CPageColors::Normal));
}

RV_TEST_MAIN(TestPageColors)
#include "tst_pagecolors.moc"
