#include "files/clsTClipboard.h"

#include "base/basText.h"
#include "conditions/ConditionTableEntry.h"
#include "lottery/clsToto.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr const char* kMarkSymbol[7] = {"－", "◎", "○", "▲", "△", "×", "☆"};
constexpr const char* kEngineLabel[9] = {"１等保証",
                                         "２等保証 高速検索エンジン",
                                         "２等保証 試行検索エンジン",
                                         "３等保証 高速検索エンジン",
                                         "３等保証 試行検索エンジン",
                                         "口数最適化エンジン",
                                         "２等保証 最小口数エンジン",
                                         "３等保証 最小口数エンジン",
                                         "予算 的中確率最大エンジン"};
constexpr const char* kIdeoSpace = "　";
constexpr std::int64_t kNoUpperLimit = 9'999'999'999LL;

std::string Repeat(const char* s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

std::string FullDigits(const std::string& s)
{
    return basText::StrConvWide(s);
}

std::string GroupDigits(std::int64_t v)
{
    return Currency::FromInt(v).FormatNumber(0, true);
}

// Padded with spaces and cut to the given width in Shift_JIS bytes.
std::string PadCut(const std::string& s, std::int32_t lngBytes)
{
    std::string out = basText::LeftB(s, lngBytes);
    const std::int32_t len = basText::LenB(out);
    if (len < lngBytes) {
        out.append(static_cast<std::size_t>(lngBytes - len), ' ');
    }
    return out;
}

// The tab's name in full width; the letters of the user tabs padded to the width of "Ｊ１".
std::string TabLabel(std::int32_t k)
{
    const std::string name = basText::StrConvWide(basJouken::TabName(k));
    return k >= 3 ? " " + name + " " : name;
}

int Digits(std::int64_t v)
{
    int d = 1;
    while (v >= 10) {
        v /= 10;
        ++d;
    }
    return d;
}

// The payout limits in force, after the vote status they were set against; empty when none is.
std::string PayoutText(const DataFileRecord& rec)
{
    const HaitouLimits& h = rec.Jouken.Haitou;
    std::string lines;
    for (int g = 1; g <= 3; ++g) {
        const std::size_t i = static_cast<std::size_t>(g - 1);
        if (!h.Flag[i]) {
            continue;
        }
        const Currency min = h.Min[i];
        const Currency max = h.Max[i];
        const bool hasMin = min > Currency();
        const bool hasMax = max < Currency::FromInt(kNoUpperLimit);
        if (!hasMin && !hasMax) {
            continue;
        }
        lines += basText::StrConvWide(std::to_string(g)) + "等当せん金：";
        if (hasMin && hasMax) {
            lines +=
                clsTClipboard::MoneyText(min) + "円 ～ " + clsTClipboard::MoneyText(max) + "円";
        } else if (hasMin) {
            lines += clsTClipboard::MoneyText(min) + "円以上";
        } else {
            lines += clsTClipboard::MoneyText(max) + "円以下";
        }
        lines += "\r\n";
    }
    if (lines.empty()) {
        return lines;
    }
    std::string s = "利用投票状況：";
    s += rec.VoteTime.IsZero() ? "ユーザー定義" : rec.VoteTime.Format("yyyy/mm/dd hh:nn");
    return s + "\r\n" + lines + "\r\n";
}

// The limits by the player's own probabilities, as the payout limits read; empty when none is
// in force. P as in its box: ten significant digits.
std::string ValueText(const ValueLimits& v)
{
    auto range = [](const std::string& strMin, const std::string& strMax, bool hasMin, bool hasMax,
                    const char* unit) {
        if (hasMin && hasMax) {
            return strMin + unit + " ～ " + strMax + unit;
        }
        return hasMin ? strMin + unit + "以上" : strMax + unit + "以下";
    };
    auto p = [](double dblP) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.10g", dblP);
        return std::string(buf);
    };
    std::string lines;
    if (v.EVFlag && (v.EVMin > Currency() || v.EVMax < kHaitouNoLimit)) {
        lines += "期待値：" +
                 range(clsTClipboard::MoneyText(v.EVMin), clsTClipboard::MoneyText(v.EVMax),
                       v.EVMin > Currency(), v.EVMax < kHaitouNoLimit, "円") +
                 "\r\n";
    }
    if (v.PFlag && (v.PMin > 0.0 || v.PMax < 1.0)) {
        lines +=
            "１等確率：" + range(p(v.PMin), p(v.PMax), v.PMin > 0.0, v.PMax < 1.0, "") + "\r\n";
    }
    return lines.empty() ? lines : "[自分の確率]\r\n" + lines + "\r\n";
}

