#include "reports/PageFile.h"

#include "store/SafeFile.h"

namespace reports {

std::filesystem::path writePage(const std::filesystem::path& folder, std::string_view fileName, std::string_view bytes)
{
    const std::filesystem::path page = folder / std::filesystem::path(fileName);
    store::writeFileSafely(page, bytes);
    return page;
}

} // namespace reports
