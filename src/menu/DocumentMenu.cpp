#include "DocumentMenu.h"

#include "CJsonReader.h"
#include "MKApplication.h"
#include "setting/CPageColorSetting.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QJsonObject>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include <functional>

namespace {

enum Shortcut { None = -1 };

QString Translate(const char* source)
{
    return QCoreApplication::translate("DocumentMenu", source);
}

bool IsHalden()
{
    MKApplication* app = MKApplication::getInstance();
    return app && app->IsHaldenProduct();
}

} // namespace

// One row of a menu table; an empty text is a separator.
struct DocumentMenu::ItemRow
{
    const char* text;
    const char* key;
    int standard;     // QKeySequence::StandardKey, or None
    const char* keys; // written shortcuts ("Ctrl+Tab; Ctrl+PgDown"), after the standard ones
    const char* icon;
    bool hidden;
};

DocumentMenu::DocumentMenu(QObject* parent)
    : QObject(parent)
{
}

QMenu* DocumentMenu::NewMenu(const char* title, QWidget* parent)
{
    auto* menu = new QMenu(Translate(title), parent);
    menu->setProperty("source", QByteArray(title));
    menu->setObjectName("menu_normal");
    titledMenus << menu;
    return menu;
}

void DocumentMenu::AddItems(QMenu* menu, const QList<ItemRow>& items, QHash<QString, QAction*>* byKey)
{
    for (const ItemRow& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(Translate(item.text));
        action->setProperty("source", QByteArray(item.text));
        action->setData(QString::fromLatin1(item.key));
        // A standard command takes the desktop's own key for it, then the
        // keys written here, which Linux readers expect whatever the
        // desktop (Ctrl+W and Ctrl+F4 both close); a standard command the
        // desktop binds to nothing (Save As on plain X11) still has one.
        QList<QKeySequence> keys;
        if (item.standard != None && !QKeySequence(QKeySequence::StandardKey(item.standard)).isEmpty())
            keys << QKeySequence(QKeySequence::StandardKey(item.standard));
        if (item.keys) {
            for (const QKeySequence& written : QKeySequence::listFromString(QString::fromLatin1(item.keys))) {
                if (!keys.contains(written))
                    keys << written;
            }
        }
        action->setShortcuts(keys);
        action->setShortcutVisibleInContextMenu(true);
        if (item.icon)
            action->setProperty("iconPath", QByteArray(item.icon));
        action->setVisible(!item.hidden);
        if (byKey)
            byKey->insert(QString::fromLatin1(item.key), action);
    }
}

QMenu* DocumentMenu::BuildFileMenu(QWidget* parent)
{
    if (fileMenu)
        return fileMenu;
    fileMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "File"), parent);
    AddItems(fileMenu,
             {{QT_TRANSLATE_NOOP("DocumentMenu", "Open"), "open", QKeySequence::Open, nullptr,
               "/file/menu_icon_open.png", false}},
             &fileActions);
    recentMenu = fileMenu->addMenu(Translate(QT_TRANSLATE_NOOP("DocumentMenu", "Open Recents")));
    recentMenu->setProperty("source", QByteArray("Open Recents"));
    recentMenu->setProperty("iconPath", QByteArray("/file/menu_icon_recent.png"));
    recentMenu->setObjectName("menu_normal");
    titledMenus << recentMenu;
    connect(recentMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotRecentMenuAboutToShow);
    connect(recentMenu, &QMenu::triggered, this, &DocumentMenu::SlotRecentMenuTriggered);
    AddItems(
        fileMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Create PDF"), "new", QKeySequence::New, nullptr,
          "/file/menu_icon_create.png", false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close Tab"), "close_tab", QKeySequence::Close, "Ctrl+W; Ctrl+F4", nullptr,
          false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close Window"), "close_window", None, "Ctrl+Shift+W", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close All Windows"), "close_all_windows", None, "Ctrl+Q; Ctrl+Alt+Shift+W",
          nullptr, false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Save"), "save", QKeySequence::Save, nullptr, "/file/menu_icon_save.png",
          false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Save As"), "save_as", QKeySequence::SaveAs, "Ctrl+Shift+S",
          "/file/menu_icon_save_as.png", false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Open File Location"), "show_in_finder", None, nullptr,
          "/file/menu_icon_location.png", false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Share"), "share", None, nullptr, nullptr, true},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Document Properties"), "doc_property", None, "Ctrl+D",
          "/file/menu_icon_doc.png", false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Protect"), "protect", None, nullptr, "/file/menu_icon_protect.png", false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Sign Document..."), "sign", None, "Ctrl+Alt+S", "/file/menu_icon_sign.png",
          false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Print"), "print", QKeySequence::Print, nullptr,
          "/file/menu_icon_print.png", false},
         {nullptr, nullptr, None, nullptr, nullptr, false}},
        &fileActions);
    // The title bar has no menu bar: the other menus live here, so that
    // every command can be reached with the mouse too.
    for (QMenu* submenu :
         {BuildEditMenu(fileMenu), BuildViewMenu(fileMenu), BuildGoMenu(fileMenu), BuildWindowMenu(fileMenu)})
        fileMenu->addMenu(submenu);
    fileMenu->addSeparator();
    AddItems(fileMenu,
             // The desktop's key for preferences; Ctrl+, where it names none.
             {{QT_TRANSLATE_NOOP("DocumentMenu", "Preferences"), "set", QKeySequence::Preferences, "Ctrl+,",
               "/file/menu_icon_setting.png", false}},
             &fileActions);
    connect(fileMenu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    connect(fileMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotFileMenuAboutToShow);
    UpdateIcons();
    return fileMenu;
}

