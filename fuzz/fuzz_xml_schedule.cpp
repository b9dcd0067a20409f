// The schedule files of the store (SysData/toto_Schedule): load, save, load again.

#include "fuzz/FuzzStoreFile.h"
#include "store/clsXmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzStoreFile<clsXmlSchedule>(data, size);
    return 0;
}