// A line for each marked row of tab k: the open counts, the tolerated ones in brackets.
std::string RowLines(JoukenKind kind, std::int32_t k, const ConditionTableEntry& e)
{
    std::string lines;
    for (std::int32_t r = 0; r < e.RowCount; ++r) {
        std::vector<std::int32_t> open;
        std::vector<std::int32_t> tolerated;
        bool marked = false;
        for (std::int32_t t = 0; t < kCountColumns; ++t) {
            const std::uint8_t v = e.Mark(t, r);
            marked = marked || v != 0;
            if (v == 0) {
                open.push_back(t);
            } else if (v == kCountTolerate) {
                tolerated.push_back(t);
            }
        }
        if (!marked) {
            continue;
        }
        // The panels leave the caption empty; the row's title tells which row it is.
        std::string caption = static_cast<std::size_t>(r) < e.RowCaptions.size()
                                  ? e.RowCaptions[static_cast<std::size_t>(r)]
                                  : std::string();
        if (caption.empty()) {
            caption = e.RowTitleFor(kind, r);
        }
        lines +=
            PadCut(TabLabel(k) + kIdeoSpace + caption, 15) + "：" + clsTClipboard::NumberList(open);
        if (!tolerated.empty()) {
            lines += " (" + clsTClipboard::NumberList(tolerated) + ")";
        }
        lines += "\r\n";
    }
    return lines;
}

// The results and matches a user tab (k >= 3) counts.
std::string ScopeLine(std::int32_t k, const ConditionTableEntry& e)
{
    std::string results;
    const int order[3] = {1, 0, 2};
    const char* names[3] = {"ホーム", "その他", "アウェイ"};
    int set = 0;
    for (int i = 0; i < 3; ++i) {
        if (e.ResultFlags[static_cast<std::size_t>(order[i])]) {
            results += (set++ > 0 ? "＋" : "") + std::string(names[i]);
        }
    }
    if (set == 0) {
        results = "なし";
    } else if (set == 3) {
        results = "全結果";
    }
    std::vector<std::int32_t> matches;
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        if (e.MatchFlags[static_cast<std::size_t>(m)]) {
            matches.push_back(m + 1);
        }
    }
    return PadCut(TabLabel(k) + "　------", 15) + "：" + results + "：" +
           (matches.size() == clsToto::kMatchCount ? std::string("全")
                                                   : clsTClipboard::NumberList(matches)) +
           "試合\r\n";
}

// The lines of one kind's applied tabs; empty when none has a marked row.
std::string TableText(JoukenKind kind, const std::array<ConditionTableEntry, kJoukenTabs>& table)
{
    std::string lines;
    for (std::int32_t k = 0; k < kJoukenTabs; ++k) {
        const ConditionTableEntry& e = table[static_cast<std::size_t>(k)];
        if (!e.Enabled || !e.Applied) {
            continue;
        }
        const std::string rows = RowLines(kind, k, e);
        lines += rows;
        if (!rows.empty() && k >= 3) {
            lines += ScopeLine(k, e);
        }
    }
    return lines;
}

std::string CorrectionText(const ConditionSetRecord& j)
{
    std::string s = "[補正]\r\n";
    if (j.MachigaiType == 2) {
        s += "下の条件間違い数の場合は､許容△の買い目を拡張する\r\n";
    }
    std::vector<std::int32_t> set;
    for (std::int32_t i = 0; i < 12; ++i) {
        if (j.MachigaiList[static_cast<std::size_t>(i)]) {
            set.push_back(i);
        }
    }
    return s + basText::Replace("条件間違い数   ：" + clsTClipboard::NumberList(set), "11", "→") +
           "\r\n\r\n";
}

// The extraction step's count before and after, from the last extraction line of the run
// messages; empty when there is none.
std::string ExtractionText(const DataFileRecord& rec)
{
    std::int64_t a = 0;
    for (const std::string& line : basText::SplitLines(rec.SakugenMessage)) {
        if (basText::Mid(line, 6, 2) != "抽出") {
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::size_t arrow = line.find("→");
        if (colon == std::string::npos || arrow == std::string::npos || arrow < colon) {
            continue;
        }
        const std::string num = basText::Trim(line.substr(colon + 1, arrow - colon - 1));
        const auto v = Currency::Parse(num);
        if (v && num.find(',') == std::string::npos) {
            a = v->Truncate();
        }
    }
    if (a <= 0) {
        return {};
    }
    return "抽出圧縮：" + std::to_string(a) + " → " + std::to_string(rec.SingleCount) + "口\r\n";
}
} // namespace

