#include "CEditRecovery.h"

#include "CAnnotationCommand.h"
#include "CFormFieldCommand.h"
#include "CPdfDocument.h"

#include <QJsonObject>
#include <QUndoStack>

#include <cmath>

namespace {

// Far more than a person makes between two copies; more is not ours.
constexpr int kMaxSteps = 100000;
constexpr int kMaxPoints = 200000;

QJsonArray RectToJson(const QRectF& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

bool RectFromJson(const QJsonValue& value, QRectF* rect)
{
    const QJsonArray array = value.toArray();
    if (array.size() != 4)
        return false;
    for (const QJsonValue& number : array) {
        if (!number.isDouble() || !std::isfinite(number.toDouble()))
            return false;
    }
    *rect = QRectF(array[0].toDouble(), array[1].toDouble(), array[2].toDouble(), array[3].toDouble());
    return true;
}

QJsonObject AnnotationToJson(const PdfAnnotation& a)
{
    QJsonArray quads;
    for (const QRectF& quad : a.quads)
        quads.append(RectToJson(quad));
    QJsonArray paths;
    for (const QVector<QPointF>& path : a.paths) {
        QJsonArray points;
        for (const QPointF& point : path)
            points.append(QJsonArray {point.x(), point.y()});
        paths.append(points);
    }
    return {{"page", a.page},
            {"index", a.index},
            {"kind", int(a.kind)},
            {"subtype", a.subtype},
            {"rect", RectToJson(a.rect)},
            {"color", a.color.name(QColor::HexArgb)},
            {"opacity", a.opacity},
            {"width", a.width},
            {"fontSize", a.fontSize},
            {"contents", a.contents},
            {"author", a.author},
            {"modified", a.modified.toString(Qt::ISODateWithMs)},
            {"flags", a.flags},
            {"name", a.name},
            {"quads", quads},
            {"paths", paths}};
}

bool AnnotationFromJson(const QJsonObject& json, int nPages, PdfAnnotation* a, int* points)
{
    a->page = json.value("page").toInt(-1);
    a->index = json.value("index").toInt(-1);
    const int kind = json.value("kind").toInt(-1);
    if (a->page < 0 || a->page >= nPages || kind < PdfAnnotation::Highlight || kind > PdfAnnotation::Other)
        return false;
    // Copies written before the eraser joined the kinds number Other as it.
    a->kind = kind == PdfAnnotation::Eraser ? PdfAnnotation::Other : PdfAnnotation::Kind(kind);
    a->subtype = json.value("subtype").toString();
    a->color = QColor(json.value("color").toString());
    a->opacity = json.value("opacity").toDouble(1.0);
    a->width = json.value("width").toDouble(1.0);
    a->fontSize = json.value("fontSize").toInt(12);
    a->contents = json.value("contents").toString();
    a->author = json.value("author").toString();
    a->modified = QDateTime::fromString(json.value("modified").toString(), Qt::ISODateWithMs);
    a->flags = json.value("flags").toInt();
    a->name = json.value("name").toString();
    if (!RectFromJson(json.value("rect"), &a->rect) || !a->color.isValid() || !std::isfinite(a->opacity)
        || a->opacity < 0 || a->opacity > 1 || !std::isfinite(a->width) || a->width < 0 || a->fontSize <= 0)
        return false;
    for (const QJsonValue& value : json.value("quads").toArray()) {
        QRectF quad;
        if (!RectFromJson(value, &quad) || ++*points > kMaxPoints)
            return false;
        a->quads.append(quad);
    }
    for (const QJsonValue& value : json.value("paths").toArray()) {
        QVector<QPointF> path;
        for (const QJsonValue& point : value.toArray()) {
            const QJsonArray xy = point.toArray();
            if (xy.size() != 2 || !xy[0].isDouble() || !xy[1].isDouble() || !std::isfinite(xy[0].toDouble())
                || !std::isfinite(xy[1].toDouble()) || ++*points > kMaxPoints)
                return false;
            path.append(QPointF(xy[0].toDouble(), xy[1].toDouble()));
        }
        a->paths.append(path);
    }
    return true;
}

// A field's value only; what it is comes from the file when replayed.
QJsonObject FieldToJson(const PdfFormField& field)
{
    QJsonArray current;
    for (int item : field.current)
        current.append(item);
    return {{"id", field.id},
            {"text", field.text},
            {"state", field.state},
            {"current", current},
            {"editText", field.editText}};
}

void CollectSteps(const QUndoCommand* command, QJsonArray* steps)
{
    if (const auto* change = dynamic_cast<const CAnnotationCommand*>(command)) {
        if (!change->Failed())
            steps->append(
                QJsonObject {{"annotation", AnnotationToJson(change->State())}, {"action", int(change->GetAction())}});
    } else if (const auto* fill = dynamic_cast<const CFormFieldCommand*>(command)) {
        QJsonArray values;
        for (const PdfFormField& field : fill->Values())
            values.append(FieldToJson(field));
        steps->append(QJsonObject {{"fields", values}});
    }
    for (int i = 0; i < command->childCount(); ++i)
        CollectSteps(command->child(i), steps);
}

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QJsonArray CEditRecovery::Steps(const QUndoStack* stack)
{
    QJsonArray steps;
    for (int i = 0; stack && i < stack->index(); ++i)
        CollectSteps(stack->command(i), &steps);
    return steps;
}

bool CEditRecovery::Replay(const QJsonArray& steps, CAnnotationStore* annotations, CFormStore* forms, QUndoStack* stack,
                           QString* error)
{
    if (steps.isEmpty())
        return true;
    if (!annotations || !forms || !stack || steps.size() > kMaxSteps)
        return Fail(error, QStringLiteral("the changes cannot be applied to this document"));
    const int nPages = annotations->Document() ? annotations->Document()->PageCount() : 0;
    int points = 0;
    // Everything is read before anything is done.
    struct Step
    {
        PdfAnnotation annotation;
        int action = -1;
        QJsonArray fields;
    };
    QVector<Step> parsed;
    for (const QJsonValue& value : steps) {
        const QJsonObject json = value.toObject();
        Step step;
        if (json.contains("annotation")) {
            step.action = json.value("action").toInt(-1);
            if (step.action < CAnnotationCommand::Create || step.action > CAnnotationCommand::Remove
                || !AnnotationFromJson(json.value("annotation").toObject(), nPages, &step.annotation, &points)
                || (step.action != CAnnotationCommand::Create && step.annotation.index < 0))
                return Fail(error, QStringLiteral("a comment change is damaged"));
        } else if (json.value("fields").isArray()) {
            step.fields = json.value("fields").toArray();
        } else {
            return Fail(error, QStringLiteral("a change of unknown kind"));
        }
        parsed.append(step);
    }

    stack->beginMacro(tr("Recover Changes"));
    QString problem;
    for (const Step& step : parsed) {
        if (step.action == CAnnotationCommand::Create) {
            auto* command = CAnnotationCommand::NewCreate(annotations, step.annotation, QString());
            stack->push(command);
            if (command->Failed())
                problem = QStringLiteral("a comment could not be made again");
        } else if (step.action >= 0) {
            const PdfAnnotation current = annotations->Find(step.annotation.page, step.annotation.index);
            if (!current.IsValid()) {
                problem = QStringLiteral("a changed comment is not in the document");
                break;
            }
            stack->push(step.action == CAnnotationCommand::Change
                            ? CAnnotationCommand::NewChange(annotations, current, step.annotation, QString())
                            : CAnnotationCommand::NewRemove(annotations, current, QString()));
        } else {
            QVector<PdfFormField> before;
            QVector<PdfFormField> after;
            for (const QJsonValue& value : step.fields) {
                const QJsonObject json = value.toObject();
                const PdfFormField field = forms->Find(json.value("id").toInt(-1));
                if (!field.IsValid()) {
                    problem = QStringLiteral("a filled field is not in the document");
                    break;
                }
                PdfFormField filled = field;
                filled.text = json.value("text").toString();
                filled.state = json.value("state").toBool();
                filled.editText = json.value("editText").toString();
                filled.current.clear();
                for (const QJsonValue& item : json.value("current").toArray()) {
                    const int index = item.toInt(-1);
                    if (index >= 0 && index < field.choices.size())
                        filled.current.append(index);
                }
                before.append(field);
                after.append(filled);
            }
            if (!problem.isEmpty())
                break;
            stack->push(new CFormFieldCommand(forms, before, after, QString()));
        }
        if (!problem.isEmpty())
            break;
    }
    stack->endMacro();
    if (problem.isEmpty())
        return true;
    // Half a recovery is worse than none: the document goes back as it was.
    stack->undo();
    return Fail(error, problem);
}
