#pragma once

#include "OpenRequestKeys.h"

// Keys of a recent-list record beyond those of an open request (path and
// view state, OpenKey). "openTime" and "pinTime" are stored in recent.json.
namespace RecentKey {

inline constexpr char kFileName[] = "fileName";
inline constexpr char kFileSize[] = "fileSize";
inline constexpr char kOpenTime[] = "openTime";
inline constexpr char kTimeString[] = "timeString";
inline constexpr char kThumbnail[] = "thumbnail";
inline constexpr char kPin[] = "pin";
inline constexpr char kPinTime[] = "pinTime";
inline constexpr char kHasPassword[] = "hasPassword";

} // namespace RecentKey
