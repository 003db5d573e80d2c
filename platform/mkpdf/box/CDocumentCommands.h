#pragma once

#include <QHash>
#include <QString>

class MainBox;

// The commands behind the window's menu keys that act on one document
// ("save", "undo", "fit_width", ...). A key with nothing to act on here is
// ignored.
class CDocumentCommands
{
public:
    // Runs the command of key on box; false for a key that is not one.
    static bool Run(MainBox* box, const QString& key);
    static bool Knows(const QString& key);

private:
    using Command = void (*)(MainBox*);
    static const QHash<QString, Command>& Table();
};
