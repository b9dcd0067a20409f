#include "results/clsTResultKakutei.h"

#include <optional>
#include <stdexcept>
#include <string>

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

namespace {
// A cell that would not fit: the table is left empty and the reason raised as an overflow.
Currency Fits(std::optional<Currency> c, std::size_t g, const char* strWhat)
{
    if (!c) {
        throw std::overflow_error("(" + std::to_string(g + 1) + "等の" + strWhat + ")");
    }
    return *c;
}
} // namespace

void clsTResultKakutei::Rebuild()
{
    m_amount = {};
    m_empty = true;
    if (!m_hasRecord || !m_hasTally) {
        return;
    }
    // Built aside: an overflow in any cell leaves the table empty rather than half filled.
    std::array<std::array<Currency, kColumns>, kRows> amount{};
    auto& total = amount[3];
    for (std::size_t g = 0; g < 3; ++g) {
        const Currency prize = m_record.Prize[g + 1];
        const Currency winners = m_record.Winners[g + 1];
        auto& row = amount[g];
        row[0] = prize;
        row[1] = winners;
        row[2] = m_record.CarryOver[g + 1];
        row[3] = Currency::FromInt(m_tally[g]);
        row[4] = Fits(Currency::CheckedMul(prize, static_cast<std::int64_t>(m_tally[g])), g,
                      "当せん金額 (当せん金 × 当せん口数)");
        total[0] =
            Fits(Currency::CheckedAdd(total[0], Fits(Currency::CheckedMul(prize, winners), g,
                                                     "払戻総額 (当せん金 × 公式の当せん口数)")),
                 g, "当せん金の合計");
        total[1] = Fits(Currency::CheckedAdd(total[1], winners), g, "当せん口数の合計");
        total[2] = Fits(Currency::CheckedAdd(total[2], row[2]), g, "繰越金の合計");
        // A grade the round does not pay wins nothing, so its singles are no winners either.
        if (static_cast<std::int32_t>(g) + 1 <= m_maxGrade) {
            total[3] = Fits(Currency::CheckedAdd(total[3], row[3]), g, "当せん口数の合計");
            total[4] = Fits(Currency::CheckedAdd(total[4], row[4]), g, "当せん金額の合計");
        }
    }
    m_amount = amount;
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

const char* clsTResultKakutei::Group(std::int32_t lngColumn)
{
    CheckCell(0, lngColumn);
    return lngColumn < 3 ? "公式" : "この組";
}

bool clsTResultKakutei::Highlighted(std::int32_t lngRow, std::int32_t lngColumn) const
{
    CheckCell(lngRow, lngColumn);
    if (lngColumn < 3 || lngRow == 3) {
        return false;
    }
    return lngRow + 1 <= m_maxGrade;
}
