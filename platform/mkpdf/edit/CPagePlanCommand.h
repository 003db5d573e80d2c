#pragma once

#include "CPagePlan.h"

#include <QUndoCommand>

class CEditSession;

// One organizing step: the page plan before and after it, and the pages
// selected with each, so undo gives back exactly what was there.
class CPagePlanCommand : public QUndoCommand
{
public:
    CPagePlanCommand(CEditSession* session, const CPagePlan& before, const CPagePlan& after,
                     const QList<int>& selectionAfter, const QString& text);

    void undo() override;
    void redo() override;

private:
    CEditSession* session;
    CPagePlan before;
    CPagePlan after;
    QList<int> selectionAfter;
};
