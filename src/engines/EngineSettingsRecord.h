#pragma once
// The compression settings of one work: which engine runs and its counts and limits. A plain
// record copied whole between the compression panels, the document, the data file and the frame.

#include <cstdint>

struct EngineSettingsRecord
{
    // 0 none, 1 grade-2 fast, 2 grade-2 trial, 3 grade-3 fast, 4 grade-3 trial, 5 optimisation,
    // 6 grade-2 minimum count, 7 grade-3 minimum count, 8 budget.
    std::int32_t MsEngine = 0;
    std::int32_t BeginCount = 100;
    std::int32_t EndCount = 1;
    // Seconds per ticket count; 0 searches without a limit.
    std::int32_t EndTime = 0;
    bool ExGrade2 = false;
    bool ExGrade3 = false;
    std::int32_t SeBeginCount = 10;
    std::int32_t SeEndTime = 0;
    // The grade the budget engine aims at: 2 or 3 (another value is kept as read and refused
    // by the run).
    std::int32_t SeGrade = 2;
    bool ChushutsuFlag = false;
    std::int32_t ChushutsuCount = 10;
    // 0 random; 1 to 3 the highest, middle or lowest estimated 1st-grade payouts (random
    // without a vote status).
    std::int32_t ChushutsuType = 0;

    bool operator==(const EngineSettingsRecord&) const = default;
};

// The minimum-count engines (6 and 7) read EndTime as the limit of their whole run. Their 0 is
// what every work held before they had a limit (the box's cleared value, which also meant "no
// limit" and so a run that never ended): it gives them this default instead.
constexpr std::int32_t kMinimumCountSeconds = 30;
bool IsMinimumCountEngine(std::int32_t lngMsEngine);
// The seconds a minimum-count run may take.
std::int32_t MinimumCountSeconds(const EngineSettingsRecord& udtSettings);

// The budget engine (8) reads SeEndTime as the limit of its whole run, 0 as this default: a
// weighted search has no point at which it knows it is done, so "no limit" would never end.
constexpr std::int32_t kBudgetSeconds = 30;
constexpr std::int32_t kBudgetEngine = 8;
std::int32_t BudgetSeconds(const EngineSettingsRecord& udtSettings);

// The settings as the compression boxes would hold them: each count and time limit clamped to
// its box's range (counts 1..9,999, seconds 0..9,999), as the box clamps a typed value. A data
// file may say anything; an old file's -1 for "no limit" reads as 0, which means the same.
// The engine choice, the budget grade and the extraction type are option groups, not boxes,
// and stay as read.
EngineSettingsRecord ClampedToBoxes(const EngineSettingsRecord& udtSettings);
