// Bounded randomised fuzzing of the page path: mutated fixture pages go through decoding, the
// tokenizer, the text list and the three readers, and through the real download path into the
// store. A reader either gives a record of a numbered round or fails keeping nothing half-read;
// the store's validity rule is the gate, so every download either stores a round that passes it
// and reads back the same, or reports; nothing is written outside SysData.

#include "base/basText.h"
#include "net/FixtureSite.h"
#include "net/basEncode.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlResult.h"
#include "net/clsHtmlSchedule.h"
#include "net/clsHtmlVote.h"
#include "store/clsTMain.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {
const std::vector<std::string> kPieces = {"<",
                                          ">",
                                          "<br>",
                                          "<BR>",
                                          "</body>",
                                          "<body>",
                                          "<!--",
                                          "-->",
                                          "&amp;",
                                          "&lt;",
                                          "第",
                                          "回",
                                          "totoくじ情報",
                                          "totoくじ結果",
                                          "中止",
                                          "VS",
                                          "1",
                                          "13",
                                          "14",
                                          "0",
                                          "-",
                                          "(",
                                          ")",
                                          "時点)",
                                          "販売終了時点)",
                                          "販売開始日",
                                          "販売期間",
                                          "払戻期限",
                                          "返還日",
                                          "当せん金",
                                          "～",
                                          "01/16",
                                          "13:00",
                                          ":",
                                          "99999999999999999999",
                                          "\xFF",
                                          "\xE3\x80",
                                          "\0",
                                          "\t",
                                          "　",
                                          "日",
                                          "2021年1月16日"};

std::string Mutate(std::string s, std::mt19937& rng)
{
    const int steps = 1 + static_cast<int>(rng() % 6);
    for (int k = 0; k < steps; ++k) {
        const std::size_t n = s.size();
        const std::size_t at = n == 0 ? 0 : rng() % (n + 1);
        switch (rng() % 5) {
        case 0: // delete a span
            s.erase(at, 1 + rng() % 200);
            break;
        case 1: // duplicate a span elsewhere
            if (n > 0) {
                const std::size_t from = rng() % n;
                s.insert(at, s.substr(from, 1 + rng() % 300));
            }
            break;
        case 2: // insert a meaningful piece
            s.insert(at, kPieces[rng() % kPieces.size()]);
            break;
        case 3: // random bytes
            for (int b = 0, m = 1 + static_cast<int>(rng() % 8); b < m; ++b) {
                s.insert(s.begin() + static_cast<std::ptrdiff_t>(std::min(at, s.size())),
                         static_cast<char>(rng() & 0xFF));
            }
            break;
        default: // cut the page
            s.resize(at);
            break;
        }
    }
    return s;
}

std::vector<std::string> Pages()
{
    std::vector<std::string> pages;
    for (const auto& e : std::filesystem::directory_iterator(FixtureSite::DataDir() / "pages")) {
        pages.push_back(FixtureSite::ReadBytes(e.path()));
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}
} // namespace

TEST(Fuzz, TokenizerAndReadersSurviveMutatedPages)
{
    FixtureSite site;
    RecordingHost host;
    clsHtmlGet get(host, host, host);
    clsHtmlSchedule schedule(host, host, host, site.Settings, site.Home.Str());
    clsHtmlVote vote(host, host, host, site.Settings);
    clsHtmlResult result(host, host, host, site.Settings);
    const auto pages = Pages();
    std::mt19937 rng(20261209);
    std::vector<std::string> list;
    std::array<int, 3> accepted{};
    for (int iteration = 0; iteration < 3000; ++iteration) {
        const std::string page = Mutate(pages[rng() % pages.size()], rng);
        const std::string text = basEncode::Utf8Decode(page);
        ASSERT_TRUE(basText::IsValidUtf8(text));
        ASSERT_NO_THROW(get.SetHtml("http://127.0.0.1/", text));
        get.GetTextData(list);
        for (const auto& entry : list) {
            ASSERT_TRUE(basText::IsValidUtf8(entry)) << iteration;
            ASSERT_EQ(entry.find_first_of(" \t"), std::string::npos) << iteration;
        }
        bool final = false;
        const std::string kumi = iteration % 7 == 0 ? "A" : "";
        bool ok = false;
        ASSERT_NO_THROW(ok = schedule.ReadList(list, kumi));
        if (ok) {
            EXPECT_GT(schedule.Schedule().Kaisaikai, 0) << iteration;
            ++accepted[0];
        } else {
            EXPECT_EQ(schedule.Schedule(), ScheduleRecord{}) << iteration;
        }
        ASSERT_NO_THROW(ok = vote.ReadList(list, kumi, final));
        if (ok) {
            EXPECT_GT(vote.Vote().Kaisaikai, 0) << iteration;
            ++accepted[1];
        } else {
            EXPECT_EQ(vote.Vote(), VoteRecord{}) << iteration;
        }
        ASSERT_NO_THROW(ok = result.ReadList(list, kumi));
        if (ok) {
            EXPECT_GT(result.Result().Kaisaikai, 0) << iteration;
            ++accepted[2];
        } else {
            EXPECT_EQ(result.Result(), ResultRecord{}) << iteration;
        }
        for (const auto& m : host.Messages) {
            EXPECT_FALSE(m.Text.empty()) << iteration;
            EXPECT_TRUE(basText::IsValidUtf8(m.Text)) << iteration;
        }
        host.Messages.clear();
    }
    // Mutations that leave a page readable must occur, or the checks above proved nothing.
    for (const int n : accepted) {
        EXPECT_GT(n, 0);
    }
}

