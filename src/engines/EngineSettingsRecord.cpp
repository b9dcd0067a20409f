#include "engines/EngineSettingsRecord.h"

#include "conditions/clsTXSakugen.h"

#include <algorithm>

namespace {
// The box ranges live with the boxes; the indices are the boxes' order there.
enum Box
{
    kBeginCount = 0,
    kEndCount = 1,
    kEndTime = 2,
    kExtraction = 3,
    kSeBeginCount = 4,
    kSeEndTime = 5
};

std::int32_t ToBox(std::int32_t lngValue, Box box)
{
    return std::clamp(lngValue, clsTXSakugen::kMin[box], clsTXSakugen::kMax[box]);
}
} // namespace

EngineSettingsRecord ClampedToBoxes(const EngineSettingsRecord& udtSettings)
{
    EngineSettingsRecord s = udtSettings;
    s.BeginCount = ToBox(s.BeginCount, kBeginCount);
    s.EndCount = ToBox(s.EndCount, kEndCount);
    s.EndTime = ToBox(s.EndTime, kEndTime);
    s.ChushutsuCount = ToBox(s.ChushutsuCount, kExtraction);
    s.SeBeginCount = ToBox(s.SeBeginCount, kSeBeginCount);
    s.SeEndTime = ToBox(s.SeEndTime, kSeEndTime);
    return s;
}

bool IsMinimumCountEngine(std::int32_t lngMsEngine)
{
    return lngMsEngine == 6 || lngMsEngine == 7;
}

std::int32_t MinimumCountSeconds(const EngineSettingsRecord& udtSettings)
{
    return udtSettings.EndTime > 0 ? udtSettings.EndTime : kMinimumCountSeconds;
}

std::int32_t BudgetSeconds(const EngineSettingsRecord& udtSettings)
{
    return udtSettings.SeEndTime > 0 ? udtSettings.SeEndTime : kBudgetSeconds;
}
