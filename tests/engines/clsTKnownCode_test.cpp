#include "EngineTestSupport.h"
#include "engines/basKnownCodeTable.h"
#include "engines/clsTKnownCode.h"
#include "engines/clsTMsEngine4.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

using namespace enginetest;

namespace {

// Points of the mixed-radix space (coordinate 0 least significant) farther than lngRadius from
// every word: each word marks the points that differ from it in at most lngRadius places.
int UncoveredPoints(const std::vector<std::int32_t>& widths, const std::vector<std::int32_t>& code,
                    int radius)
{
    const auto n = static_cast<int>(widths.size());
    std::vector<std::int32_t> stride(widths.size() + 1, 1);
    for (int i = 0; i < n; ++i) {
        stride[i + 1] = stride[i] * widths[i];
    }
    std::vector<std::uint8_t> hit(static_cast<std::size_t>(stride[n]), 0);
    // Changes coordinates from `from` on, at most `left` more of them.
    std::function<void(std::int32_t, int, int)> mark = [&](std::int32_t x, int from, int left) {
        hit[x] = 1;
        if (left == 0) {
            return;
        }
        for (int i = from; i < n; ++i) {
            const std::int32_t digit = x / stride[i] % widths[i];
            for (std::int32_t v = 0; v < widths[i]; ++v) {
                if (v != digit) {
                    mark(x + (v - digit) * stride[i], i + 1, left - 1);
                }
            }
        }
    };
    for (const auto c : code) {
        EXPECT_GE(c, 0);
        EXPECT_LT(c, stride[n]);
        mark(c, 0, radius);
    }
    return static_cast<int>(std::count(hit.begin(), hit.end(), 0));
}

// Tickets of the whole space of 13 matches farther than the radius from every chosen one,
// through the neighbour lists of clsTNumber rather than the engines' own ball walk.
std::int32_t UncoveredOfWholeSpace(const std::vector<std::int32_t>& chosen, int radius)
{
    std::vector<std::uint8_t> hit(1594323, 0);
    std::array<std::int32_t, clsTNumber::List2Size> l2{};
    std::array<std::int32_t, clsTNumber::List3Size> l3{};
    for (const auto s : chosen) {
        hit[s] = 1;
        clsTNumber::Get2List(s, l2);
        for (const auto x : l2) {
            hit[x] = 1;
        }
        if (radius == 2) {
            clsTNumber::Get3List(s, l3);
            for (const auto x : l3) {
                hit[x] = 1;
            }
        }
    }
    return static_cast<std::int32_t>(std::count(hit.begin(), hit.end(), 0));
}

} // namespace

TEST(clsTKnownCode, PerfectCodesAndTheirProducts)
{
    EXPECT_EQ(clsTKnownCode::Size(4, 0, 1), 9);
    EXPECT_EQ(clsTKnownCode::Size(13, 0, 1), 59049);
    EXPECT_EQ(clsTKnownCode::Size(11, 0, 2), 729);
    EXPECT_EQ(clsTKnownCode::Size(13, 0, 2), 6561);
    EXPECT_EQ(clsTKnownCode::Size(5, 0, 1), 27);
    // A shipped code of 6 or 7 triples times the whole space of the rest beats the shortened
    // Hamming code of length 13 (its cover is checked below).
    EXPECT_LT(clsTKnownCode::Size(12, 0, 1), 59049);
    EXPECT_LE(clsTKnownCode::Size(12, 0, 1), clsTKnownCode::Size(6, 0, 1) * 729);
    EXPECT_EQ(clsTKnownCode::Size(1, 1, 2), 1);
    EXPECT_EQ(clsTKnownCode::Size(0, 3, 0), 8);
    // Radius 2 as the product of two radius-1 codes: 9 x 9 beats 3^8 / anything else.
    EXPECT_EQ(clsTKnownCode::Size(8, 0, 2), 81);
}

