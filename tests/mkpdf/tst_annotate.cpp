#include "CAnnotationCommand.h"
#include "CAnnotationStore.h"
#include "CEditRecovery.h"
#include "CFormController.h"
#include "CEditSession.h"
#include "CPdfDocument.h"
#include "FileSizeLimit.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QUndoStack>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

Q_DECLARE_METATYPE(PdfAnnotation)

namespace {

// The comments of a page as another reader of the file finds them.
QVector<PdfAnnotation> Reread(const QString& path, int nPage, const QByteArray& password = QByteArray())
{
    CPdfDocument::LoadStatus status;
    const std::shared_ptr<CPdfDocument> doc = CPdfDocument::Load(path, password, &status);
    return doc ? CAnnotationStore::ReadPage(*doc, nPage) : QVector<PdfAnnotation>();
}

// The page as pdftoppm draws it at 72 dpi, so a pixel is a point.
QImage Rendered(const QString& path, int nPage)
{
    const QString prefix = QFileInfo(path).absolutePath() + "/render" + QString::number(nPage);
    TestEnv::RunChild("pdftoppm", {"-r", "72", "-f", QString::number(nPage + 1), "-l", QString::number(nPage + 1), "-png",
                     "-singlefile", path, prefix});
    return QImage(prefix + ".png");
}

// Whether some pixel within area has about the given colour, or that
// colour half blended into the white page (a thin line's edge).
bool ShowsColor(const QImage& image, const QRectF& area, const QColor& color)
{
    const QRect box = area.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image.rect());
    const QColor light((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
    auto near = [](const QColor& a, const QColor& b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60;
    };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (near(c, color) || near(c, light))
                return true;
        }
    }
    return false;
}

void Push(MainBox* box, QUndoCommand* command)
{
    box->Session()->UndoStack()->push(command);
}

PdfAnnotation Made(PdfAnnotation::Kind kind, const QRectF& rect, const QColor& color, const QString& contents)
{
    PdfAnnotation a;
    a.page = 0;
    a.kind = kind;
    a.rect = rect;
    a.color = color;
    a.contents = contents;
    a.author = "Tester";
    a.width = 3;
    a.opacity = 1.0;
    a.fontSize = 16;
    if (a.HasTextMarkupGeometry())
        a.quads = {rect};
    if (kind == PdfAnnotation::Ink)
        a.paths = {{rect.topLeft(), rect.center() + QPointF(0, rect.height() / 2), rect.topRight()}};
    if (kind == PdfAnnotation::Line || kind == PdfAnnotation::Arrow)
        a.paths = {{rect.topLeft(), rect.bottomRight()}};
    return a;
}

bool Near(const QRectF& a, const QRectF& b, double slack)
{
    return qAbs(a.left() - b.left()) <= slack && qAbs(a.top() - b.top()) <= slack
        && qAbs(a.right() - b.right()) <= slack && qAbs(a.bottom() - b.bottom()) <= slack;
}

bool Near(const QVector<QVector<QPointF>>& a, const QVector<QVector<QPointF>>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).size() != b.at(i).size())
            return false;
        for (int j = 0; j < a.at(i).size(); ++j) {
            if (QLineF(a.at(i).at(j), b.at(i).at(j)).length() > 0.5)
                return false;
        }
    }
    return true;
}

// A copy of source with, on page 1, a square by "Bob" whose own picture is a
// solid red block (not what a reader would draw from its entries) and a
// stamp with a solid blue picture: annotations made by another program.
bool WriteForeign(const QString& source, const QString& target)
{
    try {
        QPDF pdf;
        pdf.processFile(source.toLocal8Bit().constData());
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        QPDFObjectHandle red = QPDFObjectHandle::newStream(&pdf, "1 0 0 rg 0 0 100 100 re f");
        red.replaceDict(QPDFObjectHandle::parse("<< /Type /XObject /Subtype /Form /BBox [0 0 100 100] >>"));
        QPDFObjectHandle square = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Square /Rect [100 500 200 600] /C [0 1 0] /F 4 /T (Bob) "
            "/Contents (square by bob) >>"));
        square.replaceKey("/AP", QPDFObjectHandle::parse("<< >>"));
        square.getKey("/AP").replaceKey("/N", red);
        QPDFObjectHandle blue = QPDFObjectHandle::newStream(&pdf, "0 0 1 rg 0 0 100 50 re f");
        blue.replaceDict(QPDFObjectHandle::parse("<< /Type /XObject /Subtype /Form /BBox [0 0 100 50] >>"));
        QPDFObjectHandle stamp = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Annot /Subtype /Stamp /Rect [300 500 400 550] /Name /Approved /F 4 /T (Carol) >>"));
        stamp.replaceKey("/AP", QPDFObjectHandle::parse("<< >>"));
        stamp.getKey("/AP").replaceKey("/N", blue);
        QPDFObjectHandle annots = QPDFObjectHandle::newArray();
        annots.appendItem(square);
        annots.appendItem(stamp);
        pages.at(0).getObjectHandle().replaceKey("/Annots", annots);
        const QByteArray name = target.toLocal8Bit();
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

