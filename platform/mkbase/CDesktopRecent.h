#pragma once

#include <QString>

namespace MKBase {

// The desktop's own list of recently used files (recently-used.xbel in
// $XDG_DATA_HOME), which file dialogs and the desktop's "Recent" show. Read
// and written through GLib's bookmark file, as the desktop's programs do.
class CDesktopRecent
{
public:
    // Adds path, or marks it used again, as opened by this program. Runs in
    // the background; a list that cannot be read is left as it is.
    static void Add(const QString& path, const QString& mimeType = QStringLiteral("application/pdf"));
    // The same, done before returning. False when the list was not written.
    static bool AddNow(const QString& path, const QString& mimeType);
    static QString FilePath();
};

} // namespace MKBase
