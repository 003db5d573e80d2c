#include "CAnnotationLayer.h"
#include "CAnnotationPanel.h"
#include "CAnnotationStore.h"
#include "CCommentController.h"
#include "CCommentToolBar.h"
#include "CDocumentToolBar.h"
#include "CEditSession.h"
#include "CInlineTextEditor.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CSettingManager.h"
#include "CSidePanel.h"
#include "CTabBar.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

MainBox* Open(const QString& path, const QVariantMap& options = {})
{
    QVariantMap request = options;
    if (!request.contains("zoom"))
        request["zoom"] = 100.0;
    MainBox* box = TestWindows::Document(path, request);
    if (box) {
        box->resize(1000, 900);
        box->show();
    }
    return box;
}

// Where a point of a page is in the view's viewport.
QPoint At(MainBox* box, int nPage, const QPointF& point)
{
    return box->PageView()->ToViewport(nPage, QRectF(point, QSizeF(0, 0))).topLeft().toPoint();
}

void Send(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A press, moves with the button held, and a release, as a hand would.
void Drag(MainBox* box, const QPointF& from, const QPointF& to, int nSteps = 8)
{
    QWidget* viewport = box->PageView()->viewport();
    Send(viewport, QEvent::MouseButtonPress, At(box, 0, from), Qt::LeftButton);
    for (int i = 1; i <= nSteps; ++i)
        Send(viewport, QEvent::MouseMove, At(box, 0, from + (to - from) * i / nSteps), Qt::LeftButton);
    Send(viewport, QEvent::MouseButtonRelease, At(box, 0, to), Qt::NoButton);
}

void Click(MainBox* box, const QPointF& at)
{
    Drag(box, at, at, 0);
}

CCommentToolBar* Bar(MainBox* box)
{
    return box->Comments()->Bar();
}

void ChooseTool(MainBox* box, CCommentOptions::Tool tool)
{
    if (!box->Comments()->IsShown())
        box->Comments()->Show(false);
    Bar(box)->ToolButton(tool)->click();
}

// Picks a colour from the bar's colour menu.
void ChooseColor(MainBox* box, const QColor& color)
{
    for (QAction* action : Bar(box)->ColorButton()->menu()->actions()) {
        if (action->text() == color.name()) {
            action->trigger();
            return;
        }
    }
    QFAIL("colour not offered");
}

QVector<PdfAnnotation> Comments(MainBox* box)
{
    return box->Annotations()->PageAnnotations(0);
}

bool Near(const QRectF& a, const QRectF& b, double slack)
{
    return qAbs(a.left() - b.left()) <= slack && qAbs(a.top() - b.top()) <= slack
        && qAbs(a.right() - b.right()) <= slack && qAbs(a.bottom() - b.bottom()) <= slack;
}

} // namespace

class TestComments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void madeWithTheMouse_data();
    void madeWithTheMouse();
    void existingCommentsEditedWithTheMouse();
    void commentButtonStartsWithTheLastTool();
    void forbiddenDocumentOffersNoTools();
    void panelListsCommentsLive();
    void optionsReachCommentsIniAndNextDocuments_data();
    void optionsReachCommentsIniAndNextDocuments();

private:
    QString Fresh(const QString& name, const QString& source = QString());
    QString dir;
    QString plain;
    QString rich;
};

void TestComments::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    dir = TestEnv::MakeDir("comments");
    plain = dir + "/plain.pdf";
    QVERIFY(TestPdf::Write(plain, 2));
    rich = dir + "/rich.pdf";
    QVERIFY(TestPdf::WriteRich(plain, rich, "notes.txt", "attached"));
}

void TestComments::cleanup()
{
    for (QWidget* view : CMainViewManager::getInstance()->Views())
        delete view;
}

QString TestComments::Fresh(const QString& name, const QString& source)
{
    return TestPdf::FreshCopy(source.isEmpty() ? plain : source, name);
}

