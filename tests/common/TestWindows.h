#pragma once

#include <QString>
#include <QVariantMap>

class MainBox;
class MainView;
class QMimeData;
class QWidget;

// The application's windows as the tests make, fill and drop them: made
// through the manager as every window is, opened through the window's own
// open request.
class TestWindows
{
public:
    static MainView* New();
    // The open result of the request (0 opened or selected), once the new
    // tab has read its file or failed to.
    static int Open(MainView* window, const QVariantMap& request);
    static int Open(MainView* window, const QString& path);
    // The document of a tab, or null.
    static MainBox* Box(MainView* window, int nIndex);
    // Every window of the manager, deleted at once, with their documents.
    static void DeleteAll();
    // A document of its own, as the engine makes one for a tab; null when it
    // cannot be opened, with the reason in code.
    static MainBox* Document(const QString& path, const QVariantMap& options = {}, int* code = nullptr);
    // A drag entering target and dropping there, as a real drag delivers it.
    static void Drop(QWidget* target, const QMimeData* data, Qt::DropAction action);
};
