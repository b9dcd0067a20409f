#pragma once
// A round's results (くじ結果): a plain value record, copied whole by every holder.
// Match[0] is match 1. Prize, Winners and CarryOver are indexed by grade: [1] .. [3];
// [0] is never used and stays 0, so code reads rec.Prize[lngGrade].

#include "base/Currency.h"
#include "base/DateTime.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

struct ResultMatch
{
    DateTime GameDate;
    // Outcome code 0/1/2, or 3 when the match was cancelled (every outcome counts as right).
    std::uint8_t Outcome = 0;
    std::string Stadium;
    std::string Home;
    std::string Away;
    std::uint8_t HomeScore = 0;
    std::uint8_t AwayScore = 0;

    friend bool operator==(const ResultMatch&, const ResultMatch&) = default;
};

struct ResultRecord
{
    static constexpr std::uint8_t OutcomeCancelled = 3;

    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    std::array<ResultMatch, clsToto::kMatchCount> Match;
    std::array<Currency, 4> Prize;
    std::array<Currency, 4> Winners;
    std::array<Currency, 4> CarryOver;
    // For a cancelled round the last three hold the refund dates (返還確定日, 返還開始日,
    // 返還期限).
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime RefundStart;
    DateTime RefundDeadline;
    bool Cancelled = false;

    // Prize money is checked for the grades the round pays.
    bool IsValid() const;
    // The same with the round's highest prize grade given.
    bool IsValid(std::int32_t lngMaxGrade) const;

    friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};
