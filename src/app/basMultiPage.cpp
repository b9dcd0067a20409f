#include "app/basMultiPage.h"

#include "base/Currency.h"

namespace basMultiPage {
namespace {
std::string Number(std::int32_t lngValue)
{
    return Currency::FromInt(lngValue).FormatNumber(0, true);
}

// Tenths of a percent, rounded half up, in integers so that 100% is never shown as 99.9.
std::int64_t PerMille(std::int32_t lngPart, std::int32_t lngWhole)
{
    return (static_cast<std::int64_t>(lngPart) * 2000 + lngWhole) / (2 * lngWhole);
}
} // namespace

std::string CountText(std::int32_t lngMultiCount)
{
    return "マルチ総数：" + Number(lngMultiCount);
}

std::string LiveText(const std::optional<clsTLiveCount::Result>& result)
{
    if (!result) {
        return "条件後：計算中…";
    }
    if (!result->Ok) {
        return "条件後：－";
    }
    return "条件後：" + Number(result->Kept) + "口";
}

std::string SpreadCellText(std::int32_t lngSingles, std::int32_t lngMultiCount)
{
    if (lngSingles <= 0 || lngMultiCount <= 0) {
        return {};
    }
    const std::int64_t lngMille = PerMille(lngSingles, lngMultiCount);
    if (lngMille >= 100) {
        const std::int64_t lngPercent = (lngMille + 5) / 10;
        // Only the whole multi is 100.
        return std::to_string(lngPercent == 100 && lngSingles < lngMultiCount ? 99 : lngPercent);
    }
    return std::to_string(lngMille / 10) + "." + std::to_string(lngMille % 10);
}

std::string SpreadCellTip(std::int32_t lngCount, std::int32_t lngSingles,
                          std::int32_t lngMultiCount)
{
    std::string text = std::to_string(lngCount) + "個：" + Number(lngSingles) + "口";
    if (lngMultiCount > 0) {
        const std::int64_t lngMille = PerMille(lngSingles, lngMultiCount);
        text += "（" + std::to_string(lngMille / 10) + "." + std::to_string(lngMille % 10) + "%）";
    }
    return text;
}
} // namespace basMultiPage
