#pragma once
// Ticket numbers and their compositions, and the singles at distance 1 and 2 from a single.
// Every component that converts in a loop owns one for as long as it lives.
//
// A ticket number is the base-3 number whose digit m - 1 is the outcome code of match m, so
// index 0 of a composition is match 1 (the least significant digit).
// The overloads on std::array are for inner loops: their size is fixed, so they cannot run
// short of room and do no checks. The std::span overloads check the room and report a short
// array with the name of the step that met it, keeping what was written up to then.

#include "base/clsErrorReporter.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class clsTNumber
{
public:
    static constexpr std::int32_t SingleCount = 1594323; // 3^13
    static constexpr int List2Size = 26;
    static constexpr int List3Size = 312;
    static constexpr int List12Size = 27;
    static constexpr int List123Size = 339;

    using ByteKousei = std::array<std::uint8_t, clsToto::kMatchCount>;
    using LongKousei = std::array<std::int32_t, clsToto::kMatchCount>;

    explicit clsTNumber(clsIMessage& message);

    // P(0) .. P(13) = 3^0 .. 3^13.
    static constexpr std::array<std::int32_t, clsToto::kMatchCount + 1> P = [] {
        std::array<std::int32_t, clsToto::kMatchCount + 1> a{};
        a[0] = 1;
        for (int i = 1; i <= clsToto::kMatchCount; ++i) {
            a[i] = a[i - 1] * 3;
        }
        return a;
    }();

    static constexpr bool IsValidNo(std::int32_t lngNo)
    {
        return lngNo >= 0 && lngNo < SingleCount;
    }
    // What a step that meets a number failing IsValidNo throws.
    static std::out_of_range NoOutOfRange()
    {
        return std::out_of_range("ticket number outside 0.." + std::to_string(SingleCount - 1));
    }

    // Unchecked, for inner loops.
    static constexpr void NoToByte(std::int32_t lngNo, ByteKousei& bytKousei)
    {
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            bytKousei[i] = static_cast<std::uint8_t>(lngNo % 3);
            lngNo /= 3;
        }
    }
    static constexpr void NoToLong(std::int32_t lngNo, LongKousei& lngKousei)
    {
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            lngKousei[i] = lngNo % 3;
            lngNo /= 3;
        }
    }
    static constexpr std::int32_t ByteToNo(const ByteKousei& bytKousei)
    {
        std::int32_t n = 0;
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            n += bytKousei[i] * P[i];
        }
        return n;
    }
    static constexpr std::int32_t LongToNo(const LongKousei& lngKousei)
    {
        std::int32_t n = 0;
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            n += lngKousei[i] * P[i];
        }
        return n;
    }
    static void Get2List(std::int32_t lngValue, std::array<std::int32_t, List2Size>& lngList)
    {
        Enumerate2(lngValue, lngList.data());
    }
    static void Get3List(std::int32_t lngValue, std::array<std::int32_t, List3Size>& lngList)
    {
        Enumerate3(lngValue, lngList.data());
    }
    static void Get12List(std::int32_t lngValue, std::array<std::int32_t, List12Size>& lngList)
    {
        lngList[0] = lngValue;
        Enumerate2(lngValue, lngList.data() + 1);
    }
    static void Get123List(std::int32_t lngValue, std::array<std::int32_t, List123Size>& lngList)
    {
        lngList[0] = lngValue;
        Enumerate2(lngValue, lngList.data() + 1);
        Enumerate3(lngValue, lngList.data() + 1 + List2Size);
    }

    // Checked: false after reporting when the array has no room for what is written or read.
    bool NoToByte(std::int32_t lngNo, std::span<std::uint8_t> bytKousei) const;
    bool NoToLong(std::int32_t lngNo, std::span<std::int32_t> lngKousei) const;
    bool ByteToNo(std::span<const std::uint8_t> bytKousei, std::int32_t& lngNo) const;
    bool LongToNo(std::span<const std::int32_t> lngKousei, std::int32_t& lngNo) const;
    bool Get2List(std::int32_t lngValue, std::span<std::int32_t> lngList) const;
    bool Get3List(std::int32_t lngValue, std::span<std::int32_t> lngList) const;
    bool Get12List(std::int32_t lngValue, std::span<std::int32_t> lngList) const;
    bool Get123List(std::int32_t lngValue, std::span<std::int32_t> lngList) const;

    // Distance-1 singles: match 1 first, within a match the two other codes ascending.
    static constexpr void Enumerate2(std::int32_t lngValue, std::int32_t* pOut)
    {
        std::int32_t r = lngValue;
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            const std::int32_t d = r % 3;
            r /= 3;
            const std::int32_t base = lngValue - d * P[i];
            for (std::int32_t j = 0; j < 3; ++j) {
                if (j != d) {
                    *pOut++ = base + j * P[i];
                }
            }
        }
    }
    // Distance-2 singles: pairs of matches (p, q) with p < q in order, then both codes ascending.
    static constexpr void Enumerate3(std::int32_t lngValue, std::int32_t* pOut)
    {
        std::array<std::int32_t, clsToto::kMatchCount> d{};
        std::int32_t r = lngValue;
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            d[i] = r % 3;
            r /= 3;
        }
        for (int p = 0; p < clsToto::kMatchCount - 1; ++p) {
            const std::int32_t baseP = lngValue - d[p] * P[p];
            for (int q = p + 1; q < clsToto::kMatchCount; ++q) {
                const std::int32_t base = baseP - d[q] * P[q];
                for (std::int32_t a = 0; a < 3; ++a) {
                    if (a == d[p]) {
                        continue;
                    }
                    for (std::int32_t b = 0; b < 3; ++b) {
                        if (b != d[q]) {
                            *pOut++ = base + a * P[p] + b * P[q];
                        }
                    }
                }
            }
        }
    }

private:
    // The enumerations writing into a list that may be too short: they stop where room ends
    // and report under the step's name.
    bool Get2ListSub(std::int32_t lngValue, std::span<std::int32_t> lngList, std::size_t k) const;
    bool Get3ListSub(std::int32_t lngValue, std::span<std::int32_t> lngList, std::size_t k) const;
    void ReportShort(std::string_view strOperation) const;
    // all into lngList from position k on, as far as it has room; false (reported) when short.
    bool CopyList(std::span<const std::int32_t> all, std::span<std::int32_t> lngList, std::size_t k,
                  std::string_view strOperation) const;

    clsErrorReporter m_err;
};
