#pragma once

#include <QCoreApplication>
#include <QJsonArray>

class CAnnotationStore;
class CFormStore;
class QUndoStack;

// The comment and form edits of an edit session, as steps a recovery copy
// can keep and a later start can carry out again on the same file. Page
// changes are kept apart, as the page plan they build up.
class CEditRecovery
{
    Q_DECLARE_TR_FUNCTIONS(CEditRecovery)
public:
    // The steps done so far (up to the stack's current index), in order.
    static QJsonArray Steps(const QUndoStack* stack);
    // Does steps again, as one undoable step on stack. Steps that do not fit
    // the document (pages, comments or fields it does not have, damaged
    // values) make the whole replay refused, with nothing changed.
    static bool Replay(const QJsonArray& steps, CAnnotationStore* annotations, CFormStore* forms, QUndoStack* stack,
                       QString* error = nullptr);
};
