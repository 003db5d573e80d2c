#pragma once

#include "CPageEdits.h"

#include <QUndoCommand>

class CEditSession;

// One content edit of a page: the document's content edits before and
// after it.
class CPageEditCommand : public QUndoCommand
{
public:
    CPageEditCommand(CEditSession* session, const CPageEdits& before, const CPageEdits& after, int nPage,
                     const QString& text);

    void undo() override;
    void redo() override;
    int Page() const { return page; }
    // The next undo takes the step off the stack for good.
    void Drop() { dropped = true; }

private:
    CEditSession* session;
    CPageEdits before;
    CPageEdits after;
    int page;
    bool dropped = false;
};
