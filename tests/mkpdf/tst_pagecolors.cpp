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

// A 200 x 200 pt page written by hand, so that every way of placing a
// picture is there: black text at the top, a 2 x 2 picture drawn through a
// form with its own matrix, an inline picture, and a blue vector block.
// Picture areas in top-left page points: form (110,110 60x60), inline
// (10,140 40x40); blue block (10,80 40x20); text near (10..60, 10..35).
QByteArray HandWrittenPage(int nRotate)
{
    const QByteArray pixels("\xff\x00\x00\x00\xc0\x00\x00\x00\xff\xff\xd0\x00", 12);
    QByteArray content = "q 0 0 0 rg BT /F1 28 Tf 10 170 Td (Hi) Tj ET Q\n"
                         "q 0 0 1 rg 10 100 40 20 re f Q\n"
                         "q 1 0 0 1 100 20 cm /Fm1 Do Q\n"
                         "q 40 0 0 40 10 20 cm BI /W 2 /H 2 /CS /RGB /BPC 8 ID ";
    content += pixels + "\nEI Q\n";
    const QByteArray form = "q 60 0 0 60 0 0 cm /Im1 Do Q\n";
    return TestPdf::Assemble(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Rotate " + QByteArray::number(nRotate)
             + " /Resources << /Font << /F1 5 0 R >> /XObject << /Fm1 6 0 R >> >> /Contents 4 0 R >>",
         "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
         "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
         "<< /Type /XObject /Subtype /Form /BBox [0 0 100 100] /Matrix [1 0 0 1 10 10] "
         "/Resources << /XObject << /Im1 7 0 R >> >> /Length " + QByteArray::number(form.size()) + " >>\nstream\n" + form + "\nendstream",
         "<< /Type /XObject /Subtype /Image /Width 2 /Height 2 /ColorSpace /DeviceRGB "
         "/BitsPerComponent 8 /Length 12 >>\nstream\n" + pixels + "\nendstream"});
}

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
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 192, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(255, 208, 0));
    painter.drawImage(QRectF(110, 110, 60, 60), picture);
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

// Centre pixels of the four cells of the 2 x 2 picture at area (points).
QList<QPoint> PictureCells(const QRectF& area, double scale)
{
    QList<QPoint> cells;
    for (double fy : {0.25, 0.75}) {
        for (double fx : {0.25, 0.75})
            cells << QPoint(int((area.x() + area.width() * fx) * scale), int((area.y() + area.height() * fy) * scale));
    }
    return cells;
}

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

class TestPageColors : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void findsPictureAreas_data();
    void findsPictureAreas();
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

void TestPageColors::findsPictureAreas_data()
{
    QTest::addColumn<int>("rotate");
    for (int rotate : {0, 90, 180, 270, -90, 450})
        QTest::addRow("turned %d", rotate) << rotate;
}

void TestPageColors::findsPictureAreas()
{
    QFETCH(int, rotate);
    const QString path = TestEnv::MakeDir("areas") + QStringLiteral("/turned%1.pdf").arg(rotate);
    QVERIFY(TestPdf::WriteBytes(path, HandWrittenPage(rotate)));
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
    const QRgb red = page.pixel(PictureCells(Turned(QRectF(110, 110, 60, 60), turn), 2.0).first());
    QVERIFY2(qRed(red) > 150 || qGreen(red) > 150 || qBlue(red) > 150, "a picture cell lies in the area");
    QVERIFY(document->ImageAreas(1).isEmpty());
    QVERIFY(document->ImageAreas(-1).isEmpty());
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
    QVERIFY(handWritten ? TestPdf::WriteBytes(path, HandWrittenPage(0)) : WriteToolkitPage(path));
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
    QList<QPoint> cells = PictureCells(QRectF(110, 110, 60, 60), scale);
    if (handWritten)
        cells += PictureCells(QRectF(10, 140, 40, 40), scale);
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
    QByteArray bytes = HandWrittenPage(0);
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
    QVERIFY(TestPdf::WriteBytes(path, HandWrittenPage(0)));
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
    auto paperOf = [](QWidget* widget, const QRect& page) {
        return widget->grab().toImage().pixel(page.left() + 3, page.top() + 50);
    };
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
    const QRect thumb(thumbs.viewport()->width() / 2 - 10, 12, 20, 100);
    QTRY_VERIFY(Near(paperOf(thumbs.viewport(), thumb), CPageColors::Paper(CPageColors::Dark).rgb(), 8));
    CPageColors::SetCurrent(CPageColors::Sepia);
    QTRY_VERIFY(settled(CPageColors::Sepia));
    CPageColors::SetCurrent(CPageColors::Normal);
    QTRY_VERIFY(settled(CPageColors::Normal));
}

RV_TEST_MAIN(TestPageColors)
#include "tst_pagecolors.moc"
