#include "CAppPaths.h"
#include "CGotoPageBox.h"
#include "CPageCache.h"
#include "CPageColors.h"
#include "CChangeWatcher.h"
#include "CEditSession.h"
#include "CPagePlan.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CPropertiesBox.h"
#include "CRenameBox.h"
#include "CSidePanel.h"
#include "CThumbnailView.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QSignalSpy>
#include <QTreeWidget>

#include <memory>

class TestMKPDF : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { keyTarget.reset(); }
    void honoursViewOptions_data();
    void honoursViewOptions();
    void refusesWhatItCannotOpen_data();
    void refusesWhatItCannotOpen();
    void passwordPrompt_data();
    void passwordPrompt();
    void firstThumbnailIsWrittenAndAnnounced_data();
    void firstThumbnailIsWrittenAndAnnounced();
    void rendersPagesAndPaintsFromMemory();
    void pageSizesLoadLazily();
    void cacheStaysBounded_data();
    void cacheStaysBounded();
    void zoomAndNavigationKeys();
    void textSelectionAndCopy();
    void createsBlankDocuments_data();
    void createsBlankDocuments();
    void closeAsksForDirtyDocuments_data();
    void closeAsksForDirtyDocuments();
    void renameChecksAndRenames_data();
    void renameChecksAndRenames();
    void gotoPageRefusesOutOfRange();
    void sidePanelLists();
    void readModeTogglesTitleBar();
    void propertiesShowTheDocument();
    void everyMenuKeyIsSafe_data();
    void everyMenuKeyIsSafe();
    void prefetchIsUsedOnlyForItsFile();
    void changedOnDiskReloads_data();
    void changedOnDiskReloads();

private:
    QScopedPointer<MainBox> keyTarget;
    QString dir;
    QString threePages;
    QString rich;
    QString encrypted;
};

void TestMKPDF::initTestCase()
{
    dir = TestEnv::MakeDir("pdf");
    threePages = dir + "/three.pdf";
    QVERIFY(TestPdf::Write(threePages, 3));
    rich = dir + "/rich.pdf";
    QVERIFY(TestPdf::WriteRich(threePages, rich, "../../notes.txt", "attached text"));
    encrypted = dir + "/secret.pdf";
    QVERIFY(TestPdf::WriteEncrypted(threePages, encrypted, "open sesame"));
}

