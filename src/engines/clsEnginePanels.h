#pragma once
// The compression tabs without their widgets: the engine option group, the six number boxes,
// the three check boxes and the extraction type, with the one gather/apply pair to the engine
// settings and the rules for which option panel shows and which controls are enabled. The
// document owns one; the compression views draw it and change it through the document.

#include "base/clsIClipboard.h"
#include "base/clsIMessage.h"
#include "conditions/clsTXSakugen.h"
#include "engines/EngineSettingsRecord.h"

#include <cstdint>
#include <string_view>

class clsEnginePanels
{
public:
    // The option panel an engine shows below the option group.
    enum class OptionPanel
    {
        Fast,  // nothing to set
        Trial, // 口から検索, 口で検索終了, 秒経過後終了(１口), the two extensions
        Optimisation, // 口を最適化, 秒経過後終了
        Budget        // 口（円）の予算, 2等/3等, 秒経過後終了
    };

    static constexpr std::int32_t kEngines = 9;
    static constexpr std::int32_t kChushutsuTypes = 5;
    static constexpr std::string_view kGuaranteeWarning =
        "抽出圧縮をすると２等保証や３等保証などの保証は破棄されます";
    static constexpr std::string_view kProbabilityNote =
        "最終的な確率については、右上の確率を参考にして下さい";

    clsEnginePanels(clsIMessage& objMessage, clsIClipboard& objClipboard);

    // The option group's caption for each engine; empty outside 0..8.
    static std::string_view EngineCaption(std::int32_t lngMsEngine);
    static std::string_view ChushutsuCaption(std::int32_t lngType);
    static OptionPanel PanelFor(std::int32_t lngMsEngine);
    // "購入対象を２等まで拡大": the searches that may leave the set (trial, minimum count).
    static bool ExGrade2Enabled(std::int32_t lngMsEngine);
    // "購入対象を３等まで拡大": only their grade-3 kinds.
    static bool ExGrade3Enabled(std::int32_t lngMsEngine);
    // Type 4 draws by the player's own probabilities, so it needs them.
    static bool ChushutsuTypeEnabled(std::int32_t lngType, bool blnHasProbability);

    OptionPanel Panel() const { return PanelFor(m_msEngine); }

    // A value outside the group (a damaged file) is kept so that it is saved back as read;
    // no option then shows as chosen and the run reports it.
    std::int32_t MsEngine() const { return m_msEngine; }
    void SetMsEngine(std::int32_t lngValue) { m_msEngine = lngValue; }
    bool ExGrade2() const { return m_exGrade2; }
    void SetExGrade2(bool blnValue) { m_exGrade2 = blnValue; }
    bool ExGrade3() const { return m_exGrade3; }
    void SetExGrade3(bool blnValue) { m_exGrade3 = blnValue; }
    // The budget engine's grade, 2 or 3 (a damaged file's other value is kept as read).
    std::int32_t SeGrade() const { return m_seGrade; }
    void SetSeGrade(std::int32_t lngValue) { m_seGrade = lngValue; }
    bool ChushutsuFlag() const { return m_chushutsuFlag; }
    void SetChushutsuFlag(bool blnValue) { m_chushutsuFlag = blnValue; }
    std::int32_t ChushutsuType() const { return m_chushutsuType; }
    void SetChushutsuType(std::int32_t lngValue) { m_chushutsuType = lngValue; }
    // The six number boxes (their views drive the fields' models).
    clsTXSakugen& Sakugen() { return m_sakugen; }
    const clsTXSakugen& Sakugen() const { return m_sakugen; }

    // What the controls hold, as the settings a run and a data file take.
    EngineSettingsRecord Gather() const;
    // Shows a record; the boxes clamp what lies outside their ranges.
    void Apply(const EngineSettingsRecord& udtSettings);
    // The settings of a new work: engine 0, cleared boxes, nothing ticked, type 0.
    void Clear();

private:
    clsTXSakugen m_sakugen;
    std::int32_t m_msEngine = 0;
    bool m_exGrade2 = false;
    bool m_exGrade3 = false;
    bool m_chushutsuFlag = false;
    std::int32_t m_chushutsuType = 0;
    std::int32_t m_seGrade = 2;
};
