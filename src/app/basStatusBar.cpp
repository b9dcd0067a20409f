#include "app/basStatusBar.h"

namespace basStatusBar {
std::string Text(const std::string& strRoundLabel, const VoteRecord& vote)
{
    std::string s = strRoundLabel;
    if (vote.Kaisaikai != 0) {
        s += "　使用投票率：";
        if (vote.AsOf.IsZero()) {
            s += "ユーザー定義";
        } else if (vote.AsOf == vote.SaleEnd) {
            s += vote.AsOf.Format("yyyy/mm/dd") + " (最終)";
        } else {
            s += vote.AsOf.Format("yyyy/mm/dd hh:nn");
        }
    }
    return s;
}
} // namespace basStatusBar
