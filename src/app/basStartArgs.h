#pragma once
// The window program's command line, read before any window system is touched: --help and
// --version must answer on a terminal without a display.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace basStartArgs {
enum class Action
{
    Start,
    Help,
    Version,
    // The manual page, written by the build from the --help text.
    Manual,
    Wrong,
};

struct Parsed
{
    Action What = Action::Start;
    std::optional<std::string> Home;
    // The files to open, as given; the caller makes them absolute.
    std::vector<std::string> Files;
    // For Wrong: what to tell the user.
    std::string Message;
};

// vecArgs: the arguments after the program name.
Parsed Parse(const std::vector<std::string_view>& vecArgs);
} // namespace basStartArgs
