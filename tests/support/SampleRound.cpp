#include "SampleRound.h"

#include "TestPaths.h"

void CopyRoundStore(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    const fs::path data = kelvra_test::SourceDataDir();
    for (const char* sub : {"SysData/toto_Schedule", "SysData/toto_Vote", "SysData/toto_Result"}) {
        fs::create_directories(folder / sub);
        fs::copy(data / sub, folder / sub, fs::copy_options::recursive);
    }
}

void CopySampleWork(const std::filesystem::path& folder)
{
    CopyRoundStore(folder);
    std::filesystem::copy_file(std::filesystem::path(kelvra_test::SourceDataDir()) /
                                   "UserData/Kelvra/sample.drd",
                               folder / "sample.drd");
}
