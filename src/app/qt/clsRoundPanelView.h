#pragma once
// The panel above the pages: the round shown, its sales state and its dates, hidden while no
// round is loaded. It does not tick by itself: the window refreshes it when the round or the
// page changes.

#include "base/basJapanTime.h"

#include <QGroupBox>

#include <string>

class QLabel;
struct ScheduleRecord;

class clsRoundPanelView : public QGroupBox
{
    Q_OBJECT

public:
    explicit clsRoundPanelView(QWidget* parent = nullptr);

    // strRoundLabel: the round as the document names it.
    void Refresh(const ScheduleRecord& schedule, const std::string& strRoundLabel);
    // The countdown's source of the current instant; the system clock unless a test fixes it.
    void SetClock(basJapanTime::UtcClock clock);

private:
    QLabel* m_lblRound = nullptr;
    QLabel* m_lblSalesState = nullptr;
    QLabel* m_lblSaleStart = nullptr;
    QLabel* m_lblSaleEnd = nullptr;
    QLabel* m_lblResultDate = nullptr;
    basJapanTime::UtcClock m_clock = basJapanTime::SystemUtcSeconds;
};
