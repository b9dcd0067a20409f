#include "conditions/clsXJoken.h"

clsXJoken::clsXJoken(clsIMessage& objMessage, clsIClipboard& objClipboard)
    : m_err(objMessage, "clsXJoken")
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_min[i] = std::make_unique<clsMoneyText>(objMessage, objClipboard);
        m_max[i] = std::make_unique<clsMoneyText>(objMessage, objClipboard);
    }
}

bool clsXJoken::ValidIndex(std::int32_t lngIndex, const char* strOperation) const
{
    if (lngIndex < 0 || lngIndex > 2) {
        m_err.Report(strOperation, "番号が範囲外です: " + std::to_string(lngIndex));
        return false;
    }
    return true;
}

void clsXJoken::SetMoneyObject(std::int32_t lngIndex)
{
    if (!ValidIndex(lngIndex - 1, "SetMoneyObject")) {
        return;
    }
    const auto i = static_cast<std::size_t>(lngIndex - 1);
    for (clsMoneyText* f : {m_min[i].get(), m_max[i].get()}) {
        f->Initialize();
        f->SetMin(Currency());
        f->SetMax(kHaitouNoLimit);
    }
    m_min[i]->SetValue(Currency());
    m_max[i]->SetValue(kHaitouNoLimit);
}

clsMoneyText* clsXJoken::MinBox(std::int32_t lngIndex)
{
    return lngIndex >= 0 && lngIndex <= 2 ? m_min[static_cast<std::size_t>(lngIndex)].get()
                                          : nullptr;
}

clsMoneyText* clsXJoken::MaxBox(std::int32_t lngIndex)
{
    return lngIndex >= 0 && lngIndex <= 2 ? m_max[static_cast<std::size_t>(lngIndex)].get()
                                          : nullptr;
}

Currency clsXJoken::Amount(const Boxes& boxes, std::int32_t lngIndex,
                           const char* strOperation) const
{
    return ValidIndex(lngIndex, strOperation) ? boxes[static_cast<std::size_t>(lngIndex)]->Value()
                                              : Currency();
}

void clsXJoken::SetAmount(Boxes& boxes, std::int32_t lngIndex, Currency cur,
                          const char* strOperation)
{
    if (ValidIndex(lngIndex, strOperation)) {
        boxes[static_cast<std::size_t>(lngIndex)]->SetValue(cur);
        NotifyChanged();
    }
}

Currency clsXJoken::MinMoney(std::int32_t lngIndex) const
{
    return Amount(m_min, lngIndex, "MinMoney");
}

void clsXJoken::SetMinMoney(std::int32_t lngIndex, Currency cur)
{
    SetAmount(m_min, lngIndex, cur, "MinMoney");
}

Currency clsXJoken::MaxMoney(std::int32_t lngIndex) const
{
    return Amount(m_max, lngIndex, "MaxMoney");
}

void clsXJoken::SetMaxMoney(std::int32_t lngIndex, Currency cur)
{
    SetAmount(m_max, lngIndex, cur, "MaxMoney");
}

bool clsXJoken::IsReversed(std::int32_t lngIndex) const
{
    if (lngIndex < 0 || lngIndex > 2) {
        return false;
    }
    return m_max[static_cast<std::size_t>(lngIndex)]->Value() <
           m_min[static_cast<std::size_t>(lngIndex)]->Value();
}

void clsXJoken::ApplyAmountMenu(std::int32_t lngIndex, bool blnMax, std::int32_t lngResult,
                                Currency curAmount)
{
    if (!ValidIndex(lngIndex, "ApplyAmountMenu")) {
        return;
    }
    clsMoneyText& box = blnMax ? *m_max[static_cast<std::size_t>(lngIndex)]
                               : *m_min[static_cast<std::size_t>(lngIndex)];
    switch (lngResult) {
    case 1:
        box.SetValue(Currency());
        break;
    case 2:
        box.SetValue(kHaitouNoLimit);
        break;
    case 3:
        box.SetValue(curAmount);
        break;
    default:
        return;
    }
    NotifyChanged();
}

bool clsXJoken::Flag(std::int32_t lngIndex) const
{
    return lngIndex >= 0 && lngIndex <= 2 && m_flag[static_cast<std::size_t>(lngIndex)];
}

void clsXJoken::SetFlag(std::int32_t lngIndex, bool blnValue)
{
    if (ValidIndex(lngIndex, "Flag") && m_enabled[static_cast<std::size_t>(lngIndex)]) {
        m_flag[static_cast<std::size_t>(lngIndex)] = blnValue;
        NotifyChanged();
    }
}

bool clsXJoken::Enabled(std::int32_t lngIndex) const
{
    return lngIndex >= 0 && lngIndex <= 2 && m_enabled[static_cast<std::size_t>(lngIndex)];
}

void clsXJoken::SetEnabled(std::int32_t lngIndex, bool blnValue)
{
    if (ValidIndex(lngIndex, "Enabled")) {
        m_enabled[static_cast<std::size_t>(lngIndex)] = blnValue;
        NotifyChanged();
    }
}

void clsXJoken::SetMachigaiFlg(const std::array<bool, 12>& BList)
{
    m_machigai = BList;
    NotifyChanged();
}

std::string clsXJoken::MachigaiRowTitle(std::int32_t lngRow)
{
    if (lngRow >= 0 && lngRow <= 10) {
        return std::to_string(lngRow);
    }
    return lngRow == 11 ? "→" : std::string();
}

void clsXJoken::ToggleMachigai(std::int32_t lngRow)
{
    if (lngRow >= 0 && lngRow < 12) {
        m_machigai[static_cast<std::size_t>(lngRow)] =
            !m_machigai[static_cast<std::size_t>(lngRow)];
        NotifyChanged();
    }
}

void clsXJoken::SetAllMachigai(bool blnValue)
{
    m_machigai.fill(blnValue);
    NotifyChanged();
}

void clsXJoken::GetHaitou(HaitouLimits& haitou) const
{
    for (std::size_t i = 0; i < 3; ++i) {
        haitou.Enabled[i] = m_enabled[i];
        haitou.Flag[i] = m_flag[i];
        haitou.Min[i] = m_min[i]->Value();
        haitou.Max[i] = m_max[i]->Value();
    }
}

void clsXJoken::SetHaitou(const HaitouLimits& haitou)
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_enabled[i] = haitou.Enabled[i];
        m_flag[i] = haitou.Flag[i];
        m_min[i]->SetValue(haitou.Min[i]);
        m_max[i]->SetValue(haitou.Max[i]);
    }
    NotifyChanged();
}

void clsXJoken::Clear()
{
    for (std::size_t i = 0; i < 3; ++i) {
        m_flag[i] = false;
        m_min[i]->SetValue(Currency());
        m_max[i]->SetValue(kHaitouNoLimit);
    }
    m_machigai = {};
    m_machigai[0] = true;
    NotifyChanged();
}

void clsXJoken::NotifyChanged() const
{
    if (Changed) {
        Changed();
    }
}
