#include "tickets/clsTSingleGame.h"

#include "lottery/clsToto.h"

#include <exception>
#include <stdexcept>

clsTSingleGame::clsTSingleGame(clsIMessage& message)
    : m_err(message, "clsTSingleGame")
{}

void clsTSingleGame::Initialize()
{
    m_initialized = true;
    SetScheduleRecord(ScheduleRecord{});
}

void clsTSingleGame::SetScheduleRecord(const ScheduleRecord& schedule)
{
    if (!m_initialized) {
        // The operation's name in reports has always been spelt this way.
        m_err.InitializeErr("Schedure");
        return;
    }
    try {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            const auto& match = schedule.Match[m];
            auto& row = m_text[m];
            row[0] = match.GameDate.IsZero() ? std::string() : match.GameDate.Format("mm/dd");
            row[1] = std::to_string(m + 1);
            row[2] = match.Home;
            row[3] = match.Away;
        }
    } catch (const std::exception& e) {
        m_err.ReportException("Schedure", e);
    }
}

std::string clsTSingleGame::CellText(std::int32_t lngRow, std::int32_t lngColumn) const
{
    if (lngRow < 0 || lngRow >= kRows || lngColumn < 0 || lngColumn >= kColumns) {
        throw std::out_of_range("clsTSingleGame: cell");
    }
    if (lngRow == 0) {
        static constexpr const char* kHead[kColumns] = {"開催日", "No", "ホーム", "アウェイ"};
        return kHead[lngColumn];
    }
    return m_text[static_cast<std::size_t>(lngRow - 1)][static_cast<std::size_t>(lngColumn)];
}
