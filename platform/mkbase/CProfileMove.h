#pragma once

#include "CAppPaths.h"

#include <QList>
#include <QString>

namespace MKBase {

// Moves the items of an older profile folder to where they live now. Every
// step is a rename (or, across file systems, a copy to a temporary name that
// is then renamed) and is safe to repeat, so a move cut short by a crash or
// a kill goes on at the next start and loses nothing. An item already at its
// new place with other content is left where it was.
class CProfileMove
{
public:
    struct Result
    {
        int moved = 0;
        int kept = 0;
    };

    static Result Run(const QString& oldRoot, const QList<CAppPaths::LegacyItem>& items);
    // For tests of an interrupted move: after this many renames or copies the
    // move stops the process where it stands (it waits to be killed).
    static void SetStopAfter(int nSteps);

private:
    static bool MoveEntry(const QString& from, const QString& to, Result& result);
    static bool MoveFile(const QString& from, const QString& to, Result& result);
    static void Step();
};

} // namespace MKBase
