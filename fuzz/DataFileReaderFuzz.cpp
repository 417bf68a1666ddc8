// The data file reader on any bytes: it must load them or report an error, and a
// load that succeeds must leave records the writer can put back on disk.

#include "MemoryFile.h"

#include "store/DataFile.h"

namespace {

class QuietReporter : public store::LoadReporter {
public:
    void loadFailed(const std::string&, const std::string&) override {}
    void loadedCutShort(const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::MemoryFile file;
    store::AppState state;
    state.DataFilePath = file.hold(data, size);
#ifdef BRINDLECASE_FUZZ_PASSWORD
    state.FileEncrypted = true;
    state.FilePassword = BRINDLECASE_FUZZ_PASSWORD;
#endif
    QuietReporter reporter;
    store::LoadDataFile(state, state.DataFilePath, reporter);
    if (state.Records.empty() || state.Records[0].Id != 0)
        __builtin_trap(); // the placeholder must survive every load, failed or not
    return 0;
}