QMenu* DocumentMenu::BuildEditMenu(QWidget* parent)
{
    if (editMenu)
        return editMenu;
    editMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Edit"), parent);
    AddItems(
        editMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Undo"), "undo", QKeySequence::Undo, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Redo"), "redo", QKeySequence::Redo, "Ctrl+Shift+Z; Ctrl+Y", nullptr,
          false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Cut"), "cut", QKeySequence::Cut, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Copy"), "copy", QKeySequence::Copy, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Paste"), "paste", QKeySequence::Paste, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Delete"), "delete", QKeySequence::Delete, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Select All"), "select_all", QKeySequence::SelectAll, nullptr, nullptr,
          false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Find"), "find", QKeySequence::Find, nullptr, nullptr, false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Comment"), "comment", None, "Ctrl+Alt+C", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Edit Page Content"), "page_edit", None, "Ctrl+Alt+E", nullptr, false}},
        &editActions);
    connect(editMenu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    connect(editMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotEditMenuAboutToShow);
    return editMenu;
}

QMenu* DocumentMenu::BuildViewMenu(QWidget* parent)
{
    if (viewMenu)
        return viewMenu;
    viewMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "View"), parent);
    displayMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Display"), viewMenu);
    AddItems(
        displayMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Single Page View"), "single_view", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Single Page Scrolling"), "single_scroll", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Two Page View"), "two_view", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Two Page Scrolling"), "two_scroll", None, nullptr, nullptr, false}},
        &viewActions);
    displayGroup = new QActionGroup(displayMenu);
    for (QAction* action : displayMenu->actions()) {
        action->setCheckable(true);
        displayGroup->addAction(action);
    }
    viewMenu->addMenu(displayMenu);
    viewMenu->addSeparator();
    AddItems(
        viewMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Thumbnails"), "thumbnail", None, "Ctrl+Alt+1", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Bookmarks"), "bookmark", None, "Ctrl+Alt+2", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Annotations"), "annotation", None, "Ctrl+Alt+3", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Attachments"), "attachment", None, "Ctrl+Alt+4", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Signatures"), "signature", None, "Ctrl+Alt+5", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Organize Pages"), "organize_pages", None, "Ctrl+Alt+O", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Recognize Text"), "recognize_text", None, "Ctrl+Alt+R", nullptr, false},
         {nullptr, nullptr, None, nullptr, nullptr, false}},
        &viewActions);
    zoomMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Zoom"), viewMenu);
    AddItems(
        zoomMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Zoom In"), "zoom_in", QKeySequence::ZoomIn, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Zoom Out"), "zoom_out", QKeySequence::ZoomOut, nullptr, nullptr, false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Actual Size"), "fit_actual", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Fit Page"), "fit_page", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Fit Width"), "fit_width", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Fit Height"), "fit_height", None, nullptr, nullptr, false}},
        &viewActions);
    viewMenu->addMenu(zoomMenu);
    AddItems(viewMenu,
             {{QT_TRANSLATE_NOOP("DocumentMenu", "Rotate Left"), "rotate_left", None, "Ctrl+Left", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Rotate Right"), "rotate_right", None, "Ctrl+Right", nullptr, false}},
             &viewActions);
    viewMenu->addMenu(BuildPageColorMenu(viewMenu));
    viewMenu->addSeparator();
    AddItems(
        viewMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Enter Read Mode"), "full_screen", None, "F11; Ctrl+L", nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Presentation"), "presentation", None, "F5", nullptr, false}},
        &viewActions);
    for (QMenu* menu : {viewMenu, displayMenu, zoomMenu})
        connect(menu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    connect(viewMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotViewMenuAboutToShow);
    return viewMenu;
}

