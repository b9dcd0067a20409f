#include "app/qt/clsRoundPanelView.h"

#include "app/basRoundPanel.h"
#include "base/basJapanTime.h"
#include "base/qt/basQtText.h"

#include <QGridLayout>
#include <QLabel>

clsRoundPanelView::clsRoundPanelView(QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("roundPanel"));
    setAccessibleName(QStringLiteral("販売状況"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    m_lblRound = new QLabel(this);
    m_lblRound->setObjectName(QStringLiteral("lblRound"));
    QFont bold = m_lblRound->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    m_lblRound->setFont(bold);
    m_lblSalesState = new QLabel(this);
    m_lblSalesState->setObjectName(QStringLiteral("lblSalesState"));
    m_lblSalesState->setFont(bold);
    m_lblSaleStart = new QLabel(this);
    m_lblSaleStart->setObjectName(QStringLiteral("lblSaleStart"));
    m_lblSaleEnd = new QLabel(this);
    m_lblSaleEnd->setObjectName(QStringLiteral("lblSaleEnd"));
    m_lblResultDate = new QLabel(this);
    m_lblResultDate->setObjectName(QStringLiteral("lblResultDate"));
    grid->addWidget(m_lblRound, 0, 0);
    grid->addWidget(m_lblSalesState, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("販売開始"), this), 0, 1);
    grid->addWidget(m_lblSaleStart, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("販売締切"), this), 1, 1);
    grid->addWidget(m_lblSaleEnd, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("結果発表"), this), 2, 1);
    grid->addWidget(m_lblResultDate, 2, 2);
    grid->setColumnStretch(3, 1);
}

void clsRoundPanelView::SetClock(basJapanTime::UtcClock clock)
{
    m_clock = std::move(clock);
}

void clsRoundPanelView::Refresh(const ScheduleRecord& schedule, const std::string& strRoundLabel)
{
    const basRoundPanel::Texts texts = basRoundPanel::Build(schedule, basJapanTime::Now(m_clock));
    setVisible(texts.Visible);
    m_lblRound->setText(basQtText::ToQ(strRoundLabel));
    m_lblSalesState->setText(basQtText::ToQ(texts.State));
    m_lblSaleStart->setText(basQtText::ToQ(texts.SaleStart));
    m_lblSaleEnd->setText(basQtText::ToQ(texts.SaleEnd));
    m_lblResultDate->setText(basQtText::ToQ(texts.ResultDate));
    // Read out alone, a date says not what it is the date of.
    const auto name = [](QLabel* label, const QString& strCaption) {
        label->setAccessibleName(
            label->text().isEmpty() ? strCaption : strCaption + QLatin1Char(' ') + label->text());
    };
    name(m_lblSaleStart, QStringLiteral("販売開始"));
    name(m_lblSaleEnd, QStringLiteral("販売締切"));
    name(m_lblResultDate, QStringLiteral("結果発表"));
}