TEST(clsTKnownCode, EveryBuiltCodeCoversItsSpace)
{
    const std::vector<std::vector<std::int32_t>> spaces{{3, 3, 3, 3},
                                                        {3, 3, 3, 3, 3},
                                                        {2, 3, 3, 2, 3, 3},
                                                        {3, 3, 3, 3, 3, 3, 3},
                                                        {2, 2, 2, 2, 2},
                                                        {3, 2, 3, 2, 3, 2},
                                                        {3},
                                                        {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}};
    for (const int radius : {1, 2}) {
        for (const auto& widths : spaces) {
            const auto code = clsTKnownCode::Build(widths, radius);
            int t = 0;
            for (const auto w : widths) {
                t += w == 3;
            }
            const auto b = static_cast<int>(widths.size()) - t;
            EXPECT_EQ(static_cast<std::int64_t>(code.size()), clsTKnownCode::Size(t, b, radius));
            EXPECT_EQ(std::set<std::int32_t>(code.begin(), code.end()).size(), code.size());
            EXPECT_EQ(UncoveredPoints(widths, code, radius), 0)
                << widths.size() << " coordinates, radius " << radius;
        }
    }
}

TEST(clsTKnownCode, EveryShippedCodeCoversItsSpace)
{
    const auto entries = basKnownCodeTable::Entries();
    ASSERT_FALSE(entries.empty());
    std::set<std::array<int, 3>> spaces;
    for (const auto& e : entries) {
        SCOPED_TRACE(std::to_string(e.Triples) + " triples, " + std::to_string(e.Doubles) +
                     " doubles, radius " + std::to_string(e.Radius));
        EXPECT_TRUE(spaces.insert({e.Triples, e.Doubles, e.Radius}).second) << "listed twice";
        const int n = e.Triples + e.Doubles;
        std::vector<std::int32_t> widths;
        for (int i = 0; i < n; ++i) {
            widths.push_back(i < e.Triples ? 3 : 2);
        }
        // Read the words here rather than through clsTKnownCode, digit by digit.
        std::vector<std::int32_t> code;
        const std::string text = e.Words;
        std::string digits;
        for (const char c : text) {
            if (c != ' ') {
                digits.push_back(c);
            }
        }
        ASSERT_EQ(digits.size() % static_cast<std::size_t>(n), 0u);
        for (std::size_t at = 0; at < digits.size(); at += static_cast<std::size_t>(n)) {
            std::int32_t x = 0;
            std::int32_t stride = 1;
            for (int i = 0; i < n; ++i) {
                const int digit = digits[at + static_cast<std::size_t>(i)] - '0';
                ASSERT_TRUE(digit >= 0 && digit < widths[i]) << digits.substr(at, n);
                x += digit * stride;
                stride *= widths[i];
            }
            code.push_back(x);
        }
        EXPECT_EQ(static_cast<std::int32_t>(code.size()), e.Size);
        EXPECT_EQ(std::set<std::int32_t>(code.begin(), code.end()).size(), code.size());
        EXPECT_EQ(UncoveredPoints(widths, code, e.Radius), 0);
        // The table is used: nothing built for the space is larger than the entry.
        EXPECT_LE(clsTKnownCode::Size(e.Triples, e.Doubles, e.Radius), e.Size);
        const auto built = clsTKnownCode::Build(widths, e.Radius);
        EXPECT_EQ(static_cast<std::int64_t>(built.size()),
                  clsTKnownCode::Size(e.Triples, e.Doubles, e.Radius));
        EXPECT_EQ(UncoveredPoints(widths, built, e.Radius), 0);
    }
}

TEST(clsTKnownCode, ProductsOfShippedCodesCoverTheirSpaces)
{
    // Twelve triples: the 6-triple table code times a whole space; and mixed spaces whose best
    // plan multiplies or narrows table codes.
    const std::vector<std::vector<std::int32_t>> spaces{std::vector<std::int32_t>(12, 3),
                                                        {3, 3, 3, 3, 3, 3, 3, 3, 2, 2},
                                                        {3, 3, 3, 2, 2, 2, 3, 3, 3, 2}};
    for (const int radius : {1, 2}) {
        for (const auto& widths : spaces) {
            const auto code = clsTKnownCode::Build(widths, radius);
            EXPECT_EQ(std::set<std::int32_t>(code.begin(), code.end()).size(), code.size());
            EXPECT_EQ(UncoveredPoints(widths, code, radius), 0)
                << widths.size() << " coordinates, radius " << radius;
        }
    }
}