void TestMKPDF::honoursViewOptions_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("turn");
    QTest::newRow("defaults") << QVariantMap() << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("page 3, 150%, two page scrolling, hand, turned") << QVariantMap{{"pageIndex", 2}, {"zoom", 150.0}, {"displayMode", 3}, {"cursor", 1}, {"rotation", 90}} << 2 << 150.0 << 3 << 1 << 90;
    QTest::newRow("fit page as float") << QVariantMap{{"zoom", QVariant(-1.0f)}} << 0 << -1.0 << 1 << 0 << 0;
    QTest::newRow("page out of range") << QVariantMap{{"pageIndex", 99}} << 2 << -2.0 << 1 << 0 << 0;
    QTest::newRow("negative page") << QVariantMap{{"pageIndex", -4}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("zoom out of range") << QVariantMap{{"zoom", 99999.0}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("zoom not a number") << QVariantMap{{"zoom", "big"}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("unknown layout") << QVariantMap{{"displayMode", 9}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("unknown cursor") << QVariantMap{{"cursor", 7}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("turned left, taken round") << QVariantMap{{"rotation", -90}} << 0 << -2.0 << 1 << 0 << 270;
    QTest::newRow("turn not a quarter") << QVariantMap{{"rotation", 45}} << 0 << -2.0 << 1 << 0 << 0;
    QTest::newRow("turn not a number") << QVariantMap{{"rotation", "left"}} << 0 << -2.0 << 1 << 0 << 0;
}

void TestMKPDF::honoursViewOptions()
{
    QFETCH(QVariantMap, options);
    QFETCH(int, page);
    QFETCH(double, zoom);
    QFETCH(int, mode);
    QFETCH(int, cursor);
    QFETCH(int, turn);
    const QVariantMap comment{{"Highlight", QVariantMap{{"color", "#ff0"}}}};
    options["comment"] = comment;
    int code = -1;
    QScopedPointer<MainBox> box(TestWindows::Document(threePages, options, &code));
    QCOMPARE(code, 0);
    QVERIFY(box);
    box->resize(900, 700);
    box->show();
    QVERIFY(!box->isTempDoc() && !box->IsDirty());
    const QVariantMap shown = box->GetDisplayOption();
    QCOMPARE(shown.value("pageIndex").toInt(), page);
    QCOMPARE(shown.value("zoom").userType(), int(QMetaType::Float));
    QCOMPARE(shown.value("zoom").toDouble(), zoom);
    QCOMPARE(shown.value("displayMode").toInt(), mode);
    QCOMPARE(shown.value("rotation").toInt(), turn);
    QCOMPARE(box->PageView()->CursorMode(), cursor);
    QCOMPARE(box->GetCommentOption(), comment);
    // The page number is on screen.
    QCOMPARE(box->PageEdit()->text(), QString::number(page + 1));
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
    TestPdf::WriteBytes(bad + "/cut.pdf", TestPdf::ReadBytes(threePages).left(300));
    QDir().mkpath(bad + "/folder.pdf");

    QTest::newRow("missing") << bad + "/none.pdf" << int(MainBox::OpenMissing);
    QTest::newRow("directory") << bad + "/folder.pdf" << int(MainBox::OpenUnreadable);
    QTest::newRow("empty file") << bad + "/empty.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("random bytes") << bad + "/garbage.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("plain text") << bad + "/text.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("header only") << bad + "/header-only.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("cut after 300 bytes") << bad + "/cut.pdf" << int(MainBox::OpenDamaged);
    QTest::newRow("empty path") << QString() << int(MainBox::OpenMissing);
    // A damaged file may be repaired enough to show (-1: either way).
    const QByteArray bytes = TestPdf::ReadBytes(rich);
    for (int percent : {10, 35, 60, 85, 99}) {
        const QString path = bad + QStringLiteral("/rich-%1.pdf").arg(percent);
        TestPdf::WriteBytes(path, bytes.left(bytes.size() * percent / 100));
        QTest::addRow("rich file cut at %d%%", percent) << path << -1;
    }
}

void TestMKPDF::refusesWhatItCannotOpen()
{
    QFETCH(QString, path);
    QFETCH(int, result);
    int code = -1;
    QScopedPointer<MainBox> box(TestWindows::Document(path, {}, &code));
    if (result >= 0)
        QCOMPARE(code, result);
    else
        QVERIFY(code == 0 || code == MainBox::OpenDamaged);
    QCOMPARE(box.isNull(), code != 0);
    if (box) {
        // Whatever could be read is safe to show, list and select.
        box->resize(600, 800);
        box->show();
        for (const char* key : {"annotation", "bookmark", "attachment", "select_all"})
            box->OnMainMenuTrigger(key);
        box->PageView()->SelectedText();
    }
}

void TestMKPDF::passwordPrompt_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("prompts");
    QTest::newRow("right password") << QStringList{"open sesame"} << 0 << 1;
    QTest::newRow("wrong, then right") << QStringList{"guess", "open sesame"} << 0 << 2;
    QTest::newRow("cancelled") << QStringList{QString()} << 100 << 1;
    QTest::newRow("wrong, then cancelled") << QStringList{"guess", QString()} << 100 << 2;
}

void TestMKPDF::passwordPrompt()
{
    QFETCH(QStringList, answers);
    QFETCH(int, result);
    QFETCH(int, prompts);
    QScopedPointer<ModalAnswerer> answerer(ModalAnswerer::TypingPasswords(answers));
    int code = -1;
    QScopedPointer<MainBox> box(TestWindows::Document(encrypted, {}, &code));
    QCOMPARE(code, result);
    QCOMPARE(box.isNull(), result != 0);
    QCOMPARE(answerer->AnsweredCount(), prompts);
    if (prompts == 2) {
        // The second prompt says the first password was wrong.
        QVERIFY(answerer->SeenTexts().at(1).contains("Incorrect password"));
        QVERIFY(!answerer->SeenTexts().at(0).contains("Incorrect password"));
    }
    if (box)
        QCOMPARE(box->PageCount(), 3);
}

void TestMKPDF::firstThumbnailIsWrittenAndAnnounced_data()
{
    QTest::addColumn<bool>("protectedFile");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("plain") << false << true;
    QTest::newRow("password protected") << true << true;
    QTest::newRow("not to be recorded") << false << false;
}

void TestMKPDF::firstThumbnailIsWrittenAndAnnounced()
{
    QFETCH(bool, protectedFile);
    QFETCH(bool, recorded);
    QScopedPointer<ModalAnswerer> answerer(ModalAnswerer::TypingPasswords({"open sesame"}));
    const QString path = protectedFile ? encrypted : threePages;
    const QString thumb = MainBox::ThumbnailDirPath() + MainBox::ThumbnailFileName(path);
    // A picture left from before: a protected page must not stay on disk.
    QVERIFY(TestPdf::WriteBytes(thumb, "old picture"));
    // A file whose path only puts a "/" where this one has a "_" keeps a
    // picture of its own.
    const QString twin = QFileInfo(path).absolutePath() + "_" + QFileInfo(path).fileName();
    const QString twinThumb = MainBox::ThumbnailDirPath() + MainBox::ThumbnailFileName(twin);
    QVERIFY(TestPdf::WriteBytes(twinThumb, "twin picture"));
    QScopedPointer<MainBox> box(TestWindows::Document(path, {{"recordThumbnail", recorded}}));
    QVERIFY(box);
    QSignalSpy announced(box.data(), SIGNAL(SignalFirstThumbRendered(QString, bool)));
    box->resize(800, 1000);
    box->show();
    QTRY_COMPARE_WITH_TIMEOUT(announced.count(), 1, 10000);
    QCOMPARE(announced.at(0).at(0).toString(), box->GetDocumentFilePath());
    QCOMPARE(announced.at(0).at(1).toBool(), protectedFile);
    QVERIFY(thumb.startsWith(TestEnv::Root()));
    const QImage image(thumb);
    QCOMPARE(!image.isNull(), recorded && !protectedFile);
    QCOMPARE(QFile::exists(thumb), !protectedFile);
    if (!image.isNull())
        QVERIFY(qAbs(qMax(image.width(), image.height()) - 160) <= 2);
    QCOMPARE(TestPdf::ReadBytes(twinThumb), QByteArray("twin picture"));
}

void TestMKPDF::rendersPagesAndPaintsFromMemory()
{
    QScopedPointer<MainBox> box(TestWindows::Document(threePages));
    QSignalSpy pages(box->PageView(), &CPageView::SignalPageRendered);
    box->resize(800, 1000);
    box->show();
    QTRY_VERIFY(!pages.isEmpty());
    // The first page's picture in the cache carries the blue block of the test file.
    CPageView* view = box->PageView();
    const QImage shot = view->viewport()->grab().toImage();
    const QRect page = view->PageRect(0);
    const QColor probe = shot.pixelColor(page.x() + int(page.width() * 0.3), page.y() + int(page.height() * 0.25));
    QVERIFY2(probe.blue() > 150 && probe.red() < 120, qPrintable(probe.name()));
    // Once the visible pages are in, painting again renders nothing.
    while (pages.wait(300)) {
    }
    view->viewport()->repaint();
    QVERIFY(!pages.wait(200));
}

void TestMKPDF::pageSizesLoadLazily()
{
    // Pages of two sizes: only the first is known at open.
    const QString mixed = dir + "/mixed.pdf";
    {
        QPdfWriter writer(mixed);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(300, 400), QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        painter.drawText(20, 20, "small");
        writer.setPageSize(QPageSize(QSizeF(800, 600), QPageSize::Point));
        writer.newPage();
        painter.drawText(20, 20, "large");
    }
    // The widget picks the real sizes up by itself.
    QScopedPointer<MainBox> box(TestWindows::Document(mixed, {{"zoom", 100.0}}));
    box->resize(900, 700);
    box->show();
    QTRY_VERIFY(qAbs(box->PageView()->PageRect(1).width() - 800 * box->PageView()->Scale()) <= 1);
}

void TestMKPDF::cacheStaysBounded_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<double>("zoom");
    // Deep zoom: only tiles under the view, far less than the page's pixels.
    QTest::newRow("three pages at 1600%") << 3 << 1600.0;
    QTest::newRow("paging through forty at 200%") << 40 << 200.0;
}

void TestMKPDF::cacheStaysBounded()
{
    QFETCH(int, pages);
    QFETCH(double, zoom);
    const QString path = dir + QStringLiteral("/pages-%1.pdf").arg(pages);
    QVERIFY(TestPdf::Write(path, pages));
    QScopedPointer<MainBox> box(TestWindows::Document(path, {{"zoom", zoom}}));
    box->resize(1000, 800);
    QSignalSpy rendered(box->PageView(), &CPageView::SignalPageRendered);
    box->show();
    for (int page = 0; page < pages; page += 2) {
        box->PageView()->GoToPage(page);
        rendered.wait(2000);
    }
    while (rendered.wait(300)) {
    }
    QVERIFY(CPageCache::Instance().UsedKiB() <= CPageCache::Instance().LimitKiB());
    QVERIFY(CPageCache::Instance().Count() > 0);
}

void TestMKPDF::zoomAndNavigationKeys()
{
    QScopedPointer<MainBox> box(TestWindows::Document(threePages, {{"zoom", 100.0}}));
    box->resize(800, 600);
    box->show();
    auto shown = [&box](const char* key) { return box->GetDisplayOption().value(key).toDouble(); };
    box->OnMainMenuTrigger("zoom_in");
    QCOMPARE(shown("zoom"), 125.0);
    // Zoom stops at its ends.
    for (int i = 0; i < 30; ++i)
        box->OnMainMenuTrigger("zoom_in");
    QCOMPARE(shown("zoom"), 6400.0);
    for (int i = 0; i < 40; ++i)
        box->OnMainMenuTrigger("zoom_out");
    QCOMPARE(shown("zoom"), 5.0);
    // Each key goes where it says; an unknown one stays.
    box->OnMainMenuTrigger("fit_width");
    for (const auto& step : QList<QPair<const char*, int>> {{"last_page", 2}, {"pre_page", 1}, {"first_page", 0}, {"next_page", 1}, {"not_an_action", 1}}) {
        box->OnMainMenuTrigger(step.first);
        QCOMPARE(int(shown("pageIndex")), step.second);
        QCOMPARE(box->PageEdit()->text(), QString::number(step.second + 1));
    }
    // Ctrl+wheel zooms.
    box->OnMainMenuTrigger("fit_actual");
    QWheelEvent wheel(QPointF(50, 50), box->PageView()->mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->PageView()->viewport(), &wheel);
    QCOMPARE(shown("zoom"), 125.0);
    // Typing a page number goes there.
    box->PageEdit()->setText("3");
    QTest::keyClick(box->PageEdit(), Qt::Key_Return);
    QCOMPARE(int(shown("pageIndex")), 2);
}

void TestMKPDF::textSelectionAndCopy()
{
    QScopedPointer<MainBox> box(TestWindows::Document(threePages));
    box->resize(800, 1000);
    box->show();
    CPageView* view = box->PageView();
    QVERIFY(!view->HasSelection());
    QSignalSpy selection(view, &CPageView::SignalSelectionChanged);
    box->OnMainMenuTrigger("select_all");
    QVERIFY(view->HasSelection());
    QCOMPARE(selection.count(), 1);
    const QString text = view->SelectedText();
    QVERIFY2(text.contains("Page 1") && text.contains("Page 3"), qPrintable(text));
    QVERIFY(text.indexOf("Page 1") < text.indexOf("Page 2"));
    box->OnMainMenuTrigger("copy");
    QCOMPARE(QApplication::clipboard()->text(), text);

    // Dragging across the first line selects its words only.
    view->ClearSelection();
    QVERIFY(!view->HasSelection());
    const QRect page = view->PageRect(0);
    const double scale = view->Scale();
    const QPoint from(page.x() + int(38 * scale), page.y() + int(70 * scale));
    const QPoint to(page.x() + int(200 * scale), page.y() + int(70 * scale));
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
    QCOMPARE(view->SelectedText(), QStringLiteral("Page 1"));
    // And it is there for a middle click, where the desktop has a selection.
    if (QApplication::clipboard()->supportsSelection())
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), QStringLiteral("Page 1"));
    // The hand cursor pans instead of selecting.
    view->ClearSelection();
    view->SetCursorMode(CPageView::HandCursor);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
    QVERIFY(!view->HasSelection());
}

