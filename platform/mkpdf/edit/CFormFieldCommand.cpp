#include "CFormFieldCommand.h"

CFormFieldCommand::CFormFieldCommand(CFormStore* store_, const QVector<PdfFormField>& before_,
                                     const QVector<PdfFormField>& after_, const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent)
    , store(store_)
    , before(before_)
    , after(after_)
{
}

void CFormFieldCommand::redo()
{
    if (store)
        store->SetValues(after);
}

void CFormFieldCommand::undo()
{
    if (store)
        store->SetValues(before);
}
