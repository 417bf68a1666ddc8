#pragma once

#include "store/DiskStamp.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace store {

// What the readers accept before reading a byte. A data file holds at most 32,767
// records; even with long notes and many links each, 8 KB a record is generous, so a
// plain file above 256 MB is not a data file. An enciphered file stores every
// character as three digits and a comma: four times as much. The settings file is
// six short lines.
inline constexpr std::uint64_t kMaxDataFileBytes = std::uint64_t{256} << 20;
inline constexpr std::uint64_t kMaxEncipheredFileBytes = kMaxDataFileBytes * 4;
inline constexpr std::uint64_t kMaxSettingsFileBytes = std::uint64_t{64} << 10;

// A file opened for reading only if it is a regular file no larger than a limit.
// Opening never waits (a pipe or a device named like a data file is refused, not
// read), and reading past the limit (a file that grows while it is read) fails.
// Every failure throws a StoreError (File) saying in plain words what is wrong.
class ReadableFile {
public:
    ReadableFile(const std::filesystem::path& path, std::uint64_t sizeLimit);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    // Up to `count` bytes; 0 at the end of the file.
    std::size_t read(char* into, std::size_t count);

    // The file as it was when opened.
    const struct stat& info() const { return info_; }

private:
    [[noreturn]] void fail(const std::string& cause) const;

    std::filesystem::path path_;
    std::uint64_t sizeLimit_;
    std::uint64_t readSoFar_ = 0;
    struct stat info_ {};
    int fd_ = -1;
};

// Writes a file so that the target is either the old file or the complete new one:
// the bytes go to a temporary file in the same folder, which is flushed to disk and
// then renamed over the target. Until commit() the target is not touched; a writer
// destroyed without commit() removes its temporary file. Every failure throws a
// StoreError (File) naming the file and the cause. A target that is a symbolic
// link is written through to the file it points to.
class SafeFileWriter {
public:
    explicit SafeFileWriter(std::filesystem::path target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void write(std::string_view bytes);

    // Callers that format in place append to this buffer and call flushIfFull().
    std::string& buffer() { return buffer_; }
    void flushIfFull();

    void commit();

    const std::filesystem::path& target() const { return target_; }

    // After commit(): the written file's size, time and content hash.
    std::uint64_t writtenHash() const { return writtenHash_; }
    const struct stat& writtenInfo() const { return writtenInfo_; }

private:
    void flush();
    [[noreturn]] void fail(const std::string& cause) const;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::string buffer_;
    int fd_ = -1;
    ContentHash hash_;
    std::uint64_t writtenHash_ = 0;
    struct stat writtenInfo_ {};
};

// The whole file as bytes, read through ReadableFile. Throws StoreError (File) when
// it cannot be read or is not a regular file of at most `sizeLimit` bytes.
std::string readWholeFile(const std::filesystem::path& path, std::uint64_t sizeLimit);

// Throws the StoreError a save to `path` meets before writing anything (a read-only
// file or a folder standing there, links followed), so that a change of several
// files can refuse before its first write.
void requireReplaceable(const std::filesystem::path& path);

// Replaces (or creates) `path` with `bytes`, safely as above.
void writeFileSafely(const std::filesystem::path& path, std::string_view bytes);

// Copies `from` (a data file, so read within the enciphered file limit) over `to`,
// safely as above.
void copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to);

// "Could not save the file '<path>': <cause>." and its reading twin.
std::string saveFailureMessage(const std::filesystem::path& path, const std::string& cause);
[[noreturn]] void throwReadFailure(const std::filesystem::path& path, int error);

// The system's text for an error number, starting in lower case to follow a colon.
std::string systemErrorText(int error);

} // namespace store
