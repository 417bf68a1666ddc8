#include "store/DataFileLock.h"

#include "store/SafeFile.h"
#include "store/StoreError.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <limits.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {
namespace {

std::string thisHost()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

LockHolder thisProcess()
{
    return {static_cast<long>(::getpid()), thisHost()};
}

std::optional<LockHolder> readLock(const fs::path& lock)
{
    std::string text;
    try {
        text = readWholeFile(lock, 4096);
    } catch (const StoreError&) {
        return std::nullopt;
    }
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos || blank == 0)
        return std::nullopt;
    LockHolder holder;
    for (std::size_t i = 0; i < blank; ++i) {
        if (text[i] < '0' || text[i] > '9' || holder.pid > 99999999)
            return std::nullopt;
        holder.pid = holder.pid * 10 + (text[i] - '0');
    }
    holder.host = text.substr(blank + 1, text.find_first_of("\r\n") - blank - 1);
    if (holder.pid <= 0 || holder.host.empty())
        return std::nullopt;
    return holder;
}

bool processRuns(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool sameHolder(const LockHolder& a, const LockHolder& b)
{
    return a.pid == b.pid && a.host == b.host;
}

// ".NAME" + `ending`: the hidden names this file keeps beside a data file.
std::string hiddenName(const fs::path& dataFile, std::string_view ending)
{
    std::string name(1, '.');
    name += dataFile.filename().string();
    name += ending;
    return name;
}

} // namespace

fs::path lockPath(const fs::path& dataFile)
{
    return dataFile.parent_path() / hiddenName(dataFile, ".lock");
}

std::optional<LockHolder> otherHolder(const fs::path& dataFile)
{
    const fs::path lock = lockPath(dataFile);
    const std::optional<LockHolder> holder = readLock(lock);
    if (!holder || sameHolder(*holder, thisProcess()))
        return std::nullopt;
    if (holder->host == thisHost() && !processRuns(holder->pid)) {
        std::error_code ignored;
        fs::remove(lock, ignored);
        return std::nullopt;
    }
    return holder;
}

std::string holderInWords(const LockHolder& holder)
{
    const std::string process = "another Brindlecase (process " + std::to_string(holder.pid);
    if (holder.host == thisHost())
        return process + " on this computer)";
    return process + " on the computer '" + holder.host + "')";
}

DataFileLock::DataFileLock(fs::path dataFile) : dataFile_(std::move(dataFile))
{
    const LockHolder self = thisProcess();
    try {
        writeFileSafely(lockPath(dataFile_), std::to_string(self.pid) + " " + self.host + "\n");
    } catch (const StoreError&) {
        // Read-only folder: the file opens unlocked.
    }
}

DataFileLock::~DataFileLock()
{
    const fs::path lock = lockPath(dataFile_);
    const std::optional<LockHolder> holder = readLock(lock);
    if (holder && sameHolder(*holder, thisProcess())) {
        std::error_code ignored;
        fs::remove(lock, ignored);
    }
}

void removeStaleSaves(const fs::path& dataFile)
{
    const std::string prefix = hiddenName(dataFile, ".");
    const std::string suffix = ".saving";
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code error;
    const fs::path folder = dataFile.parent_path().empty() ? fs::path(".") : dataFile.parent_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const bool ours = name.size() == prefix.size() + 6 + suffix.size() && name.starts_with(prefix)
                       && name.ends_with(suffix);
        std::error_code ignored;
        if (ours && entry.is_regular_file(ignored) && entry.last_write_time(ignored) < cutoff)
            fs::remove(entry.path(), ignored);
    }
}

} // namespace store
