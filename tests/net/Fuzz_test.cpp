// Bounded randomised fuzzing of the page path: mutated fixture pages go through decoding, the
// tokenizer, the text list and the three readers, and through the real download path into the
// store. Nothing may crash or throw, and nothing may be written outside SysData.

#include "base/basText.h"
#include "net/FixtureSite.h"
#include "net/basEncode.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlResult.h"
#include "net/clsHtmlSchedule.h"
#include "net/clsHtmlVote.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

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
        ASSERT_NO_THROW(schedule.ReadList(list, kumi));
        ASSERT_NO_THROW(vote.ReadList(list, kumi, final));
        ASSERT_NO_THROW(result.ReadList(list, kumi));
        host.Messages.clear();
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
        bool ok = false;
        ASSERT_NO_THROW(ok = kind == "schedule" ? main.GetSchedule(false)
                             : kind == "vote"   ? main.GetVote(false)
                                                : main.GetResult(false));
        stored += ok ? 1 : 0;
    }
    EXPECT_GT(stored, 0);
    const auto sysData = site.Home.Path() / "SysData";
    for (const auto& e : std::filesystem::recursive_directory_iterator(site.Home.Path())) {
        const auto rel = std::filesystem::relative(e.path(), sysData);
        ASSERT_FALSE(rel.empty() || *rel.begin() == "..") << e.path();
        if (e.is_regular_file() && rel.has_parent_path()) {
            const std::string folder = rel.begin()->string();
            EXPECT_TRUE(folder == "toto_Schedule" || folder == "toto_Vote" ||
                        folder == "toto_Result")
                << e.path();
        }
    }
}