clsTClipboard::clsTClipboard(clsIClipboard& clipboard, clsIMessage& message, clsIBusy& busy,
                             std::string strVersionText)
    : m_clipboard(clipboard)
    , m_message(message)
    , m_busy(busy)
    , m_version(std::move(strVersionText))
{}

std::string clsTClipboard::NumberList(const std::vector<std::int32_t>& lngValues)
{
    std::string out;
    std::size_t i = 0;
    while (i < lngValues.size()) {
        std::size_t j = i;
        while (j + 1 < lngValues.size() && lngValues[j + 1] == lngValues[j] + 1) {
            ++j;
        }
        if (!out.empty()) {
            out += ",";
        }
        out += std::to_string(lngValues[i]);
        if (j > i) {
            out += "～" + std::to_string(lngValues[j]);
        }
        i = j + 1;
    }
    return out;
}

std::string clsTClipboard::MoneyText(Currency curValue)
{
    const std::int64_t whole = curValue.Truncate();
    int zeros = 0;
    if (curValue.Raw() % Currency::Scale == 0 && whole != 0) {
        for (std::int64_t v = whole; v % 10 == 0; v /= 10) {
            ++zeros;
        }
    }
    if (zeros >= 8) {
        return std::to_string(whole / 100'000'000) + "億";
    }
    if (zeros >= 4) {
        return GroupDigits(whole / 10'000) + "万";
    }
    return curValue.FormatNumber(0, true);
}

std::vector<std::string> clsTClipboard::TeamNames(const ScheduleRecord& schedule)
{
    std::vector<std::string> names;
    for (const auto& m : schedule.Match) {
        names.push_back(m.Home);
        names.push_back(m.Away);
    }
    const bool narrow = std::any_of(names.begin(), names.end(), [](const std::string& n) {
        return basText::LenB(n) != 2 * basText::Len(n);
    });
    for (auto& n : names) {
        if (narrow) {
            n = basText::Mid(basText::StrConvWide(n), 1, 3);
        }
        const auto chars = basText::Chars(n);
        if (chars.size() == 1) {
            n = std::string(kIdeoSpace) + n + kIdeoSpace;
        } else if (chars.size() == 2) {
            n = chars[0] + kIdeoSpace + chars[1];
        } else if (chars.size() != 3 || basText::LenB(n) != 6) {
            n = "？？？";
        }
    }
    return names;
}

std::string clsTClipboard::ForecastText(const DataFileRecord& rec, const ScheduleRecord& schedule,
                                        bool blnJouken, const std::string& strVersionText)
{
    std::int32_t maxCount = 0;
    for (const auto& row : rec.SingleFrame) {
        for (const std::int32_t v : row) {
            maxCount = std::max(maxCount, v);
        }
    }
    const int w = maxCount > 9'999'999 ? 0 : Digits(maxCount);
    const std::string sep = Repeat("―", 3 * w + 17) + "\r\n";

    std::string s = "第 " + std::to_string(rec.Kaisaikai) + " 回 toto";
    if (!rec.Kumi.empty()) {
        s += " " + rec.Kumi + "組";
    }
    s += "\r\n" + sep;
    s += "Ｎｏ　 Home 　１０２　 Away 　";
    const int wPad = w > 0 ? w - 1 : 0;
    s += Repeat(kIdeoSpace, wPad) + "１　" + Repeat(kIdeoSpace, wPad) + "０　" +
         Repeat(kIdeoSpace, wPad) + "２\r\n";
    s += sep;
    const auto names = TeamNames(schedule);
    const auto count = [&](int outcome, int m) {
        std::string v = std::to_string(
            rec.SingleFrame[static_cast<std::size_t>(outcome)][static_cast<std::size_t>(m)]);
        if (static_cast<int>(v.size()) < w) {
            v.insert(0, static_cast<std::size_t>(w) - v.size(), ' ');
        }
        return FullDigits(v);
    };
    const auto mark = [&](int outcome, int m) {
        const std::int32_t c =
            rec.Multi[static_cast<std::size_t>(outcome)][static_cast<std::size_t>(m)];
        return std::string(c >= 0 && c <= 6 ? kMarkSymbol[c] : "？");
    };
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        const std::string no = (m + 1 < 10 ? "0" : "") + std::to_string(m + 1);
        s += FullDigits(no) + kIdeoSpace + names[static_cast<std::size_t>(2 * m)] + kIdeoSpace;
        s += mark(1, m) + mark(0, m) + mark(2, m) + kIdeoSpace;
        s += names[static_cast<std::size_t>(2 * m + 1)] + kIdeoSpace;
        s += count(1, m) + "：" + count(0, m) + "：" + count(2, m) + "\r\n";
    }
    s += sep;
    s += "システム：Kelvra Version " + strVersionText + "\r\n";
    const std::int32_t engine = rec.Engine.MsEngine;
    s += std::string("圧縮方法：") + (engine >= 0 && engine <= 8 ? kEngineLabel[engine] : "") +
         "\r\n";
    if (blnJouken) {
        s += "\r\n" + ConditionText(rec);
    }
    return s;
}

