#include "results/clsTResult.h"

#include "base/Currency.h"
#include "base/basText.h"
#include "base/clsIBusy.h"
#include "base/clsIPump.h"
#include "base/clsIWait.h"
#include "base/clsQuickSort.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {
constexpr std::int32_t kLowSize = 2187; // 3^7: matches 1-7
constexpr std::int32_t kHighSize = 729; // 3^6: matches 8-13
constexpr std::int32_t kWaitFrom = 10001;
constexpr std::int32_t kWaitStep = 1001;

void CheckCell(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    if (lngOutcome < 0 || lngOutcome > 2 || lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        throw std::out_of_range("clsTResult: outcome or match");
    }
}
} // namespace

clsTResult::clsTResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait, clsIPump& pump,
                       std::string strProgramFolder)
    : m_err(message, "clsTResult")
    , m_busy(busy)
    , m_wait(wait)
    , m_pump(pump)
    , m_file(message, std::move(strProgramFolder))
{
    m_file.SetErrMessage(false);
    m_entry.Change = [this](bool blnClick) { OnChange(blnClick); };
    for (auto& row : m_hit) {
        row.fill(4);
    }
}

void clsTResult::Initialize()
{
    m_entry.Clear();
    m_grade.Initialize();
    m_kakutei.Initialize();
    m_grid.Initialize();
    m_grade.Clear(MaxGrade());
    m_kakutei.Clear();
    m_grid.Clear();
    m_initialized = true;
    ShowPage();
}

std::int32_t clsTResult::MaxGrade() const
{
    return clsToto::GetMaxGrade(m_kaisaikai);
}

std::string clsTResult::TempFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    char num[16];
    std::snprintf(num, sizeof num, "%03d", lngKaisaikai);
    std::string name = std::string("SysData/Temp/Kelvra_Result_") + num;
    if (!strKumi.empty()) {
        name += "_" + strKumi;
    }
    name += ".dat";
    return m_file.Fso().GetFullPath(name);
}

void clsTResult::SetResultData(std::int32_t lngKaisaikai, const std::string& strKumi,
                               const ResultRecord& record, bool blnShowAll)
{
    if (!m_initialized) {
        m_err.InitializeErr("SetResultData");
        return;
    }
    try {
        m_kaisaikai = lngKaisaikai;
        m_kumi = strKumi;
        m_record = record;
        m_entry.SetRecord(record);
        m_revealed = 0;
        m_takingResult = true;
        BuildMarks(blnShowAll ? 2 : 0);
        m_takingResult = false;
        // The marks of a new round may equal the old ones, so no change is reported; the tables
        // must still stop showing the previous round's prizes and highlight.
        Grade(true);
    } catch (const std::exception& e) {
        m_takingResult = false;
        m_err.ReportException("SetResultData", e);
    }
}

void clsTResult::SetNextData()
{
    try {
        BuildMarks(1);
    } catch (const std::exception& e) {
        m_err.ReportException("SetNextData", e);
    }
}

void clsTResult::SetAlltData()
{
    try {
        BuildMarks(2);
    } catch (const std::exception& e) {
        m_err.ReportException("SetAlltData", e);
    }
}

void clsTResult::BuildMarks(std::int32_t lngMode)
{
    ResultMarks marks{};
    LoadResultTemp(marks);
    if (m_record.Kaisaikai > 0) {
        std::int32_t reveal = 0;
        if (lngMode == 1) {
            m_revealed = std::min(m_revealed + 1, clsToto::kMatchCount);
            reveal = m_revealed;
        } else if (lngMode == 2) {
            m_revealed = clsToto::kMatchCount;
            reveal = clsToto::kMatchCount;
        }
        for (std::int32_t m = 0; m < reveal; ++m) {
            const auto outcome = m_record.Match[static_cast<std::size_t>(m)].Outcome;
            if (outcome <= 2) {
                for (auto& row : marks) {
                    row[m] = 0;
                }
                marks[outcome][m] = 1;
            } else if (outcome == 3) {
                for (auto& row : marks) {
                    row[m] = 3;
                }
            }
        }
    }
    m_entry.SetValue(marks);
}

