#include "app/basUsage.h"

#include "app/basMain.h"
#include "app/basVersion.h"

namespace basUsage {
namespace {
// Column where an item's text starts in --help; a longer term puts the text on the next line.
constexpr std::size_t kTextColumn = 31;

const Item kHomeOption{"--home DIR",
                       "use DIR (holding SysData/ and UserData/) as the data folder;\n"
                       "default: the executable's folder when it holds a writable SysData/,\n"
                       "else $XDG_DATA_HOME/kelvra (~/.local/share/kelvra), seeded from the\n"
                       "shipped data"};
const Item kHelpOption{"--help", "print this text and exit"};
const Item kVersionOption{"--version", "print the version and exit"};

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        out.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return out;
        }
        start = end + 1;
    }
}

void AppendItems(std::string& out, const std::vector<Item>& items)
{
    for (const Item& item : items) {
        std::string line = "  " + std::string(item.Term);
        bool first = true;
        for (const std::string_view text : Lines(item.Text)) {
            if (line.size() + 1 > kTextColumn || !first) {
                out += line + '\n';
                line.clear();
            }
            line.resize(kTextColumn, ' ');
            line += text;
            first = false;
        }
        out += line + '\n';
    }
}

// roff: a backslash and a minus are escaped everywhere, a line that would start with a control
// character is protected.
std::string Roff(std::string_view text)
{
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            out += "\\&";
        }
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
        lineStart = c == '\n';
    }
    return out;
}

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

void AppendManItems(std::string& out, std::string_view heading, const std::vector<Item>& items)
{
    if (items.empty()) {
        return;
    }
    out += ".SH " + std::string(heading) + "\n";
    for (const Item& item : items) {
        out += ".TP\n\\fB" + Roff(item.Term) + "\\fR\n" + Roff(item.Text) + "\n";
    }
}
} // namespace

const Page& WindowProgram()
{
    static const Page page{
        "kelvra",
        "plan tickets for the toto football pools",
        "kelvra [--home DIR] [FILE...]",
        {"Kelvra fetches a toto round's schedule, vote status and results, expands a forecast\n"
         "into single tickets, filters and compresses them under a prize-grade guarantee,\n"
         "estimates payouts, grades tickets against the results and prints mark cards.\n"
         "Its windows are in Japanese.",
         "An installed Kelvra keeps its data (the SysData and UserData folders) in\n"
         "$XDG_DATA_HOME/kelvra, by default ~/.local/share/kelvra. The first start copies the\n"
         "shipped reference files and sample rounds there; later starts replace a reference\n"
         "file only by a newer shipped one and never touch settings, added team names, stored\n"
         "rounds or user files."},
        {kHomeOption,
         {"FILE", "files to open when the window has opened, as the desktop hands them\n"
                  "over: a .drd as the work, a .drj as its conditions, a .csv as its\n"
                  "tickets; one that cannot be opened is reported and the window stays\n"
                  "open. When Kelvra already runs for this user, its window opens them\n"
                  "instead and this start ends at once"},
         kHelpOption,
         kVersionOption},
        {},
        "0 when the window was closed normally, 1 when the window could not be started,\n"
        "2 for wrong arguments or a failed start-up check.",
        "kelvra-cli(1)"};
    return page;
}