std::string clsTClipboard::ConditionText(const DataFileRecord& rec)
{
    const ConditionSetRecord& j = rec.Jouken;
    std::string s;
    if (j.Haitou.Enabled[0]) {
        s += PayoutText(rec);
    }
    s += ValueText(j.Value);
    const std::pair<JoukenKind, const char*> kinds[] = {{JoukenKind::Honmei, "[本命]"},
                                                        {JoukenKind::Ninki, "[人気]"},
                                                        {JoukenKind::Mark, "[勝敗]"}};
    for (const auto& [kind, title] : kinds) {
        const std::string lines = TableText(kind, j.Table(kind));
        if (!lines.empty()) {
            s += std::string(title) + "\r\n" + lines + "\r\n";
        }
    }
    if (j.MachigaiType > 0) {
        s += CorrectionText(j);
    }
    if (rec.Engine.ChushutsuFlag) {
        s += ExtractionText(rec);
    }
    return s;
}

std::string clsTClipboard::TicketLinesText(const DataFileRecord& rec)
{
    std::string s;
    const int width = Digits(rec.SingleCount);
    for (std::int32_t i = 0; i < rec.SingleCount; ++i) {
        std::string no = std::to_string(i + 1);
        no.insert(0, static_cast<std::size_t>(width) - no.size(), '0');
        s += no + ":";
        std::int32_t v = rec.Singles[static_cast<std::size_t>(i)];
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            s += static_cast<char>('0' + v % 3);
            v /= 3;
        }
        s += "\r\n";
    }
    return s;
}

std::string clsTClipboard::MatchLinesText(const DataFileRecord& rec)
{
    std::string s;
    std::int32_t p = 1;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        s += (m + 1 < 10 ? "0" : "") + std::to_string(m + 1) + " ";
        for (std::int32_t i = 0; i < rec.SingleCount; ++i) {
            s += static_cast<char>('0' + rec.Singles[static_cast<std::size_t>(i)] / p % 3);
            if ((i + 1) % 10 == 0) {
                s += ' ';
            }
        }
        s += "\r\n";
        p *= 3;
    }
    return s;
}

std::string clsTClipboard::BuildText(std::int32_t lngIndex, const DataFileRecord& rec,
                                     const ScheduleRecord& schedule, bool& blnTooMany) const
{
    blnTooMany = false;
    switch (lngIndex) {
    case 0:
    case 1:
        return ForecastText(rec, schedule, lngIndex == 1, m_version);
    case 3:
    case 4: {
        if (rec.SingleCount > MaxListCount) {
            blnTooMany = true;
            return {};
        }
        // Without tickets there is nothing to list (the match form would be 13 bare numbers).
        if (rec.SingleCount <= 0 ||
            static_cast<std::size_t>(rec.SingleCount) > rec.Singles.size()) {
            return {};
        }
        BusyScope busy(m_busy);
        return lngIndex == 3 ? TicketLinesText(rec) : MatchLinesText(rec);
    }
    default:
        return {};
    }
}

void clsTClipboard::Copy(std::int32_t lngIndex, const DataFileRecord& rec,
                         const ScheduleRecord& schedule)
{
    bool tooMany = false;
    const std::string text = BuildText(lngIndex, rec, schedule, tooMany);
    if (tooMany) {
        m_message.ShowMessage(MsgIcon::Warning, "1万口以上は出力出来ません", "");
        return;
    }
    if (text.empty()) {
        return;
    }
    m_clipboard.SetText(text);
    m_message.ShowMessage(MsgIcon::Information, "クリップボードへコピーしました", "");
}
