#include "CPageView.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"

#include <QDir>
#include <QFile>
#include <QMetaMethod>
#include <QSignalSpy>

class TestMKPDF : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensRealDocument();
    void honoursViewOptions_data();
    void honoursViewOptions();
    void refusesWhatItCannotOpen_data();
    void refusesWhatItCannotOpen();
    void rendersFirstPageOffTheGuiThread();
    void zoomStepsStayInRange();
    void createsBlankDocuments_data();
    void createsBlankDocuments();
    void refusesBadBlankOptions_data();
    void refusesBadBlankOptions();
    void closeReportsToTheWindow();
    void declaresEverySignalTheShellConnects();

private:
    QString dir;
    QString threePages;
};

void TestMKPDF::initTestCase()
{
    dir = TestEnv::MakeDir("pdf");
    threePages = dir + "/three.pdf";
    QVERIFY(TestPdf::Write(threePages, 3));
}

void TestMKPDF::opensRealDocument()
{
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, threePages, {}, result));
    QCOMPARE(result, 0);
    auto* box = qobject_cast<MainBox*>(widget.data());
    QVERIFY(box);
    QCOMPARE(box->PageCount(), 3);
    QCOMPARE(box->GetDocumentFilePath(), QFileInfo(threePages).absoluteFilePath());
    QVERIFY(!box->isTempDoc());
    QVERIFY(!box->IsDirty());
    QVERIFY(!box->IsFullScreenReadModeEnable());
}

void TestMKPDF::honoursViewOptions_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("mode");
    QTest::newRow("defaults") << QVariantMap() << 0 << -2.0 << 1;
    QTest::newRow("page 3, 150%, two page scrolling")
        << QVariantMap{{"pageIndex", 2}, {"zoom", 150.0}, {"displayMode", 3}} << 2 << 150.0 << 3;
    QTest::newRow("fit page as float") << QVariantMap{{"zoom", QVariant(-1.0f)}} << 0 << -1.0 << 1;
    QTest::newRow("page out of range") << QVariantMap{{"pageIndex", 99}} << 2 << -2.0 << 1;
    QTest::newRow("negative page") << QVariantMap{{"pageIndex", -4}} << 0 << -2.0 << 1;
    QTest::newRow("zoom out of range") << QVariantMap{{"zoom", 99999.0}} << 0 << -2.0 << 1;
    QTest::newRow("zoom not a number") << QVariantMap{{"zoom", "big"}} << 0 << -2.0 << 1;
    QTest::newRow("unknown layout") << QVariantMap{{"displayMode", 9}} << 0 << -2.0 << 1;
    QTest::newRow("single page view") << QVariantMap{{"displayMode", 0}, {"pageIndex", 1}} << 1 << -2.0 << 0;
}

void TestMKPDF::honoursViewOptions()
{
    QFETCH(QVariantMap, options);
    QFETCH(int, page);
    QFETCH(double, zoom);
    QFETCH(int, mode);
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, threePages, options, result));
    QVERIFY(widget);
    widget->resize(900, 700);
    widget->show();
    auto* box = qobject_cast<MainBox*>(widget.data());
    const QVariantMap shown = box->GetDisplayOption();
    QCOMPARE(shown.value("pageIndex").toInt(), page);
    QCOMPARE(shown.value("zoom").userType(), int(QMetaType::Float));
    QCOMPARE(shown.value("zoom").toDouble(), zoom);
    QCOMPARE(shown.value("displayMode").toInt(), mode);
}

