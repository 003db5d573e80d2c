#include "CPageEditCommand.h"

#include "CEditSession.h"

CPageEditCommand::CPageEditCommand(CEditSession* session_, const CPageEdits& before_, const CPageEdits& after_,
                                   int nPage, const QString& text)
    : QUndoCommand(text)
    , session(session_)
    , before(before_)
    , after(after_)
    , page(nPage)
{
}

void CPageEditCommand::undo()
{
    session->SetPageEdits(before, page);
    setObsolete(dropped);
}

void CPageEditCommand::redo()
{
    session->SetPageEdits(after, page);
}
