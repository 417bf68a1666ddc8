#pragma once

#include "platform/Browser.h"

#include <QString>

namespace windows {

// The two page titles the preview window reacts to, exactly as they read.
inline constexpr char kNoPageTitle[] = "No page to display";
inline constexpr char kCannotFindServerTitle[] = "Cannot find server";

// The title a finished navigation stands for: a local file or folder the browser
// cannot show as a page reads as "No page to display", an address whose server
// cannot be found or reached as "Cannot find server"; anything else as no title
// (the page's own title, if any, arrives by itself).
QString titleAfterLoad(platform::LoadResult result);

} // namespace windows
