#pragma once
// The program's one sort utility. A caller makes one for a sort (or keeps one) and drops it.
// Equal keys end in the order the partition scheme leaves them, and users see that order, so
// the index sorts follow their schemes exactly: LongIndexSort scheme H (Hoare-style, pivot by
// value), CurrencyIndexSort scheme L (pivot moved to the low end, one-sided scan).
// Sorted = true is ascending, false descending. An empty array is an error.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class clsQuickSort
{
public:
    explicit clsQuickSort(clsIMessage& message);

    // With a pump, the index sorts process events every few milliseconds of work, so that a
    // window stays responsive over a million tickets; the order they give is the same.
    void SetPump(clsIPump* pump) { m_pump = pump; }

    bool LongSort(std::span<std::int32_t> myArray, bool Sorted) const;
    // Binary (byte-wise) comparison of the texts.
    bool StringSort(std::span<std::string> myArray, bool Sorted) const;
    // lngIndex is prepared by the caller and must have as many entries as myArray.
    bool LongIndexSort(std::span<std::int32_t> myArray, std::span<std::int32_t> lngIndex,
                       bool Sorted) const;
    // lngIndex is replaced by 0, 1, 2, ... before the sort.
    bool CurrencyIndexSort(std::span<Currency> curArray, std::vector<std::int32_t>& lngIndex,
                           bool Sorted) const;
    // Equal keys keep their order (std::stable_sort's order); lngIndex is replaced by the
    // positions of the keys in that order. The keys stay as they are.
    bool StableIndexSort(std::span<const double> dblKey, std::vector<std::int32_t>& lngIndex,
                         bool Sorted) const;

private:
    clsErrorReporter m_err;
    clsIPump* m_pump = nullptr;
};
