#include "app/basMultiPage.h"

#include "base/Currency.h"

namespace basMultiPage {
std::string CountText(std::int32_t lngMultiCount)
{
    return "マルチ総数：" + Currency::FromInt(lngMultiCount).FormatNumber(0, true);
}
} // namespace basMultiPage