class TestAnnotate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachTypeSavedAndReopened_data();
    void eachTypeSavedAndReopened();
    void damagedRecoveryChangesNothing_data();
    void damagedRecoveryChangesNothing();
    void undoRestoresExactly();
    void foreignAnnotationMovedAndDeleted_data();
    void foreignAnnotationMovedAndDeleted();
    void failedSaveKeepsTheOriginal();
    void protectedDocumentStaysProtected();

private:
    QString Fresh(const QString& name, const QString& source = QString());
    QString dir;
    QString plain;
    QString foreign;
};

void TestAnnotate::initTestCase()
{
    dir = TestEnv::MakeDir("annotate");
    plain = dir + "/plain.pdf";
    QVERIFY(TestPdf::Write(plain, 2));
    foreign = dir + "/foreign.pdf";
    QVERIFY(WriteForeign(plain, foreign));
}

QString TestAnnotate::Fresh(const QString& name, const QString& source)
{
    return TestPdf::FreshCopy(source.isEmpty() ? plain : source, name);
}

void TestAnnotate::eachTypeSavedAndReopened_data()
{
    QTest::addColumn<PdfAnnotation>("made");
    QTest::addColumn<QString>("subtype");
    const QRectF words(40, 50, 130, 40);
    QTest::newRow("highlight") << Made(PdfAnnotation::Highlight, words, QColor("#ffe14d"), "look") << "Highlight";
    QTest::newRow("underline") << Made(PdfAnnotation::Underline, words, QColor("#2f80ed"), "") << "Underline";
    QTest::newRow("strike-out") << Made(PdfAnnotation::StrikeOut, words, QColor("#e5484d"), "gone") << "StrikeOut";
    QTest::newRow("squiggly") << Made(PdfAnnotation::Squiggly, words, QColor("#2fa84f"), "") << "Squiggly";
    QTest::newRow("sticky note") << Made(PdfAnnotation::Note, QRectF(400, 300, 24, 24), QColor("#ffc400"),
                                         "Check this\nsecond line") << "Text";
    QTest::newRow("free text") << Made(PdfAnnotation::FreeText, QRectF(300, 600, 200, 40), QColor("#e5484d"),
                                       "Typed on the page") << "FreeText";
    QTest::newRow("ink") << Made(PdfAnnotation::Ink, QRectF(100, 650, 120, 60), QColor("#1f9e44"), "") << "Ink";
    QTest::newRow("rectangle") << Made(PdfAnnotation::Rectangle, QRectF(80, 400, 150, 90), QColor("#e5484d"), "box")
                               << "Square";
    QTest::newRow("ellipse") << Made(PdfAnnotation::Ellipse, QRectF(300, 400, 150, 90), QColor("#2f80ed"), "")
                             << "Circle";
    QTest::newRow("line") << Made(PdfAnnotation::Line, QRectF(60, 720, 200, 60), QColor("#1f2329"), "") << "Line";
    QTest::newRow("arrow") << Made(PdfAnnotation::Arrow, QRectF(300, 720, 200, 60), QColor("#e5484d"), "there")
                           << "Line";
}

