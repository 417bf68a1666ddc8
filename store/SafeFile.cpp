#include "store/SafeFile.h"

#include "store/DiskStamp.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;
constexpr const char* kSavingSuffix = ".saving";

// A read-only target (no write permission for its owner) is refused even where the
// folder would let us replace it, and even for an administrator, as the user asked
// for the file to be kept as it is.
void refuseReadOnlyTarget(const fs::path& target)
{
    std::error_code error;
    const auto status = fs::status(target, error);
    if (error || !fs::exists(status))
        return;
    if (fs::is_directory(status))
        throw StoreError(ErrorKind::File, saveFailureMessage(target, "it is a folder"));
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw StoreError(ErrorKind::File, saveFailureMessage(target, "the file is read-only"));
}

// A symbolic link is written through: the file it points to is replaced (its
// temporary file beside it), and the link itself stays a link. Chains are followed;
// a link that points nowhere names the file to create.
fs::path resolveLinks(fs::path target)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error)) || error)
            return target;
        const fs::path pointed = fs::read_symlink(target, error);
        if (error)
            return target;
        target = pointed.is_absolute() ? pointed : target.parent_path() / pointed;
    }
    return target;
}

// "it holds 300 MB, more than a data file can (at most 256 MB)".
std::string bytesInWords(std::uint64_t bytes)
{
    if (bytes >= (std::uint64_t{1} << 20))
        return std::to_string(bytes >> 20) + " MB";
    if (bytes >= (std::uint64_t{1} << 10))
        return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " bytes";
}

std::string tooLargeCause(std::uint64_t size, std::uint64_t limit)
{
    return "it holds " + bytesInWords(size) + ", more than the file can hold (at most " + bytesInWords(limit)
         + "), so it was not read";
}

std::string grewTooLargeCause(std::uint64_t limit)
{
    return "it grew past " + bytesInWords(limit) + " while it was read, more than the file can hold";
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string systemErrorText(int error)
{
    std::string text = std::strerror(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

void throwReadFailure(const fs::path& path, int error)
{
    throw StoreError(ErrorKind::File, "Could not read the file '" + path.string() + "': " + systemErrorText(error) + ".");
}

std::string saveFailureMessage(const fs::path& path, const std::string& cause)
{
    return "Could not save the file '" + path.string() + "': " + cause + ".";
}

void requireReplaceable(const fs::path& path)
{
    refuseReadOnlyTarget(resolveLinks(path));
}

SafeFileWriter::SafeFileWriter(fs::path target) : target_(resolveLinks(std::move(target)))
{
    refuseReadOnlyTarget(target_);
    const fs::path folder = target_.parent_path();
    std::string hiddenName = ".";
    hiddenName += target_.filename().string();
    hiddenName += ".XXXXXX";
    hiddenName += kSavingSuffix;
    std::string pattern = (folder / hiddenName).string();
    fd_ = ::mkstemps(pattern.data(), static_cast<int>(std::strlen(kSavingSuffix)));
    if (fd_ < 0)
        fail(systemErrorText(errno));
    temporary_ = pattern;

    // The new file keeps the permissions of the one it replaces.
    struct stat targetStat {};
    mode_t mode = 0;
    if (::stat(target_.c_str(), &targetStat) == 0) {
        mode = targetStat.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    buffer_.reserve(kFlushSize + (kFlushSize >> 2));
}

SafeFileWriter::~SafeFileWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void SafeFileWriter::fail(const std::string& cause) const
{
    throw StoreError(ErrorKind::File, saveFailureMessage(target_, cause));
}

void SafeFileWriter::write(std::string_view bytes)
{
    buffer_.append(bytes);
    flushIfFull();
}

void SafeFileWriter::flushIfFull()
{
    if (buffer_.size() >= kFlushSize)
        flush();
}

void SafeFileWriter::flush()
{
    hash_.update(buffer_);
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(systemErrorText(errno));
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    buffer_.clear();
}

void SafeFileWriter::commit()
{
    flush();
    if (::fsync(fd_) != 0)
        fail(systemErrorText(errno));
    if (::fstat(fd_, &writtenInfo_) != 0)
        fail(systemErrorText(errno));
    writtenHash_ = hash_.value();
    const int closeResult = ::close(fd_);
    fd_ = -1;
    if (closeResult != 0)
        fail(systemErrorText(errno));
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail(systemErrorText(errno));
    temporary_.clear();
    syncFolder(target_.parent_path());
}

ReadableFile::ReadableFile(const fs::path& path, std::uint64_t sizeLimit) : path_(path), sizeLimit_(sizeLimit)
{
    // O_NONBLOCK: opening a pipe with no writer, or a device, must not wait.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        throwReadFailure(path, errno);
    if (::fstat(fd_, &info_) != 0)
        fail(systemErrorText(errno));
    if (S_ISDIR(info_.st_mode))
        fail("it is a folder, not a file");
    if (!S_ISREG(info_.st_mode))
        fail("it is not an ordinary file (it is a pipe, a device or a socket), so it was not read");
    if (static_cast<std::uint64_t>(info_.st_size) > sizeLimit)
        fail(tooLargeCause(static_cast<std::uint64_t>(info_.st_size), sizeLimit));
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

ReadableFile::~ReadableFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void ReadableFile::fail(const std::string& cause) const
{
    throw StoreError(ErrorKind::File, "Could not read the file '" + path_.string() + "': " + cause + ".");
}

std::size_t ReadableFile::read(char* into, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(fd_, into, count);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(systemErrorText(errno));
        readSoFar_ += static_cast<std::uint64_t>(got);
        if (readSoFar_ > sizeLimit_)
            fail(grewTooLargeCause(sizeLimit_));
        return static_cast<std::size_t>(got);
    }
}

std::string readWholeFile(const fs::path& path, std::uint64_t sizeLimit)
{
    ReadableFile file(path, sizeLimit);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(file.info().st_size));
    char chunk[1 << 16];
    while (const std::size_t got = file.read(chunk, sizeof chunk))
        bytes.append(chunk, got);
    return bytes;
}

void writeFileSafely(const fs::path& path, std::string_view bytes)
{
    SafeFileWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

void copyFileSafely(const fs::path& from, const fs::path& to)
{
    writeFileSafely(to, readWholeFile(from, kMaxEncipheredFileBytes));
}

} // namespace store
