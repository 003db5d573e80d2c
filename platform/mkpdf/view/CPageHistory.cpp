#include "CPageHistory.h"

void CPageHistory::Leave(const Place& here)
{
    // Jumping twice from one spot keeps one entry.
    if (back.isEmpty() || back.last() != here)
        back.append(here);
    if (back.size() > kMostPlaces)
        back.removeFirst();
    ahead.clear();
}

CPageHistory::Place CPageHistory::Back(const Place& here)
{
    if (back.isEmpty())
        return here;
    ahead.append(here);
    return back.takeLast();
}

CPageHistory::Place CPageHistory::Forward(const Place& here)
{
    if (ahead.isEmpty())
        return here;
    back.append(here);
    return ahead.takeLast();
}
