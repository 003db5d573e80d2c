// Test helper: opens the document given (one made by TestPdf::WriteRich),
// deletes its second page and turns its first, draws a rectangle, changes
// the note's text and types "Grace" into the field "name", all without
// saving; waits for the document's own recovery copy of all that, prints
// "ready" and waits to be killed. With --recognize it recognizes the text
// of the first page of a scan instead.
// Usage: recovery_child <document.pdf> [--recognize]

#include "CAnnotationCommand.h"
#include "CEditSession.h"
#include "CFormController.h"
#include "CFormFieldCommand.h"
#include "CPagePlan.h"
#include "CRecoveryCopy.h"
#include "CRecognizeController.h"
#include "MKApplication.h"
#include "MainBox.h"

#include <QJsonArray>
#include <QEventLoop>
#include <QTimer>
#include <QUndoStack>

#include <cstdio>

int main(int argc, char** argv)
{
    MKApplication app(argc, argv);
    app.InitProduct("rv", "overseas");
    if (argc < 2)
        return 2;
    int result = -1;
    auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, QString::fromLocal8Bit(argv[1]), {}, result));
    if (!box)
        return 3;
    if (argc > 2 && QByteArray(argv[2]) == "--recognize") {
        QEventLoop loop;
        bool recognized = false;
        QObject::connect(box->Recognizer(), &CRecognizeController::SignalFinished, [&](bool bOk) {
            recognized = bOk;
            loop.quit();
        });
        if (!box->Recognizer()->Recognize({0}, {"eng"}))
            return 7;
        loop.exec();
        if (!recognized || !box->WriteRecoveryCopy())
            return 7;
        CRecoveryCopy::Flush();
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    CPagePlan plan = box->Session()->Plan();
    plan.Remove({1});
    plan.Rotate({0}, 90);
    box->Session()->ApplyPlan(plan, "edit", {});
    QUndoStack* stack = box->Session()->UndoStack();
    CAnnotationStore* annotations = box->Annotations();
    PdfAnnotation square;
    square.page = 0;
    square.kind = PdfAnnotation::Rectangle;
    square.rect = QRectF(50, 50, 120, 80);
    square.color = Qt::red;
    stack->push(CAnnotationCommand::NewCreate(annotations, square, "draw"));
    const QVector<PdfAnnotation> shown = annotations->PageAnnotations(0);
    if (shown.isEmpty() || shown.first().kind != PdfAnnotation::Note)
        return 5;
    PdfAnnotation note = shown.first();
    note.contents = QStringLiteral("Seen");
    stack->push(CAnnotationCommand::NewChange(annotations, shown.first(), note, "edit"));
    CFormStore* forms = box->Forms()->Store();
    const QVector<PdfFormField> fields = forms->AllFields();
    if (fields.isEmpty())
        return 6;
    PdfFormField filled = fields.first();
    filled.text = QStringLiteral("Grace");
    stack->push(new CFormFieldCommand(forms, {fields.first()}, {filled}, "fill"));
    // Nobody asks for the copy: the document keeps it by itself.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll]() {
        for (const CRecoveryCopy::Entry& entry : CRecoveryCopy::Pending()) {
            if (entry.state.value("steps").toArray().size() == 3) {
                poll.stop();
                std::printf("ready\n");
                std::fflush(stdout);
            }
        }
    });
    poll.start(50);
    return app.exec();
}