void clsTResult::LoadResultTemp(ResultMarks& marks)
{
    const std::string path = TempFileName(m_kaisaikai, m_kumi);
    const clsFileSystemObject& fso = m_file.Fso();
    if (!fso.FileExists(path)) {
        return;
    }
    if (HasOfficial()) {
        if (!fso.DeleteFile(path)) {
            m_err.Report("LoadResultTemp", "結果一時ファイルを削除できません。\n" + path);
        }
        return;
    }
    std::string text;
    if (!m_file.LoadFromFile(path, text)) {
        return;
    }
    const auto lines = basText::SplitLines(text);
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        const std::string bad =
            "結果一時ファイルの " + std::to_string(m + 1) + " 行目が正しくありません。\n" + path;
        if (m >= lines.size()) {
            m_err.Report("LoadResultTemp", bad);
            return;
        }
        // Exactly three marks 0..3: anything else would colour or count cells that do not exist.
        std::array<std::int32_t, 3> v{};
        std::size_t field = 0;
        std::string cur;
        bool ok = true;
        const std::string line = lines[m] + ",";
        for (const char c : line) {
            if (c != ',') {
                cur += c;
                continue;
            }
            const std::string t = basText::Trim(cur);
            if (field >= 3 || t.size() != 1 || t[0] < '0' || t[0] > '3') {
                ok = false;
                break;
            }
            v[field++] = t[0] - '0';
            cur.clear();
        }
        if (!ok || field != 3) {
            m_err.Report("LoadResultTemp", bad);
            return;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            marks[k][m] = v[k];
        }
    }
}

void clsTResult::SaveResultTemp()
{
    if (HasOfficial() || m_kaisaikai <= 0) {
        return;
    }
    std::vector<std::string> lines;
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        lines.push_back(std::to_string(m_entry.Value(0, m)) + "," +
                        std::to_string(m_entry.Value(1, m)) + "," +
                        std::to_string(m_entry.Value(2, m)));
    }
    m_file.SaveLinesToFile(TempFileName(m_kaisaikai, m_kumi), lines);
}

void clsTResult::OnChange(bool blnClick)
{
    if (m_takingResult) {
        return;
    }
    try {
        Grade(false);
        if (blnClick) {
            SaveResultTemp();
        }
    } catch (const std::exception& e) {
        m_err.ReportException("Change", e);
    }
}

std::int32_t clsTResult::DecidedCount() const
{
    const ResultMarks marks = m_entry.GetValue();
    std::int32_t decided = 0;
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        bool d = false;
        for (std::size_t k = 0; k < 3; ++k) {
            d = d || marks[k][m] == 1 || marks[k][m] == 3;
        }
        decided += d ? 1 : 0;
    }
    return decided;
}

void clsTResult::Grade(bool blnPrizes)
{
    const ResultMarks marks = m_entry.GetValue();
    CellFlags hit{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        const bool open = marks[0][m] == 0 && marks[1][m] == 0 && marks[2][m] == 0;
        for (std::size_t k = 0; k < 3; ++k) {
            hit[k][m] = open || marks[k][m] != 0;
            m_hit[k][m] = static_cast<std::uint8_t>(open ? 4 : marks[k][m]);
        }
    }

    std::array<std::uint8_t, kLowSize> low{};
    for (std::int32_t i = 0; i < kLowSize; ++i) {
        std::int32_t r = i;
        std::uint8_t h = 0;
        for (std::size_t m = 0; m < 7; ++m, r /= 3) {
            h = static_cast<std::uint8_t>(h + (hit[static_cast<std::size_t>(r % 3)][m] ? 1 : 0));
        }
        low[static_cast<std::size_t>(i)] = h;
    }
    std::array<std::uint8_t, kHighSize> high{};
    for (std::int32_t i = 0; i < kHighSize; ++i) {
        std::int32_t r = i;
        std::uint8_t h = 0;
        for (std::size_t m = 7; m < clsToto::kMatchCount; ++m, r /= 3) {
            h = static_cast<std::uint8_t>(h + (hit[static_cast<std::size_t>(r % 3)][m] ? 1 : 0));
        }
        high[static_cast<std::size_t>(i)] = h;
    }

    // Four partial tallies keep consecutive increments of one counter from waiting on each other.
    std::array<std::array<std::int32_t, 16>, 4> part{};
    const std::size_t n = static_cast<std::size_t>(m_count);
    const std::uint16_t* lo = m_low.data();
    const std::uint16_t* hi = m_high.data();
    std::uint8_t* g = m_gradeValue.data();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (std::size_t u = 0; u < 4; ++u) {
            const std::uint8_t hits = static_cast<std::uint8_t>(low[lo[i + u]] + high[hi[i + u]]);
            g[i + u] = static_cast<std::uint8_t>(clsToto::kMatchCount + 1 - hits);
            ++part[u][clsToto::kMatchCount - hits];
        }
    }
    for (; i < n; ++i) {
        const std::uint8_t hits = static_cast<std::uint8_t>(low[lo[i]] + high[hi[i]]);
        g[i] = static_cast<std::uint8_t>(clsToto::kMatchCount + 1 - hits);
        ++part[0][clsToto::kMatchCount - hits];
    }
    for (std::size_t t = 0; t < clsToto::kMatchCount + 1; ++t) {
        m_tally[t] = part[0][t] + part[1][t] + part[2][t] + part[3][t];
    }

    bool decided = false;
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        decided = decided || m_hit[0][m] != 4;
    }
    m_grade.SetValue(m_tally, MaxGrade(), decided);

    if (blnPrizes || FullResult()) {
        if (DecidedCount() == clsToto::kMatchCount) {
            m_kakutei.SetRecord(m_record, MaxGrade());
            m_kakutei.SetValue(m_tally);
        } else {
            m_kakutei.Clear();
        }
    }

    m_countColor = m_entry.GetVisible();
    ShowPage();
}

