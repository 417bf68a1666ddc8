#include "windows/preview/PreviewTitles.h"

namespace windows {

QString titleAfterLoad(platform::LoadResult result)
{
    switch (result) {
    case platform::LoadResult::NoPage: return QString::fromLatin1(kNoPageTitle);
    case platform::LoadResult::ServerNotFound: return QString::fromLatin1(kCannotFindServerTitle);
    case platform::LoadResult::Loaded:
    case platform::LoadResult::Failed: break;
    }
    return QString();
}

} // namespace windows
