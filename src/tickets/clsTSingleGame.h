#pragma once
// The match list beside the ticket sheet: date, number and teams of the round's 13 matches.
// The single page (clsSinglePage) owns one for its lifetime and refills it on every round
// change of the document.

#include "base/clsErrorReporter.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

class clsTSingleGame
{
public:
    static constexpr std::int32_t kColumns = 4;
    static constexpr std::int32_t kRows =
        clsToto::kMatchCount + 1; // the heading row and 13 matches

    explicit clsTSingleGame(clsIMessage& message);

    void Initialize();
    void SetScheduleRecord(const ScheduleRecord& schedule);

    // Row 0 is the heading ("開催日", "No", "ホーム", "アウェイ"); rows 1..13 the matches.
    std::string CellText(std::int32_t lngRow, std::int32_t lngColumn) const;
    // Matches 2, 4, ..., 12 are shaded.
    static bool RowShaded(std::int32_t lngRow) { return lngRow >= 1 && lngRow % 2 == 0; }

private:
    clsErrorReporter m_err;
    bool m_initialized = false;
    std::array<std::array<std::string, kColumns>, clsToto::kMatchCount> m_text{};
};