bool clsTResult::SetSingle(std::span<const std::int32_t> lngSingle)
{
    BusyScope busy(m_busy);
    try {
        const std::size_t n = lngSingle.size();
        if (n > static_cast<std::size_t>(clsTNumber::SingleCount)) {
            m_err.Report("SetSingle_Sub", "シングル数が多すぎます。");
            return false;
        }
        // Built aside and swapped in at the end: a click handled while the wait dialog pumps
        // events still grades the previous, complete set.
        std::vector<std::uint16_t> low(n);
        std::vector<std::uint16_t> high(n);
        std::vector<std::uint8_t> grade(n);
        const auto count = static_cast<std::int32_t>(n);
        auto build = [&](std::size_t from, std::size_t to) -> bool {
            for (std::size_t i = from; i < to; ++i) {
                const std::int32_t v = lngSingle[i];
                if (!clsTNumber::IsValidNo(v)) {
                    m_err.Report("SetSingle_Sub", std::to_string(i + 1) +
                                                      " 番目のシングル番号が範囲外です（" +
                                                      std::to_string(v) + "）。");
                    return false;
                }
                low[i] = static_cast<std::uint16_t>(v % kLowSize);
                high[i] = static_cast<std::uint16_t>(v / kLowSize);
            }
            return true;
        };
        if (count >= kWaitFrom) {
            WaitScope wait(m_wait, "シングル構成の解析中", count - 1);
            for (std::size_t from = 0; from < n; from += kWaitStep) {
                const std::size_t to = std::min(n, from + kWaitStep);
                if (!build(from, to)) {
                    return false;
                }
                wait.Value(static_cast<std::int32_t>(to - 1));
                m_pump.DoEvents();
            }
        } else if (!build(0, n)) {
            return false;
        }
        m_low = std::move(low);
        m_high = std::move(high);
        m_gradeValue = std::move(grade);
        m_count = count;
        m_countLabel = Currency::FromInt(count).FormatNumber(0, true);
        m_page = 0;
        Grade(true);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("SetSingle_Sub", e);
        return false;
    }
}

bool clsTResult::SetValue(std::int32_t lngIndex, std::int32_t lngValue)
{
    try {
        if (lngIndex < 0 || lngIndex >= m_count || !clsTNumber::IsValidNo(lngValue)) {
            m_err.Report("SetValue", "シングル番号が範囲外です（" + std::to_string(lngIndex + 1) +
                                         " 番目: " + std::to_string(lngValue) + "）。");
            return false;
        }
        const auto i = static_cast<std::size_t>(lngIndex);
        m_low[i] = static_cast<std::uint16_t>(lngValue % kLowSize);
        m_high[i] = static_cast<std::uint16_t>(lngValue / kLowSize);
        Grade(true);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("SetValue", e);
        return false;
    }
}

