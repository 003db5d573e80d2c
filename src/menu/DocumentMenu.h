#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QVariant>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

// The menus of one window: the file menu (with the Edit, View, Go and Window
// menus inside it) and the help menu popped up from the title bar, the tab
// context menu and, on request, a complete menu bar. Ordinary
// items carry a key that goes to the window; the help items send dedicated
// signals or open the brand's web pages. Items are enabled from the current
// tab just before a menu opens.
class DocumentMenu : public QObject
{
    Q_OBJECT
public:
    explicit DocumentMenu(QObject* parent = nullptr);

    void ShowFileMenu(QWidget* parent, const QPoint& pos);
    void ShowHelpMenu(QWidget* parent, const QPoint& pos);
    void ShowTabMenu(QWidget* parent, const QPoint& pos);
    QMenuBar* CreateMenuBar(QWidget* parent);
    void UpdateText();
    void UpdateIcons();
    // Builds the File and tab menus of window and lets window carry their
    // shortcuts: a pop-up menu belongs to no window, so the shortcuts of its
    // items would reach nobody.
    void AttachShortcuts(QWidget* window);
    // Enables the items from the current tab, as opening the menus does;
    // the window calls it whenever that tab or its state changes, so a
    // shortcut acts exactly when its item could be chosen.
    void UpdateState();

    // Build without showing (what the Show operations do first).
    QMenu* BuildFileMenu(QWidget* parent);
    QMenu* BuildHelpMenu(QWidget* parent);
    QMenu* BuildTabMenu(QWidget* parent);
    QMenu* FileMenu() const { return fileMenu; }
    QMenu* HelpMenu() const { return helpMenu; }
    QMenu* TabMenu() const { return tabMenu; }
    QMenu* RecentMenu() const { return recentMenu; }
    QMenu* SkinMenu() const { return skinMenu; }
    QMenu* ViewMenu() const { return viewMenu; }
    QMenu* GoMenu() const { return goMenu; }
    QMenu* EditMenu() const { return editMenu; }
    QMenu* WindowMenu() const { return windowMenu; }
    QMenu* PageColorMenu() const { return pageColorMenu; }
    QAction* ViewAction(const QString& key) const { return viewActions.value(key); }
    // The item of a menu with this key (or, for help items, this text).
    QAction* FileAction(const QString& key) const { return fileActions.value(key); }
    QAction* TabAction(const QString& key) const { return tabActions.value(key); }
    QAction* HelpAction(const QString& text) const { return helpActions.value(text); }
    QList<QAction*> RecentActions() const { return recentActions; }

    // The help link of a key ("guid", "faq", "support") for the current
    // language; empty when the brand has none.
    static QString GetMenuUrl(const QString& key);

signals:
    void SignalMenuTrigger(const QVariant& action);
    void SignalGetRecentFileList(QStringList& listRecent);
    void SignalRecentOpenFile(const QString& path);
    void SignalGetCurrentTabInfo(QVariantMap& info);
    void SignalClickedSet();
    void SignalClickedFeedback();
    void SignalClickedUpdate();
    void SignalClickedAbout();
    void SignalClickedCreateLink();
    void SignalClickedSetAsDefault();

private slots:
    void SlotMenuTriggered(QAction* action);
    void SlotRecentMenuAboutToShow();
    void SlotFileMenuAboutToShow();
    void SlotEditMenuAboutToShow();
    void SlotViewMenuAboutToShow();
    void SlotGoMenuAboutToShow();
    void SlotTabMenuAboutToShow();
    void SlotRecentMenuTriggered(QAction* action);
    void SlotSkinMenuAboutToShow();
    void SlotSkinMenuTriggered(QAction* action);
    void SlotPageColorMenuAboutToShow();
    void SlotPageColorMenuTriggered(QAction* action);
    void SlotClickedGuide();
    void SlotClickedFaq();
    void SlotClickedSupport();

private:
    struct ItemRow;
    QMenu* NewMenu(const char* title, QWidget* parent);
    void AddItems(QMenu* menu, const QList<ItemRow>& items, QHash<QString, QAction*>* byKey);
    QMenu* BuildEditMenu(QWidget* parent);
    QMenu* BuildViewMenu(QWidget* parent);
    QMenu* BuildGoMenu(QWidget* parent);
    QMenu* BuildPageColorMenu(QWidget* parent);
    QMenu* BuildWindowMenu(QWidget* parent);
    QVariantMap CurrentTabInfo();
    static void OpenMenuUrl(const QString& key);

    QMenuBar* menuBar = nullptr;
    QList<QAction*> recentActions;
    QMenu* fileMenu = nullptr;
    QMenu* recentMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* displayMenu = nullptr;
    QMenu* zoomMenu = nullptr;
    QMenu* goMenu = nullptr;
    QMenu* windowMenu = nullptr;
    QMenu* tabMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* skinMenu = nullptr;
    QActionGroup* skinGroup = nullptr;
    QMenu* pageColorMenu = nullptr;
    QActionGroup* pageColorGroup = nullptr;
    QActionGroup* displayGroup = nullptr;
    QAction* followSkinAction = nullptr;
    QHash<QString, QAction*> fileActions;
    QHash<QString, QAction*> editActions;
    QHash<QString, QAction*> viewActions;
    QHash<QString, QAction*> goActions;
    QHash<QString, QAction*> windowActions;
    QHash<QString, QAction*> tabActions;
    QHash<QString, QAction*> helpActions;
    QList<QMenu*> titledMenus;
};