QMenu* DocumentMenu::BuildPageColorMenu(QWidget* parent)
{
    pageColorMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Page Colours"), parent);
    pageColorGroup = new QActionGroup(pageColorMenu);
    pageColorGroup->setExclusive(true);
    const struct
    {
        const char* text;
        CPageColors::Mode mode;
    } modes[] = {{QT_TRANSLATE_NOOP("DocumentMenu", "Normal"), CPageColors::Normal},
                 {QT_TRANSLATE_NOOP("DocumentMenu", "Dark"), CPageColors::Dark},
                 {QT_TRANSLATE_NOOP("DocumentMenu", "Sepia"), CPageColors::Sepia},
                 {QT_TRANSLATE_NOOP("DocumentMenu", "High Contrast"), CPageColors::HighContrast}};
    for (const auto& row : modes) {
        QAction* action = pageColorMenu->addAction(Translate(row.text));
        action->setProperty("source", QByteArray(row.text));
        // The key reaches the document too, which has nothing to do for it.
        action->setData(QStringLiteral("page_colors_") + CPageColors::Name(row.mode));
        action->setProperty("pageColors", int(row.mode));
        action->setCheckable(true);
        pageColorGroup->addAction(action);
        viewActions.insert(action->data().toString(), action);
    }
    pageColorMenu->addSeparator();
    const char* follow = QT_TRANSLATE_NOOP("DocumentMenu", "Dark Pages with the Dark Appearance");
    followSkinAction = pageColorMenu->addAction(Translate(follow));
    followSkinAction->setProperty("source", QByteArray(follow));
    followSkinAction->setData(QStringLiteral("page_colors_follow_skin"));
    followSkinAction->setCheckable(true);
    viewActions.insert(followSkinAction->data().toString(), followSkinAction);
    connect(pageColorMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotPageColorMenuAboutToShow);
    connect(pageColorMenu, &QMenu::triggered, this, &DocumentMenu::SlotPageColorMenuTriggered);
    return pageColorMenu;
}

void DocumentMenu::SlotPageColorMenuAboutToShow()
{
    CPageColorSetting* setting = CPageColorSetting::getInstance();
    for (QAction* action : pageColorGroup->actions())
        action->setChecked(action->property("pageColors").toInt() == int(setting->Chosen()));
    followSkinAction->setChecked(setting->FollowsDarkSkin());
}

void DocumentMenu::SlotPageColorMenuTriggered(QAction* action)
{
    CPageColorSetting* setting = CPageColorSetting::getInstance();
    if (action == followSkinAction)
        setting->SetFollowsDarkSkin(action->isChecked());
    else if (action->property("pageColors").isValid())
        setting->SetChosen(CPageColors::Mode(action->property("pageColors").toInt()));
}

QMenu* DocumentMenu::BuildGoMenu(QWidget* parent)
{
    if (goMenu)
        return goMenu;
    goMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Go"), parent);
    AddItems(goMenu,
             {{QT_TRANSLATE_NOOP("DocumentMenu", "First Page"), "first_page", None, "Ctrl+Up", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Last Page"), "last_page", None, "Ctrl+Down", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Previous Page"), "pre_page", None, "Alt+Up", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Next Page"), "next_page", None, "Alt+Down", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Up"), "up", None, "", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Down"), "down", None, nullptr, nullptr, false},
              {nullptr, nullptr, None, nullptr, nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Go to Page"), "goto", None, "Ctrl+Alt+G", nullptr, false},
              {nullptr, nullptr, None, nullptr, nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Back"), "go_back", None, "Alt+Left", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Forward"), "go_forward", None, "Alt+Right", nullptr, false}},
             &goActions);
    connect(goMenu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    connect(goMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotGoMenuAboutToShow);
    return goMenu;
}

