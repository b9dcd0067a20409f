#pragma once
// The six number boxes of the compression tabs (counts and time limits of the engines and of
// the extraction after compression) as clsMoneyText models with their ranges. The document's
// compression panels (clsEnginePanels) own one for the document's lifetime and gather its values
// into the engine settings after every edit.

#include "base/clsErrorReporter.h"
#include "lottery/clsMoneyText.h"

#include <array>
#include <cstdint>
#include <memory>

class clsTXSakugen
{
public:
    static constexpr std::int32_t kFields = 6;

    clsTXSakugen(clsIMessage& objMessage, clsIClipboard& objClipboard);

    // Binds field lngIndex with its range; its value becomes 1.
    void SetObject(std::int32_t lngIndex, std::int32_t lngMin, std::int32_t lngMax);
    // The model a view drives; null outside 0..5.
    clsMoneyText* Field(std::int32_t lngIndex);

    Currency BeginCount() const { return Get(0, "BeginCount"); }
    void SetBeginCount(Currency cur) { Set(0, cur, "BeginCount"); }
    Currency EndCount() const { return Get(1, "EndCount"); }
    void SetEndCount(Currency cur) { Set(1, cur, "EndCount"); }
    Currency EndTime() const { return Get(2, "EndTime"); }
    void SetEndTime(Currency cur) { Set(2, cur, "EndTime"); }
    Currency Extraction() const { return Get(3, "Extraction"); }
    void SetExtraction(Currency cur) { Set(3, cur, "Extraction"); }
    Currency SeBeginCount() const { return Get(4, "SeBeginCount"); }
    void SetSeBeginCount(Currency cur) { Set(4, cur, "SeBeginCount"); }
    Currency SeEndTime() const { return Get(5, "SeEndTime"); }
    void SetSeEndTime(Currency cur) { Set(5, cur, "SeEndTime"); }

    void Clear();

    // The ranges the boxes are bound with (the compression panels, their view), by index.
    static constexpr std::array<std::int32_t, kFields> kMin{1, 1, 0, 1, 1, 0};
    static constexpr std::array<std::int32_t, kFields> kMax{9999, 9999, 9999, 9999, 9999, 9999};
    static constexpr std::array<std::int32_t, kFields> kCleared{100, 1, 0, 10, 10, 0};

private:
    Currency Get(std::int32_t lngIndex, const char* strOperation) const;
    void Set(std::int32_t lngIndex, Currency cur, const char* strOperation);

    clsErrorReporter m_err;
    std::array<std::unique_ptr<clsMoneyText>, kFields> m_fields;
    std::array<bool, kFields> m_bound{};
};
