#include "cli/CliCommand.h"

#include "app/basDataFolder.h"
#include "app/basMain.h"
#include "app/basUsage.h"
#include "cli/clsTerminalHost.h"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace {
// The contract scripts rely on (app/basUsage.cpp); commands that are not built yet are listed
// all the same and refuse to run with a clear message.
std::string Usage()
{
    return basUsage::HelpText(basUsage::CommandLineProgram());
}

constexpr std::string_view kKnown[] = {"version", "run",      "grade",    "ledger",
                                       "text",    "csv",      "download", "update-teams",
                                       "value",   "backtest", "help"};

int CmdVersion(clsTerminalHost&, const std::string&, const std::vector<std::string>& args,
               std::ostream& out)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvra-cli [--home DIR] version\n";
        return 2;
    }
    out << basMain::VersionText() << '\n';
    return 0;
}
} // namespace

KELVRA_CLI_COMMAND("version", CmdVersion);

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

int CliMain(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string home;
    bool homeGiven = false;
    std::size_t i = 0;
    while (i < words.size() && words[i].starts_with("--home")) {
        if (words[i] == "--home" && i + 1 < words.size()) {
            home = words[i + 1];
            i += 2;
        } else if (words[i].starts_with("--home=")) {
            home = words[i].substr(7);
            i += 1;
        } else {
            err << "kelvra-cli: --home にはフォルダを指定して下さい。\n" << Usage();
            return 2;
        }
        homeGiven = true;
        if (home.empty()) {
            err << "kelvra-cli: --home にはフォルダを指定して下さい。\n" << Usage();
            return 2;
        }
    }
    if (i >= words.size()) {
        err << Usage();
        return 2;
    }
    const std::string command = words[i];
    const std::vector<std::string> args(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        words.end());
    // Answered before the start-up checks: they work without a data folder.
    if (command == "help" || command == "--help" || command == "-h") {
        out << Usage();
        return 0;
    }
    if (command == "--version") {
        out << basUsage::VersionLine(basUsage::CommandLineProgram());
        return 0;
    }
    if (command == "--help-man") {
        out << basUsage::ManPage(basUsage::CommandLineProgram());
        return 0;
    }
    const CliCommand* found = nullptr;
    for (const auto& c : CliCommands()) {
        if (c.Name == command) {
            found = &c;
            break;
        }
    }
    bool known = found != nullptr;
    for (const auto k : kKnown) {
        known = known || k == command;
    }
    if (!known) {
        err << "kelvra-cli: 不明なコマンドです: " << command << "\n" << Usage();
        return 2;
    }

    clsTerminalHost host(err);
    std::string failure;
    if (!homeGiven) {
        failure = basDataFolder::PrepareHome(host, basMain::ExecutableFolder(), home);
    }
    // Relative folders are taken from the current folder, as a shell user expects.
    if (!home.empty() && home.front() != '/') {
        std::error_code ec;
        home = std::filesystem::absolute(home, ec).string();
    }
    TotoSettings settings;
    if (failure.empty()) {
        failure = basMain::Startup(host, home, settings);
    }
    if (!failure.empty()) {
        err << failure << '\n';
        return 2;
    }
    if (found == nullptr) {
        err << "kelvra-cli: " << command << " はこの版ではまだ使えません。\n";
        return 2;
    }
    return found->Run(host, home, args, out);
}
