#pragma once

#include "CRecoveryCopy.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;

class CSessionWindows;
class CSessionStore;
class MainView;

// Keeps the session of the application's windows on disk while the application
// runs, and brings it back at the next start: windows with their tabs in
// order, the current tab, each document's page, zoom and layout. Offers
// back the unsaved changes left in recovery copies.
class CSessionKeeper : public QObject
{
    Q_OBJECT
public:
    CSessionKeeper(CSessionWindows* windows, const QString& dirPath, QObject* parent = nullptr);

    CSessionStore* Store() const { return store; }
public slots:
    // Follows a new window's tabs and documents.
    void Watch(MainView* window);

public:
    // The session as it stands; empty while it must not be recorded.
    QJsonObject Collect() const;

    // At start, before files of the command line open: brings back the
    // last session when the user wants it, or always after an unclean end.
    // firstWindow receives the first restored window's tabs. Returns the
    // number of documents reopened.
    int Restore(QWidget* firstWindow, bool bWanted);
    // What the restore has to tell the user (shown by ShowNotices).
    QStringList Notices() const { return notices; }
    // Shows the notices one after the other, then runs then. Returns at once.
    void ShowNotices(QWidget* parent, const std::function<void()>& then = {});
    // Asks about each recovery copy left behind, one after the other, and
    // returns at once: recovered ones open in window with their changes
    // (and ask where to save them as a new file, when the user wants that);
    // only an explicit Discard deletes a copy. A copy whose document cannot
    // be reached now is kept for when it is back.
    void OfferRecovery(QWidget* window);
    // At start: the notices, then the recovery copies.
    void Greet(QWidget* window);
    // Clean end: the next start is an ordinary one.
    void Finish();

public slots:
    void SlotSessionChanged();
    void SlotSaveNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int RestoreWindow(MainView* window, const QJsonObject& state, QStringList* missing);
    void OfferNext();
    void Recover(const CRecoveryCopy::Entry& entry, bool bAsNewFile);

    CSessionWindows* windowList;
    CSessionStore* store;
    bool unclean = false;
    QStringList notices;
    QPointer<MainView> offerWindow;
    QList<CRecoveryCopy::Entry> offers;
};
