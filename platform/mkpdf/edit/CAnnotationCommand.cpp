#include "CAnnotationCommand.h"

CAnnotationCommand::CAnnotationCommand(Action action_, CAnnotationStore* store_, const QString& text,
                                       QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , action(action_)
    , store(store_)
    , document(store_->Document())
{
}

CAnnotationCommand* CAnnotationCommand::NewCreate(CAnnotationStore* store, const PdfAnnotation& made,
                                                  const QString& text, QUndoCommand* parent)
{
    auto* command = new CAnnotationCommand(Create, store, text, parent);
    command->after = made;
    return command;
}

CAnnotationCommand* CAnnotationCommand::NewChange(CAnnotationStore* store, const PdfAnnotation& before,
                                                  const PdfAnnotation& after, const QString& text, QUndoCommand* parent)
{
    auto* command = new CAnnotationCommand(Change, store, text, parent);
    command->before = before;
    command->after = after;
    command->beforeLook = store->CurrentAppearance(before.page, before.index);
    // Moved as it is: the same picture in the new place. Another program's
    // annotation keeps its picture when resized too, stretched.
    const bool sameLook = before.color == after.color && qFuzzyCompare(before.opacity, after.opacity)
        && qFuzzyCompare(before.width, after.width) && before.fontSize == after.fontSize
        && before.contents == after.contents;
    const bool sameSize = qAbs(before.rect.width() - after.rect.width()) < 1e-6
        && qAbs(before.rect.height() - after.rect.height()) < 1e-6;
    command->keepLook = sameLook && (sameSize || !before.IsOwn());
    return command;
}

CAnnotationCommand* CAnnotationCommand::NewRemove(CAnnotationStore* store, const PdfAnnotation& annotation,
                                                  const QString& text, QUndoCommand* parent)
{
    auto* command = new CAnnotationCommand(Remove, store, text, parent);
    command->before = annotation;
    command->after = annotation;
    command->beforeLook = store->CurrentAppearance(annotation.page, annotation.index);
    return command;
}

void CAnnotationCommand::redo()
{
    if (!store)
        return;
    switch (action) {
    case Create:
        if (!done) {
            after.index = store->Add(after);
            failed = after.index < 0;
            const PdfAnnotation made = failed ? PdfAnnotation() : store->Find(after.page, after.index);
            if (made.IsValid())
                after = made;
        } else if (!failed) {
            store->SetRemoved(after.page, after.index, false, after.flags);
        }
        break;
    case Change:
        if (!done) {
            store->Apply(after, keepLook ? beforeLook : CAnnotationStore::Appearance());
            afterLook = store->CurrentAppearance(after.page, after.index);
        } else {
            store->Apply(after, afterLook);
        }
        break;
    case Remove:
        store->SetRemoved(after.page, after.index, true, after.flags);
        break;
    }
    done = true;
}

void CAnnotationCommand::undo()
{
    if (!store)
        return;
    switch (action) {
    case Create:
        if (!failed)
            store->SetRemoved(after.page, after.index, true, after.flags);
        break;
    case Change:
        store->Apply(before, beforeLook);
        break;
    case Remove:
        store->SetRemoved(before.page, before.index, false, before.flags);
        if (beforeLook)
            store->Apply(before, beforeLook);
        break;
    }
}