// A drag from "from" to "to" in page points; the words "Page 1" when from
// is null, selected first before the tool is chosen when to is null too.
void TestComments::madeWithTheMouse_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QRectF>("box");
    // Typing ends with Escape instead of Ctrl+Enter: the text stays.
    QTest::addColumn<bool>("escape");
    QTest::newRow("rectangle") << int(CCommentOptions::Rectangle) << QPointF(100, 300) << QPointF(250, 400) << "" << QRectF(100, 300, 150, 100) << false;
    QTest::newRow("ellipse") << int(CCommentOptions::Ellipse) << QPointF(300, 300) << QPointF(200, 380) << "" << QRectF(200, 300, 100, 80) << false;
    QTest::newRow("rectangle by a click") << int(CCommentOptions::Rectangle) << QPointF(100, 300) << QPointF(100, 300) << "" << QRectF(100, 300, 80, 50) << false;
    QTest::newRow("line") << int(CCommentOptions::Line) << QPointF(100, 500) << QPointF(300, 560) << "" << QRectF() << false;
    QTest::newRow("arrow") << int(CCommentOptions::Arrow) << QPointF(300, 500) << QPointF(100, 600) << "" << QRectF() << false;
    QTest::newRow("pen") << int(CCommentOptions::Ink) << QPointF(100, 650) << QPointF(300, 700) << "" << QRectF() << false;
    QTest::newRow("text box") << int(CCommentOptions::FreeText) << QPointF(100, 200) << QPointF(300, 240) << "Typed here" << QRectF(100, 200, 200, 40) << false;
    QTest::newRow("text box left with Escape") << int(CCommentOptions::FreeText) << QPointF(100, 200) << QPointF(300, 240) << "Not thrown away" << QRectF(100, 200, 200, 40) << true;
    QTest::newRow("sticky note left with Escape") << int(CCommentOptions::Note) << QPointF(400, 300) << QPointF(400, 300) << "Kept" << QRectF(388, 288, 24, 24) << true;
    QTest::newRow("sticky note") << int(CCommentOptions::Note) << QPointF(400, 300) << QPointF(400, 300) << "A note\nwith two lines" << QRectF(388, 288, 24, 24) << false;
    QTest::newRow("highlight while the tool is on") << int(CCommentOptions::Highlight) << QPointF() << QPointF(1, 1) << "" << QRectF() << false;
    QTest::newRow("underline") << int(CCommentOptions::Underline) << QPointF() << QPointF(1, 1) << "" << QRectF() << false;
    QTest::newRow("strike-out") << int(CCommentOptions::StrikeOut) << QPointF() << QPointF(1, 1) << "" << QRectF() << false;
    QTest::newRow("squiggly") << int(CCommentOptions::Squiggly) << QPointF() << QPointF(1, 1) << "" << QRectF() << false;
    QTest::newRow("highlight of text selected before") << int(CCommentOptions::Highlight) << QPointF() << QPointF() << "" << QRectF() << false;
}

