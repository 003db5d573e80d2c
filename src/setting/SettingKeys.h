#pragma once

// Key names of the settings files. They are written to disk: a changed name
// loses what users stored under the old one.
namespace SettingKey {

// Groups of setting.ini; General is its top level.
inline constexpr char kGeneral[] = "General";
inline constexpr char kDisplay[] = "Display";
inline constexpr char kBlank[] = "Blank";

// General
inline constexpr char kDefaultViewer[] = "Default_Viewer";
inline constexpr char kQuitClose[] = "Quit_Close";
inline constexpr char kRestoreView[] = "Restore_View";

// Display: how a document opens when its request does not say
inline constexpr char kPageView[] = "Page_View";
inline constexpr char kPageLayout[] = "Page_Layout";
inline constexpr char kPageCursor[] = "Page_Cursor";

// Blank: new documents
inline constexpr char kFileName[] = "File_Name";
inline constexpr char kPageCount[] = "Page_Count";
inline constexpr char kPageOrientation[] = "Page_Orientation";
inline constexpr char kPageFixedSize[] = "Page_Fixed_Size";
inline constexpr char kPageCustomSize[] = "Page_Custom_Size";

// record.ini
inline constexpr char kWindowGeometry[] = "Window_Geometry";
inline constexpr char kWindowState[] = "Window_State";
inline constexpr char kWindowMaximized[] = "Window_Maximized";
inline constexpr char kPrivateEnable[] = "Private_Enable";
inline constexpr char kLastFolder[] = "last_folder";

} // namespace SettingKey
