#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace store {

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

private:
    void flush();
    [[noreturn]] void fail(const std::string& cause) const;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::string buffer_;
    int fd_ = -1;
};

// The whole file as bytes. Throws StoreError (File) when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

// Replaces (or creates) `path` with `bytes`, safely as above.
void writeFileSafely(const std::filesystem::path& path, std::string_view bytes);

// Copies `from` over `to`, safely as above.
void copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to);

// "Could not save the file '<path>': <cause>." and its reading twin.
std::string saveFailureMessage(const std::filesystem::path& path, const std::string& cause);
[[noreturn]] void throwReadFailure(const std::filesystem::path& path, int error);

// The system's text for an error number, starting in lower case to follow a colon.
std::string systemErrorText(int error);

} // namespace store