void TestMKPDF::createsBlankDocuments_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<bool>("created");
    const QString path = TestEnv::MakeDir("blank") + "/Untitled_1.pdf";
    const QSizeF a4(595, 842);
    QTest::newRow("A4 portrait, one page") << QVariantMap{{"pageSize", a4}, {"pageCount", 1}, {"tempPath", path}} << true;
    QTest::newRow("A4 landscape, three pages") << QVariantMap{{"pageSize", a4.transposed()}, {"pageCount", 3}, {"tempPath", path}} << true;
    QTest::newRow("custom 100 x 50 mm") << QVariantMap{{"pageSize", QSizeF(283, 142)}, {"pageCount", 100}, {"tempPath", path}} << true;
    QTest::newRow("no pages") << QVariantMap{{"pageSize", a4}, {"pageCount", 0}, {"tempPath", path}} << false;
    QTest::newRow("no size") << QVariantMap{{"pageCount", 1}, {"tempPath", path}} << false;
    QTest::newRow("absurd size") << QVariantMap{{"pageSize", QSizeF(1e7, 5)}, {"pageCount", 1}, {"tempPath", path}} << false;
    QTest::newRow("no path") << QVariantMap{{"pageSize", a4}, {"pageCount", 1}} << false;
    QTest::newRow("unwritable folder") << QVariantMap{{"pageSize", a4}, {"pageCount", 1}, {"tempPath", "/proc/rvpdf/x.pdf"}} << false;
}

