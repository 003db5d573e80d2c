#include "CEditSession.h"
#include "CFormBar.h"
#include "CFormController.h"
#include "CFormLayer.h"
#include "CFormStore.h"
#include "CInlineTextEditor.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "MainBox.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "TestWindows.h"

#include <QFile>
#include <QPushButton>
#include <QUndoStack>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace {

MainBox* Open(const QString& path)
{
    MainBox* box = TestWindows::Document(path, {{"zoom", 100.0}});
    if (box) {
        box->resize(1000, 900);
        box->show();
    }
    return box;
}

// A widget annotation of a field, on the page, with its own entries.
QPDFObjectHandle Widget(QPDF& pdf, QPDFObjectHandle page, const std::string& entries)
{
    QPDFObjectHandle widget = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Widget /F 4 " + entries + " >>"));
    widget.replaceKey("/P", page);
    return widget;
}

// Pictures of a button's states: on is a name ("/Yes"), its picture a dark
// square.
QPDFObjectHandle States(QPDF& pdf, const std::string& on)
{
    QPDFObjectHandle mark = QPDFObjectHandle::newStream(&pdf, "0 g 2 2 12 12 re f");
    mark.replaceDict(QPDFObjectHandle::parse("<< /Type /XObject /Subtype /Form /BBox [0 0 16 16] >>"));
    QPDFObjectHandle blank = QPDFObjectHandle::newStream(&pdf, "");
    blank.replaceDict(QPDFObjectHandle::parse("<< /Type /XObject /Subtype /Form /BBox [0 0 16 16] >>"));
    QPDFObjectHandle normal = QPDFObjectHandle::newDictionary();
    normal.replaceKey(on, mark);
    normal.replaceKey("/Off", blank);
    QPDFObjectHandle appearance = QPDFObjectHandle::newDictionary();
    appearance.replaceKey("/N", normal);
    return appearance;
}