QMenu* DocumentMenu::BuildWindowMenu(QWidget* parent)
{
    if (windowMenu)
        return windowMenu;
    windowMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Window"), parent);
    AddItems(windowMenu,
             {{QT_TRANSLATE_NOOP("DocumentMenu", "Minimum"), "minimun", None, "Ctrl+M", nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Zoom"), "zoom", None, nullptr, nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Move Window to Left Side of Screen"), "move_left", None, nullptr,
               nullptr, true},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Move Window to Right Side of Screen"), "move_right", None, nullptr,
               nullptr, true},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Replace Tiled Window"), "replace", None, nullptr, nullptr, true},
              {nullptr, nullptr, None, nullptr, nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Show Next Tab"), "next_tab", None, "Ctrl+Tab; Ctrl+PgDown", nullptr,
               false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Show Previous Tab"), "pre_tab", None, "Ctrl+Shift+Backtab; Ctrl+PgUp",
               nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Move Tab to New Window"), "open_in_new_window", None, nullptr,
               nullptr, false},
              {nullptr, nullptr, None, nullptr, nullptr, false},
              {QT_TRANSLATE_NOOP("DocumentMenu", "Bring All to Front"), "bing_front", None, nullptr, nullptr, false}},
             &windowActions);
    connect(windowMenu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    return windowMenu;
}

QMenu* DocumentMenu::BuildTabMenu(QWidget* parent)
{
    if (tabMenu)
        return tabMenu;
    // The tab menu's title is not a text anyone reads.
    tabMenu = new QMenu(QStringLiteral("tab"), parent);
    tabMenu->setObjectName("menu_normal");
    AddItems(
        tabMenu,
        {{QT_TRANSLATE_NOOP("DocumentMenu", "Save"), "save", QKeySequence::Save, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Save As"), "save_as", QKeySequence::SaveAs, "Ctrl+Shift+S", nullptr,
          false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Open File Location"), "show_in_finder", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Rename"), "rename", None, nullptr, nullptr, false},
         {nullptr, nullptr, None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Open in New Window"), "open_in_new_window", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close Tab"), "close_tab", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close Other Tabs"), "close_other_tabs", None, nullptr, nullptr, false},
         {QT_TRANSLATE_NOOP("DocumentMenu", "Close All Tabs"), "close_all_tabs", None, nullptr, nullptr, false}},
        &tabActions);
    connect(tabMenu, &QMenu::triggered, this, &DocumentMenu::SlotMenuTriggered);
    connect(tabMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotTabMenuAboutToShow);
    return tabMenu;
}