void TestMKPDF::createsBlankDocuments()
{
    QFETCH(QVariantMap, options);
    QFETCH(bool, created);
    const QString path = options.value("tempPath").toString();
    QFile::remove(path);
    int result = -1;
    QScopedPointer<QWidget> widget(MainBox::CreatePdfBox(nullptr, options, result));
    QCOMPARE(result, created ? 0 : int(MainBox::OpenCreateFailed));
    auto* box = qobject_cast<MainBox*>(widget.data());
    QCOMPARE(box != nullptr, created);
    if (!created) {
        QVERIFY(path.isEmpty() || !QFile::exists(path));
        return;
    }
    const int count = options.value("pageCount").toInt();
    QVERIFY(box->isTempDoc());
    QVERIFY(box->IsDirty());
    QCOMPARE(box->PageCount(), count);
    // The file on disk is a real PDF of that page size.
    CPdfDocument::LoadStatus status;
    auto doc = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(doc);
    QCOMPARE(doc->PageCount(), count);
    doc->LoadPageSizes();
    QCOMPARE(doc->PageSize(count - 1), options.value("pageSize").toSizeF());
}

void TestMKPDF::closeAsksForDirtyDocuments_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closed");
    // Closing the question is Cancel, never Don't Save.
    QTest::newRow("closing the question keeps it open") << "button_close" << false;
}

