#include "store/DiskStamp.h"

#include "store/SafeFile.h"
#include "store/StoreError.h"

#include <algorithm>
#include <cstring>

namespace store {
namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t rotateLeft(std::uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

std::int64_t nanoseconds(const struct timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

void ContentHash::mixBlock(const unsigned char* block)
{
    for (int lane = 0; lane < 4; ++lane) {
        std::uint64_t word;
        std::memcpy(&word, block + 8 * lane, 8);
        lanes_[lane] = rotateLeft(lanes_[lane] ^ word, 29) * kMultiplier;
    }
}

void ContentHash::update(std::string_view bytes)
{
    length_ += bytes.size();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    if (pendingCount_ > 0) {
        const std::size_t taken = std::min(left, kBlock - pendingCount_);
        std::memcpy(pending_ + pendingCount_, p, taken);
        pendingCount_ += taken;
        p += taken;
        left -= taken;
        if (pendingCount_ < kBlock)
            return;
        mixBlock(pending_);
        pendingCount_ = 0;
    }
    for (; left >= kBlock; p += kBlock, left -= kBlock)
        mixBlock(p);
    std::memcpy(pending_, p, left);
    pendingCount_ = left;
}

std::uint64_t ContentHash::value() const
{
    unsigned char tail[kBlock] = {};
    std::memcpy(tail, pending_, pendingCount_);
    ContentHash last = *this;
    last.mixBlock(tail);
    std::uint64_t result = length_;
    for (const std::uint64_t lane : last.lanes_)
        result = rotateLeft(result ^ lane, 31) * kMultiplier;
    result ^= result >> 33;
    result *= kMultiplier;
    return result ^ (result >> 29);
}

bool DiskStamp::sameAppearance(const struct stat& info) const
{
    return device == static_cast<std::uint64_t>(info.st_dev) && inode == static_cast<std::uint64_t>(info.st_ino)
        && size == static_cast<std::uint64_t>(info.st_size) && modifiedNs == nanoseconds(info.st_mtim);
}

DiskStamp stampOf(const struct stat& info, std::uint64_t hash)
{
    DiskStamp stamp;
    stamp.known = true;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modifiedNs = nanoseconds(info.st_mtim);
    stamp.hash = hash;
    return stamp;
}

DiskChange compareWithDisk(const std::filesystem::path& path, const DiskStamp& stamp)
{
    if (!stamp.known)
        return DiskChange::Unchanged;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return DiskChange::Missing;
    if (stamp.sameAppearance(info))
        return DiskChange::Unchanged;
    if (static_cast<std::uint64_t>(info.st_size) != stamp.size)
        return DiskChange::Changed;
    try {
        ReadableFile file(path, stamp.size);
        ContentHash hash;
        char chunk[1 << 16];
        while (const std::size_t got = file.read(chunk, sizeof chunk))
            hash.update(std::string_view(chunk, got));
        return hash.value() == stamp.hash ? DiskChange::Unchanged : DiskChange::Changed;
    } catch (const StoreError&) {
        return DiskChange::Changed;
    }
}

} // namespace store