QMenu* DocumentMenu::BuildHelpMenu(QWidget* parent)
{
    if (helpMenu)
        return helpMenu;
    helpMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Help"), parent);
    auto add = [this](const char* text, const char* icon, auto receiver) {
        QAction* action = helpMenu->addAction(Translate(text));
        action->setProperty("source", QByteArray(text));
        action->setProperty("iconPath", QByteArray(icon));
        helpActions.insert(QString::fromLatin1(text), action);
        connect(action, &QAction::triggered, this, receiver);
        return action;
    };
    add(QT_TRANSLATE_NOOP("DocumentMenu", "Preferences"), "/main/menu_icon_setting.png",
        &DocumentMenu::SignalClickedSet);
    skinMenu = NewMenu(QT_TRANSLATE_NOOP("DocumentMenu", "Appearance"), helpMenu);
    skinMenu->setProperty("iconPath", QByteArray("/main/menu_icon_skin.png"));
    skinGroup = new QActionGroup(skinMenu);
    skinGroup->setExclusive(true);
    const char* skins[] = {QT_TRANSLATE_NOOP("DocumentMenu", "Follow System"),
                           QT_TRANSLATE_NOOP("DocumentMenu", "Light"), QT_TRANSLATE_NOOP("DocumentMenu", "Dark")};
    for (int i = 0; i < 3; ++i) {
        QAction* action = skinMenu->addAction(Translate(skins[i]));
        action->setProperty("source", QByteArray(skins[i]));
        action->setData(MKApplication::SkinNames().at(i));
        action->setCheckable(true);
        action->setChecked(i == 0);
        skinGroup->addAction(action);
    }
    connect(skinMenu, &QMenu::aboutToShow, this, &DocumentMenu::SlotSkinMenuAboutToShow);
    connect(skinMenu, &QMenu::triggered, this, &DocumentMenu::SlotSkinMenuTriggered);
    helpMenu->addMenu(skinMenu);
    helpActions.insert(QStringLiteral("Appearance"), skinMenu->menuAction());
    helpMenu->addSeparator();
    add(QT_TRANSLATE_NOOP("DocumentMenu", "Create Desktop Shortcut"), "/main/menu_icon_link.png",
        &DocumentMenu::SignalClickedCreateLink);
    add(QT_TRANSLATE_NOOP("DocumentMenu", "Set as Default"), "/main/menu_icon_default.png",
        &DocumentMenu::SignalClickedSetAsDefault);
    QAction* guideSeparator = helpMenu->addSeparator();
    QAction* guide = add(QT_TRANSLATE_NOOP("DocumentMenu", "User Guide"), "/main/menu_icon_guide.png",
                         &DocumentMenu::SlotClickedGuide);
    QAction* faq
        = add(QT_TRANSLATE_NOOP("DocumentMenu", "FAQ"), "/main/menu_icon_faqs.png", &DocumentMenu::SlotClickedFaq);
    QAction* feedback = add(QT_TRANSLATE_NOOP("DocumentMenu", "Feedback"), "/main/menu_icon_feedack.png",
                            &DocumentMenu::SignalClickedFeedback);
    QAction* support = add(QT_TRANSLATE_NOOP("DocumentMenu", "Support Center"), "/main/menu_icon_contact.png",
                           &DocumentMenu::SlotClickedSupport);
    QAction* updateSeparator = helpMenu->addSeparator();
    QAction* update = add(QT_TRANSLATE_NOOP("DocumentMenu", "Check for Updates"), "/main/menu_icon_update.png",
                          &DocumentMenu::SignalClickedUpdate);
    add(QT_TRANSLATE_NOOP("DocumentMenu", "About"), "/main/menu_icon_about.png", &DocumentMenu::SignalClickedAbout);
    if (IsHalden()) {
        for (QAction* action : {guide, faq, feedback, support, update, guideSeparator, updateSeparator})
            action->setVisible(false);
    }
    if (MKApplication::IsDistributionBuild())
        update->setVisible(false);
    UpdateIcons();
    return helpMenu;
}

void DocumentMenu::ShowFileMenu(QWidget* parent, const QPoint& pos)
{
    BuildFileMenu(parent)->exec(pos);
}

void DocumentMenu::ShowHelpMenu(QWidget* parent, const QPoint& pos)
{
    BuildHelpMenu(parent)->exec(pos);
}

void DocumentMenu::ShowTabMenu(QWidget* parent, const QPoint& pos)
{
    BuildTabMenu(parent)->exec(pos);
}

QMenuBar* DocumentMenu::CreateMenuBar(QWidget* parent)
{
    if (!menuBar)
        menuBar = new QMenuBar(parent);
    menuBar->addMenu(BuildFileMenu(parent));
    menuBar->addMenu(BuildEditMenu(parent));
    menuBar->addMenu(BuildViewMenu(parent));
    menuBar->addMenu(BuildGoMenu(parent));
    menuBar->addMenu(BuildWindowMenu(parent));
    menuBar->addMenu(BuildHelpMenu(parent));
    return menuBar;
}

void DocumentMenu::UpdateText()
{
    if (menuBar) {
        menuBar->clear();
        CreateMenuBar(menuBar->parentWidget());
    }
    for (QMenu* menu : titledMenus) {
        const QByteArray source = menu->property("source").toByteArray();
        if (!source.isEmpty())
            menu->setTitle(Translate(source.constData()));
    }
    for (const QHash<QString, QAction*>* table :
         {&fileActions, &editActions, &viewActions, &goActions, &windowActions, &tabActions, &helpActions}) {
        for (QAction* action : *table) {
            const QByteArray source = action->property("source").toByteArray();
            if (!source.isEmpty())
                action->setText(Translate(source.constData()));
        }
    }
    if (skinGroup) {
        for (QAction* action : skinGroup->actions())
            action->setText(Translate(action->property("source").toByteArray().constData()));
    }
}