TEST(Fuzz, DownloadsOfMutatedPagesWriteOnlyIntoTheStore)
{
    FixtureSite site;
    RecordingHost host;
    clsTMain main(host.Host(), site.Settings, site.Home.Str());
    main.Initialize();
    std::mt19937 rng(777);
    const char* kinds[] = {"schedule", "vote", "result"};
    int stored = 0;
    for (int iteration = 0; iteration < 90; ++iteration) {
        const int round = 1234 + iteration % 7;
        const std::string kind = kinds[iteration % 3];
        const std::string name = kind + "_" + std::to_string(round);
        std::string page = FixtureSite::Page(kind + "_1234.html");
        page = basText::Replace(page, "第1234回", "第" + std::to_string(round) + "回");
        site.Serve(name, iteration % 10 == 0 ? page : Mutate(page, rng));
        main.SetKaisaikai(round);
        host.Messages.clear();
        bool ok = false;
        ASSERT_NO_THROW(ok = kind == "schedule" ? main.GetSchedule(false)
                             : kind == "vote"   ? main.GetVote(false)
                                                : main.GetResult(false));
        if (!ok) {
            EXPECT_FALSE(host.Messages.empty()) << iteration << " " << name;
            continue;
        }
        ++stored;
        // What was stored reads back from the file alone, and passes the same rule.
        clsTMain reader(host.Host(), site.Settings, site.Home.Str());
        reader.Initialize();
        reader.SetKaisaikai(round);
        if (kind == "schedule") {
            EXPECT_TRUE(main.Schedule().IsValid()) << iteration;
            EXPECT_EQ(reader.Schedule(), main.Schedule()) << iteration;
        } else if (kind == "vote") {
            EXPECT_TRUE(main.Vote().IsValid()) << iteration;
            EXPECT_EQ(reader.Vote(), main.Vote()) << iteration;
        } else {
            EXPECT_TRUE(main.Result().IsValid()) << iteration;
            EXPECT_EQ(reader.Result(), main.Result()) << iteration;
        }
    }
    EXPECT_GT(stored, 0);
    const auto sysData = site.Home.Path() / "SysData";
    int files = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(site.Home.Path())) {
        const auto rel = std::filesystem::relative(e.path(), sysData);
        ASSERT_FALSE(rel.empty() || *rel.begin() == "..") << e.path();
        if (e.is_regular_file() && rel.has_parent_path()) {
            const std::string folder = rel.begin()->string();
            EXPECT_TRUE(folder == "toto_Schedule" || folder == "toto_Vote" ||
                        folder == "toto_Result")
                << e.path();
            ++files;
            // Every stored round passes the rule its loader applies; none waits to be refused.
            if (folder == "toto_Schedule") {
                clsXmlSchedule xml(host, site.Home.Str());
                EXPECT_TRUE(xml.XmlLoad(e.path().string()) && xml.GetRecord().IsValid())
                    << e.path();
            } else if (folder == "toto_Vote") {
                clsXmlVote xml(host, site.Home.Str());
                EXPECT_TRUE(xml.XmlLoad(e.path().string()) && xml.GetRecord().IsValid())
                    << e.path();
            } else if (folder == "toto_Result") {
                clsXmlResult xml(host, site.Home.Str());
                EXPECT_TRUE(xml.XmlLoad(e.path().string()) && xml.GetRecord().IsValid())
                    << e.path();
            }
        }
    }
    EXPECT_GT(files, 0);
}