bool clsTResult::GradeSort(std::vector<std::int32_t>& lngSingle, bool blnAscending)
{
    try {
        if (lngSingle.size() != static_cast<std::size_t>(m_count)) {
            m_err.Report("GradeSort_Sub", "シングル数が一致しません");
            return false;
        }
        if (m_count == 0) {
            return true;
        }
        std::vector<std::int32_t> key(m_gradeValue.begin(), m_gradeValue.end());
        std::vector<std::int32_t> index(key.size());
        for (std::size_t i = 0; i < index.size(); ++i) {
            index[i] = static_cast<std::int32_t>(i);
        }
        clsQuickSort sort(m_err.Message());
        if (!sort.LongIndexSort(key, index, blnAscending)) {
            return false;
        }
        std::vector<std::int32_t> sorted(lngSingle.size());
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            sorted[i] = lngSingle[static_cast<std::size_t>(index[i])];
        }
        lngSingle = std::move(sorted);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GradeSort_Sub", e);
        return false;
    }
}

void clsTResult::Clear()
{
    m_low.clear();
    m_high.clear();
    m_gradeValue.clear();
    m_count = 0;
    m_tally = {};
    m_page = 0;
    m_countLabel = "0";
    m_frame = {};
    m_frameVisible = {};
    m_countColor = {};
    m_entry.Clear();
    m_revealed = 0;
    for (auto& row : m_hit) {
        row.fill(4);
    }
    m_grade.Clear(MaxGrade());
    m_kakutei.Clear();
    m_grid.Clear();
    ShowPage();
}

std::uint8_t clsTResult::GradeValue(std::int32_t lngIndex) const
{
    if (lngIndex < 0 || lngIndex >= m_count) {
        throw std::out_of_range("clsTResult: single index");
    }
    return m_gradeValue[static_cast<std::size_t>(lngIndex)];
}

std::uint8_t clsTResult::HitValue(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    CheckCell(lngOutcome, lngMatch);
    return m_hit[lngOutcome][lngMatch];
}

std::array<std::uint8_t, clsToto::kMatchCount> clsTResult::Composition(std::int32_t lngIndex) const
{
    if (lngIndex < 0 || lngIndex >= m_count) {
        throw std::out_of_range("clsTResult: single index");
    }
    std::array<std::uint8_t, clsToto::kMatchCount> d{};
    std::int32_t r = m_low[static_cast<std::size_t>(lngIndex)];
    for (std::size_t m = 0; m < 7; ++m, r /= 3) {
        d[m] = static_cast<std::uint8_t>(r % 3);
    }
    r = m_high[static_cast<std::size_t>(lngIndex)];
    for (std::size_t m = 7; m < clsToto::kMatchCount; ++m, r /= 3) {
        d[m] = static_cast<std::uint8_t>(r % 3);
    }
    return d;
}

void clsTResult::MovePrevious()
{
    MovePage(std::max(m_page - 1, 0));
}

void clsTResult::MoveNext()
{
    MovePage(std::min(m_page + 1, PageCount() - 1));
}

void clsTResult::MovePage(std::int32_t lngPage)
{
    m_page = std::clamp(lngPage, 0, PageCount() - 1);
    ShowPage();
}

std::string clsTResult::PageLabel() const
{
    return std::to_string(m_page + 1) + "／" + std::to_string(PageCount());
}

void clsTResult::ShowPage()
{
    const std::int32_t maxGrade = MaxGrade();
    for (std::int32_t c = 0; c < kPageSize; ++c) {
        const std::int32_t i = m_page * kPageSize + c;
        if (i >= m_count) {
            m_grid.SetClear(c);
            continue;
        }
        const auto digits = Composition(i);
        std::array<std::uint8_t, clsToto::kMatchCount + 1> value{};
        std::array<std::uint8_t, clsToto::kMatchCount> color{};
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            value[m] = digits[m];
            color[m] = m_hit[digits[m]][m];
        }
        value[clsToto::kMatchCount] = m_gradeValue[static_cast<std::size_t>(i)];
        m_grid.SetValue(c, value, color, maxGrade);
    }
    RaiseRefreshed();
}

void clsTResult::SetSingleFrame(const SingleFrame& lngValue, const ResultFlags& blnVisible)
{
    m_frame = lngValue;
    m_frameVisible = blnVisible;
    RaiseRefreshed();
}

void clsTResult::CountClick()
{
    if (!m_percent) {
        m_countVisible = false;
        RaiseRefreshed();
    }
}

void clsTResult::RaiseRefreshed()
{
    if (Refreshed) {
        Refreshed();
    }
}
