#pragma once
// The payout limits per grade and the allowed condition-error counts, without their widgets:
// three check boxes, six yen boxes (clsMoneyText) and the error-count list. The document's
// condition panels (clsJoukenPanels) own one for the document's lifetime and gather it into the
// ConditionSetRecord after every edit.

#include "base/clsErrorReporter.h"
#include "conditions/ConditionSetRecord.h"
#include "lottery/clsMoneyText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class clsXJoken
{
public:
    clsXJoken(clsIMessage& objMessage, clsIClipboard& objClipboard);

    // Binds grade lngIndex (1..3): both boxes take 0 .. 9,999,999,999, minimum 0, maximum
    // 9,999,999,999 (no upper limit).
    void SetMoneyObject(std::int32_t lngIndex);
    // The boxes a view drives, by grade index 0..2; null outside.
    clsMoneyText* MinBox(std::int32_t lngIndex);
    clsMoneyText* MaxBox(std::int32_t lngIndex);

    Currency MinMoney(std::int32_t lngIndex) const;
    void SetMinMoney(std::int32_t lngIndex, Currency cur);
    Currency MaxMoney(std::int32_t lngIndex) const;
    void SetMaxMoney(std::int32_t lngIndex, Currency cur);
    // Both boxes of a grade are drawn red while the maximum is below the minimum.
    bool IsReversed(std::int32_t lngIndex) const;

    // The amount menu of a box: 1 sets the lowest value, 2 the highest (no limit), 3 the amount
    // picked from a range; any other result changes nothing.
    void ApplyAmountMenu(std::int32_t lngIndex, bool blnMax, std::int32_t lngResult,
                         Currency curAmount);

    bool Flag(std::int32_t lngIndex) const;
    void SetFlag(std::int32_t lngIndex, bool blnValue);
    // A grade whose box is disabled (a loaded conditions file said so) is never applied.
    bool Enabled(std::int32_t lngIndex) const;
    void SetEnabled(std::int32_t lngIndex, bool blnValue);

    void GetMachigaiFlg(std::array<bool, 12>& BList) const { BList = m_machigai; }
    void SetMachigaiFlg(const std::array<bool, 12>& BList);
    // Rows "0".."10" and "→" (eleven or more).
    static std::string MachigaiRowTitle(std::int32_t lngRow);
    void ToggleMachigai(std::int32_t lngRow);
    void SetAllMachigai(bool blnValue);

    void GetHaitou(HaitouLimits& haitou) const;
    void SetHaitou(const HaitouLimits& haitou);

    // Boxes unticked, minimums 0, maximums 9,999,999,999, only count 0 allowed.
    void Clear();

    // Raised after any change: the view redraws.
    std::function<void()> Changed;

private:
    bool ValidIndex(std::int32_t lngIndex, const char* strOperation) const;
    using Boxes = std::array<std::unique_ptr<clsMoneyText>, 3>;
    // The amount of grade lngIndex's box in boxes; 0 (reported) for a bad index.
    Currency Amount(const Boxes& boxes, std::int32_t lngIndex, const char* strOperation) const;
    void SetAmount(Boxes& boxes, std::int32_t lngIndex, Currency cur, const char* strOperation);
    void NotifyChanged() const;

    clsErrorReporter m_err;
    Boxes m_min;
    Boxes m_max;
    std::array<bool, 3> m_flag{};
    std::array<bool, 3> m_enabled{true, true, true};
    std::array<bool, 12> m_machigai{true};
};
