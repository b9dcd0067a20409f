#pragma once
// What kelvra and kelvra-cli say about their own use: one description per program, printed by
// --help and written as the manual page at build time (--help-man), so the two never differ.

#include <string>
#include <string_view>
#include <vector>

namespace basUsage {
// An option or a command. Text holds its own line breaks for an 80-to-100-column terminal;
// the manual page lets roff fill the lines again.
struct Item
{
    std::string_view Term;
    std::string_view Text;
};

struct Page
{
    std::string_view Program;
    std::string_view Summary;
    std::string_view Synopsis;
    // Paragraphs, line breaks as in Item::Text.
    std::vector<std::string_view> Description;
    std::vector<Item> Options;
    std::vector<Item> Commands;
    std::string_view ExitStatus;
    std::string_view SeeAlso;
};

const Page& WindowProgram();
const Page& CommandLineProgram();

// What --help prints: the synopsis, then every paragraph, option and command.
std::string HelpText(const Page& page);
// "kelvra 1.00" and a line end.
std::string VersionLine(const Page& page);
// The same text as a manual page in roff (man(7)), section 1.
std::string ManPage(const Page& page);
} // namespace basUsage