void TestMKPDF::refusesWhatItCannotOpen_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("result");
    const QString bad = TestEnv::MakeDir("bad");
    TestPdf::WriteBytes(bad + "/empty.pdf", QByteArray());
    TestPdf::WriteBytes(bad + "/garbage.pdf", TestPdf::Garbage(20000, 3));
    TestPdf::WriteBytes(bad + "/text.pdf", "Hello, this is not a PDF at all.\n");
    TestPdf::WriteBytes(bad + "/header-only.pdf", "%PDF-1.7\n%%EOF\n");
    QDir().mkpath(bad + "/folder.pdf");

    QTest::newRow("missing") << bad + "/none.pdf" << int(MainBox::OpenMissing);
    QTest::newRow("directory") << bad + "/folder.pdf" << int(MainBox::OpenUnreadable);
    QTest::newRow("empty file") << bad + "/empty.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("random bytes") << bad + "/garbage.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("plain text") << bad + "/text.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("header only") << bad + "/header-only.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("empty path") << QString() << int(MainBox::OpenMissing);
}

void TestMKPDF::refusesWhatItCannotOpen()
{
    QFETCH(QString, path);
    QFETCH(int, result);
    int code = -1;
    QWidget* widget = MainBox::CreatePdfBox(nullptr, path, {}, code);
    QCOMPARE(widget, nullptr);
    QCOMPARE(code, result);
}

void TestMKPDF::rendersFirstPageOffTheGuiThread()
{
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, threePages, {}, result));
    auto* box = qobject_cast<MainBox*>(widget.data());
    QSignalSpy thumb(box, SIGNAL(SignalFirstThumbRendered(QString, bool)));
    QSignalSpy pages(box->PageView(), &CPageView::SignalPageRendered);
    widget->resize(800, 1000);
    widget->show();
    QVERIFY(thumb.wait(5000) || thumb.count() == 1);
    QCOMPARE(thumb.at(0).at(0).toString(), box->GetDocumentFilePath());
    QCOMPARE(thumb.at(0).at(1).toBool(), false);

    // The rendered page carries the blue block the test file draws.
    QTRY_VERIFY(!pages.isEmpty());
    const QImage image = pages.at(0).at(1).value<QImage>();
    QVERIFY(!image.isNull());
    const QColor probe = image.pixelColor(int(image.width() * 0.3), int(image.height() * 0.25));
    QVERIFY2(probe.blue() > 150 && probe.red() < 120, qPrintable(probe.name()));

    // Painting draws from memory: once the visible pages are rendered, a
    // repaint at the same zoom renders nothing.
    int rendered = -1;
    while (rendered != pages.count()) {
        rendered = pages.count();
        QTest::qWait(200);
    }
    widget->repaint();
    QTest::qWait(100);
    QCOMPARE(pages.count(), rendered);
}

void TestMKPDF::zoomStepsStayInRange()
{
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, threePages, {{"zoom", 100.0}}, result));
    auto* box = qobject_cast<MainBox*>(widget.data());
    widget->resize(800, 600);
    widget->show();
    box->OnMainMenuTrigger("zoom_in");
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 125.0);
    for (int i = 0; i < 30; ++i)
        box->OnMainMenuTrigger("zoom_in");
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 6400.0);
    for (int i = 0; i < 40; ++i)
        box->OnMainMenuTrigger("zoom_out");
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), 5.0);
    box->OnMainMenuTrigger("fit_page");
    QCOMPARE(box->GetDisplayOption().value("zoom").toDouble(), -1.0);
    box->OnMainMenuTrigger("last_page");
    QCOMPARE(box->GetDisplayOption().value("pageIndex").toInt(), 2);
    box->OnMainMenuTrigger("pre_page");
    QCOMPARE(box->GetDisplayOption().value("pageIndex").toInt(), 1);
    box->OnMainMenuTrigger("not_an_action");
    QCOMPARE(box->GetDisplayOption().value("pageIndex").toInt(), 1);
}

void TestMKPDF::createsBlankDocuments_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("count");
    QTest::newRow("A4 portrait, one page") << QSizeF(595, 842) << 1;
    QTest::newRow("A4 landscape, three pages") << QSizeF(842, 595) << 3;
    QTest::newRow("custom 100 x 50 mm") << QSizeF(283, 142) << 100;
}

