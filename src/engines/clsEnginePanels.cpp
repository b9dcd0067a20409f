#include "engines/clsEnginePanels.h"

#include "engines/clsTMsEngine.h"

#include <array>

namespace {
constexpr std::array<std::string_view, clsEnginePanels::kEngines> kEngineCaption{
    "１等保証（削減圧縮をしない）", "２等保証　高速検索エンジン", "２等保証　試行検索エンジン",
    "３等保証　高速検索エンジン",   "３等保証　試行検索エンジン", "保証無し　口数最適化エンジン",
    "２等保証　最小口数エンジン",   "３等保証　最小口数エンジン", "予算　的中確率最大エンジン"};
constexpr std::array<std::string_view, clsEnginePanels::kChushutsuTypes> kChushutsuCaption{
    "ランダムで抽出", "高額配当から抽出", "中間配当から抽出", "低額配当から抽出", "確率で抽出"};

bool InGroup(std::int32_t lngMsEngine)
{
    return lngMsEngine >= 0 && lngMsEngine < clsEnginePanels::kEngines;
}

std::int32_t WholeNumber(Currency cur)
{
    return static_cast<std::int32_t>(cur.Truncate());
}
} // namespace

clsEnginePanels::clsEnginePanels(clsIMessage& objMessage, clsIClipboard& objClipboard)
    : m_sakugen(objMessage, objClipboard)
{
    for (std::int32_t i = 0; i < clsTXSakugen::kFields; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_sakugen.SetObject(i, clsTXSakugen::kMin[k], clsTXSakugen::kMax[k]);
    }
    Clear();
}

std::string_view clsEnginePanels::EngineCaption(std::int32_t lngMsEngine)
{
    return InGroup(lngMsEngine) ? kEngineCaption[static_cast<std::size_t>(lngMsEngine)]
                                : std::string_view{};
}

std::string_view clsEnginePanels::ChushutsuCaption(std::int32_t lngType)
{
    return lngType >= 0 && lngType < kChushutsuTypes
               ? kChushutsuCaption[static_cast<std::size_t>(lngType)]
               : std::string_view{};
}

clsEnginePanels::OptionPanel clsEnginePanels::PanelFor(std::int32_t lngMsEngine)
{
    switch (lngMsEngine) {
    case 2:
    case 4:
    case 6:
    case 7:
        return OptionPanel::Trial;
    case 5:
        return OptionPanel::Optimisation;
    case kBudgetEngine:
        return OptionPanel::Budget;
    default:
        return OptionPanel::Fast;
    }
}

bool clsEnginePanels::ExGrade2Enabled(std::int32_t lngMsEngine)
{
    return PanelFor(lngMsEngine) == OptionPanel::Trial;
}

bool clsEnginePanels::ExGrade3Enabled(std::int32_t lngMsEngine)
{
    return lngMsEngine == 4 || lngMsEngine == 7;
}

bool clsEnginePanels::ChushutsuTypeEnabled(std::int32_t lngType, bool blnHasProbability)
{
    if (lngType == clsTMsEngine::kChushutsuByProbability) {
        return blnHasProbability;
    }
    return lngType >= 0 && lngType < kChushutsuTypes;
}

EngineSettingsRecord clsEnginePanels::Gather() const
{
    EngineSettingsRecord s;
    s.MsEngine = m_msEngine;
    s.BeginCount = WholeNumber(m_sakugen.BeginCount());
    s.EndCount = WholeNumber(m_sakugen.EndCount());
    s.EndTime = WholeNumber(m_sakugen.EndTime());
    s.ExGrade2 = m_exGrade2;
    s.ExGrade3 = m_exGrade3;
    s.SeBeginCount = WholeNumber(m_sakugen.SeBeginCount());
    s.SeEndTime = WholeNumber(m_sakugen.SeEndTime());
    s.SeGrade = m_seGrade;
    s.ChushutsuFlag = m_chushutsuFlag;
    s.ChushutsuCount = WholeNumber(m_sakugen.Extraction());
    s.ChushutsuType = m_chushutsuType;
    return s;
}

void clsEnginePanels::Apply(const EngineSettingsRecord& udtSettings)
{
    m_msEngine = udtSettings.MsEngine;
    m_sakugen.SetBeginCount(Currency::FromInt(udtSettings.BeginCount));
    m_sakugen.SetEndCount(Currency::FromInt(udtSettings.EndCount));
    m_sakugen.SetEndTime(Currency::FromInt(udtSettings.EndTime));
    m_exGrade2 = udtSettings.ExGrade2;
    m_exGrade3 = udtSettings.ExGrade3;
    m_sakugen.SetSeBeginCount(Currency::FromInt(udtSettings.SeBeginCount));
    m_sakugen.SetSeEndTime(Currency::FromInt(udtSettings.SeEndTime));
    m_seGrade = udtSettings.SeGrade;
    m_chushutsuFlag = udtSettings.ChushutsuFlag;
    m_sakugen.SetExtraction(Currency::FromInt(udtSettings.ChushutsuCount));
    m_chushutsuType = udtSettings.ChushutsuType;
}

void clsEnginePanels::Clear()
{
    m_msEngine = 0;
    m_sakugen.Clear();
    m_exGrade2 = false;
    m_exGrade3 = false;
    m_chushutsuFlag = false;
    m_chushutsuType = 0;
    m_seGrade = 2;
}
