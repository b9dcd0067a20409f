#include "app/basStartArgs.h"

namespace basStartArgs {
Parsed Parse(const std::vector<std::string_view>& vecArgs)
{
    Parsed p;
    const auto wrong = [&p](std::string_view arg) {
        p.What = Action::Wrong;
        p.Message = "引数が正しくありません: " + std::string(arg) +
                    "\n使い方: kelvra [--home DIR] [FILE...]   (kelvra --help で説明を表示)";
        return p;
    };
    for (std::size_t i = 0; i < vecArgs.size(); ++i) {
        const std::string_view arg = vecArgs[i];
        if (arg == "--help" || arg == "-h") {
            p.What = Action::Help;
            return p;
        }
        if (arg == "--version") {
            p.What = Action::Version;
            return p;
        }
        if (arg == "--help-man") {
            p.What = Action::Manual;
            return p;
        }
        if (arg == "--home" && i + 1 < vecArgs.size() && !vecArgs[i + 1].empty()) {
            p.Home = std::string(vecArgs[++i]);
        } else if (arg.starts_with("--home=") && arg.size() > 7) {
            p.Home = std::string(arg.substr(7));
        } else if (!arg.empty() && !arg.starts_with('-')) {
            // The desktop entry hands over the files that were opened (Exec=kelvra %F).
            p.Files.emplace_back(arg);
        } else {
            return wrong(arg);
        }
    }
    return p;
}
} // namespace basStartArgs