void DocumentMenu::UpdateIcons()
{
    const QString base = MKApplication::SkinResouresPath() + "/menu";
    auto apply = [&base](QAction* action) {
        const QByteArray icon = action->property("iconPath").toByteArray();
        if (!icon.isEmpty())
            action->setIcon(QIcon(base + QString::fromLatin1(icon)));
    };
    if (helpMenu) {
        for (QAction* action : helpActions)
            apply(action);
        skinMenu->setIcon(QIcon(base + QString::fromLatin1(skinMenu->property("iconPath").toByteArray())));
    }
    if (fileMenu) {
        for (QAction* action : fileActions)
            apply(action);
        recentMenu->setIcon(QIcon(base + QString::fromLatin1(recentMenu->property("iconPath").toByteArray())));
    }
}

void DocumentMenu::AttachShortcuts(QWidget* window)
{
    // Two actions with one key in one window make it ambiguous, and neither
    // runs: a key is carried by the first item that shows it (Save of the
    // File menu rather than of the tab menu), and an item keeps only the
    // keys nobody took before it.
    QList<QKeySequence> taken;
    std::function<void(QMenu*)> attach = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                attach(action->menu());
                continue;
            }
            QList<QKeySequence> own;
            for (const QKeySequence& keys : action->shortcuts()) {
                if (!taken.contains(keys))
                    own << keys;
            }
            if (own.isEmpty())
                continue;
            if (own.size() != action->shortcuts().size())
                action->setShortcuts(own);
            taken << own;
            window->addAction(action);
        }
    };
    attach(BuildFileMenu(window));
    attach(BuildTabMenu(window));
}

void DocumentMenu::UpdateState()
{
    if (fileMenu) {
        SlotFileMenuAboutToShow();
        SlotEditMenuAboutToShow();
        SlotViewMenuAboutToShow();
        SlotGoMenuAboutToShow();
    }
    if (tabMenu)
        SlotTabMenuAboutToShow();
}

QVariantMap DocumentMenu::CurrentTabInfo()
{
    QVariantMap info;
    emit SignalGetCurrentTabInfo(info);
    return info;
}

void DocumentMenu::SlotMenuTriggered(QAction* action)
{
    // A menu also reports the items of its submenus: each item is sent once,
    // by its own menu (and by the window, for a key pressed there).
    if (qobject_cast<QMenu*>(sender()) != action->parent())
        return;
    emit SignalMenuTrigger(action->data());
}

void DocumentMenu::SlotFileMenuAboutToShow()
{
    const QVariantMap info = CurrentTabInfo();
    const bool hasDoc = !info.isEmpty();
    for (const char* key :
         {"close_tab", "save", "save_as", "show_in_finder", "share", "doc_property", "protect", "sign", "print"})
        fileActions.value(key)->setEnabled(hasDoc);
    if (hasDoc)
        fileActions.value("show_in_finder")->setEnabled(!info.value("is_temp").toBool());
}

void DocumentMenu::SlotEditMenuAboutToShow()
{
    // Undo and Redo say whether there is anything to take back; their keys
    // act exactly when the items could be chosen.
    const QVariantMap info = CurrentTabInfo();
    for (QAction* action : qAsConst(editActions))
        action->setEnabled(!info.isEmpty());
    editActions.value("undo")->setEnabled(info.value("can_undo").toBool());
    editActions.value("redo")->setEnabled(info.value("can_redo").toBool());
}

