#pragma once

#include "CAnnotationStore.h"

#include <QPointer>
#include <QUndoCommand>

// One undoable change to a comment: made, changed (moved, resized,
// recoloured, text edited) or removed. Undo puts the annotation back
// exactly, the picture another program drew for it included.
class CAnnotationCommand : public QUndoCommand
{
public:
    enum Action { Create, Change, Remove };

    static CAnnotationCommand* NewCreate(CAnnotationStore* store, const PdfAnnotation& made, const QString& text,
                                         QUndoCommand* parent = nullptr);
    // A move keeps the picture the annotation had; other changes let it be
    // drawn anew.
    static CAnnotationCommand* NewChange(CAnnotationStore* store, const PdfAnnotation& before,
                                         const PdfAnnotation& after, const QString& text,
                                         QUndoCommand* parent = nullptr);
    static CAnnotationCommand* NewRemove(CAnnotationStore* store, const PdfAnnotation& annotation, const QString& text,
                                         QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

    Action GetAction() const { return action; }
    // The page and index of the annotation; the index of a new one is known
    // once it was made.
    int Page() const { return after.page; }
    int Index() const { return after.index; }
    bool Failed() const { return failed; }
    // The annotation as this step leaves it.
    const PdfAnnotation& State() const { return after; }

private:
    CAnnotationCommand(Action action, CAnnotationStore* store, const QString& text, QUndoCommand* parent);

    Action action;
    QPointer<CAnnotationStore> store;
    // The appearances belong to the document's parser, which has to outlive
    // them.
    std::shared_ptr<CPdfDocument> document;
    PdfAnnotation before;
    PdfAnnotation after;
    CAnnotationStore::Appearance beforeLook;
    CAnnotationStore::Appearance afterLook;
    bool keepLook = false;
    bool done = false;
    bool failed = false;
};
