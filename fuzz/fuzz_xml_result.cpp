// The result files of the store (SysData/toto_Result): load, save, load again.

#include "fuzz/FuzzStoreFile.h"
#include "store/clsXmlResult.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzStoreFile<clsXmlResult>(data, size);
    return 0;
}