void DocumentMenu::SlotViewMenuAboutToShow()
{
    const QVariantMap info = CurrentTabInfo();
    viewMenu->setEnabled(!info.isEmpty() && info.value("module_index").toInt() != 2);
    const bool reading = info.value("read_mode").toBool();
    QAction* readMode = viewActions.value("full_screen");
    const char* text = reading ? QT_TRANSLATE_NOOP("DocumentMenu", "Leave Read Mode")
                               : QT_TRANSLATE_NOOP("DocumentMenu", "Enter Read Mode");
    readMode->setProperty("source", QByteArray(text));
    readMode->setText(Translate(text));
    const QString mode[] = {"single_view", "single_scroll", "two_view", "two_scroll"};
    const int shown = info.value("display_mode", -1).toInt();
    for (int i = 0; i < 4; ++i)
        viewActions.value(mode[i])->setChecked(i == shown);
}

void DocumentMenu::SlotGoMenuAboutToShow()
{
    const QVariantMap info = CurrentTabInfo();
    goMenu->setEnabled(!info.isEmpty() && info.value("module_index").toInt() != 2);
    goActions.value("go_back")->setEnabled(info.value("can_go_back").toBool());
    goActions.value("go_forward")->setEnabled(info.value("can_go_forward").toBool());
}

void DocumentMenu::SlotTabMenuAboutToShow()
{
    const QVariantMap info = CurrentTabInfo();
    if (info.isEmpty())
        return;
    tabActions.value("rename")->setEnabled(!info.value("dirty").toBool());
    tabActions.value("open_in_new_window")->setEnabled(info.value("tabCount").toInt() >= 2);
    tabActions.value("close_other_tabs")->setEnabled(info.value("tabCount").toInt() >= 2);
    tabActions.value("show_in_finder")->setEnabled(!info.value("is_temp").toBool());
}

void DocumentMenu::SlotRecentMenuAboutToShow()
{
    if (!fileMenu)
        return;
    QStringList list;
    emit SignalGetRecentFileList(list);
    for (QAction* action : recentActions) {
        recentMenu->removeAction(action);
        delete action;
    }
    recentActions.clear();
    for (const QString& path : list) {
        // A file name is shown as it is: "&" is no mnemonic here.
        auto* action = new QAction(QFileInfo(path).fileName().replace('&', QLatin1String("&&")), recentMenu);
        action->setData(path);
        recentActions << action;
        recentMenu->addAction(action);
    }
}

void DocumentMenu::SlotRecentMenuTriggered(QAction* action)
{
    if (!action->data().isNull())
        emit SignalRecentOpenFile(action->data().toString());
}

void DocumentMenu::SlotSkinMenuAboutToShow()
{
    MKApplication* app = MKApplication::getInstance();
    const QString skin = app ? app->CurrentSkin() : QString();
    const QList<QAction*> actions = skinGroup->actions();
    const int index = skin == MKApplication::kSkinLight ? 1 : skin == MKApplication::kSkinDark ? 2 : 0;
    actions.at(index)->setChecked(true);
}

void DocumentMenu::SlotSkinMenuTriggered(QAction* action)
{
    Q_UNUSED(action);
    MKApplication* app = MKApplication::getInstance();
    if (!app)
        return;
    const QList<QAction*> actions = skinGroup->actions();
    if (actions.at(1)->isChecked())
        app->SetCurrentSkin(MKApplication::kSkinLight);
    else if (actions.at(2)->isChecked())
        app->SetCurrentSkin(MKApplication::kSkinDark);
    else
        app->SetCurrentSkin(MKApplication::kSkinAuto);
}

QString DocumentMenu::GetMenuUrl(const QString& key)
{
    MKApplication* app = MKApplication::getInstance();
    const QString path = QStringLiteral("%1/menu/%2.json")
                             .arg(MKApplication::ConfProductDirPath(), app ? app->CurrentLanguage() : QString());
    const QJsonValue value = MKBase::CJsonReader::ParseJsonFile(path, key);
    const QJsonObject object = value.toObject();
    if (object.isEmpty())
        return QString();
    // The brand keeps one link per platform; this is the Linux one.
    const QString own = object.value("UrlLinux").toString();
    return own.isEmpty() ? object.value("Url").toString() : own;
}

void DocumentMenu::OpenMenuUrl(const QString& key)
{
    const QString url = GetMenuUrl(key);
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

void DocumentMenu::SlotClickedGuide()
{
    OpenMenuUrl("guid");
}

void DocumentMenu::SlotClickedFaq()
{
    OpenMenuUrl("faq");
}

void DocumentMenu::SlotClickedSupport()
{
    OpenMenuUrl("support");
}
