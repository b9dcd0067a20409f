#pragma once
// A program folder for in-process runs of kelvra-cli: the reference files it checks at start
// and a data file written where the commands can read it.

#include "cli/CliCommand.h"
#include "files/clsTFileDRD.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

struct CliHome
{
    TempDir dir;
    RecordingHost host;

    CliHome()
    {
        for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
            dir.Write(std::string("SysData/") + f, "");
        }
    }

    std::string SaveDrd(const DataFileRecord& rec)
    {
        clsTFileDRD file(host.Host(), "1.00", "");
        const std::string path = (dir.Path() / "work.drd").string();
        EXPECT_TRUE(file.Save(path, true, rec, false));
        return path;
    }

    int Run(std::vector<std::string> words, std::string& out, std::string& err)
    {
        words.insert(words.begin(), {"kelvra-cli", "--home", dir.Str()});
        std::vector<char*> argv;
        for (auto& w : words) {
            argv.push_back(w.data());
        }
        std::ostringstream o;
        std::ostringstream e;
        const int rc = CliMain(static_cast<int>(argv.size()), argv.data(), o, e);
        out = o.str();
        err = e.str();
        return rc;
    }
};
