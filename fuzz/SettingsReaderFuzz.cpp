// Both readings of the settings file on any bytes: neither may fail or read past
// what it was given, whatever the lines hold.

#include "MemoryFile.h"

#include "store/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::MemoryFile file;
    const std::filesystem::path path = file.hold(data, size);
    store::Settings main;
    if (!store::readMainSettings(path, main))
        __builtin_trap(); // the file is there, so the reading must say so
    store::Settings start;
    store::readStartSettings(path, start);
    return 0;
}
