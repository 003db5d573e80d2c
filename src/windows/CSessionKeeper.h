#pragma once

#include <QJsonObject>
#include <QObject>
#include <QStringList>

class QWidget;

class CMainViewManager;
class CSessionStore;
class MainView;

// Keeps the session of the manager's windows on disk while the application
// runs, and brings it back at the next start: windows with their tabs in
// order, the current tab, each document's page, zoom and layout. Offers
// back the unsaved changes left in recovery copies.
class CSessionKeeper : public QObject
{
    Q_OBJECT
public:
    CSessionKeeper(CMainViewManager* manager, const QString& dirPath);

    CSessionStore* Store() const { return store; }
    // Follows a new window's tabs and documents.
    void Watch(MainView* window);
    // The session as it stands; empty while it must not be recorded.
    QJsonObject Collect() const;

    // At start, before files of the command line open: brings back the
    // last session when the user wants it, or always after an unclean end.
    // firstWindow receives the first restored window's tabs. Returns the
    // number of documents reopened.
    int Restore(QWidget* firstWindow, bool bWanted);
    // What the restore has to tell the user (shown by ShowNotices).
    QStringList Notices() const { return notices; }
    void ShowNotices(QWidget* parent);
    // Asks about each recovery copy left behind; accepted ones are opened
    // in window with their changes, declined ones deleted.
    void OfferRecovery(QWidget* window);
    // Clean end: the next start is an ordinary one.
    void Finish();

public slots:
    void SlotSessionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int RestoreWindow(MainView* window, const QJsonObject& state, QStringList* missing);

    CMainViewManager* manager;
    CSessionStore* store;
    bool unclean = false;
    QStringList notices;
};