void TestAnnotate::eachTypeSavedAndReopened()
{
    QFETCH(PdfAnnotation, made);
    QFETCH(QString, subtype);
    const QString path = Fresh(QTest::currentDataTag());
    const QByteArray original = TestPdf::ReadBytes(path);
    std::unique_ptr<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    QSignalSpy dirty(box.get(), &MainBox::SignalDocumentChanged);
    Push(box.get(), CAnnotationCommand::NewCreate(box->Annotations(), made, "Add"));
    QVERIFY(box->IsDirty());
    QCOMPARE(dirty.count(), 1);
    QCOMPARE(box->Annotations()->PageAnnotations(0).size(), 1);

    // What a recovery copy keeps makes the same comment on the file as it was.
    {
        std::unique_ptr<MainBox> recovered(TestWindows::Document(Fresh(QStringLiteral("%1-recovered").arg(QTest::currentDataTag()))));
        QVERIFY(CEditRecovery::Replay(CEditRecovery::Steps(box->Session()->UndoStack()), recovered->Annotations(),
                                      recovered->Forms()->Store(), recovered->Session()->UndoStack()));
        const QVector<PdfAnnotation> again = recovered->Annotations()->PageAnnotations(0);
        const PdfAnnotation now = box->Annotations()->PageAnnotations(0).first();
        QCOMPARE(again.size(), 1);
        QCOMPARE(again.first().subtype, now.subtype);
        QCOMPARE(again.first().color, now.color);
        QCOMPARE(again.first().contents, now.contents);
        QVERIFY(Near(again.first().rect, now.rect, 0.5) && Near(again.first().paths, now.paths));
        QCOMPARE(again.first().quads.size(), now.quads.size());
        QVERIFY(recovered->IsDirty());
    }

    QVERIFY(box->SaveAs(path));
    QVERIFY(!box->IsDirty());
    // Written as an update after the original, which stays as it was.
    QVERIFY(TestPdf::ReadBytes(path).size() > original.size());
    QVERIFY(TestPdf::ReadBytes(path).startsWith(original));
    QCOMPARE(TestPdf::StructureProblems(path), QString());

    const QVector<PdfAnnotation> found = Reread(path, 0);
    QCOMPARE(found.size(), 1);
    const PdfAnnotation& a = found.first();
    QCOMPARE(int(a.kind), int(made.kind));
    QCOMPARE(a.subtype, subtype);
    QCOMPARE(a.page, 0);
    QCOMPARE(a.color.name(), made.color.name());
    QCOMPARE(a.contents, made.contents);
    QCOMPARE(a.author, made.author);
    QVERIFY(qAbs(a.opacity - made.opacity) < 0.01);
    if (made.HasPoints()) {
        QVERIFY(Near(a.paths, made.paths));
        QVERIFY(qAbs(a.width - made.width) < 0.01);
    } else {
        QVERIFY2(Near(a.rect, made.rect, 0.5), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(a.rect.x()).arg(a.rect.y()).arg(a.rect.width()).arg(a.rect.height())));
    }
    if (made.HasTextMarkupGeometry()) {
        QCOMPARE(a.quads.size(), 1);
        QVERIFY(Near(a.quads.first(), made.quads.first(), 0.5));
    }
    if (made.kind == PdfAnnotation::FreeText)
        QCOMPARE(a.fontSize, made.fontSize);
    QVERIFY(Reread(path, 1).isEmpty());
    // Another reader draws it where and as it was made.
    QVERIFY(ShowsColor(Rendered(path, 0), made.rect, made.color));
    // The document open in the tab is the file as written.
    QCOMPARE(box->Annotations()->PageAnnotations(0).size(), 1);
}

