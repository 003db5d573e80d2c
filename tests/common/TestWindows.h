#pragma once

#include <QString>
#include <QVariantMap>

class MainBox;
class MainView;

// The application's windows as the tests make, fill and drop them: made
// through the manager as every window is, opened through the window's own
// open request.
class TestWindows
{
public:
    static MainView* New();
    // The open result of the request (0 opened or selected).
    static int Open(MainView* window, const QVariantMap& request);
    static int Open(MainView* window, const QString& path);
    // The document of a tab, or null.
    static MainBox* Box(MainView* window, int nIndex);
    // Every window of the manager, deleted at once, with their documents.
    static void DeleteAll();
};
