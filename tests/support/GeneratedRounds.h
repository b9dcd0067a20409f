#pragma once
// A store of made-up past rounds for the back-test's tests: random vote counts (three different
// counts in every match, so the popularity order is plain) and results, written as the store's
// schedule, vote-status and result files below a program folder.

#include "base/clsIMessage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct GeneratedRound
{
    std::int32_t Kaisaikai = 0;
    // [match][outcome code]
    std::array<std::array<std::int64_t, 3>, 13> Votes{};
    std::array<std::uint8_t, 13> Outcome{};
    // Prizes of grades 1..3; [0] unused.
    std::array<std::int64_t, 4> Prize{};
    // Which of its three files the store gets.
    bool Schedule = true;
    bool Vote = true;
    bool Result = true;
};

// Rounds lngFirst..lngLast. Every round whose number leaves 1 divided by 4 is won by the
// favourite in matches 1-8 and the second choice in 9-13, with at most two draws; the others
// have random results.
std::vector<GeneratedRound> GenerateRounds(std::int32_t lngFirst, std::int32_t lngLast,
                                           unsigned lngSeed);
// Writes the round's files that it has; false when one could not be written.
bool StoreRound(clsIMessage& message, const std::string& strProgramDir, const GeneratedRound& r);
