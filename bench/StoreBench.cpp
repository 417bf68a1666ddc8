// Speed of the record store on a file at the format's limit, against the floor of
// the same run: reading the same bytes and splitting them into lines, and writing
// the same bytes to a new file and renaming it over the old one. The targets are
// checked at the end and printed as a table; the exit code is 0 either way, so the
// numbers are for people to read, not a test to pass.

#include "bench/GeneratedStore.h"
#include "store/AppState.h"
#include "store/DataFile.h"
#include "store/SafeFile.h"
#include "store/Search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class NullReporter : public store::LoadReporter {
public:
    void loadFailed(const std::string& message, const std::string& cause) override
    {
        std::fprintf(stderr, "%s (%s)\n", message.c_str(), cause.c_str());
        std::abort();
    }
    void loadedCutShort(const std::string&) override {}
};

// The files of the run: one plain and one enciphered copy of the generated store.
struct Fixture {
    fs::path folder;
    fs::path plain;
    fs::path enciphered;
    std::string plainBytes;
    std::string encipheredBytes;
    store::Records records;

    Fixture()
    {
        char pattern[] = "/tmp/brindlecase-bench-XXXXXX";
        folder = ::mkdtemp(pattern);
        plain = folder / "limit.bcn";
        enciphered = folder / "limit.bcy";
        records = bench::generateStore();
        write(plain, false);
        write(enciphered, true);
        plainBytes = store::readWholeFile(plain, store::kMaxEncipheredFileBytes);
        encipheredBytes = store::readWholeFile(enciphered, store::kMaxEncipheredFileBytes);
    }
    ~Fixture() { fs::remove_all(folder); }

    void write(const fs::path& path, bool encrypted)
    {
        store::AppState state;
        state.Records = records;
        state.DataFilePath = path;
        state.FileEncrypted = encrypted;
        state.FilePassword = "correct horse";
        store::SaveDataFile(state);
    }

    void open(store::AppState& state, bool encrypted) const
    {
        state.DataFilePath = encrypted ? enciphered : plain;
        state.FileEncrypted = encrypted;
        state.FilePassword = "correct horse";
        NullReporter reporter;
        store::LoadDataFile(state, state.DataFilePath, reporter);
    }
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

// The read floor: the bytes into memory in one read, then split into lines.
void readFloor(benchmark::State& run, const fs::path& path)
{
    for (auto _ : run) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat info {};
        ::fstat(fd, &info);
        const auto size = static_cast<std::size_t>(info.st_size);
        std::unique_ptr<char[]> bytes(new char[size]);
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n = ::read(fd, bytes.get() + got, size - got);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        std::vector<std::string_view> lines;
        const char* p = bytes.get();
        const char* const end = p + got;
        while (p < end) {
            const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!eol)
                eol = end;
            lines.emplace_back(p, static_cast<std::size_t>(eol - p));
            p = eol + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
}

// The write floor: the same bytes into a new file in the same folder, flushed to
// the disk, and renamed over the target (what any safe save must do at least).
void writeFloor(benchmark::State& run, const std::string& bytes)
{
    const fs::path target = fixture().folder / "floor.bcn";
    const fs::path temporary = fixture().folder / ".floor.tmp";
    for (auto _ : run) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
        ::rename(temporary.c_str(), target.c_str());
    }
}

void BM_ReadFloorPlain(benchmark::State& run) { readFloor(run, fixture().plain); }
void BM_ReadFloorEnciphered(benchmark::State& run) { readFloor(run, fixture().enciphered); }
void BM_WriteFloorPlain(benchmark::State& run) { writeFloor(run, fixture().plainBytes); }
void BM_WriteFloorEnciphered(benchmark::State& run) { writeFloor(run, fixture().encipheredBytes); }

// Opening a file: a fresh state is filled from the file. Letting the store go
// again is not part of opening it and happens outside the timing.
void load(benchmark::State& run, bool encrypted)
{
    for (auto _ : run) {
        store::AppState state;
        fixture().open(state, encrypted);
        benchmark::DoNotOptimize(state.Records.data());
        run.PauseTiming();
        state.Records = store::Records();
        run.ResumeTiming();
    }
}

// Reading the open file again (after a link change or a delete): the previous
// store is let go as the new one is read, so this includes freeing it.
void BM_ReloadPlain(benchmark::State& run)
{
    store::AppState state;
    for (auto _ : run)
        fixture().open(state, false);
}
void BM_LoadPlain(benchmark::State& run) { load(run, false); }
void BM_LoadEnciphered(benchmark::State& run) { load(run, true); }

void save(benchmark::State& run, bool encrypted)
{
    store::AppState state;
    fixture().open(state, encrypted);
    state.DataFilePath = fixture().folder / (encrypted ? "saved.bcy" : "saved.bcn");
    for (auto _ : run)
        store::SaveDataFile(state);
}
void BM_SavePlain(benchmark::State& run) { save(run, false); }
void BM_SaveEnciphered(benchmark::State& run) { save(run, true); }

// One keystroke of the search box: the whole result list rebuilt. "gar" matches
// few records early in their text; "qx" matches nothing, so every master's whole
// text is scanned; "e" matches nearly every master.
void BM_SearchKeystroke(benchmark::State& run, const char* text)
{
    const store::Records& records = fixture().records;
    for (auto _ : run) {
        auto results = store::FindMasters(records, text);
        benchmark::DoNotOptimize(results.data());
    }
}

BENCHMARK(BM_ReadFloorPlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadPlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReloadPlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFloorEnciphered)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadEnciphered)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteFloorPlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteFloorEnciphered)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveEnciphered)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_SearchKeystroke, gar, "gar")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_SearchKeystroke, nomatch, "qx")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_SearchKeystroke, common, "e")->Unit(benchmark::kMillisecond)->UseRealTime();

// Remembers each benchmark's real time per iteration, in milliseconds.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                milliseconds[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> milliseconds;
};

void printTargets(const std::map<std::string, double>& ms)
{
    auto at = [&](const std::string& name) {
        const auto found = ms.find(name);
        return found == ms.end() ? 0.0 : found->second;
    };
    struct Target {
        const char* what;
        double value;
        double limit;
        const char* unit;
    };
    const double worstSearch = std::max({at("BM_SearchKeystroke/gar"), at("BM_SearchKeystroke/nomatch"),
                                         at("BM_SearchKeystroke/common")});
    const Target targets[] = {
        {"plain load / read floor", at("BM_LoadPlain") / at("BM_ReadFloorPlain"), 4, "x"},
        {"plain save / write floor", at("BM_SavePlain") / at("BM_WriteFloorPlain"), 3, "x"},
        {"enciphered load / plain load", at("BM_LoadEnciphered") / at("BM_LoadPlain"), 3, "x"},
        {"enciphered save / plain save", at("BM_SaveEnciphered") / at("BM_SavePlain"), 3, "x"},
        {"search keystroke, slowest", worstSearch, 5, " ms"},
    };
    std::printf("\n%-32s %10s %10s  %s\n", "target", "measured", "limit", "");
    for (const Target& target : targets) {
        std::printf("%-32s %9.2f%s %9.2f%s  %s\n", target.what, target.value, target.unit, target.limit, target.unit,
                    target.value <= target.limit ? "met" : "MISSED");
    }
    std::printf("\nfile sizes: plain %.1f MB, enciphered %.1f MB\n", fixture().plainBytes.size() / 1e6,
                fixture().encipheredBytes.size() / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTargets(reporter.milliseconds);
    benchmark::Shutdown();
    return 0;
}