void TestMKPDF::closeAsksForDirtyDocuments()
{
    QFETCH(QString, button);
    QFETCH(bool, closed);
    // A new document, as the New command makes it, is unsaved.
    int result = -1;
    const QVariantMap blank {{"pageSize", QSizeF(595, 842)}, {"pageCount", 1}, {"tempPath", TestEnv::MakeDir("close") + "/Untitled_1.pdf"}};
    QScopedPointer<MainBox> box(qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, blank, result)));
    box->show();
    QSignalSpy closedSpy(box.data(), SIGNAL(SignalDocumentClosed(bool)));
    ModalAnswerer answerer([button](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, button); });
    QCOMPARE(box->close(), closed);
    QCOMPARE(answerer.AnsweredCount(), 1);
    QVERIFY(answerer.SeenTexts().first().contains("Do you want to save changes"));
    QCOMPARE(closedSpy.count(), 1);
    QCOMPARE(closedSpy.at(0).at(0).toBool(), closed);
    QCOMPARE(box->isVisible(), !closed);
}

void TestMKPDF::renameChecksAndRenames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << "   " << "cannot be empty";
    QTest::newRow("slash") << "a/b" << "can't contain";
    QTest::newRow("colon") << "a:b" << "can't contain";
    QTest::newRow("existing") << "other" << "already exists";
    QTest::newRow("dot dot") << ".." << "cannot be used";
    QTest::newRow("good") << "fresh name" << "";
    QTest::newRow("same name") << "doc" << "";
}

void TestMKPDF::renameChecksAndRenames()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    const QString folder = TestEnv::MakeDir("rename");
    QVERIFY(QFile::copy(threePages, folder + "/doc.pdf"));
    TestPdf::WriteBytes(folder + "/other.pdf", "x");
    QScopedPointer<MainBox> box(TestWindows::Document(folder + "/doc.pdf"));
    QSignalSpy renamed(box.data(), SIGNAL(SignalDocumentRename(QString, QString)));
    // A refused name keeps the box open with the reason; then it is cancelled.
    QString shown, refusal;
    ModalAnswerer answerer([&](QWidget* dialog) {
        auto* rename = qobject_cast<CRenameBox*>(dialog);
        shown = rename->NameEdit()->text();
        rename->NameEdit()->setText(name);
        ModalAnswerer::ClickButton(dialog, "button_ok");
        refusal = rename->ErrorText();
        if (rename->isVisible())
            ModalAnswerer::ClickButton(dialog, "button_cancel");
    });
    box->OnMainMenuTrigger("rename");
    QCOMPARE(shown, QStringLiteral("doc"));
    QVERIFY2(refusal.contains(error), qPrintable(refusal));
    const QString after = folder + "/" + (error.isEmpty() ? name.trimmed() : QStringLiteral("doc")) + ".pdf";
    QCOMPARE(box->GetDocumentFilePath(), after);
    QVERIFY(QFile::exists(after));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    if (after != folder + "/doc.pdf") {
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(renamed.at(0).at(0).toString(), folder + "/doc.pdf");
        QCOMPARE(renamed.at(0).at(1).toString(), after);
    }
}

