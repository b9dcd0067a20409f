#include "cli/basCliWork.h"
#include "cli/clsTerminalHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

// csv import and run save through the document with the terminal's answers: a file another
// program wrote since it was loaded is not overwritten, and the command fails.
TEST(cmdCsv, SaveOverAFileChangedSinceItWasLoadedFails)
{
    TempDir dir;
    CopySampleWork(dir.Path());
    for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        dir.Write(std::string("SysData/") + f, "");
    }
    std::ostringstream err;
    clsTerminalHost host(err);
    CliWork work(host, dir.Str());
    const std::string path = (dir.Path() / "sample.drd").string();
    ASSERT_TRUE(work.Document.FileLoadDRD(path, true, true)) << err.str();
    ASSERT_TRUE(work.Document.Tickets().SetSingles({1, 2}));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    std::ofstream(path, std::ios::binary | std::ios::app) << ";\r\n";
    const std::string theirs = dir.Read("sample.drd");

    EXPECT_FALSE(work.Document.FileSaveDRD(path, true, true));
    EXPECT_NE(err.str().find("上書きしますか？ -> いいえ"), std::string::npos) << err.str();
    EXPECT_FALSE(work.Document.FileSaveDRD(path, true, false));
    EXPECT_NE(work.Document.LastFailure().find("他のプログラムによって変更されています"),
              std::string::npos);
    EXPECT_EQ(dir.Read("sample.drd"), theirs);
}
