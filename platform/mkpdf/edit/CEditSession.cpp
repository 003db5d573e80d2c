#include "CEditSession.h"

#include "CPageEditCommand.h"
#include "CPagePlanCommand.h"
#include "CPdfDocument.h"
#include "CTextLayerCommand.h"
#include "CTextLayerWriter.h"

#include <QFileInfo>
#include <QUndoStack>

CEditSession::CEditSession(std::shared_ptr<CPdfDocument> document_, QObject* parent)
    : QObject(parent)
    , document(std::move(document_))
    , stack(new QUndoStack(this))
{
    plan = CPagePlan::Identity(document->FilePath(), document->PageCount());
    connect(stack, &QUndoStack::cleanChanged, this, &CEditSession::UpdateDirty);
}

CEditSession::~CEditSession()
{
    // The commands refer to this session; they go first.
    stack->clear();
}

std::shared_ptr<CPdfDocument> CEditSession::SourceDocument(int nSource) const
{
    if (nSource == 0)
        return document;
    if (nSource < 0 || nSource >= plan.Sources().size())
        return nullptr;
    return loaded.value(plan.Sources().at(nSource));
}

void CEditSession::AddSourceDocument(std::shared_ptr<CPdfDocument> source)
{
    if (source)
        loaded.insert(source->FilePath(), source);
}

bool CEditSession::IsDirty() const
{
    return temporary || !stack->isClean();
}

bool CEditSession::HasPageChanges() const
{
    return !plan.IsIdentity(document->PageCount());
}

void CEditSession::SetTemporary(bool bTemporary)
{
    temporary = bTemporary;
    UpdateDirty();
}

void CEditSession::UpdateDirty()
{
    const bool dirty = IsDirty();
    if (dirty == lastDirty)
        return;
    lastDirty = dirty;
    emit SignalDirtyChanged(dirty);
}

void CEditSession::ApplyPlan(const CPagePlan& newPlan, const QString& text, const QList<int>& selection)
{
    if (newPlan == plan)
        return;
    stack->push(new CPagePlanCommand(this, plan, newPlan, selection, text));
}

void CEditSession::SetPlan(const CPagePlan& newPlan, const QList<int>& selection)
{
    plan = newPlan;
    emit SignalPlanChanged(selection);
}

void CEditSession::AddTextLayers(const QMap<int, QByteArray>& layers, const QString& text)
{
    if (!layers.isEmpty())
        stack->push(new CTextLayerCommand(this, layers, text));
}

void CEditSession::SetTextLayers(const QMap<int, QByteArray>& layers, bool bAdd)
{
    for (auto it = layers.constBegin(); it != layers.constEnd(); ++it) {
        document->SetTextLayer(it.key(), bAdd ? it.value() : QByteArray());
        if (bAdd)
            textLayers.insert(it.key(), it.value());
        else
            textLayers.remove(it.key());
    }
    emit SignalTextLayersChanged(layers.keys());
}

void CEditSession::ApplyPageEdit(const PageEdit& edit, const QString& text)
{
    CPageEdits after = pageEdits;
    after.Append(edit);
    stack->push(new CPageEditCommand(this, pageEdits, after, edit.page, text));
}

bool CEditSession::DropPageEdit(int nPage)
{
    const int last = stack->index() - 1;
    auto* edit = last >= 0 ? dynamic_cast<const CPageEditCommand*>(stack->command(last)) : nullptr;
    if (!edit || edit->Page() != nPage)
        return false;
    // The stack hands out its steps read-only; this one is ours.
    const_cast<CPageEditCommand*>(edit)->Drop();
    stack->undo();
    return true;
}

void CEditSession::SetPageEdits(const CPageEdits& edits, int nPage)
{
    pageEdits = edits;
    emit SignalPageEditsChanged(nPage);
}

void CEditSession::DiscardChanges()
{
    if (stack->cleanIndex() >= 0)
        stack->setIndex(stack->cleanIndex());
}

