// Conditions files (.drj): the same reader as data files, asked for the condition set alone.

#include "fuzz/FuzzDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzDataFile(data, size, false);
    return 0;
}