void TestMKPDF::createsBlankDocuments()
{
    QFETCH(QSizeF, size);
    QFETCH(int, count);
    const QString path = TestEnv::MakeDir("blank") + "/Untitled_1.pdf";
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(
        nullptr, {{"pageSize", size}, {"pageCount", count}, {"tempPath", path}}, result));
    QCOMPARE(result, 0);
    auto* box = qobject_cast<MainBox*>(widget.data());
    QVERIFY(box);
    QVERIFY(box->isTempDoc());
    QVERIFY(box->IsDirty());
    QCOMPARE(box->PageCount(), count);
    QVERIFY(QFile::exists(path));

    // The file on disk is a real PDF of that page size.
    int reopened = -1;
    QScopedPointer<QWidget> again(MainBox::CreatePdfBox(nullptr, path, {}, reopened));
    QCOMPARE(reopened, 0);
    auto* view = qobject_cast<MainBox*>(again.data())->PageView();
    again->resize(900, 900);
    again->show();
    view->SetZoom(100.0);
    const QRect page = view->PageRect(0);
    const double pxPerPt = view->Scale();
    QVERIFY(qAbs(page.width() - size.width() * pxPerPt) <= 1.0);
    QVERIFY(qAbs(page.height() - size.height() * pxPerPt) <= 1.0);
}

void TestMKPDF::refusesBadBlankOptions_data()
{
    QTest::addColumn<QVariantMap>("options");
    const QString path = TestEnv::MakeDir("blank-bad") + "/x.pdf";
    QTest::newRow("no pages") << QVariantMap{{"pageSize", QSizeF(595, 842)}, {"pageCount", 0}, {"tempPath", path}};
    QTest::newRow("no size") << QVariantMap{{"pageCount", 1}, {"tempPath", path}};
    QTest::newRow("absurd size") << QVariantMap{{"pageSize", QSizeF(1e7, 5)}, {"pageCount", 1}, {"tempPath", path}};
    QTest::newRow("no path") << QVariantMap{{"pageSize", QSizeF(595, 842)}, {"pageCount", 1}};
    QTest::newRow("unwritable folder")
        << QVariantMap{{"pageSize", QSizeF(595, 842)}, {"pageCount", 1}, {"tempPath", "/proc/rvpdf/x.pdf"}};
}

void TestMKPDF::refusesBadBlankOptions()
{
    QFETCH(QVariantMap, options);
    int result = -1;
    QWidget* widget = MainBox::CreatePdfBox(nullptr, options, result);
    QCOMPARE(widget, nullptr);
    QCOMPARE(result, int(MainBox::OpenCreateFailed));
    const QString path = options.value("tempPath").toString();
    if (!path.isEmpty())
        QVERIFY(!QFile::exists(path));
}

void TestMKPDF::closeReportsToTheWindow()
{
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, threePages, {}, result));
    QSignalSpy closed(widget.data(), SIGNAL(SignalDocumentClosed(bool)));
    QVERIFY(widget->close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).toBool(), true);
}

void TestMKPDF::declaresEverySignalTheShellConnects()
{
    const char* signatures[] = {
        "SignalDocumentChanged(bool)",
        "SignalDocumentClosed(bool)",
        "SignalDocumentRename(QString,QString)",
        "SignalDocumentSaveAs(QString,QString)",
        "SignalFirstThumbRendered(QString,bool)",
        "SignalDocumentOpenAttachment(QString)",
        "SignalGetUserName(QString&)",
        "SignalSetTitleBarVisible(bool)",
        "SignalCommentOptionChanged()",
        "SignalClickedFile(QPoint)",
    };
    const QMetaObject& meta = MainBox::staticMetaObject;
    for (const char* signature : signatures) {
        const int index = meta.indexOfSignal(QMetaObject::normalizedSignature(signature));
        QVERIFY2(index >= 0, signature);
        QCOMPARE(meta.method(index).methodType(), QMetaMethod::Signal);
    }
}

RV_TEST_MAIN(TestMKPDF)
#include "tst_mkpdf.moc"