void TestMKPDF::gotoPageRefusesOutOfRange()
{
    CGotoPageBox box(0, 3);
    QLineEdit* edit = box.PageEdit();
    for (const char* bad : {"0", "4", "-", "x", "99"}) {
        edit->clear();
        QTest::keyClicks(edit, bad);
        QCOMPARE(box.Page(), -1);
    }
    edit->clear();
    QTest::keyClicks(edit, "3");
    QCOMPARE(box.Page(), 2);

    QScopedPointer<MainBox> doc(TestWindows::Document(threePages));
    doc->resize(800, 800);
    doc->show();
    ModalAnswerer answerer([](QWidget* dialog) {
        auto* page = dialog->findChild<QLineEdit*>("line_page");
        page->clear();
        QTest::keyClicks(page, "3");
        ModalAnswerer::ClickButton(dialog, "button_ok");
    });
    doc->OnMainMenuTrigger("goto");
    QCOMPARE(doc->CurrentPageIndex(), 2);
}

void TestMKPDF::sidePanelLists()
{
    QScopedPointer<MainBox> box(TestWindows::Document(rich));
    box->resize(1000, 800);
    box->show();
    CSidePanel* panel = box->SidePanel();
    box->OnMainMenuTrigger("thumbnail");
    QTRY_VERIFY(panel->isVisible() && panel->ThumbnailView()->RenderedCount() >= 1);
    box->OnMainMenuTrigger("thumbnail");
    QVERIFY(!panel->isVisible());
    box->OnMainMenuTrigger("bookmark");
    QTreeWidget* tree = panel->BookmarkTree();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Chapter Two"));
    emit tree->itemClicked(tree->topLevelItem(0), 0);
    QCOMPARE(box->CurrentPageIndex(), 1);

    box->OnMainMenuTrigger("annotation");
    QTRY_VERIFY(panel->AnnotationsLoaded());
    QTreeWidget* notes = panel->AnnotationTree();
    QCOMPARE(notes->topLevelItemCount(), 1);
    QCOMPARE(notes->topLevelItem(0)->text(0), QStringLiteral("Page 1 (1)"));
    QCOMPARE(notes->topLevelItem(0)->child(0)->text(0), QStringLiteral("Sticky Note - Alice\nHello reviewer"));

    box->OnMainMenuTrigger("attachment");
    QListWidget* list = panel->AttachmentList();
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("../../notes.txt"));
    QSignalSpy announced(box.data(), SIGNAL(SignalDocumentOpenAttachment(QString)));
    emit list->itemDoubleClicked(list->item(0));
    QCOMPARE(announced.count(), 1);
    const QString path = announced.at(0).at(0).toString();
    // The name from inside the PDF cannot climb out of the extraction folder.
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("notes.txt"));
    QVERIFY(path.startsWith(MKBase::CAppPaths::AttachmentDir() + "/"));
    QCOMPARE(TestPdf::ReadBytes(path), QByteArray("attached text"));
    // A second extraction never overwrites the first.
    QVERIFY(box->ExtractAttachment(0) != path);
    QVERIFY(box->ExtractAttachment(5).isEmpty());

    // A file in a comment of a page is listed and opened too.
    const QByteArray file = "minutes of the meeting";
    const QString attached = dir + "/attached.pdf";
    QVERIFY(TestPdf::WriteBytes(
        attached,
        TestPdf::Assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Annots [5 0 R] >>",
                           "<< /Type /Annot /Subtype /FileAttachment /Rect [10 10 30 30] /FS << /Type /Filespec "
                           "/F (minutes.txt) /EF << /F 6 0 R >> >> >>",
                           TestPdf::Stream("/Type /EmbeddedFile", file)})));
    QScopedPointer<MainBox> withComment(TestWindows::Document(attached));
    withComment->OnMainMenuTrigger("attachment");
    QListWidget* files = withComment->SidePanel()->AttachmentList();
    QTRY_COMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), QStringLiteral("minutes.txt"));
    QVERIFY(files->item(0)->toolTip().contains("page 2"));
    QCOMPARE(TestPdf::ReadBytes(withComment->ExtractAttachment(0)), file);

    // A plain document says it has none.
    QScopedPointer<MainBox> plain(TestWindows::Document(threePages));
    plain->OnMainMenuTrigger("attachment");
    QTRY_COMPARE(plain->SidePanel()->AttachmentList()->count(), 1);
    QCOMPARE(plain->SidePanel()->AttachmentList()->item(0)->flags(), Qt::NoItemFlags);
}

