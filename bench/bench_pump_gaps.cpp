// Not a benchmark: run by hand. Runs the document's search over the full multi (every outcome
// of the 13 matches marked) with engines 1, 2 and 3 under a host with a real clock, and prints
// the longest gap between two event-processing calls and the log line being written then: a
// window that pumps at those calls stays responsive only if no gap is long.
#include "app/clsDocument.h"
#include "lottery/clsTNumber.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {
class GapHost final : public clsIMessage,
                      public clsIAsk,
                      public clsIPump,
                      public clsIBusy,
                      public clsIWait,
                      public clsIClipboard,
                      public clsIOpener
{
public:
    clsHost Host() { return clsHost{*this, *this, *this, *this, *this, *this, *this}; }
    void ShowMessage(MsgIcon, std::string_view strText, std::string_view strCaption) override
    {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(strCaption.size()), strCaption.data(),
                     static_cast<int>(strText.size()), strText.data());
    }
    bool YesNo(std::string_view, std::string_view, bool blnDefault) override { return blnDefault; }
    AskAnswer YesNoCancel(std::string_view, std::string_view, std::string_view, std::string_view,
                          std::string_view, AskAnswer ansDefault) override
    {
        return ansDefault;
    }
    void DoEvents() override
    {
        const std::int64_t now = NowUs();
        if (m_last != 0 && now - m_last > MaxGapUs) {
            MaxGapUs = now - m_last;
            MaxGapAt = Log != nullptr && !Log->Lines().empty() ? Log->Lines().back() : "";
            if (MaxGapAt.empty() && Log != nullptr && Log->Lines().size() > 1) {
                MaxGapAt = Log->Lines()[Log->Lines().size() - 2];
            }
        }
        ++Calls;
        m_last = now;
    }
    std::int64_t TickMs() const override { return NowUs() / 1000; }
    void SleepMs(std::int32_t lngMs) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(lngMs));
    }
    void WaitForEvents(std::int32_t lngMs) override
    {
        SleepMs(lngMs);
        DoEvents();
    }
    void BeginBusy() override {}
    void EndBusy() override {}
    void WaitShow(std::string_view, std::int32_t) override {}
    void WaitMessage(std::string_view) override {}
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
    std::string GetText() override { return {}; }
    void SetText(std::string_view) override {}
    bool Open(std::string_view, std::string_view) override { return false; }

    void Reset()
    {
        m_last = NowUs(); // the gap from the start of the run to the first call counts too
        MaxGapUs = 0;
        MaxGapAt.clear();
        Calls = 0;
    }
    std::int64_t Finish() const { return NowUs() - m_last; }
    static std::int64_t NowUs()
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    const clsTMsgLog* Log = nullptr;
    std::int64_t MaxGapUs = 0;
    std::string MaxGapAt;
    std::int64_t Calls = 0;

private:
    std::int64_t m_last = 0;
};
} // namespace

int main()
{
    GapHost gap;
    const clsHost host = gap.Host();
    TempDir dir;
    clsTMain main(host, basTotoSettings::Defaults(), dir.Str());
    main.Initialize();
    clsDocument doc(host, main, 1);
    gap.Log = &doc.Search().Log();
    MarkArray full{};
    for (auto& row : full) {
        row.fill(1);
    }
    for (const std::int32_t engine : {1, 2, 3}) {
        doc.Marks().SetMarks(full);
        doc.Conditions().EditEngineSettings([engine](clsEnginePanels& p) {
            p.SetMsEngine(engine);
            p.Sakugen().SetEndTime(Currency::FromInt(3)); // the trial search: 3 s a size
            p.Sakugen().SetBeginCount(Currency::FromInt(100));
        });
        gap.Reset();
        const std::int64_t start = GapHost::NowUs();
        doc.Search().Run();
        const std::int64_t tail = gap.Finish();
        const std::int64_t total = GapHost::NowUs() - start;
        std::printf("engine %d: run %.1f s, %lld pump calls, longest gap %.1f ms (at \"%s\"), "
                    "last call to end %.1f ms, %d singles\n",
                    engine, static_cast<double>(total) / 1e6, static_cast<long long>(gap.Calls),
                    static_cast<double>(gap.MaxGapUs) / 1e3, gap.MaxGapAt.c_str(),
                    static_cast<double>(tail) / 1e3, doc.Tickets().SingleCount());
    }
    // The value figures the single page and the run area ask for: the tables of the whole ticket
    // space, then the chance and worth of the last run's set and of every single.
    ProbabilityRecord prob;
    for (int m = 0; m < 13; ++m) {
        prob.Value[0][m] = 4500;
        prob.Value[1][m] = 2500;
        prob.Value[2][m] = 3000;
    }
    doc.Round().SetProbability(prob);
    const std::pair<const char*, bool> sets[] = {{"the last run's set", false},
                                                 {"all singles", true}};
    for (const auto& [name, all] : sets) {
        if (all) {
            std::vector<std::int32_t> every(clsTNumber::SingleCount);
            for (std::int32_t s = 0; s < clsTNumber::SingleCount; ++s) {
                every[static_cast<std::size_t>(s)] = s;
            }
            doc.Tickets().SetSingles(std::move(every));
        }
        gap.Reset();
        const std::int64_t start = GapHost::NowUs();
        clsTValue::SetValue sv;
        const bool ok = doc.Round().GetSetValue(sv);
        const std::int64_t tail = gap.Finish();
        std::printf("value of %s (%d singles, tables %s): %s in %.1f ms, %lld pump calls, longest "
                    "gap %.1f ms, last call to end %.1f ms\n",
                    name, doc.Tickets().SingleCount(), all ? "kept" : "built",
                    ok ? "done" : "FAILED", static_cast<double>(GapHost::NowUs() - start) / 1e3,
                    static_cast<long long>(gap.Calls), static_cast<double>(gap.MaxGapUs) / 1e3,
                    static_cast<double>(tail) / 1e3);
    }
    // The sorts of the single page over every single, with a vote status for those that need one.
    VoteRecord vote;
    vote.Kaisaikai = 1200;
    for (std::size_t m = 0; m < vote.Match.size(); ++m) {
        vote.Match[m].Votes = {Currency::FromInt(400000 + 1000 * static_cast<std::int64_t>(m)),
                               Currency::FromInt(300000), Currency::FromInt(250000)};
    }
    doc.Round().SetVote(vote);
    for (int k = 0; k <= static_cast<int>(clsTicketsFacet::SortKind::P); ++k) {
        const auto kind = static_cast<clsTicketsFacet::SortKind>(k);
        gap.Reset();
        const std::int64_t start = GapHost::NowUs();
        const bool ok = doc.Tickets().SortSingles(kind);
        const std::int64_t tail = gap.Finish();
        std::printf("sort %d of %d singles: %s in %.1f ms, %lld pump calls, longest gap %.1f ms, "
                    "last call to end %.1f ms\n",
                    k, doc.Tickets().SingleCount(), ok ? "done" : "FAILED",
                    static_cast<double>(GapHost::NowUs() - start) / 1e3,
                    static_cast<long long>(gap.Calls), static_cast<double>(gap.MaxGapUs) / 1e3,
                    static_cast<double>(tail) / 1e3);
    }
    return 0;
}