void TestComments::madeWithTheMouse()
{
    QFETCH(int, tool);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QString, typed);
    QFETCH(QRectF, box);
    QFETCH(bool, escape);
    std::unique_ptr<MainBox> doc(Open(plain));
    QVERIFY(QTest::qWaitForWindowExposed(doc.get()));
    QRectF span;
    const bool selectFirst = from.isNull() && to.isNull();
    if (from.isNull()) {
        // The words "Page 1" at the top of the page.
        const QList<PdfWord> words = doc->Annotations()->Document()->PageWords(0);
        QVERIFY(words.size() >= 2);
        span = words.at(0).box.united(words.at(1).box);
        from = words.at(0).box.center();
        to = words.at(1).box.center();
        doc->Comments()->Show(false);
    }
    if (selectFirst) {
        Drag(doc.get(), from, to);
        QVERIFY(doc->PageView()->HasSelection());
    }
    ChooseTool(doc.get(), CCommentOptions::Tool(tool));
    if (!selectFirst)
        Drag(doc.get(), from, to);
    if (!typed.isEmpty()) {
        CInlineTextEditor* editor = doc->Comments()->Layer()->Editor();
        QVERIFY(editor);
        QVERIFY(Comments(doc.get()).isEmpty());
        editor->setPlainText(typed);
        if (escape)
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    }
    QTRY_COMPARE(Comments(doc.get()).size(), 1);
    const PdfAnnotation a = Comments(doc.get()).first();
    QCOMPARE(int(a.kind), tool);
    QCOMPARE(a.contents, typed);
    QCOMPARE(a.color, doc->Comments()->Options().ToolColor(CCommentOptions::Tool(tool)));
    if (!box.isNull())
        QVERIFY(Near(a.rect, box, 1.5));
    if (a.HasPoints()) {
        QVERIFY(QLineF(a.paths.first().first(), from).length() < 1.5);
        QVERIFY(QLineF(a.paths.first().last(), to).length() < 1.5);
    }
    if (a.HasTextMarkupGeometry()) {
        QCOMPARE(a.quads.size(), 1);
        QVERIFY(Near(a.quads.first(), span, 1.0));
        QVERIFY(!doc->PageView()->HasSelection());
    }
    QVERIFY(doc->IsDirty());
    doc->OnMainMenuTrigger("undo");
    QVERIFY(Comments(doc.get()).isEmpty());
    QVERIFY(!doc->IsDirty());
    doc->OnMainMenuTrigger("redo");
    QCOMPARE(Comments(doc.get()).size(), 1);
    if (escape) {
        // A box left empty with Escape goes, and adds nothing.
        Drag(doc.get(), from + QPointF(0, 300), to + QPointF(0, 300));
        QPointer<CInlineTextEditor> empty = doc->Comments()->Layer()->Editor();
        QVERIFY(empty && !empty->IsFinished());
        QTest::keyClick(empty, Qt::Key_Escape);
        QTRY_VERIFY(!empty);
        QCOMPARE(Comments(doc.get()).size(), 1);
    }
}

void TestComments::existingCommentsEditedWithTheMouse()
{
    const QString path = Fresh("edit_mouse");
    std::unique_ptr<MainBox> doc(Open(path));
    QVERIFY(QTest::qWaitForWindowExposed(doc.get()));
    CAnnotationLayer* layer = doc->Comments()->Layer();
    PdfAnnotation made = layer->NewAnnotation(CCommentOptions::Rectangle, 0);
    made.rect = QRectF(100, 300, 100, 80);
    layer->AddAnnotation(made);
    doc->Session()->UndoStack()->setClean();
    const QRectF original = Comments(doc.get()).first().rect;
    doc->Comments()->Show(false);

    Click(doc.get(), QPointF(150, 340));
    QVERIFY(layer->Selected().IsValid());
    Drag(doc.get(), QPointF(150, 340), QPointF(200, 440));
    QVERIFY(Near(Comments(doc.get()).first().rect, original.translated(50, 100), 1.0));
    // The lower right corner pulled out.
    Drag(doc.get(), QPointF(250, 480), QPointF(300, 500));
    QVERIFY(Near(Comments(doc.get()).first().rect, QRectF(150, 400, 150, 100), 1.0));
    ChooseColor(doc.get(), QColor(0x2F, 0x80, 0xED));
    QCOMPARE(Comments(doc.get()).first().color, QColor(0x2F, 0x80, 0xED));
    // The tool's own colour stays as it was.
    QCOMPARE(doc->Comments()->Options().ToolColor(CCommentOptions::Rectangle), CCommentOptions().ToolColor(CCommentOptions::Rectangle));

    // Double-click edits its text.
    const QPoint inside = At(doc.get(), 0, QPointF(200, 450));
    QTest::mouseDClick(doc->PageView()->viewport(), Qt::LeftButton, Qt::NoModifier, inside);
    QVERIFY(layer->Editor());
    layer->Editor()->setPlainText("Reworded");
    layer->Editor()->Commit();
    QCOMPARE(Comments(doc.get()).first().contents, QString("Reworded"));

    QTest::keyClick(doc->PageView(), Qt::Key_Delete);
    QVERIFY(Comments(doc.get()).isEmpty());
    for (int i = 0; i < 5; ++i)
        doc->OnMainMenuTrigger("undo");
    QCOMPARE(Comments(doc.get()).size(), 1);
    QVERIFY(Near(Comments(doc.get()).first().rect, original, 0.01));
    QCOMPARE(Comments(doc.get()).first().contents, QString());
    QVERIFY(!doc->IsDirty());

    // The eraser takes whatever it passes over.
    ChooseTool(doc.get(), CCommentOptions::Eraser);
    Drag(doc.get(), QPointF(50, 340), QPointF(250, 340));
    QVERIFY(Comments(doc.get()).isEmpty());
    doc->OnMainMenuTrigger("undo");
    QCOMPARE(Comments(doc.get()).size(), 1);
}

