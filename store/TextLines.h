#pragma once

#include "store/DiskStamp.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string_view>

namespace store {

// Calls `action` with every line of `bytes`, without its ending. A line ends with
// CR LF, LF or CR alone; a last line without an ending counts too, and an ending
// at the very end does not start another line. Lines are found with memchr, so a
// big file is split at memory speed.
template <typename Action>
void forEachLine(std::string_view bytes, Action&& action)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* newline = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* const stop = newline ? newline : end;
        bool endedByReturn = false;
        while (const char* ret = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)))) {
            action(std::string_view(p, static_cast<std::size_t>(ret - p)));
            p = ret + 1;
            if (p == stop) {
                endedByReturn = true;
                break;
            }
        }
        if (!endedByReturn)
            action(std::string_view(p, static_cast<std::size_t>(stop - p)));
        p = newline ? newline + 1 : end;
    }
}

// Reads the file at `path` in blocks and calls `action` with every line, by the
// same rules as forEachLine. Only one block and a partial line are held at a time,
// so even a file at the format's limit passes through the processor's cache.
// The file is read through ReadableFile with `sizeLimit`; `stamp`, when given,
// receives what the file was as read (its size, time and content hash).
// Throws StoreError (File) when the file cannot be read. Returns false when the
// file's last line has no line end (every line the program writes has one, so such
// a file has most likely been cut short), true otherwise, an empty file included.
bool forEachFileLine(const std::filesystem::path& path, std::uint64_t sizeLimit,
                     const std::function<void(std::string_view)>& action, DiskStamp* stamp = nullptr);

} // namespace store
