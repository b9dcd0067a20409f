#include "app/basRoundPanel.h"

#include <cmath>
#include <cstdint>

namespace basRoundPanel {
namespace {
// Whole seconds between two instants, rounded as DateTime rounds its own fraction, so that
// 45 minutes computed from two serials never reads as 44.
std::int64_t SecondsBetween(DateTime dtmFrom, DateTime dtmTo)
{
    return std::llround((dtmTo.Serial() - dtmFrom.Serial()) * 86400.0);
}
} // namespace

std::string Countdown(DateTime dtmNow, DateTime dtmTarget)
{
    std::int64_t seconds = SecondsBetween(dtmNow, dtmTarget);
    if (seconds < 0) {
        seconds = 0;
    }
    const std::int64_t days = seconds / 86400;
    const std::int64_t hours = (seconds % 86400) / 3600;
    const std::int64_t minutes = (seconds % 3600) / 60;
    std::string s;
    if (days >= 1) {
        s = std::to_string(days) + "日 ";
    }
    return s + std::to_string(hours) + "時間" + std::to_string(minutes) + "分";
}

std::string SalesState(const ScheduleRecord& rec, DateTime dtmNow)
{
    if (dtmNow > rec.SaleEnd) {
        return "販売終了";
    }
    if (dtmNow < rec.SaleStart) {
        return "販売開始まで あと " + Countdown(dtmNow, rec.SaleStart);
    }
    return "販売締切まで あと " + Countdown(dtmNow, rec.SaleEnd);
}

std::string DateLine(DateTime dtm)
{
    if (dtm.IsZero()) {
        return {};
    }
    std::string s = dtm.Format("yyyy年mm月dd日(aaa) ");
    if (dtm.Hour() != 0 || dtm.Minute() != 0 || dtm.Second() != 0) {
        s += dtm.Format("hh:nn:ss");
    }
    return s;
}

Texts Build(const ScheduleRecord& rec, DateTime dtmNow)
{
    Texts t;
    if (rec.Kaisaikai <= 0) {
        return t;
    }
    t.Visible = true;
    t.State = SalesState(rec, dtmNow);
    t.SaleStart = DateLine(rec.SaleStart);
    t.SaleEnd = DateLine(rec.SaleEnd);
    t.ResultDate = DateLine(rec.ResultDate);
    return t;
}
} // namespace basRoundPanel