void TestAnnotate::damagedRecoveryChangesNothing_data()
{
    QTest::addColumn<QByteArray>("steps");
    QTest::newRow("unknown kind") << QByteArray(R"([{"stamp": 1}])");
    QTest::newRow("page out of range") << QByteArray(R"([{"action": 0, "annotation": {"page": 9, "index": 0, "kind": 7, "rect": [1, 1, 9, 9], "color": "#ff0000"}}])");
    QTest::newRow("change of a comment not there") << QByteArray(R"([{"action": 1, "annotation": {"page": 0, "index": 5, "kind": 7, "rect": [1, 1, 9, 9], "color": "#ff0000"}}])");
    QTest::newRow("not a rectangle") << QByteArray(R"([{"action": 0, "annotation": {"page": 0, "index": 0, "kind": 7, "rect": [1, "x", 9, 9], "color": "#ff0000"}}])");
    QTest::newRow("no colour") << QByteArray(R"([{"action": 0, "annotation": {"page": 0, "index": 0, "kind": 7, "rect": [1, 1, 9, 9]}}])");
    QTest::newRow("field not there, after a good step")
        << QByteArray(R"([{"action": 0, "annotation": {"page": 0, "index": 0, "kind": 7, "rect": [1, 1, 9, 9], "color": "#ff0000"}}, {"fields": [{"id": 42, "text": "x"}]}])");
}

void TestAnnotate::damagedRecoveryChangesNothing()
{
    QFETCH(QByteArray, steps);
    std::unique_ptr<MainBox> box(TestWindows::Document(Fresh(QTest::currentDataTag())));
    QString error;
    QVERIFY(!CEditRecovery::Replay(QJsonDocument::fromJson(steps).array(), box->Annotations(), box->Forms()->Store(),
                                   box->Session()->UndoStack(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(box->Annotations()->PageAnnotations(0).isEmpty());
    QVERIFY(!box->IsDirty());
}

void TestAnnotate::undoRestoresExactly()
{
    const QString path = Fresh("undo");
    std::unique_ptr<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    CAnnotationStore* store = box->Annotations();
    QUndoStack* stack = box->Session()->UndoStack();
    Push(box.get(), CAnnotationCommand::NewCreate(store, Made(PdfAnnotation::Rectangle, QRectF(100, 100, 80, 60),
                                                              Qt::red, "first"), "Add"));
    const PdfAnnotation original = store->PageAnnotations(0).value(0);
    QVERIFY(original.IsValid());
    QVERIFY(original.IsOwn());

    PdfAnnotation changed = original.Translated(QPointF(50, 70));
    changed.color = QColor("#2f80ed");
    changed.contents = "second";
    changed.width = 6;
    Push(box.get(), CAnnotationCommand::NewChange(store, original, changed, "Change"));
    const PdfAnnotation after = store->PageAnnotations(0).value(0);
    QVERIFY(Near(after.rect, changed.rect, 0.01));
    QCOMPARE(after.color.name(), QString("#2f80ed"));

    Push(box.get(), CAnnotationCommand::NewRemove(store, after, "Delete"));
    QVERIFY(store->PageAnnotations(0).isEmpty());
    QCOMPARE(stack->count(), 3);

    stack->undo();
    QCOMPARE(store->PageAnnotations(0).size(), 1);
    stack->undo();
    const PdfAnnotation back = store->PageAnnotations(0).value(0);
    QVERIFY(Near(back.rect, original.rect, 0.01));
    QCOMPARE(back.color.name(), original.color.name());
    QCOMPARE(back.contents, original.contents);
    QCOMPARE(back.width, original.width);
    QCOMPARE(back.index, original.index);
    stack->undo();
    QVERIFY(store->PageAnnotations(0).isEmpty());
    QVERIFY(!box->IsDirty());

    stack->redo();
    stack->redo();
    QCOMPARE(store->PageAnnotations(0).value(0).contents, QString("second"));
    QVERIFY(box->IsDirty());
    QVERIFY(box->SaveAs(path));
    const QVector<PdfAnnotation> saved = Reread(path, 0);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().contents, QString("second"));
    QVERIFY(Near(saved.first().rect, changed.rect, 0.5));
}

void TestAnnotate::foreignAnnotationMovedAndDeleted_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QColor>("look");
    QTest::newRow("square with its own picture") << 0 << QColor(Qt::red);
    QTest::newRow("stamp") << 1 << QColor(Qt::blue);
}

void TestAnnotate::foreignAnnotationMovedAndDeleted()
{
    QFETCH(int, which);
    QFETCH(QColor, look);
    const QString path = Fresh(QStringLiteral("foreign%1").arg(which), foreign);
    std::unique_ptr<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    CAnnotationStore* store = box->Annotations();
    QUndoStack* stack = box->Session()->UndoStack();
    const QVector<PdfAnnotation> listed = store->PageAnnotations(0);
    QCOMPARE(listed.size(), 2);
    const PdfAnnotation original = listed.at(which);
    QVERIFY(!original.IsOwn());
    CPdfDocument::LoadStatus status;
    QVERIFY(ShowsColor(box->Annotations()->Document()->RenderPage(0, 1.0), original.rect, look));

    // Moved: the same picture in the new place, in the tab and in the file.
    const PdfAnnotation moved = original.Translated(QPointF(0, 150));
    Push(box.get(), CAnnotationCommand::NewChange(store, original, moved, "Move"));
    QImage live = store->Document()->RenderPage(0, 1.0);
    QVERIFY(ShowsColor(live, moved.rect.adjusted(10, 10, -10, -10), look));
    QVERIFY(!ShowsColor(live, original.rect.adjusted(10, 10, -10, -10), look));
    stack->undo();
    QVERIFY(Near(store->PageAnnotations(0).at(which).rect, original.rect, 0.01));
    QVERIFY(ShowsColor(store->Document()->RenderPage(0, 1.0), original.rect.adjusted(10, 10, -10, -10), look));
    stack->redo();

    QVERIFY(box->SaveAs(path));
    QVector<PdfAnnotation> saved = Reread(path, 0);
    QCOMPARE(saved.size(), 2);
    QVERIFY(Near(saved.at(which).rect, moved.rect, 0.5));
    QCOMPARE(saved.at(which).author, original.author);
    const QImage drawn = Rendered(path, 0);
    QVERIFY(ShowsColor(drawn, moved.rect.adjusted(10, 10, -10, -10), look));

    // Deleted: gone from the file; the other one stays as it was.
    store = box->Annotations();
    const PdfAnnotation target = store->PageAnnotations(0).at(which);
    Push(box.get(), CAnnotationCommand::NewRemove(store, target, "Delete"));
    QCOMPARE(store->PageAnnotations(0).size(), 1);
    box->Session()->UndoStack()->undo();
    QCOMPARE(store->PageAnnotations(0).size(), 2);
    QVERIFY(ShowsColor(store->Document()->RenderPage(0, 1.0), moved.rect.adjusted(10, 10, -10, -10), look));
    box->Session()->UndoStack()->redo();
    QVERIFY(box->SaveAs(path));
    saved = Reread(path, 0);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().subtype, which == 0 ? QString("Stamp") : QString("Square"));
    QVERIFY(!ShowsColor(Rendered(path, 0), moved.rect.adjusted(10, 10, -10, -10), look));
    QCOMPARE(TestPdf::StructureProblems(path), QString());
    Q_UNUSED(status);
}

void TestAnnotate::failedSaveKeepsTheOriginal()
{
    const QString path = Fresh("failed");
    const QByteArray before = TestPdf::ReadBytes(path);
    std::unique_ptr<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    Push(box.get(), CAnnotationCommand::NewCreate(box->Annotations(),
                                                  Made(PdfAnnotation::Ink, QRectF(50, 50, 200, 200), Qt::red, ""), "Add"));
    ModalAnswerer answer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); });
    {
        FileSizeLimit limit(2048);
        QString error;
        QVERIFY(!box->SaveAs(path, &error));
        QVERIFY(!error.isEmpty());
    }
    QCOMPARE(TestPdf::ReadBytes(path), before);
    QVERIFY(box->IsDirty());
    QCOMPARE(box->Annotations()->PageAnnotations(0).size(), 1);
    const QStringList left = QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList {"doc.pdf"});
    // With room again the same changes are written.
    QVERIFY(box->SaveAs(path));
    QCOMPARE(Reread(path, 0).size(), 1);
}

