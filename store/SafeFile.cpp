#include "store/SafeFile.h"

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

SafeFileWriter::SafeFileWriter(fs::path target) : target_(resolveLinks(std::move(target)))
{
    refuseReadOnlyTarget(target_);
    const fs::path folder = target_.parent_path();
    std::string hiddenName = ".";
    hiddenName += target_.filename().string();
    hiddenName += ".XXXXXX";
    std::string pattern = (folder / hiddenName).string();
    fd_ = ::mkstemp(pattern.data());
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
    const int closeResult = ::close(fd_);
    fd_ = -1;
    if (closeResult != 0)
        fail(systemErrorText(errno));
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail(systemErrorText(errno));
    temporary_.clear();
    syncFolder(target_.parent_path());
}

std::string readWholeFile(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        throwReadFailure(path, errno);
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throwReadFailure(path, error);
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
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
    writeFileSafely(to, readWholeFile(from));
}

} // namespace store
