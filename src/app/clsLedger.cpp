#include "app/clsLedger.h"

#include "app/basMain.h"
#include "files/clsTFileDRD.h"
#include "lottery/clsToto.h"
#include "results/clsTResult.h"
#include "results/clsTResultBalance.h"
#include "store/clsXmlResult.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace {
// Keeps the first report of the readers and the grader, so that a failure becomes the text of
// its entry rather than a box per file.
class FirstMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon, std::string_view strText, std::string_view) override
    {
        if (Text.empty()) {
            Text = strText;
        }
    }
    std::string Detail() const { return Text.empty() ? std::string() : "\n" + Text; }

    std::string Text;
};

bool Exists(const std::string& strPath)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(strPath, ec);
}

std::string Plain(Currency c)
{
    return c.ToString();
}
} // namespace

clsLedger::clsLedger(const clsHost& host, std::string strProgramFolder)
    : m_host(host)
    , m_programFolder(std::move(strProgramFolder))
{}

LedgerEntry clsLedger::Grade(const std::string& strFileName)
{
    LedgerEntry e;
    e.FileName = strFileName;
    FirstMessage msg;
    const clsHost host{msg,         m_host.Ask,       m_host.Pump,  m_host.Busy,
                       m_host.Wait, m_host.Clipboard, m_host.Opener};
    try {
        if (!Exists(strFileName)) {
            e.Error = strFileName + ": ファイルが見つかりません。";
            return e;
        }
        clsTFileDRD file(host, basMain::VersionText(), "");
        std::int32_t version = 0;
        if (!file.DataTypeCheck(strFileName, true, version)) {
            e.Error = strFileName + ": Kelvraのファイルではありません。" + msg.Detail();
            return e;
        }
        DataFileRecord rec;
        if (!file.Load(strFileName, rec)) {
            e.Error = strFileName + ": データファイルを読み込めません。" + msg.Detail();
            return e;
        }
        e.Kaisaikai = rec.Kaisaikai;
        e.Kumi = rec.Kumi;
        const auto count = std::clamp<std::size_t>(
            static_cast<std::size_t>(std::max(rec.SingleCount, 0)), 0, rec.Singles.size());
        e.Tickets = static_cast<std::int32_t>(count);
        e.Cost = Currency::FromInt(clsTResultBalance::kTicketPrice) * e.Tickets;
        if (rec.Kaisaikai <= 0) {
            return e;
        }

        // No result in the store yet: the round is bought but not decided.
        clsXmlResult store(msg, m_programFolder);
        const std::string xml = store.GetFileName(rec.Kaisaikai, rec.Kumi);
        if (!Exists(xml)) {
            return e;
        }
        if (!store.XmlLoad(xml)) {
            e.Error = xml + ": 結果ファイルを読み込めません。" + msg.Detail();
            return e;
        }
        const ResultRecord& result = store.GetRecord();
        if (result.Kaisaikai != rec.Kaisaikai) {
            e.Error = xml + ": 結果ファイルの開催回 (" + std::to_string(result.Kaisaikai) +
                      ") がデータファイルの開催回 (" + std::to_string(rec.Kaisaikai) +
                      ") と異なります。";
            return e;
        }

        // The one grader of the check page and kelvra-cli grade, all 13 results revealed.
        clsTResult grader(msg, host.Busy, host.Wait, host.Pump, m_programFolder);
        grader.Initialize();
        grader.SetResultData(result.Kaisaikai, result.Kumi, result, true);
        if (!grader.SetSingle(std::span<const std::int32_t>(rec.Singles.data(), count)) ||
            !msg.Text.empty()) {
            e.Error = strFileName + ": 採点できません。" + msg.Detail();
            return e;
        }
        const clsTResultBalance money(e.Tickets, grader.Kakutei());
        e.Graded = grader.DecidedCount() == clsToto::kMatchCount && money.WinningsKnown();
        if (e.Graded) {
            e.Won = money.Winnings();
        }
    } catch (const std::exception& ex) {
        e = LedgerEntry();
        e.FileName = strFileName;
        e.Error = strFileName + ": " + ex.what();
    }
    return e;
}

std::optional<LedgerTotal> clsLedger::Sum(std::span<const LedgerEntry> entries,
                                          std::string& strError)
{
    LedgerTotal t;
    bool fits = true;
    const auto add = [&fits](Currency& sum, Currency c) {
        const auto s = Currency::CheckedAdd(sum, c);
        fits = fits && s.has_value();
        if (s) {
            sum = *s;
        }
    };
    for (const LedgerEntry& e : entries) {
        if (!e.Read()) {
            continue;
        }
        t.Tickets += e.Tickets;
        add(t.Cost, e.Cost);
        if (e.Graded) {
            add(t.Won, e.Won);
            add(t.GradedCost, e.Cost);
            ++t.GradedCount;
        }
    }
    if (!fits) {
        strError = "収支の合計がオーバーフローしました。";
        return std::nullopt;
    }
    // Both sums are at most the money range and not negative: their difference fits.
    t.Balance = t.Won - t.GradedCost;
    t.RatePermille =
        t.GradedCount > 0 ? clsTResultBalance::ReturnPermille(t.Won, t.GradedCost) : -1;
    return t;
}

void clsLedger::SortByRound(std::vector<LedgerEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LedgerEntry& a, const LedgerEntry& b) {
                         if (a.Read() != b.Read()) {
                             return a.Read();
                         }
                         return std::tie(a.Kaisaikai, a.Kumi, a.FileName) <
                                std::tie(b.Kaisaikai, b.Kumi, b.FileName);
                     });
}

std::vector<LedgerPoint> clsLedger::RunningBalance(std::span<const LedgerEntry> entries)
{
    std::vector<LedgerPoint> points;
    Currency balance;
    for (const LedgerEntry& e : entries) {
        if (e.Read() && e.Graded) {
            balance += e.Balance();
            points.push_back(LedgerPoint{RoundText(e), balance});
        }
    }
    return points;
}

std::string clsLedger::RoundText(const LedgerEntry& entry)
{
    return entry.Kaisaikai > 0 ? std::to_string(entry.Kaisaikai) + entry.Kumi : std::string("-");
}

std::string clsLedger::EntryLine(const LedgerEntry& entry)
{
    return RoundText(entry) + "\t" + std::to_string(entry.Tickets) + "\t" + Plain(entry.Cost) +
           "\t" + (entry.Graded ? Plain(entry.Won) : "-") + "\t" +
           (entry.Graded ? Plain(entry.Balance()) : "-");
}

std::string clsLedger::TotalLine(const LedgerTotal& total)
{
    return "合計\t" + std::to_string(total.Tickets) + "\t" + Plain(total.Cost) + "\t" +
           Plain(total.Won) + "\t" + Plain(total.Balance) + "\t" + RateText(total.RatePermille);
}

std::string clsLedger::RateText(std::int64_t lngPermille)
{
    if (lngPermille < 0) {
        return "-";
    }
    return std::to_string(lngPermille / 10) + "." + std::to_string(lngPermille % 10) + "%";
}