// A copy of source whose first page holds a form: a one-line text field
// "name" of at most 10 characters, a multi-line "notes", a check box
// "agree", a radio group "size" (S, M, L; M by default), a combo box
// "color" (Green by default), a list "tags" taking several choices, a
// read-only "id" holding R-1001 and a push button "reset" that resets the
// form. With xfa, an XFA form with no fields of its own instead.
bool WriteForm(const QString& source, const QString& target, bool xfa = false)
{
    try {
        QPDF pdf;
        pdf.processFile(source.toLocal8Bit().constData());
        QPDFObjectHandle page = QPDFPageDocumentHelper(pdf).getAllPages().at(0).getObjectHandle();
        QPDFObjectHandle annots = QPDFObjectHandle::newArray();
        QPDFObjectHandle fields = QPDFObjectHandle::newArray();
        auto add = [&](QPDFObjectHandle field) {
            fields.appendItem(field);
            if (field.getKey("/Kids").isArray()) {
                for (int i = 0; i < field.getKey("/Kids").getArrayNItems(); ++i)
                    annots.appendItem(field.getKey("/Kids").getArrayItem(i));
            } else {
                annots.appendItem(field);
            }
        };
        if (!xfa) {
            add(Widget(pdf, page, "/FT /Tx /T (name) /MaxLen 10 /Rect [100 700 300 720] /DA (/Helv 12 Tf 0 g)"));
            add(Widget(pdf, page, "/FT /Tx /T (notes) /Ff 4096 /Rect [100 600 300 680] /DA (/Helv 10 Tf 0 g)"));
            QPDFObjectHandle agree = Widget(pdf, page, "/FT /Btn /T (agree) /V /Off /AS /Off /DV /Off /Rect [100 560 116 576]");
            agree.replaceKey("/AP", States(pdf, "/Yes"));
            add(agree);
            QPDFObjectHandle size = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /FT /Btn /T (size) /Ff 32768 /V /Off /DV /M >>"));
            QPDFObjectHandle kids = QPDFObjectHandle::newArray();
            const char* names[] = {"/S", "/M", "/L"};
            for (int i = 0; i < 3; ++i) {
                QPDFObjectHandle kid = Widget(pdf, page, "/AS /Off /Rect [" + std::to_string(100 + i * 40)
                                                             + " 520 " + std::to_string(116 + i * 40) + " 536]");
                kid.replaceKey("/Parent", size);
                kid.replaceKey("/AP", States(pdf, names[i]));
                kids.appendItem(kid);
            }
            size.replaceKey("/Kids", kids);
            add(size);
            add(Widget(pdf, page, "/FT /Ch /T (color) /Ff 131072 /Opt [(Red) (Green) (Blue)] /DV (Green) "
                                  "/Rect [100 470 250 490] /DA (/Helv 12 Tf 0 g)"));
            add(Widget(pdf, page, "/FT /Ch /T (tags) /Ff 2097152 /Opt [(Alpha) (Beta) (Gamma)] "
                                  "/Rect [100 380 250 450] /DA (/Helv 12 Tf 0 g)"));
            add(Widget(pdf, page, "/FT /Tx /T (id) /Ff 1 /V (R-1001) /Rect [300 700 450 720] /DA (/Helv 12 Tf 0 g)"));
            add(Widget(pdf, page, "/FT /Btn /T (reset) /Ff 65536 /Rect [100 330 180 350] "
                                  "/A << /S /ResetForm >> /MK << /CA (Reset) >>"));
        }
        page.replaceKey("/Annots", annots);
        QPDFObjectHandle form = QPDFObjectHandle::parse(
            "<< /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >> >>");
        form.replaceKey("/Fields", fields);
        if (xfa) {
            QPDFObjectHandle template_ = QPDFObjectHandle::newStream(
                &pdf, "<xdp:xdp xmlns:xdp=\"http://ns.adobe.com/xdp/\"><template/></xdp:xdp>");
            form.replaceKey("/XFA", template_);
        }
        pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
        const QByteArray name = target.toLocal8Bit();
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

PdfFormField Field(MainBox* box, const QString& name, int nWidget = 0)
{
    int seen = 0;
    for (const PdfFormField& field : box->Forms()->Store()->AllFields()) {
        if (field.name == name && seen++ == nWidget)
            return field;
    }
    return PdfFormField();
}

// The form as qpdf reads it from the file: "name=value" per field, a name
// value with its slash, the items of a list joined by commas.
QStringList FormValues(const QString& path)
{
    QStringList values;
    try {
        QPDF pdf;
        pdf.processFile(path.toLocal8Bit().constData());
        auto text = [](QPDFObjectHandle value) {
            if (value.isName())
                return QString::fromStdString(value.getName());
            if (value.isString())
                return QString::fromStdString(value.getUTF8Value());
            return QString();
        };
        for (QPDFFormFieldObjectHelper field : QPDFAcroFormDocumentHelper(pdf).getFormFields()) {
            QPDFObjectHandle value = field.getValue();
            QStringList items;
            if (value.isArray()) {
                for (int i = 0; i < value.getArrayNItems(); ++i)
                    items << text(value.getArrayItem(i));
            } else {
                items << text(value);
            }
            values << QString::fromStdString(field.getFullyQualifiedName()) + '=' + items.join(',');
        }
    } catch (const std::exception&) {
    }
    return values;
}

void TypeInto(MainBox* box, const QString& name, const QString& text)
{
    CFormLayer* layer = box->Forms()->Layer();
    QVERIFY(layer->Activate(Field(box, name)));
    CInlineTextEditor* editor = layer->Editor();
    QVERIFY(editor);
    editor->selectAll();
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, lines.at(i));
    }
    editor->Commit();
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFieldFilledSavedAndReopened_data();
    void everyFieldFilledSavedAndReopened();
    void limitsAndReadOnlyHonoured();
    void tabGoesThroughFieldsInOrder();
    void resetButtonAndUndo();
    void barSaysWhatTheFormAllows_data();
    void barSaysWhatTheFormAllows();

private:
    QString Fresh(const QString& name);
    QString dir;
    QString plain;
    QString form;
};

void TestForms::initTestCase()
{
    dir = TestEnv::MakeDir("forms");
    plain = dir + "/plain.pdf";
    QVERIFY(TestPdf::Write(plain, 2));
    form = dir + "/form.pdf";
    QVERIFY(WriteForm(plain, form));
}

QString TestForms::Fresh(const QString& name)
{
    return TestPdf::FreshCopy(form, name);
}

void TestForms::everyFieldFilledSavedAndReopened_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one-line text") << "type name Ada Lovelace" << "name=Ada Lovela";
    QTest::newRow("multi-line text") << "type notes first line\nsecond line" << "notes=first line\nsecond line";
    QTest::newRow("check box") << "click agree" << "agree=/Yes";
    QTest::newRow("radio") << "click size 2" << "size=/L";
    QTest::newRow("radio changed") << "click size 0|click size 1" << "size=/M";
    QTest::newRow("combo box") << "choose color 2" << "color=Blue";
    QTest::newRow("list, two choices") << "choose tags 0|choose tags 2" << "tags=Alpha,Gamma";
}

