#pragma once

#include "CFormStore.h"

#include <QPointer>
#include <QUndoCommand>

// One undoable change of form values: a field filled in, a box ticked, a
// choice made, or a whole reset.
class CFormFieldCommand : public QUndoCommand
{
public:
    CFormFieldCommand(CFormStore* store, const QVector<PdfFormField>& before, const QVector<PdfFormField>& after,
                      const QString& text, QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;
    // The fields as this step leaves them.
    const QVector<PdfFormField>& Values() const { return after; }

private:
    QPointer<CFormStore> store;
    QVector<PdfFormField> before;
    QVector<PdfFormField> after;
};
