#include "store/TextLines.h"

#include "store/SafeFile.h"

#include <algorithm>
#include <memory>

namespace store {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// Where the complete lines of `bytes` end: after its last LF, or after its last CR
// when that CR is not the final byte (a final CR may be the first half of CR LF).
std::size_t completeLinesEnd(std::string_view bytes)
{
    const std::size_t lastBreak = bytes.find_last_of("\r\n");
    if (lastBreak == std::string_view::npos)
        return 0;
    if (bytes[lastBreak] == '\r' && lastBreak + 1 == bytes.size()) {
        const std::size_t before = lastBreak == 0 ? std::string_view::npos : bytes.find_last_of("\r\n", lastBreak - 1);
        return before == std::string_view::npos ? 0 : before + 1;
    }
    return lastBreak + 1;
}

} // namespace

bool forEachFileLine(const std::filesystem::path& path, std::uint64_t sizeLimit,
                     const std::function<void(std::string_view)>& action, DiskStamp* stamp)
{
    ReadableFile file(path, sizeLimit);
    ContentHash hash;
    // A small file needs no full block; one that grows while it is read still
    // reads on, and a long line enlarges the block as below.
    const auto fileSize = static_cast<std::uint64_t>(file.info().st_size);
    std::size_t capacity = fileSize < kBlockSize ? std::max<std::size_t>(fileSize + 1, 4096) : kBlockSize;
    std::unique_ptr<char[]> block(new char[capacity]);
    std::size_t held = 0; // bytes of a line not yet complete, at the block's start
    for (;;) {
        if (held == capacity) { // one line longer than the block
            std::unique_ptr<char[]> bigger(new char[capacity * 2]);
            std::memcpy(bigger.get(), block.get(), held);
            block = std::move(bigger);
            capacity *= 2;
        }
        const std::size_t got = file.read(block.get() + held, capacity - held);
        const std::string_view bytes(block.get(), held + got);
        if (stamp)
            hash.update(bytes.substr(held));
        if (got == 0) {
            if (stamp)
                *stamp = stampOf(file.info(), hash.value());
            forEachLine(bytes, action);
            // What is held back never ends in LF (complete lines went on above), so
            // the last line was ended only when nothing is left or a bare CR ends it.
            return bytes.empty() || bytes.back() == '\r';
        }
        const std::size_t complete = completeLinesEnd(bytes);
        forEachLine(bytes.substr(0, complete), action);
        held = bytes.size() - complete;
        std::memmove(block.get(), block.get() + complete, held);
    }
}

} // namespace store
