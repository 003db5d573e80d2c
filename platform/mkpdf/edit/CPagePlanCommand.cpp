#include "CPagePlanCommand.h"

#include "CEditSession.h"

CPagePlanCommand::CPagePlanCommand(CEditSession* session_, const CPagePlan& before_, const CPagePlan& after_,
                                   const QList<int>& selectionAfter_, const QString& text)
    : QUndoCommand(text)
    , session(session_)
    , before(before_)
    , after(after_)
    , selectionAfter(selectionAfter_)
{
}

void CPagePlanCommand::undo()
{
    // The pages the step changed are selected again where they were.
    QList<int> selection;
    for (int i = 0; i < before.Count(); ++i) {
        if (i >= after.Count() || !(before.Pages().at(i) == after.Pages().at(i)))
            selection << i;
    }
    session->SetPlan(before, selection);
}

void CPagePlanCommand::redo()
{
    session->SetPlan(after, selectionAfter);
}
