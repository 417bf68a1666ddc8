#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzzing {

// One in-memory file for the whole run, rewritten with each input, so the readers
// under test go through their real path (open, fstat, read in blocks) without
// touching the disk.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("brindlecase-fuzz", 0)) {}
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the contents and returns a path that opens them.
    std::filesystem::path hold(const std::uint8_t* data, std::size_t size)
    {
        if (::ftruncate(fd_, 0) != 0)
            __builtin_trap();
        std::size_t done = 0;
        while (done < size) {
            const ssize_t written = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (written <= 0)
                __builtin_trap();
            done += static_cast<std::size_t>(written);
        }
        return "/proc/self/fd/" + std::to_string(fd_);
    }

private:
    int fd_;
};

} // namespace fuzzing
