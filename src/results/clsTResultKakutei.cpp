#include "results/clsTResultKakutei.h"

#include <stdexcept>

namespace {
void CheckCell(std::int32_t lngRow, std::int32_t lngColumn)
{
    if (lngRow < 0 || lngRow >= clsTResultKakutei::kRows || lngColumn < 0 ||
        lngColumn >= clsTResultKakutei::kColumns) {
        throw std::out_of_range("clsTResultKakutei: cell");
    }
}
} // namespace

void clsTResultKakutei::Clear()
{
    m_amount = {};
    m_hasRecord = false;
    m_hasTally = false;
    m_empty = true;
}

void clsTResultKakutei::SetValue(const GradeTally& lngValue)
{
    m_tally = lngValue;
    m_hasTally = true;
    Rebuild();
}

void clsTResultKakutei::SetRecord(const ResultRecord& record, std::int32_t lngMaxGrade)
{
    m_record = record;
    m_maxGrade = lngMaxGrade;
    m_hasRecord = true;
    Rebuild();
}

void clsTResultKakutei::Rebuild()
{
    m_amount = {};
    m_empty = true;
    if (!m_hasRecord || !m_hasTally) {
        return;
    }
    auto& total = m_amount[3];
    for (std::size_t g = 0; g < 3; ++g) {
        const Currency prize = m_record.Prize[g + 1];
        const Currency winners = m_record.Winners[g + 1];
        auto& row = m_amount[g];
        row[0] = prize;
        row[1] = winners;
        row[2] = m_record.CarryOver[g + 1];
        row[3] = Currency::FromInt(m_tally[g]);
        row[4] = prize * static_cast<std::int64_t>(m_tally[g]);
        total[0] += prize * winners;
        total[1] += winners;
        total[2] += row[2];
        // A grade the round does not pay wins nothing, so its singles are no winners either.
        if (static_cast<std::int32_t>(g) + 1 <= m_maxGrade) {
            total[3] += row[3];
            total[4] += row[4];
        }
    }
    for (const auto& row : m_amount) {
        for (const auto& v : row) {
            if (v > Currency()) {
                m_empty = false;
            }
        }
    }
}

Currency clsTResultKakutei::Amount(std::int32_t lngRow, std::int32_t lngColumn) const
{
    CheckCell(lngRow, lngColumn);
    return m_amount[lngRow][lngColumn];
}

std::string clsTResultKakutei::CellText(std::int32_t lngRow, std::int32_t lngColumn) const
{
    const Currency v = Amount(lngRow, lngColumn);
    if (m_empty) {
        return "";
    }
    if (v <= Currency()) {
        return "0 ";
    }
    return v.FormatNumber(0, true) + " ";
}

std::string clsTResultKakutei::RowLabel(std::int32_t lngRow)
{
    CheckCell(lngRow, 0);
    return lngRow == 3 ? std::string("合計") : std::to_string(lngRow + 1) + "等";
}

const char* clsTResultKakutei::Heading(std::int32_t lngColumn)
{
    static constexpr const char* kHead[kColumns] = {"当せん金", "当せん口数", "繰越金",
                                                    "当せん口数", "当せん金額"};
    CheckCell(0, lngColumn);
    return kHead[lngColumn];
}

bool clsTResultKakutei::Highlighted(std::int32_t lngRow, std::int32_t lngColumn) const
{
    CheckCell(lngRow, lngColumn);
    if (lngColumn < 3 || lngRow == 3) {
        return false;
    }
    return lngRow + 1 <= m_maxGrade;
}
