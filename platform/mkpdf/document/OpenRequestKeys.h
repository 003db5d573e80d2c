#pragma once

// Keys of an open request, the map a window hands the engine to open a
// document. A recent-list record is one too: it carries the same view keys.
namespace OpenKey {

inline constexpr char kPath[] = "path";
// Home-page tool to start once the document shows (MainBox::HomeTool).
inline constexpr char kToolId[] = "toolID";
// View state; the window fills what is missing from the display settings.
inline constexpr char kPageIndex[] = "pageIndex";
inline constexpr char kZoom[] = "zoom";
inline constexpr char kDisplayMode[] = "displayMode";
inline constexpr char kCursor[] = "cursor";
// The view's turn of the pages in degrees (the file stays as it is).
inline constexpr char kRotation[] = "rotation";
// Asked for by the launch, also of a document open already: a page to show
// (overrides the remembered one) and a text to find.
inline constexpr char kShowPage[] = "showPage";
inline constexpr char kFind[] = "find";
// True: the file is read when the document is first shown (a tab restored
// behind others); until then it holds only its path and view state.
inline constexpr char kDeferred[] = "deferred";
// True: the file is read in the background at once, the tab showing that
// it is coming; a failure closes the tab (MainBox::OpenFailure says why).
inline constexpr char kBackground[] = "background";
// Comment-tool options.
inline constexpr char kComment[] = "comment";
// False: no first-page picture is kept for the recent list.
inline constexpr char kRecordThumbnail[] = "recordThumbnail";
// New blank document, instead of a path.
inline constexpr char kPageSize[] = "pageSize";
inline constexpr char kPageCount[] = "pageCount";
inline constexpr char kTempPath[] = "tempPath";

} // namespace OpenKey
