#include "conditions/clsTXSakugen.h"

clsTXSakugen::clsTXSakugen(clsIMessage& objMessage, clsIClipboard& objClipboard)
    : m_err(objMessage, "clsTXSakugen")
{
    for (auto& f : m_fields) {
        f = std::make_unique<clsMoneyText>(objMessage, objClipboard);
    }
}

void clsTXSakugen::SetObject(std::int32_t lngIndex, std::int32_t lngMin, std::int32_t lngMax)
{
    if (lngIndex < 0 || lngIndex >= kFields) {
        m_err.Report("SetObject", "番号が範囲外です: " + std::to_string(lngIndex));
        return;
    }
    clsMoneyText& f = *m_fields[static_cast<std::size_t>(lngIndex)];
    f.Initialize();
    f.SetMin(Currency::FromInt(lngMin));
    f.SetMax(Currency::FromInt(lngMax));
    f.SetValue(Currency::FromInt(1));
    m_bound[static_cast<std::size_t>(lngIndex)] = true;
}

clsMoneyText* clsTXSakugen::Field(std::int32_t lngIndex)
{
    if (lngIndex < 0 || lngIndex >= kFields) {
        return nullptr;
    }
    return m_fields[static_cast<std::size_t>(lngIndex)].get();
}

Currency clsTXSakugen::Get(std::int32_t lngIndex, const char* strOperation) const
{
    if (!m_bound[static_cast<std::size_t>(lngIndex)]) {
        m_err.InitializeErr(strOperation);
        return Currency();
    }
    return m_fields[static_cast<std::size_t>(lngIndex)]->Value();
}

void clsTXSakugen::Set(std::int32_t lngIndex, Currency cur, const char* strOperation)
{
    if (!m_bound[static_cast<std::size_t>(lngIndex)]) {
        m_err.InitializeErr(strOperation);
        return;
    }
    m_fields[static_cast<std::size_t>(lngIndex)]->SetValue(cur);
}

void clsTXSakugen::Clear()
{
    SetBeginCount(Currency::FromInt(kCleared[0]));
    SetEndCount(Currency::FromInt(kCleared[1]));
    SetEndTime(Currency::FromInt(kCleared[2]));
    SetExtraction(Currency::FromInt(kCleared[3]));
    SetSeBeginCount(Currency::FromInt(kCleared[4]));
    SetSeEndTime(Currency::FromInt(kCleared[5]));
}
