#pragma once
// The command table of kelvra-cli. Each command lives in its own src/cli/cmd<Name>.cpp and
// registers itself with one line at file scope:
//     KELVRA_CLI_COMMAND("grade", CmdGrade);
// The start-up checks have passed before a command runs; it gets the terminal host, the program
// folder, the words after its name and stdout, and returns the exit code.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

class clsTerminalHost;

using CliHandler = int (*)(clsTerminalHost& host, const std::string& strHome,
                           const std::vector<std::string>& args, std::ostream& out);

struct CliCommand
{
    std::string_view Name;
    CliHandler Run;
};

// Registered commands, in registration order.
std::vector<CliCommand>& CliCommands();

struct CliRegistration
{
    CliRegistration(std::string_view strName, CliHandler handler)
    {
        CliCommands().push_back(CliCommand{strName, handler});
    }
};

#define KELVRA_CLI_CONCAT2(a, b) a##b
#define KELVRA_CLI_CONCAT(a, b) KELVRA_CLI_CONCAT2(a, b)
#define KELVRA_CLI_COMMAND(name, handler)                                                          \
    static const CliRegistration KELVRA_CLI_CONCAT(g_cliRegistration, __LINE__)(name, handler)

// The whole program: options, start-up checks, dispatch. Exit codes: 0 success, 1 the command
// failed, 2 wrong usage or a failed start-up check.
int CliMain(int argc, char** argv, std::ostream& out, std::ostream& err);
