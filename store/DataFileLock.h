#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace store {

// Who has a data file open: written into ".NAME.lock" beside the data file as
// "<process id> <host name>".
struct LockHolder {
    long pid = 0;
    std::string host;
};

std::filesystem::path lockPath(const std::filesystem::path& dataFile);

// Another running instance that holds `dataFile`, if any. A lock of a process that
// is gone from this host is stale: it is removed and the file counts as free. A lock
// of this very process, or one that cannot be read as a lock, never holds the file
// back. A lock from another host is believed, as its process cannot be checked.
std::optional<LockHolder> otherHolder(const std::filesystem::path& dataFile);

// "another Brindlecase (process 4711 on this computer)" or "... on the computer 'x'".
std::string holderInWords(const LockHolder& holder);

// Claims `dataFile` for this process while the object lives, and removes the lock
// afterwards if it is still ours. A folder where the lock cannot be written (read-
// only media) leaves the file unlocked rather than refusing to open it.
class DataFileLock {
public:
    explicit DataFileLock(std::filesystem::path dataFile);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    const std::filesystem::path& dataFile() const { return dataFile_; }

private:
    std::filesystem::path dataFile_;
};

// Removes the temporary files of saves that never finished (".NAME.XXXXXX.saving"
// beside `dataFile`, untouched for a minute, so a save running now is left alone).
void removeStaleSaves(const std::filesystem::path& dataFile);

} // namespace store