void TestForms::everyFieldFilledSavedAndReopened()
{
    QFETCH(QString, step);
    QFETCH(QString, expected);
    const QString path = Fresh(QStringLiteral("fill_%1").arg(QTest::currentDataTag()).replace(' ', '_'));
    std::unique_ptr<MainBox> box(Open(path));
    QVERIFY(box);
    for (const QString& part : step.split('|')) {
        const QStringList words = part.split(' ');
        if (words.at(0) == "type")
            TypeInto(box.get(), words.at(1), words.mid(2).join(' '));
        else if (words.at(0) == "click")
            QVERIFY(box->Forms()->Layer()->Activate(Field(box.get(), words.at(1), words.value(2).toInt())));
        else if (words.at(0) == "choose")
            QVERIFY(box->Forms()->Layer()->ChooseOption(Field(box.get(), words.at(1)), words.at(2).toInt()));
    }
    QVERIFY(box->IsDirty());
    QVERIFY(box->SaveAs(path));
    QCOMPARE(TestPdf::StructureProblems(path), QString());

    // qpdf reads the value from the file...
    const QStringList values = FormValues(path);
    QVERIFY2(values.contains(expected), qPrintable(values.join(" | ")));
    // ...and so does poppler's form interface, on a document opened anew.
    std::unique_ptr<MainBox> again(Open(path));
    const QString name = expected.section('=', 0, 0);
    const PdfFormField field = Field(again.get(), name, name == "size" ? expected.endsWith("/L") ? 2 : 1 : 0);
    if (field.type == PdfFormField::Text)
        QCOMPARE(field.text, expected.section('=', 1));
    else if (field.type == PdfFormField::ListBox)
        QCOMPARE(field.current, QList<int>({0, 2}));
    else if (field.type == PdfFormField::ComboBox)
        QCOMPARE(field.current, QList<int>({2}));
    else
        QVERIFY(field.state);
    // The one-line value is what a reader prints on the page.
    if (name == "name")
        QVERIFY(TestEnv::RunChild("pdftotext", {"-f", "1", "-l", "1", path, "-"}).out.contains("Ada Lovela"));
}

void TestForms::limitsAndReadOnlyHonoured()
{
    const QString path = Fresh("limits");
    std::unique_ptr<MainBox> box(Open(path));
    CFormLayer* layer = box->Forms()->Layer();
    QVERIFY(layer->Activate(Field(box.get(), "name")));
    QTest::keyClicks(layer->Editor(), "0123456789ABCDEF");
    QCOMPARE(layer->Editor()->toPlainText(), QString("0123456789"));
    layer->Editor()->Commit();
    QCOMPARE(Field(box.get(), "name").text, QString("0123456789"));
    // A value set some other way is cut to the limit too.
    PdfFormField longer = Field(box.get(), "name");
    longer.text = "abcdefghijklmnop";
    box->Forms()->Store()->SetValues({longer});
    QCOMPARE(Field(box.get(), "name").text, QString("abcdefghij"));

    // The read-only field neither opens nor changes.
    const PdfFormField id = Field(box.get(), "id");
    QVERIFY(id.readOnly);
    QVERIFY(!layer->Activate(id));
    QVERIFY(!layer->Editor() || layer->Editor()->IsFinished());
    PdfFormField forced = id;
    forced.text = "changed";
    QVERIFY(!box->Forms()->Store()->SetValues({forced}));
    QVERIFY(!layer->Change({forced}, "x"));
    QVERIFY(box->SaveAs(path));
    QVERIFY(FormValues(path).contains("id=R-1001"));
    QVERIFY(FormValues(path).contains("name=abcdefghij"));
}

