// Data files (.drd): the type check, the load, and a save and load of what was read.

#include "fuzz/FuzzDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzDataFile(data, size, true);
    return 0;
}
