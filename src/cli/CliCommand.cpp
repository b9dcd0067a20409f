#include "cli/CliCommand.h"

#include "app/basDataFolder.h"
#include "app/basMain.h"
#include "cli/clsTerminalHost.h"

#include <filesystem>
#include <iostream>
#include <ostream>

namespace {
// The contract scripts rely on; commands that are not built yet are listed all the same and
// refuse to run with a clear message.
constexpr std::string_view kUsage =
    "usage: kelvra-cli [--home DIR] COMMAND ...\n"
    "  --home DIR   the data folder (holds SysData/ and UserData/); default: the executable's "
    "folder when it holds a\n"
    "               writable SysData/, else $XDG_DATA_HOME/kelvra (~/.local/share/kelvra), "
    "seeded from the shipped data.\n"
    "  Every command first makes the start-up checks of the GUI; a failure prints its message to "
    "stderr and exits 2.\n"
    "  version                      print the version text\n"
    "  run [--seed N] FILE.drd...   for each file in order: load it as a data file, run the "
    "search exactly as the main\n"
    "                               window's run command, save it back to the same path as a "
    "data file; print one line\n"
    "                               \"PATH<TAB>成功\" or \"PATH<TAB>失敗\" per file; exit 0 when "
    "all "
    "succeeded, else 1.\n"
    "                               --seed N seeds the random generator with N instead of the "
    "clock (reproducible runs).\n"
    "  grade FILE.drd [--result RESULT.xml]\n"
    "                               grade the file's tickets against the result (default: the "
    "store's result file of the\n"
    "                               file's round), all 13 results revealed; print 14 lines "
    "\"G等<TAB>COUNT\" (G = 1..14), then,\n"
    "                               when every match is decided, "
    "\"G等<TAB>PRIZE<TAB>WINNERS<TAB>CARRY<TAB>OWNCOUNT<TAB>OWNAMOUNT\"\n"
    "                               for G = 1..3 and a \"合計\" line in the same form (plain "
    "decimal yen, no separators).\n"
    "  text ITEM FILE.drd           print the clipboard text of item ITEM (0, 1, 3 or 4) built "
    "from the file (UTF-8, CR LF)\n"
    "  csv export FILE.drd OUT.csv  write the file's tickets as CSV\n"
    "  csv import IN.csv FILE.drd   replace the file's tickets by the CSV's (frame recomputed) "
    "and save it\n"
    "  download schedule|vote|result ROUND\n"
    "                               fetch the round's page as the download buttons do (without "
    "the question); exit 0 when\n"
    "                               a valid record was taken, else 1, with the message on "
    "stderr\n"
    "  value FILE.drd               the chance and worth of the file's tickets under its own "
    "probabilities; print\n"
    "                               \"1等以上<TAB>P\", \"2等以上<TAB>P\", \"3等以上<TAB>P\" "
    "(P: the probability, 0 to 1,\n"
    "                               \"%.10f\"; where the round pays two grades the 3rd-grade "
    "line repeats the 2nd),\n"
    "                               \"期待値<TAB>YEN\" (the sum of the tickets' expected "
    "payouts) and \"購入金額<TAB>YEN\"\n"
    "                               (whole yen); exit 1 when the file has no own "
    "probabilities.\n"
    "  update-teams                 update the overseas team names from the maker's site\n"
    "  help                         print this text\n";

constexpr std::string_view kKnown[] = {"version",  "run",          "grade", "text", "csv",
                                       "download", "update-teams", "value", "help"};

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
            err << "kelvra-cli: --home にはフォルダを指定して下さい。\n" << kUsage;
            return 2;
        }
        homeGiven = true;
        if (home.empty()) {
            err << "kelvra-cli: --home にはフォルダを指定して下さい。\n" << kUsage;
            return 2;
        }
    }
    if (i >= words.size()) {
        err << kUsage;
        return 2;
    }
    const std::string command = words[i];
    const std::vector<std::string> args(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        words.end());
    if (command == "help" || command == "--help" || command == "-h") {
        out << kUsage;
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
        err << "kelvra-cli: 不明なコマンドです: " << command << "\n" << kUsage;
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
