// The line decoder on any lines, plain and enciphered: each line is stored or
// refused with a StoreError, never anything worse. The first byte chooses the
// mode (odd: enciphered with a fixed password); the rest are lines split at LF.

#include "store/DataFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    store::AppState state;
    state.Records = store::emptyRecords();
    state.FileEncrypted = (data[0] & 1) != 0;
    state.FilePassword = "Harbour-7 lights";
    const std::string_view lines(reinterpret_cast<const char*>(data) + 1, size - 1);
    store::forEachLine(lines, [&](std::string_view line) {
        try {
            store::DecodeLine(state, line);
        } catch (const store::StoreError&) {
        }
    });
    if (state.Records.size() > static_cast<std::size_t>(store::kMaxIndex) + 1)
        __builtin_trap();
    return 0;
}
