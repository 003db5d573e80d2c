#pragma once

#include <QString>

class QPalette;

namespace MKBase {

class CSystemUtils
{
public:
    // Must run before the application object exists. With bRoundScale false,
    // fractional screen scales (1.25, 1.5) are used as they are instead of
    // being rounded to whole numbers.
    static void EnableHighDPISupport(bool bRoundScale);
    // The application paints with the raster engine only: skipping the X11
    // OpenGL set-up saves most of the time to the first window. Must run
    // before the application object exists; an explicit choice in the
    // environment wins.
    static void SkipOpenGLIntegration();
    // Takes back what SkipOpenGLIntegration set, once the first window is
    // shown (the platform reads it then), so that programs started from here
    // (browser, file manager, mail) do not inherit it.
    static void RestoreStartupEnvironment();
    // Rendered pages are large, short-lived allocations made on worker
    // threads: serving them straight from the system (and returning them on
    // free) keeps memory from growing with every page viewed.
    static void TuneMemory();
    // Hands the freed heap back to the system: after a burst of work (a
    // document's pages read, a hidden tab's pictures dropped) it stays
    // with the process otherwise.
    static void GiveBackFreedMemory();
    static bool IsWindows11OrGreater();
    // The desktop's own palette (the platform theme's, never the one the
    // application set) has a window darker than its text. False when there
    // is no application object or no platform palette.
    static bool IsSystemPaletteDark();
    static bool IsPaletteDark(const QPalette& palette);
    // The system's machine id (systemd / D-Bus); empty when there is none.
    static QString MachineId();
    static QString UserName();
    // True the first time it is asked for a brand and product on this
    // account; the answer is remembered outside the application's own
    // folders so that resetting the application does not make a new user.
    static bool IsNewUser(const QString& brandName, const QString& productName);
    // Whether a session bus can be reached without starting one: asking the
    // bus library without one makes it launch a daemon of its own.
    static bool HasSessionBus();
};

} // namespace MKBase
