#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>

namespace store {

// A fast 64-bit hash of a byte stream, fed in pieces of any size: the same bytes
// give the same value however they were split. Not for secrets, only to tell
// whether a file still holds what the program last read or wrote.
class ContentHash {
public:
    void update(std::string_view bytes);
    std::uint64_t value() const;

private:
    // Four lanes take a 32-byte block at a time, so the multiplications overlap and
    // hashing keeps up with writing an enciphered file.
    static constexpr std::size_t kBlock = 32;
    void mixBlock(const unsigned char* block);

    std::uint64_t lanes_[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull,
                               0x082EFA98EC4E6C89ull};
    std::uint64_t length_ = 0;
    unsigned char pending_[kBlock] = {};
    std::size_t pendingCount_ = 0;
};

// What the data file on disk was when the program last loaded or wrote it.
struct DiskStamp {
    bool known = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;

    // Same file, size and modification time: nothing to read to know it is unchanged.
    bool sameAppearance(const struct stat& info) const;
};

DiskStamp stampOf(const struct stat& info, std::uint64_t hash);

enum class DiskChange { Unchanged, Changed, Missing };

// Compares the file at `path` with `stamp`: one stat when it looks the same, a read
// of the whole file to compare hashes only when its size, time or identity moved
// (a program that rewrote the same bytes counts as unchanged). A file that cannot
// be read counts as changed. A stamp that is not known counts as unchanged.
DiskChange compareWithDisk(const std::filesystem::path& path, const DiskStamp& stamp);

} // namespace store