const Page& CommandLineProgram()
{
    static const Page page{
        "kelvra-cli",
        "run Kelvra's work on toto tickets without a window",
        "kelvra-cli [--home DIR] COMMAND ...",
        {"The command-line front end of Kelvra, on the same data folder as the window program.\n"
         "Every command first makes the start-up checks of the window program; a failure\n"
         "prints its message to stderr and exits 2."},
        {kHomeOption, kHelpOption, kVersionOption},
        {
            {"version", "print the version text"},
            {"run [--seed N] FILE.drd...",
             "for each file in order: load it as a data file, run the search exactly as the "
             "main\n"
             "window's run command, save it back to the same path as a data file; print one "
             "line\n"
             "\"PATH<TAB>成功\" or \"PATH<TAB>失敗\" per file; exit 0 when all succeeded, else "
             "1.\n"
             "--seed N seeds the random generator with N instead of the clock (reproducible "
             "runs)."},
            {"grade FILE.drd [--result RESULT.xml]",
             "grade the file's tickets against the result (default: the store's result file "
             "of the\n"
             "file's round), all 13 results revealed; print 14 lines \"G等<TAB>COUNT\" (G = "
             "1..14), then,\n"
             "when every match is decided, "
             "\"G等<TAB>PRIZE<TAB>WINNERS<TAB>CARRY<TAB>OWNCOUNT<TAB>OWNAMOUNT\"\n"
             "for G = 1..3 and a \"合計\" line in the same form (plain decimal yen, no "
             "separators)."},
            {"ledger FILE.drd...",
             "grade each file's tickets against its round's result in the store, as grade "
             "does; print\n"
             "one line per file in the order given, "
             "\"ROUND<TAB>TICKETS<TAB>COST<TAB>WON<TAB>BALANCE\"\n"
             "(ROUND: the round number and group; COST: tickets x 100 yen; WON: the prizes of "
             "the\n"
             "grades the round pays; BALANCE: WON - COST; whole yen, \"-\" for WON and "
             "BALANCE while\n"
             "the round has no result with its prizes), then "
             "\"合計<TAB>TICKETS<TAB>COST<TAB>WON<TAB>BALANCE<TAB>RATE\"\n"
             "(WON, BALANCE and RATE = WON / COST over the graded files only, RATE with one "
             "decimal,\n"
             "\"-\" when none is graded); exit 1, printing nothing, when a file cannot be "
             "read."},
            {"text ITEM FILE.drd",
             "print the clipboard text of item ITEM (0, 1, 3 or 4) built from the file (UTF-8, "
             "CR LF)"},
            {"csv export FILE.drd OUT.csv", "write the file's tickets as CSV"},
            {"csv import IN.csv FILE.drd",
             "replace the file's tickets by the CSV's (frame recomputed) and save it; the CSV "
             "may be in\n"
             "CP932 or UTF-8 (with or without a byte-order mark), fields optionally in double "
             "quotes"},
            {"download schedule|vote|result ROUND",
             "fetch the round's page as the download buttons do (without the question); exit "
             "0 when\n"
             "a valid record was taken, else 1, with the message on stderr"},
            {"download all FROM TO [--pause MS]",
             "fetch the schedule, final vote status and result of every round FROM..TO the "
             "store\n"
             "lacks, one request at a time with MS milliseconds between requests (default "
             "1000);\n"
             "print \"ROUND<TAB>STATE[<TAB>DETAIL]\" per round (保存, 保存済み, 未開催, 失敗), "
             "then\n"
             "\"合計\" with the counts; the failures again on stderr. Exit 0 when every round "
             "is\n"
             "complete or not held, 1 when any failed, 130 after Ctrl+C (what was filed "
             "stays)"},
            {"value FILE.drd",
             "the chance and worth of the file's tickets under its own probabilities; print\n"
             "\"1等以上<TAB>P\", \"2等以上<TAB>P\", \"3等以上<TAB>P\" (P: the probability, 0 to "
             "1,\n"
             "\"%.10f\"; where the round pays two grades the 3rd-grade line repeats the 2nd),\n"
             "\"期待値<TAB>YEN\" (the sum of the tickets' expected payouts) and "
             "\"購入金額<TAB>YEN\"\n"
             "(whole yen); exit 1 when the file has no own probabilities."},
            {"backtest FILE.drd --from A --to B [--marks vote|all]",
             "the file's conditions (not its marks) run over every stored round A..B in turn "
             "whose\n"
             "schedule, final vote status and result are stored: the multi marked afresh (vote: "
             "in vote\n"
             "order as \"全て投票率順でマーク\", the default; all: every outcome ◎), the "
             "extraction run on\n"
             "that round's vote status without compression and graded against its result; "
             "print\n"
             "\"ROUND<TAB>SINGLES<TAB>HIT<TAB>COST<TAB>WON\" per round (HIT 1 when a single wins "
             "1st grade,\n"
             "COST = SINGLES x 100, WON the prizes won) and "
             "\"合計<TAB>ROUNDS<TAB>HITS<TAB>COST<TAB>WON\".\n"
             "Expected-value and chance limits are not used (no own probabilities per round). "
             "Exit 1\n"
             "when a stored file of the range does not read (told on stderr)."},
            {"update-teams [--site URL]",
             "update the overseas team names from the maker's site (or from URL)"},
            {"help", "print this text"},
        },
        "0 on success, 1 when the command failed, 2 for wrong usage or a failed start-up "
        "check.",
        "kelvra(1)"};
    return page;
}

std::string HelpText(const Page& page)
{
    std::string out = "usage: " + std::string(page.Synopsis) + "\n";
    for (const std::string_view paragraph : page.Description) {
        out += '\n';
        for (const std::string_view line : Lines(paragraph)) {
            out += "  " + std::string(line) + '\n';
        }
    }
    if (!page.Options.empty()) {
        out += "\noptions:\n";
        AppendItems(out, page.Options);
    }
    if (!page.Commands.empty()) {
        out += "\ncommands:\n";
        AppendItems(out, page.Commands);
    }
    out += "\nexit status:\n";
    for (const std::string_view line : Lines(page.ExitStatus)) {
        out += "  " + std::string(line) + '\n';
    }
    return out;
}

std::string VersionLine(const Page& page)
{
    return std::string(page.Program) + " " + basMain::VersionText() + "\n";
}

std::string ManPage(const Page& page)
{
    const std::string version = basMain::VersionText();
    std::string out = ".TH " + Roff(Upper(page.Program)) + " 1 \"" +
                      std::string(basVersion::kReleaseMonth) + "\" \"Kelvra " + version +
                      "\" \"User Commands\"\n";
    // No hyphenation: terms such as SysData/ and option names must stay whole.
    out += ".nh\n";
    out += ".SH NAME\n" + Roff(page.Program) + " \\- " + Roff(page.Summary) + "\n";
    out += ".SH SYNOPSIS\n" + Roff(page.Synopsis) + "\n";
    out += ".SH DESCRIPTION\n";
    for (std::size_t i = 0; i < page.Description.size(); ++i) {
        out += (i > 0 ? ".PP\n" : "") + Roff(page.Description[i]) + "\n";
    }
    AppendManItems(out, "OPTIONS", page.Options);
    AppendManItems(out, "COMMANDS", page.Commands);
    out += ".SH EXIT STATUS\n" + Roff(page.ExitStatus) + "\n";
    out += ".SH SEE ALSO\n" + Roff(page.SeeAlso) + "\n";
    return out;
}
} // namespace basUsage