void TestComments::commentButtonStartsWithTheLastTool()
{
    const QVariantMap comment {{"Comment_Bar", QVariantMap {{"Last_Tool", "Ellipse"}}}};
    std::unique_ptr<MainBox> doc(Open(plain, {{"comment", comment}}));
    QVERIFY(doc);
    doc->findChild<CDocumentToolBar*>()->CommentButton()->click();
    QVERIFY(doc->Comments()->IsShown());
    QCOMPARE(Bar(doc.get())->Tool(), CCommentOptions::Ellipse);
    QCOMPARE(doc->Comments()->Layer()->Tool(), CCommentOptions::Ellipse);
    // The menu's Comment closes and opens it, without a tool.
    doc->OnMainMenuTrigger("comment");
    QVERIFY(!doc->Comments()->IsShown());
    doc->OnMainMenuTrigger("comment");
    QVERIFY(doc->Comments()->IsShown());
    QCOMPARE(doc->Comments()->Layer()->Tool(), CCommentOptions::NoTool);
}

void TestComments::forbiddenDocumentOffersNoTools()
{
    const QString path = dir + "/no_comments.pdf";
    QCOMPARE(TestEnv::RunChild("qpdf", {"--encrypt", "", "owner", "256", "--annotate=n", "--", plain, path}).ExitCode(), 0);
    ModalAnswerer answer([](QWidget* dialog) { ModalAnswerer::ClickButton(dialog, "button_3"); }, 2);
    std::unique_ptr<MainBox> doc(Open(path));
    QVERIFY(doc);
    doc->OnMainMenuTrigger("comment");
    QTRY_COMPARE(answer.AnsweredCount(), 1);
    QVERIFY(answer.SeenTexts().join(' ').contains("do not allow adding comments"));
    QVERIFY(!doc->Comments()->IsShown());
    doc->OnMainMenuTrigger("comment");
    QCOMPARE(answer.AnsweredCount(), 2);
    QVERIFY(!doc->Comments()->IsShown());
    auto* toolBar = doc->findChild<CDocumentToolBar*>();
    QVERIFY(!toolBar->CommentButton()->isEnabled());
    // Without the bar the mouse only reads.
    Drag(doc.get(), QPointF(100, 300), QPointF(200, 400));
    QVERIFY(Comments(doc.get()).isEmpty());
}

void TestComments::panelListsCommentsLive()
{
    const QString path = Fresh("panel", rich);
    std::unique_ptr<MainBox> doc(Open(path));
    QVERIFY(QTest::qWaitForWindowExposed(doc.get()));
    connect(doc.get(), &MainBox::SignalGetUserName, this, [](QString& name) { name = "Reviewer"; });
    doc->OnMainMenuTrigger("annotation");
    QTRY_VERIFY(doc->SidePanel()->AnnotationsLoaded());
    QTreeWidget* tree = doc->SidePanel()->AnnotationTree();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 1);

    doc->PageView()->GoToPage(1);
    doc->Comments()->Show(false);
    ChooseTool(doc.get(), CCommentOptions::Rectangle);
    QTRY_COMPARE(doc->CurrentPageIndex(), 1);
    CAnnotationLayer* layer = doc->Comments()->Layer();
    PdfAnnotation made = layer->NewAnnotation(CCommentOptions::Rectangle, 1);
    made.rect = QRectF(300, 600, 50, 50);
    made.contents = "Second page box";
    layer->AddAnnotation(made);
    QCOMPARE(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* second = tree->topLevelItem(1);
    QCOMPARE(second->text(0), QString("Page 2 (1)"));
    const QString text = second->child(0)->text(0);
    QVERIFY2(text.startsWith("Rectangle - Reviewer\n") && text.endsWith("\nSecond page box"), qPrintable(text));

    // A click goes to the comment and selects it.
    ChooseTool(doc.get(), CCommentOptions::NoTool);
    doc->PageView()->GoToPage(0);
    tree->setCurrentItem(second->child(0));
    emit tree->itemClicked(second->child(0), 0);
    QCOMPARE(doc->CurrentPageIndex(), 1);
    QCOMPARE(layer->Selected().page, 1);
    QCOMPARE(layer->Selected().contents, QString("Second page box"));

    QVERIFY(layer->DeleteSelected());
    QCOMPARE(tree->topLevelItemCount(), 1);
    doc->OnMainMenuTrigger("undo");
    QCOMPARE(tree->topLevelItemCount(), 2);
}

