#pragma once

#include "CPageEdits.h"
#include "CPagePlan.h"
#include "CSavePipeline.h"

#include <QHash>
#include <QJsonObject>
#include <QMap>
#include <QObject>

#include <functional>

#include <memory>

class CPdfDocument;
class QUndoStack;

// Every unsaved edit of one open document: one undo stack for every kind of
// edit (page organizing, and the annotation and form edits to come), whose
// clean state is the document's saved state, and the page plan the edits
// build up. Saving hands a pipeline job from here; after a save the session
// starts again on the file as written.
class CEditSession : public QObject
{
    Q_OBJECT
public:
    explicit CEditSession(std::shared_ptr<CPdfDocument> document, QObject* parent = nullptr);
    ~CEditSession() override;

    std::shared_ptr<CPdfDocument> Document() const { return document; }
    QUndoStack* UndoStack() const { return stack; }
    const CPagePlan& Plan() const { return plan; }
    // The open document for source 0; the loaded file for the others.
    std::shared_ptr<CPdfDocument> SourceDocument(int nSource) const;
    // Keeps another file, loaded for insertion, for the plans that name it
    // as a source.
    void AddSourceDocument(std::shared_ptr<CPdfDocument> source);

    bool IsDirty() const;
    bool HasPageChanges() const;
    // A new document that exists only in a temporary file is unsaved from
    // the start, without anything to undo, until it is saved somewhere.
    void SetTemporary(bool bTemporary);
    bool IsTemporary() const { return temporary; }

    // One undoable step: the plan becomes newPlan; selection is what the
    // organizer selects afterwards.
    void ApplyPlan(const CPagePlan& newPlan, const QString& text, const QList<int>& selection);
    // Text recognized for pages of the open document (by page, from 0), laid
    // over them when the document is next written: one undoable step.
    void AddTextLayers(const QMap<int, QByteArray>& layers, const QString& text);
    const QMap<int, QByteArray>& TextLayers() const { return textLayers; }
    // The content edits of pages not saved yet.
    const CPageEdits& PageEdits() const { return pageEdits; }
    // One undoable step: edit is made after the ones so far.
    void ApplyPageEdit(const PageEdit& edit, const QString& text);
    // Takes back the last step when it is a content edit of the page, for
    // good: an edit the page turned out not to allow.
    bool DropPageEdit(int nPage);
    // Steps the undo stack back to the saved state.
    void DiscardChanges();

    // Where the edits held in the document's parser (annotations, form
    // values) come from: asked at every save for the writer of stage 1,
    // which is unset while nothing is held there.
    void SetChangesSource(std::function<CSavePipeline::ChangesWriter()> source) { changesSource = std::move(source); }

    // A write of plan (by default the whole current plan) to target.
    CSavePipeline::Job MakeJob(const QString& target, const CPagePlan& pagePlan) const;
    CSavePipeline::Job MakeJob(const QString& target) const { return MakeJob(target, plan); }
    // After the document was written and opened again: a fresh start on it.
    void Restart(std::shared_ptr<CPdfDocument> saved);

    // What a recovery copy keeps: the plan, the recognized text and the
    // content edits. Restoring checks them against the files they are for
    // and makes each one undoable step.
    QJsonObject RecoveryState() const;
    bool RestoreRecoveryState(const QJsonObject& state, QString* error = nullptr);

    // Used by the undo commands only.
    void SetPlan(const CPagePlan& newPlan, const QList<int>& selection);
    void SetTextLayers(const QMap<int, QByteArray>& layers, bool bAdd);
    void SetPageEdits(const CPageEdits& edits, int nPage);

signals:
    void SignalPlanChanged(const QList<int>& selection);
    void SignalDirtyChanged(bool bDirty);
    // Pages whose text came or went with recognized text.
    void SignalTextLayersChanged(const QList<int>& pages);
    // The content edits of a page changed; -1 for every page.
    void SignalPageEditsChanged(int nPage);

private:
    void UpdateDirty();

    std::shared_ptr<CPdfDocument> document;
    QUndoStack* stack = nullptr;
    CPagePlan plan;
    QMap<int, QByteArray> textLayers;
    CPageEdits pageEdits;
    QHash<QString, std::shared_ptr<CPdfDocument>> loaded; // other sources, by path
    std::function<CSavePipeline::ChangesWriter()> changesSource;
    bool temporary = false;
    bool lastDirty = false;
};