TEST(clsTKnownCode, BadWidthsAreRefused)
{
    EXPECT_THROW(clsTKnownCode::Build(std::vector<std::int32_t>{3, 1}, 1), std::invalid_argument);
    EXPECT_THROW(clsTKnownCode::Size(14, 0, 1), std::invalid_argument);
}

TEST(clsTKnownCode, WholeSpaceOfThirteenMatchesStartsFromThePerfectCodes)
{
    std::vector<std::int32_t> all(1594323);
    for (std::int32_t i = 0; i < 1594323; ++i) {
        all[i] = i;
    }
    MarkArray marks{};
    for (int m = 0; m < 13; ++m) {
        marks[0][m] = marks[1][m] = marks[2][m] = 1;
    }
    for (const int grade : {2, 3}) {
        RecordingHost host;
        clsTMsgLog log;
        clsTRandom random(1);
        clsTMsEngine4 engine(host, host, random);
        engine.Initialize(log);
        // The clock runs 100 ms per event, so a step below the code gives up after a second.
        host.OnDoEvents = [&](std::int64_t) { host.AdvanceMs(100); };
        EngineSettingsRecord s;
        s.MsEngine = grade == 2 ? 6 : 7;
        s.BeginCount = 9999;
        s.EndCount = 1;
        s.EndTime = 1;
        ASSERT_TRUE(engine.EngineStart(all, grade, s, marks));
        const auto got = engine.SingleData();
        if (grade == 2) {
            EXPECT_EQ(got.size(), 59049u);
            // Perfect: nothing smaller can exist, so no step below it is tried.
            EXPECT_NE(log.Text().find("59049を検索中...確定"), std::string::npos) << log.Text();
            EXPECT_EQ(log.Text().find("59048"), std::string::npos) << log.Text();
        } else {
            EXPECT_LE(got.size(), 6561u);
        }
        EXPECT_EQ(UncoveredOfWholeSpace(got, grade - 1), 0);
    }
}

TEST(clsTKnownCode, MostOfASpaceStartsFromTheRestrictedCode)
{
    // Five triples less a tenth of their singles: the code of 27 less the removed singles,
    // completed and without its redundant tickets, is the start.
    const std::array<int, 13> width{3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1};
    const auto set = RandomSubset(width, 0.9, 5);
    MarkArray marks{};
    for (int m = 0; m < 13; ++m) {
        for (int c = 0; c < width[m]; ++c) {
            marks[c][m] = 1;
        }
    }
    RecordingHost host;
    clsTMsgLog log;
    clsTRandom random(2);
    clsTMsEngine4 engine(host, host, random);
    engine.Initialize(log);
    host.OnDoEvents = [&](std::int64_t) { host.AdvanceMs(100); };
    EngineSettingsRecord s;
    s.BeginCount = 9999;
    s.EndCount = 1;
    s.EndTime = 1;
    ASSERT_TRUE(engine.EngineStart(set, 2, s, marks));
    ASSERT_FALSE(log.Lines().empty());
    // No step at the huge BeginCount: the completed code is confirmed first.
    const auto& first = log.Lines().front();
    EXPECT_TRUE(first.ends_with("確定")) << log.Text();
    EXPECT_LE(std::stoi(first.substr(first.find(' ') + 1)), 27 + 24) << log.Text();
    const auto got = engine.SingleData();
    ASSERT_FALSE(got.empty());
    EXPECT_LE(got.size(), 27u);
    EXPECT_EQ(UncoveredCount(set, got, 1), 0);
    const std::set<std::int32_t> members(set.begin(), set.end());
    for (const auto x : got) {
        EXPECT_EQ(members.count(x), 1u);
    }
}
