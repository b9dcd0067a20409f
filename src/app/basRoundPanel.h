#pragma once
// The texts of the round panel above the pages: the sales state with its countdown and the
// three date lines. Plain functions of a schedule and the current time, so that the window
// only places them; the panel is refreshed on a round change and when a page is shown.

#include "base/DateTime.h"
#include "lottery/ScheduleRecord.h"

#include <string>

namespace basRoundPanel {
struct Texts
{
    // False when the schedule holds no round: the panel is hidden and the texts are empty.
    bool Visible = false;
    std::string State;
    std::string SaleStart;
    std::string SaleEnd;
    std::string ResultDate;
};

// "2日 3時間5分" with at least one whole day left, else "0時間45分"; whole
// minutes, the seconds dropped. A target already passed gives "0時間0分".
std::string Countdown(DateTime dtmNow, DateTime dtmTarget);
// "販売終了" after the sale end, "販売開始まで あと ..." before the sale start, else
// "販売締切まで あと ...".
std::string SalesState(const ScheduleRecord& rec, DateTime dtmNow);
// "2021年01月16日(土) 13:50:00"; the time is left out at 00:00:00. A zero date (none given)
// gives "".
std::string DateLine(DateTime dtm);
Texts Build(const ScheduleRecord& rec, DateTime dtmNow);
} // namespace basRoundPanel
