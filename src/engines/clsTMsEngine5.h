#pragma once
// The budget engine: SeBeginCount tickets of the set, the ones that give the best chance of
// winning SeGrade or better under the player's own probabilities (matches independent), or,
// without them, that win it on the most singles of the set. The engine frame creates one for a
// run and drops it once the result is read.

#include "engines/clsTMsBudget.h"
#include "engines/clsTMsSearchEngine.h"
#include "lottery/ProbabilityRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class clsTMsEngine5 final : public clsTMsSearchEngine
{
public:
    // What a run reached, for the run area.
    struct Reach
    {
        std::int32_t Grade = 2;
        std::int32_t Tickets = 0;
        // Under own probabilities: the chance of the grade or better; else the singles of the
        // set within reach of a ticket, of Targets.
        bool Weighted = false;
        double Chance = 0.0;
        std::int64_t Covered = 0;
        std::int64_t Targets = 0;
    };

    // prob: the player's own probabilities, none for equal weights.
    clsTMsEngine5(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom,
                  std::optional<ProbabilityRecord> prob);

    using clsTMsSearchEngine::EngineStart;
    // The grade is the settings' SeGrade.
    bool EngineStart(std::span<const std::int32_t> lngSingle,
                     const EngineSettingsRecord& udtSettings)
    {
        return EngineStart(lngSingle, udtSettings.SeGrade, udtSettings, MarkArray{});
    }
    std::int32_t SingleCount() const override { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const override { return m_best; }
    const std::optional<Reach>& LastReach() const { return m_reach; }
    std::int64_t MoveCount() const { return m_budget.Iterations(); }
    // "2等以上 12.3456%" or "2等以上 1,234/5,678シングル".
    static std::string ReachText(const Reach& udtReach);
    // "10口（1,000円）で2等以上 12.3456%": the run area's line.
    static std::string SummaryText(const Reach& udtReach);

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti) override;
    void ClearResult() override
    {
        m_best.clear();
        m_reach.reset();
    }
    void Setup(const std::vector<std::int32_t>& lngCandidate, std::int32_t lngGrade);
    void Confirm(std::int32_t lngGrade);
    void ShowTime();
    void SayBest();

    clsTMsBudget m_budget;
    std::optional<ProbabilityRecord> m_probability;
    std::vector<std::int32_t> m_best;
    std::optional<Reach> m_reach;
    std::int32_t m_grade = 2;
    std::int32_t m_seconds = 0;
    std::int64_t m_deadline = 0;
    std::int32_t m_barMax = -1;
};