void TestAnnotate::protectedDocumentStaysProtected()
{
    const QString path = TestEnv::MakeDir("protected") + "/doc.pdf";
    const TestEnv::ChildResult encrypt = TestEnv::RunChild("qpdf", {"--encrypt", "", "owner", "256", "--", plain, path});
    QVERIFY2(encrypt.ExitCode() == 0, qPrintable(encrypt.Output()));
    std::unique_ptr<MainBox> box(TestWindows::Document(path));
    QVERIFY(box);
    QVERIFY(box->Annotations()->CanAnnotate());
    Push(box.get(), CAnnotationCommand::NewCreate(box->Annotations(), Made(PdfAnnotation::Note, QRectF(300, 300, 24, 24),
                                                                           QColor("#ffc400"), "Still locked?"), "Add"));
    QVERIFY(box->SaveAs(path));
    CPdfDocument::LoadStatus status;
    const std::shared_ptr<CPdfDocument> doc = CPdfDocument::Load(path, QByteArray(), &status);
    QVERIFY(doc);
    QVERIFY(doc->IsEncrypted());
    const QVector<PdfAnnotation> found = CAnnotationStore::ReadPage(*doc, 0);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().contents, QString("Still locked?"));
    QCOMPARE(TestPdf::StructureProblems(path), QString());
    QVERIFY(TestEnv::RunChild("qpdf", {"--show-encryption", path}).out.contains("R = 6"));
}

RV_TEST_MAIN(TestAnnotate)
#include "tst_annotate.moc"
