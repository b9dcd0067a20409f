#include "SampleRound.h"

void CopyRoundStore(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    const fs::path data = KELVRA_SOURCE_DATA_DIR;
    for (const char* sub : {"SysData/toto_Schedule", "SysData/toto_Vote", "SysData/toto_Result"}) {
        fs::create_directories(folder / sub);
        fs::copy(data / sub, folder / sub, fs::copy_options::recursive);
    }
}