void TestMKPDF::readModeTogglesTitleBar()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    MainBox* box = TestWindows::Document(threePages);
    layout->addWidget(box);
    window.resize(800, 600);
    window.show();
    QSignalSpy titleBar(box, SIGNAL(SignalSetTitleBarVisible(bool)));
    // The item toggles; Esc leaves too.
    box->OnMainMenuTrigger("full_screen");
    QVERIFY(box->IsFullScreenReadModeEnable());
    box->OnMainMenuTrigger("full_screen");
    QVERIFY(!box->IsFullScreenReadModeEnable());
    box->OnMainMenuTrigger("full_screen");
    QTest::keyClick(box->PageView(), Qt::Key_Escape);
    QVERIFY(!box->IsFullScreenReadModeEnable());
    // Leaving when not in read mode does nothing.
    box->OnMainMenuTrigger("exit_full_screen");
    QCOMPARE(titleBar.count(), 4);
    QCOMPARE(titleBar.at(0).at(0).toBool(), false);
    QCOMPARE(titleBar.at(3).at(0).toBool(), true);
}

void TestMKPDF::propertiesShowTheDocument()
{
    QScopedPointer<ModalAnswerer> password(ModalAnswerer::TypingPasswords({"open sesame"}));
    QScopedPointer<MainBox> box(TestWindows::Document(encrypted));
    QVERIFY(box);
    QStringList rows;
    ModalAnswerer answerer([&rows](QWidget* dialog) {
        if (auto* properties = qobject_cast<CPropertiesBox*>(dialog)) {
            for (const auto& row : properties->Rows())
                rows << row.first + "=" + row.second;
        }
        ModalAnswerer::ClickButton(dialog, "button_ok");
    });
    box->OnMainMenuTrigger("doc_property");
    for (const char* row : {"Pages=3", "File=secret.pdf", "Security=Password protected", "Page Size=210 x 297 mm"})
        QVERIFY2(rows.contains(row), row);
    QVERIFY(rows.filter(QRegularExpression("^PDF Version=\\d\\.\\d$")).size() == 1);
}

void TestMKPDF::everyMenuKeyIsSafe_data()
{
    QTest::addColumn<QString>("key");
    for (const char* key : {"save", "save_as", "show_in_finder", "rename", "doc_property", "print", "undo",
                            "redo", "cut", "copy", "paste", "delete", "select_all", "single_view",
                            "single_scroll", "two_view", "two_scroll", "thumbnail", "bookmark", "annotation",
                            "attachment", "zoom_in", "zoom_out", "fit_actual", "fit_page", "fit_width",
                            "fit_height", "full_screen", "exit_full_screen", "first_page", "last_page",
                            "pre_page", "next_page", "up", "down", "goto", "find", "share", "", "unknown"})
        QTest::newRow(key) << QString(key);
}

void TestMKPDF::everyMenuKeyIsSafe()
{
    QFETCH(QString, key);
    // One document takes every key in turn, as a user's window would.
    QScopedPointer<MainBox>& box = keyTarget;
    if (!box) {
        box.reset(TestWindows::Document(rich));
        box->resize(800, 600);
        box->show();
    }
    // Whatever dialog a key opens is dismissed as a user would.
    ModalAnswerer answerer([](QWidget* dialog) { dialog->close(); }, 3);
    box->OnMainMenuTrigger(key);
    QVERIFY(MainBox::IsLiveBox(box.data()));
    QVERIFY(QFile::exists(rich));
}

