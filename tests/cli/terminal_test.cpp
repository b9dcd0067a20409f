// Both programs on a terminal without a display: --help, --version and the manual pages the
// build wrote from them.

#include "app/basUsage.h"
#include "cli/CliCommand.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {
struct ProgramRun
{
    int Code = -1;
    std::string Out;
    std::string Err;
};

// The program as a terminal user without a display starts it.
ProgramRun Start(const std::string& strProgram, const std::string& strArgs)
{
    const TempDir scratch;
    const std::string errFile = (scratch.Path() / "stderr.txt").string();
    const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= " + strProgram +
                            " " + strArgs + " 2>" + errFile;
    ProgramRun r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        r.Out.append(buf.data(), n);
    }
    const int status = ::pclose(p);
    r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.Err = scratch.Read("stderr.txt");
    return r;
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string kCli = KELVRA_CLI_PATH;
const std::string kPackaging = KELVRA_PACKAGING_DIR;

TEST(terminal, CliHelpAndVersionNeedNoDataFolder)
{
    // An empty data folder fails the start-up checks (exit 2), which these answer before.
    const TempDir empty;
    const std::string home = "--home " + empty.Str() + " ";
    for (const char* help : {"--help", "-h", "help"}) {
        SCOPED_TRACE(help);
        const ProgramRun r = Start(kCli, home + help);
        EXPECT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(r.Out, basUsage::HelpText(basUsage::CommandLineProgram()));
    }
    const ProgramRun help = Start(kCli, "--help");
    EXPECT_EQ(help.Code, 0);
    // Every command the program knows is described, value among them.
    ASSERT_FALSE(CliCommands().empty());
    for (const CliCommand& command : CliCommands()) {
        EXPECT_NE(help.Out.find("\n  " + std::string(command.Name) + " "), std::string::npos)
            << command.Name;
    }
    EXPECT_NE(help.Out.find("\n  value FILE.drd"), std::string::npos);
    const ProgramRun version = Start(kCli, home + "--version");
    EXPECT_EQ(version.Code, 0) << version.Err;
    EXPECT_EQ(version.Out, basUsage::VersionLine(basUsage::CommandLineProgram()));
    EXPECT_TRUE(version.Out.starts_with("kelvra-cli 1."));
}

TEST(terminal, ManualPagesAreWhatTheProgramsWrite)
{
    const ProgramRun cli = Start(kCli, "--help-man");
    EXPECT_EQ(cli.Code, 0);
    EXPECT_EQ(cli.Out, basUsage::ManPage(basUsage::CommandLineProgram()));
    EXPECT_EQ(ReadFile(kPackaging + "/kelvra-cli.1"), cli.Out);
#ifdef KELVRA_GUI_PATH
    const ProgramRun gui = Start(KELVRA_GUI_PATH, "--help-man");
    EXPECT_EQ(gui.Code, 0);
    EXPECT_EQ(gui.Out, basUsage::ManPage(basUsage::WindowProgram()));
    EXPECT_EQ(ReadFile(kPackaging + "/kelvra.1"), gui.Out);
#endif
}

#ifdef KELVRA_GUI_PATH
// Before, --help opened an error box (exit 2), and without a display the program aborted.
TEST(terminal, WindowProgramAnswersWithoutADisplay)
{
    const ProgramRun help = Start(KELVRA_GUI_PATH, "--help");
    EXPECT_EQ(help.Code, 0) << help.Err;
    EXPECT_EQ(help.Out, basUsage::HelpText(basUsage::WindowProgram()));
    for (const char* option : {"--home DIR", "FILE", "--help", "--version"}) {
        EXPECT_NE(help.Out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
    }
    const ProgramRun version = Start(KELVRA_GUI_PATH, "some.drd --version");
    EXPECT_EQ(version.Code, 0) << version.Err;
    EXPECT_EQ(version.Out, basUsage::VersionLine(basUsage::WindowProgram()));
    // A wrong argument is told on the terminal, with exit 2 rather than an abort.
    const ProgramRun wrong = Start(KELVRA_GUI_PATH, "--frobnicate");
    EXPECT_EQ(wrong.Code, 2);
    EXPECT_EQ(wrong.Out, "");
    EXPECT_NE(wrong.Err.find("引数が正しくありません: --frobnicate"), std::string::npos)
        << wrong.Err;
}
#endif
} // namespace