CSavePipeline::Job CEditSession::MakeJob(const QString& target, const CPagePlan& pagePlan) const
{
    CSavePipeline::Job job;
    for (int i = 0; i < pagePlan.Sources().size(); ++i) {
        const std::shared_ptr<CPdfDocument> source = SourceDocument(i);
        if (source)
            job.sources.append({{source->FilePath(), source->Password()}, source});
        else
            job.sources.append({{pagePlan.Sources().at(i), QByteArray()}, nullptr});
    }
    job.plan = pagePlan;
    job.textLayers = textLayers;
    job.pageEdits = pageEdits;
    job.target = target;
    if (changesSource)
        job.changesWriter = changesSource();
    job.reloadPassword = document->Password();
    return job;
}

void CEditSession::Restart(std::shared_ptr<CPdfDocument> saved)
{
    document = std::move(saved);
    // The steps so far were made on the file as it was; they cannot be
    // undone on the file as it is now.
    stack->clear();
    loaded.clear();
    plan = CPagePlan::Identity(document->FilePath(), document->PageCount());
    // The text is in the file now.
    textLayers.clear();
    pageEdits = CPageEdits();
    temporary = false;
    UpdateDirty();
    emit SignalPlanChanged({});
    emit SignalPageEditsChanged(-1);
}

QJsonObject CEditSession::RecoveryState() const
{
    QJsonObject state {{"pagePlan", plan.ToJson()}};
    QJsonObject layers;
    for (auto it = textLayers.constBegin(); it != textLayers.constEnd(); ++it)
        layers.insert(QString::number(it.key()), QString::fromLatin1(it.value().toBase64()));
    if (!layers.isEmpty())
        state.insert("textLayers", layers);
    if (!pageEdits.IsEmpty())
        state.insert("pageEdits", pageEdits.ToJson());
    return state;
}

bool CEditSession::RestoreRecoveryState(const QJsonObject& state, QString* error)
{
    QMap<int, QByteArray> layers;
    const QJsonObject savedLayers = state.value("textLayers").toObject();
    for (auto it = savedLayers.constBegin(); it != savedLayers.constEnd(); ++it) {
        bool number = false;
        const int page = it.key().toInt(&number);
        const QByteArray pdf = QByteArray::fromBase64(it.value().toString().toLatin1());
        if (!number || page < 0 || page >= document->PageCount() || !CTextLayerWriter::IsLayer(pdf)) {
            if (error)
                *error = QStringLiteral("recognized text is damaged or for another document");
            return false;
        }
        layers.insert(page, pdf);
    }
    CPagePlan restored;
    if (!CPagePlan::FromJson(state.value("pagePlan").toObject(), &restored, error))
        return false;
    if (!QFileInfo(restored.Sources().first()).exists()
        || QFileInfo(restored.Sources().first()).absoluteFilePath() != document->FilePath()) {
        if (error)
            *error = QStringLiteral("the plan is for another document");
        return false;
    }
    QVector<int> counts {document->PageCount()};
    for (int i = 1; i < restored.Sources().size(); ++i) {
        CPdfDocument::LoadStatus status;
        std::shared_ptr<CPdfDocument> source = CPdfDocument::Load(restored.Sources().at(i), QByteArray(), &status);
        if (!source) {
            if (error)
                *error = QStringLiteral("cannot read %1").arg(restored.Sources().at(i));
            return false;
        }
        loaded.insert(restored.Sources().at(i), source);
        counts << source->PageCount();
    }
    if (!restored.FitsSources(counts)) {
        if (error)
            *error = QStringLiteral("the plan names pages its files do not have");
        return false;
    }
    CPageEdits edits;
    if (state.contains("pageEdits")
        && !CPageEdits::FromJson(state.value("pageEdits").toObject(), document->PageCount(), &edits, error))
        return false;
    AddTextLayers(layers, tr("Restore Recognized Text"));
    // Only comments or form values changed: no page step to make.
    if (!(restored == plan))
        ApplyPlan(restored, tr("Restore Page Changes"), {});
    if (edits != pageEdits)
        stack->push(new CPageEditCommand(this, pageEdits, edits, -1, tr("Restore Page Edits")));
    return true;
}