void TestMKPDF::prefetchIsUsedOnlyForItsFile()
{
    // The prefetched first page is in the cache before the widget exists, so
    // the first paint needs no render.
    MainBox::Prefetch(threePages, QSize(900, 700));
    QScopedPointer<MainBox> box(TestWindows::Document(threePages));
    QVERIFY(box);
    box->resize(900, 700 + 40);
    QSignalSpy painted(box->PageView(), &CPageView::SignalFirstPagePainted);
    QSignalSpy rendered(box->PageView(), &CPageView::SignalPageRendered);
    box->show();
    QTRY_COMPARE(painted.count(), 1);
    for (const QList<QVariant>& page : rendered)
        QVERIFY(page.at(0).toInt() != 0);
    // A prefetch of another file is ignored, and so is one that cannot be read.
    MainBox::Prefetch(rich, QSize(900, 700));
    int code = -1;
    QScopedPointer<MainBox> other(TestWindows::Document(threePages, {}, &code));
    QCOMPARE(code, 0);
    QCOMPARE(other->GetDocumentFilePath(), QFileInfo(threePages).absoluteFilePath());
    MainBox::Prefetch(dir + "/missing.pdf", QSize(900, 700));
    QVERIFY(!TestWindows::Document(dir + "/missing.pdf", {}, &code));
    QCOMPARE(code, int(MainBox::OpenMissing));
    // A protected file still asks for its password.
    MainBox::Prefetch(encrypted, QSize(900, 700));
    QScopedPointer<ModalAnswerer> answerer(ModalAnswerer::TypingPasswords({QString()}));
    QVERIFY(!TestWindows::Document(encrypted, {}, &code));
    QCOMPARE(code, 100);
    QCOMPARE(answerer->AnsweredCount(), 1);
}

void TestMKPDF::changedOnDiskReloads_data()
{
    // how: "in place" rewrites the file, "rename" replaces it, "half" first
    // leaves it half written; answer: the button pressed at the question
    // ("" when none may come); pages: what the view shows at the end.
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("pages");
    QTest::newRow("rewritten in place") << "in place" << false << "" << 5;
    QTest::newRow("replaced by a rename") << "rename" << false << "" << 5;
    QTest::newRow("half written, then whole") << "half" << false << "" << 5;
    QTest::newRow("unsaved changes kept") << "in place" << true << "button_2" << 4;
    QTest::newRow("unsaved changes given up") << "rename" << true << "button_3" << 5;
    QTest::newRow("our own save") << "save" << true << "" << 4;
}

void TestMKPDF::changedOnDiskReloads()
{
    QFETCH(QString, how);
    QFETCH(bool, dirty);
    QFETCH(QString, answer);
    QFETCH(int, pages);
    const QString folder = TestEnv::MakeDir(QStringLiteral("changed-") + QTest::currentDataTag());
    const QString path = folder + "/build.pdf";
    QVERIFY(TestPdf::Write(path, 4));
    QVERIFY(TestPdf::Write(folder + "/next.pdf", 5));
    QScopedPointer<MainBox> box(TestWindows::Document(path, {{"pageIndex", 2}, {"zoom", 150.0}}));
    QVERIFY(box);
    if (dirty) {
        CPagePlan plan = box->Session()->Plan();
        plan.Rotate({0}, 90);
        box->Session()->ApplyPlan(plan, "turn", {});
    }
    ModalAnswerer answerer([answer](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, answer); });
    const QByteArray next = TestPdf::ReadBytes(folder + "/next.pdf");
    if (how == "half") {
        QVERIFY(TestPdf::WriteBytes(path, next.left(next.size() / 3)));
        QTest::qWait(3 * CChangeWatcher::kSettleMs);
        QCOMPARE(box->PageCount(), 4);
    }
    if (how == "rename")
        QVERIFY(QFile::remove(path) && QFile::rename(folder + "/next.pdf", path));
    else if (how == "save")
        QVERIFY(box->SaveAs(path));
    else
        QVERIFY(TestPdf::WriteBytes(path, next));
    QTRY_COMPARE_WITH_TIMEOUT(answerer.AnsweredCount(), answer.isEmpty() ? 0 : 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(box->PageCount(), pages, 10000);
    // Nothing more comes: no second question, no second reload.
    QTest::qWait(3 * CChangeWatcher::kSettleMs);
    QCOMPARE(answerer.AnsweredCount(), answer.isEmpty() ? 0 : 1);
    QCOMPARE(box->PageCount(), pages);
    QCOMPARE(box->IsDirty(), answer == "button_2");
    // Where the reader was stays.
    QCOMPARE(box->CurrentPageIndex(), 2);
    QCOMPARE(box->PageView()->Zoom(), 150.0);
}

RV_TEST_MAIN(TestMKPDF)
#include "tst_mkpdf.moc"
