#include "app/basStartArgs.h"
#include "app/basUsage.h"

#include <gtest/gtest.h>

namespace {
// The text a reader of the manual page sees, near enough: requests dropped, escapes undone,
// the lines joined as roff fills them.
std::string Unroff(const std::string& strPage)
{
    std::string text;
    std::size_t start = 0;
    while (start < strPage.size()) {
        std::size_t end = strPage.find('\n', start);
        if (end == std::string::npos) {
            end = strPage.size();
        }
        const std::string line = strPage.substr(start, end - start);
        start = end + 1;
        if (line.starts_with('.')) {
            continue;
        }
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '\\' || i + 1 >= line.size()) {
                text += line[i];
                continue;
            }
            const char c = line[++i];
            if (c == '-') {
                text += '-';
            } else if (c == 'e') {
                text += '\\';
            } else if (c == 'f') {
                ++i; // \fB, \fR
            }        // \& is nothing
        }
        text += ' ';
    }
    return text;
}

std::string Trimmed(const std::string& strLine)
{
    const std::size_t b = strLine.find_first_not_of(' ');
    return b == std::string::npos ? "" : strLine.substr(b);
}

TEST(basUsage, ManualPagesSayWhatHelpSays)
{
    for (const basUsage::Page* page :
         {&basUsage::WindowProgram(), &basUsage::CommandLineProgram()}) {
        SCOPED_TRACE(std::string(page->Program));
        const std::string help = basUsage::HelpText(*page);
        const std::string man = basUsage::ManPage(*page);
        const std::string read = Unroff(man);
        std::size_t start = 0;
        int lines = 0;
        while (start < help.size()) {
            const std::size_t end = help.find('\n', start);
            std::string line = Trimmed(help.substr(start, end - start));
            start = end + 1;
            if (line.empty() || line.ends_with(':')) {
                continue; // a heading of its own in the page
            }
            if (line.starts_with("usage: ")) {
                line = line.substr(7);
            }
            ++lines;
            // A term and its first text line share a help line; each stands alone in the page.
            for (const auto& item : page->Options) {
                if (line.starts_with(item.Term)) {
                    line = Trimmed(line.substr(item.Term.size()));
                }
            }
            for (const auto& item : page->Commands) {
                if (line.starts_with(item.Term)) {
                    line = Trimmed(line.substr(item.Term.size()));
                }
            }
            EXPECT_NE(read.find(line), std::string::npos) << line;
        }
        EXPECT_GT(lines, 8);
        EXPECT_TRUE(man.starts_with(".TH KELVRA"));
        EXPECT_EQ(man.find("not opened yet"), std::string::npos);
        // A line of text that starts with a dot would be read as a request.
        EXPECT_EQ(man.find("\n'"), std::string::npos);
    }
    EXPECT_NE(basUsage::ManPage(basUsage::CommandLineProgram()).find("\\fBvalue FILE.drd\\fR"),
              std::string::npos);
}

TEST(basStartArgs, HelpAndVersionWinOverTheRest)
{
    using basStartArgs::Action;
    using Args = std::vector<std::string_view>;
    EXPECT_EQ(basStartArgs::Parse(Args{"--help"}).What, Action::Help);
    EXPECT_EQ(basStartArgs::Parse(Args{"-h"}).What, Action::Help);
    EXPECT_EQ(basStartArgs::Parse(Args{"--home", "/d", "a.drd", "--version"}).What,
              Action::Version);
    EXPECT_EQ(basStartArgs::Parse(Args{"--help-man"}).What, Action::Manual);

    const auto start = basStartArgs::Parse(Args{"--home", "/data", "work.drd", "条件.drj"});
    EXPECT_EQ(start.What, Action::Start);
    EXPECT_EQ(start.Home, "/data");
    EXPECT_EQ(start.Files, (std::vector<std::string>{"work.drd", "条件.drj"}));
    EXPECT_EQ(basStartArgs::Parse(Args{"--home=/x"}).Home, "/x");
    EXPECT_FALSE(basStartArgs::Parse(Args{}).Home);

    for (const Args& wrong : {Args{"--frob"}, Args{"a.drd", "-x"}, Args{"--home"}, Args{"--home="},
                              Args{"--home", ""}}) {
        const auto parsed = basStartArgs::Parse(wrong);
        EXPECT_EQ(parsed.What, Action::Wrong);
        EXPECT_TRUE(parsed.Message.starts_with("引数が正しくありません: ")) << parsed.Message;
    }
}
} // namespace