void TestComments::optionsReachCommentsIniAndNextDocuments_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no file yet") << QByteArray();
    QTest::newRow("values out of range") << QByteArray("[Highlight]\nColor=not a colour\nOpacity=-40\n[Ink]\nWidth=1e9\nColor=#12\n[Free_Text]\nFont_Size=abc\n[Comment_Bar]\nLast_Tool=Hammer\n");
    QTest::newRow("groups of the wrong shape") << QByteArray("Highlight=yellow\nInk=3\n[Arrow]\n");
}

void TestComments::optionsReachCommentsIniAndNextDocuments()
{
    QFETCH(QByteArray, content);
    CSettingManager* settings = CSettingManager::getInstance();
    QFile::remove(CSettingManager::CommentsPath());
    if (!content.isNull())
        QVERIFY(TestPdf::WriteBytes(CSettingManager::CommentsPath(), content));
    // Values that make no sense give the defaults.
    settings->Reload();
    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    window->show();
    QCOMPARE(TestWindows::Open(window, plain), 0);
    auto* first = qobject_cast<MainBox*>(window->TabBar()->GetItem(0).widget);
    QVERIFY(first->Comments()->Options() == CCommentOptions());
    ChooseTool(first, CCommentOptions::Rectangle);
    const QColor chosen(0x8E, 0x4E, 0xC6);
    ChooseColor(first, chosen);
    Bar(first)->WidthBox()->setCurrentIndex(Bar(first)->WidthBox()->findData(6.0));
    emit Bar(first)->WidthBox()->activated(Bar(first)->WidthBox()->currentIndex());

    // A whole file again, as another reader finds it.
    QSettings file(CSettingManager::CommentsPath(), QSettings::IniFormat);
    QCOMPARE(file.value("Rectangle/Color").toString(), chosen.name());
    QCOMPARE(file.value("Rectangle/Width").toDouble(), 6.0);
    QCOMPARE(file.value("Comment_Bar/Last_Tool").toString(), QStringLiteral("Rectangle"));

    // A document opened next draws with it.
    QCOMPARE(TestWindows::Open(window, Fresh("other")), 0);
    auto* second = qobject_cast<MainBox*>(window->TabBar()->GetItem(1).widget);
    QCOMPARE(second->Comments()->Options().ToolColor(CCommentOptions::Rectangle), chosen);
    QCOMPARE(second->Comments()->Options().ToolWidth(CCommentOptions::Rectangle), 6.0);

    // And the next session, read from the file.
    settings->Reload();
    const CCommentOptions read = CCommentOptions::FromMap(settings->GetComments());
    QCOMPARE(read.ToolColor(CCommentOptions::Rectangle), chosen);
    QCOMPARE(read.LastTool(), CCommentOptions::Rectangle);
    QCOMPARE(read.ToolColor(CCommentOptions::Ellipse), CCommentOptions().ToolColor(CCommentOptions::Ellipse));
}

RV_TEST_MAIN(TestComments)
#include "tst_comments.moc"
