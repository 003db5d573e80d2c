// Links of a page: where the pointer says they lead and where a click takes
// the reader, with Back and Forward through the jumps.

#include "CLinkActions.h"
#include "CLinkLayer.h"
#include "CPageView.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QUrl>

namespace {

// Three A4 pages; on the first a column of links, one per row from the
// top, each 200 x 20 pt at x 50, y 42 + 40 * row (top-left points).
QByteArray LinkPdf()
{
    const QList<QByteArray> actions = {
        "/A << /S /GoTo /D [4 0 R /XYZ 0 421 0] >>", // page 2, halfway down
        "/Dest (chapter)",                             // named: page 3
        "/A << /S /URI /URI (https://example.org/guide) >>",
        "/A << /S /URI /URI (mailto:someone@example.org) >>",
        "/A << /S /URI /URI (ftp://example.org/file) >>",
        "/A << /S /Launch /F (evil.sh) >>",
        "/A << /S /JavaScript /JS (app.alert\\(1\\)) >>",
        "/A << /S /GoToR /F (other.pdf) /D [0 /Fit] >>",
        "/A << /S /Named /N /LastPage >>",
    };
    QByteArray annots;
    QList<QByteArray> objects
        = {"<< /Type /Catalog /Pages 2 0 R /Names << /Dests << /Names [(chapter) [5 0 R /XYZ 0 842 0]] >> >> >>",
           "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>", QByteArray(),
           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"};
    for (int row = 0; row < actions.size(); ++row) {
        const int top = 842 - 42 - 40 * row;
        annots += QByteArray::number(objects.size() + 1) + " 0 R ";
        objects << "<< /Type /Annot /Subtype /Link /Border [0 0 0] /Rect [50 " + QByteArray::number(top - 20)
                + " 250 " + QByteArray::number(top) + "] " + actions.at(row) + " >>";
    }
    objects[2] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Annots [" + annots + "] >>";
    return TestPdf::Assemble(objects);
}

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dir = TestEnv::MakeDir("links"); }
    void linksLeadWhereTheySay_data();
    void linksLeadWhereTheySay();

private:
    QString dir;
};

void TestLinks::linksLeadWhereTheySay_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("page");    // the page shown after the click
    QTest::addColumn<QString>("opened"); // what reached the desktop or the window
    QTest::newRow("page of this document") << 0 << "Go to page 2" << 1 << "";
    QTest::newRow("named destination") << 1 << "Go to page 3" << 2 << "";
    QTest::newRow("web address") << 2 << "https://example.org/guide" << 0 << "https://example.org/guide";
    QTest::newRow("mail address") << 3 << "Write to someone@example.org" << 0 << "mailto:someone@example.org";
    QTest::newRow("other scheme, refused when asked") << 4 << "ftp://example.org/file" << 0 << "";
    QTest::newRow("program never runs") << 5 << "Runs the program evil.sh" << 0 << "";
    QTest::newRow("script never runs") << 6 << "Runs a script" << 0 << "";
    QTest::newRow("another PDF opens in a tab") << 7 << "Open other.pdf at page 1" << 0 << "other.pdf";
    QTest::newRow("viewer command") << 8 << "Viewer command: last_page" << 2 << "";
}

void TestLinks::linksLeadWhereTheySay()
{
    QFETCH(int, row);
    QFETCH(QString, tip);
    QFETCH(int, page);
    QFETCH(QString, opened);
    const QString path = dir + "/links.pdf";
    QVERIFY(TestPdf::WriteBytes(path, LinkPdf()));
    QVERIFY(TestPdf::Write(dir + "/other.pdf", 1));
    QStringList reached;
    CLinkActions::SetUrlOpener([&reached](const QUrl& url) {
        reached << url.toString();
        return true;
    });
    QScopedPointer<MainBox> box(TestWindows::Document(path, {{"zoom", 100.0}}));
    QSignalSpy files(box.data(), SIGNAL(SignalDocumentOpenAttachment(const QString&)));
    box->resize(900, 900);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.data()));
    CPageView* view = box->PageView();
    const QPoint at = view->ToViewport(0, QRectF(50, 42 + 40 * row, 200, 20)).center().toPoint();
    auto* layer = box->findChild<CLinkLayer*>();
    QVERIFY(layer);
    QTRY_VERIFY(layer->LinksRead(0));
    // The pointer says where the link leads.
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QCOMPARE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY2(CLinkLayer::Describe(layer->LinkAt(at)).startsWith(tip), qPrintable(CLinkLayer::Describe(layer->LinkAt(at))));
    QScopedPointer<ModalAnswerer> cancel(ModalAnswerer::Clicking("button_2"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTRY_COMPARE(view->CurrentPage(), page);
    QTest::qWait(50);
    if (opened.endsWith(".pdf")) {
        QCOMPARE(files.count(), 1);
        QCOMPARE(QFileInfo(files.at(0).at(0).toString()).fileName(), opened);
    } else {
        QCOMPARE(files.count(), 0);
        QCOMPARE(reached, opened.isEmpty() ? QStringList() : QStringList {opened});
    }
    QCOMPARE(cancel->AnsweredCount(), row == 4 ? 1 : 0);
    // A jump is undone by Back, and Forward goes again.
    if (page != 0) {
        box->OnMainMenuTrigger("go_back");
        QCOMPARE(view->CurrentPage(), 0);
        box->OnMainMenuTrigger("go_forward");
        QCOMPARE(view->CurrentPage(), page);
    }
    CLinkActions::SetUrlOpener(nullptr);
}

RV_TEST_MAIN(TestLinks)
#include "tst_links.moc"