void TestForms::tabGoesThroughFieldsInOrder()
{
    std::unique_ptr<MainBox> box(Open(Fresh("tab")));
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    CFormLayer* layer = box->Forms()->Layer();
    auto focusedName = [&]() { return box->Forms()->Store()->Find(layer->FocusedField()).name; };
    QStringList forward;
    box->PageView()->setFocus();
    for (int i = 0; i < 9; ++i) {
        QWidget* target = layer->Editor() && !layer->Editor()->IsFinished() ? static_cast<QWidget*>(layer->Editor())
                                                                             : box->PageView();
        QTest::keyClick(target, Qt::Key_Tab);
        QCoreApplication::processEvents();
        forward << focusedName();
    }
    // Read-only fields are passed by; after the last comes the first again.
    QCOMPARE(forward, QStringList({"name", "notes", "agree", "size", "size", "size", "color", "tags", "reset"}));
    QWidget* target = layer->Editor() && !layer->Editor()->IsFinished() ? static_cast<QWidget*>(layer->Editor())
                                                                         : box->PageView();
    QTest::keyClick(target, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(focusedName(), QString("name"));
    QVERIFY(layer->Editor());
    QTest::keyClick(layer->Editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    QCOMPARE(focusedName(), QString("reset"));
    // Space ticks the focused box.
    while (focusedName() != "agree")
        layer->FocusNext(true);
    QTest::keyClick(box->PageView(), Qt::Key_Space);
    QVERIFY(Field(box.get(), "agree").state);
}

void TestForms::resetButtonAndUndo()
{
    const QString path = Fresh("reset");
    std::unique_ptr<MainBox> box(Open(path));
    CFormLayer* layer = box->Forms()->Layer();
    TypeInto(box.get(), "name", "Grace");
    QVERIFY(layer->Activate(Field(box.get(), "agree")));
    QVERIFY(layer->Activate(Field(box.get(), "size", 0)));
    QVERIFY(layer->ChooseOption(Field(box.get(), "color"), 0));
    QCOMPARE(box->Session()->UndoStack()->count(), 4);

    QVERIFY(Field(box.get(), "reset").resets);
    QVERIFY(layer->Activate(Field(box.get(), "reset")));

    QCOMPARE(Field(box.get(), "name").text, QString());
    QVERIFY(!Field(box.get(), "agree").state);
    QVERIFY(!Field(box.get(), "size", 0).state);
    QVERIFY(Field(box.get(), "size", 1).state);
    QCOMPARE(Field(box.get(), "color").current, QList<int>({1}));
    QCOMPARE(Field(box.get(), "id").text, QString("R-1001"));

    box->OnMainMenuTrigger("undo");
    QCOMPARE(Field(box.get(), "name").text, QString("Grace"));
    QVERIFY(Field(box.get(), "agree").state);
    QVERIFY(Field(box.get(), "size", 0).state);
    QVERIFY(!Field(box.get(), "size", 1).state);
    QCOMPARE(Field(box.get(), "color").current, QList<int>({0}));
    for (int i = 0; i < 4; ++i)
        box->OnMainMenuTrigger("undo");
    QVERIFY(!box->IsDirty());
    QCOMPARE(Field(box.get(), "name").text, QString());
    QVERIFY(!Field(box.get(), "size", 0).state);
}

void TestForms::barSaysWhatTheFormAllows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("state");
    QTest::newRow("no form") << "plain" << int(CFormBar::NoForm);
    QTest::newRow("form") << "form" << int(CFormBar::Fillable);
    QTest::newRow("filling forbidden") << "locked" << int(CFormBar::Locked);
    QTest::newRow("XFA only") << "xfa" << int(CFormBar::XfaOnly);
}

void TestForms::barSaysWhatTheFormAllows()
{
    QFETCH(QString, kind);
    QFETCH(int, state);
    QString path = kind == "plain" ? plain : form;
    if (kind == "locked") {
        path = dir + "/locked.pdf";
        const TestEnv::ChildResult encrypt = TestEnv::RunChild(
            "qpdf", {"--encrypt", "", "owner", "256", "--form=n", "--annotate=n", "--", form, path});
        QVERIFY2(encrypt.ExitCode() == 0, qPrintable(encrypt.Output()));
    } else if (kind == "xfa") {
        path = dir + "/xfa.pdf";
        QVERIFY(WriteForm(plain, path, true));
    }
    std::unique_ptr<MainBox> box(Open(path));
    QVERIFY(box);
    CFormBar* bar = box->Forms()->Bar();
    QCOMPARE(int(bar->GetState()), state);
    QCOMPARE(bar->isVisible(), state != CFormBar::NoForm);
    if (state == CFormBar::XfaOnly)
        QVERIFY(bar->Text().contains("XFA, which is not supported"));
    if (state == CFormBar::Fillable) {
        bar->HighlightButton()->click();
        QVERIFY(box->Forms()->Layer()->IsHighlighting());
    }
    if (state == CFormBar::Locked) {
        QVERIFY(!box->Forms()->Layer()->Activate(Field(box.get(), "agree")));
        QVERIFY(!Field(box.get(), "agree").state);
        QVERIFY(!box->IsDirty());
    }
}

RV_TEST_MAIN(TestForms)
#include "tst_forms.moc"
