#include "app/qt/frmLedger.h"

#include "app/clsLedger.h"
#include "app/qt/clsLedgerModel.h"
#include "base/qt/basQtText.h"
#include "results/clsTResultBalance.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineSeries>
#include <QScreen>
#include <QTableView>
#include <QValueAxis>

#include <algorithm>
#include <stdexcept>

namespace {
QString Yen(Currency c, bool blnSigned)
{
    const std::string sign = blnSigned && c > Currency() ? "+" : "";
    return basQtText::ToQ(sign + c.FormatNumber(0, true) + "円");
}
} // namespace

frmLedger::frmLedger(const clsHost& host, const std::string& strProgramDir,
                     const std::vector<std::string>& files, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLedger"));
    setWindowTitle(QStringLiteral("収支"));
    auto* column = new QVBoxLayout(this);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblLedgerNote"));
    m_note->setWordWrap(true);
    column->addWidget(m_note);

    m_model = new clsLedgerModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("grdLedger"));
    m_table->setAccessibleName(QStringLiteral("購入済みのデータファイル"));
    m_table->setToolTip(
        QStringLiteral("チェックページで「購入済み」にしたデータファイルと、その回の結果での収支"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumHeight(fontMetrics().height() * 6);
    column->addWidget(m_table, 2);

    // The season's totals: what the command line prints on its 合計 line.
    auto* totals = new QGridLayout();
    totals->setHorizontalSpacing(8);
    static constexpr const char* kCaption[] = {"合計口数", "購入金額", "当せん金額", "収支",
                                               "回収率"};
    static constexpr const char* kName[] = {"lblLedgerTickets", "lblLedgerCost", "lblLedgerWon",
                                            "lblLedgerBalance", "lblLedgerRate"};
    QLabel** const value[] = {&m_tickets, &m_cost, &m_won, &m_balance, &m_rate};
    for (int i = 0; i < 5; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kCaption[i]), this);
        auto* v = new QLabel(this);
        v->setObjectName(QString::fromLatin1(kName[i]));
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(v);
        *value[i] = v;
        totals->addWidget(caption, i / 3, (i % 3) * 2);
        totals->addWidget(v, i / 3, (i % 3) * 2 + 1);
    }
    m_won->setToolTip(QStringLiteral("結果と当せん金が出た回の合計"));
    m_balance->setToolTip(QStringLiteral("結果と当せん金が出た回の収支の合計"));
    m_rate->setToolTip(QStringLiteral("結果と当せん金が出た回の当せん金額 ÷ 購入金額"));
    column->addLayout(totals);

    m_series = new QLineSeries();
    m_series->setName(QStringLiteral("累計収支"));
    m_series->setPointsVisible(true);
    auto* chart = new QChart();
    chart->addSeries(m_series);
    chart->legend()->hide();
    chart->setTitle(QStringLiteral("累計収支の推移（円）"));
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_chartView = new QChartView(chart, this);
    m_chartView->setObjectName(QStringLiteral("chtLedgerBalance"));
    m_chartView->setAccessibleName(QStringLiteral("累計収支の推移"));
    m_chartView->setToolTip(QStringLiteral("結果の出た回ごとの収支を回の順に足した額"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(fontMetrics().height() * 10);
    column->addWidget(m_chartView, 3);

    auto* buttons = new QDialogButtonBox(this);
    auto* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdLedgerClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    clsLedger ledger(host, strProgramDir);
    std::vector<LedgerEntry> entries;
    {
        BusyScope busy(host.Busy);
        for (const std::string& file : files) {
            entries.push_back(ledger.Grade(file));
        }
    }
    clsLedger::SortByRound(entries);
    ShowTotals(entries);
    ShowChart(entries);
    std::size_t unread = 0;
    for (const LedgerEntry& e : entries) {
        unread += e.Read() ? 0 : 1;
    }
    if (entries.empty()) {
        m_note->setText(QStringLiteral("購入済みのデータファイルはありません。チェックページの"
                                       "「購入済み」で加えます。"));
    } else if (unread > 0) {
        m_note->setText(
            QStringLiteral("読み込めないファイルが %1 件あります。合計に含みません。").arg(unread));
    } else {
        m_note->hide();
    }
    m_model->SetEntries(std::move(entries));
    m_table->resizeColumnsToContents();

    // Room for the table and the chart, never more than the screen holds; centred over the
    // main window but kept on the screen, which a main window larger than it would not do.
    // The frame is not known before the window shows: a title bar's worth is kept free.
    const QSize frame(16, fontMetrics().height() * 3);
    QSize size(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 60, fontMetrics().height() * 36);
    if (const QScreen* shown = parent != nullptr ? parent->screen() : screen()) {
        const QRect room = shown->availableGeometry();
        size = size.boundedTo(room.size() - frame);
        resize(size);
        QRect placed(QPoint(), size + frame);
        placed.moveCenter(parent != nullptr ? parent->frameGeometry().center() : room.center());
        placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() + 1 - placed.width()));
        placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() + 1 - placed.height()));
        move(placed.topLeft());
    } else {
        resize(size);
    }
}

void frmLedger::ShowTotals(const std::vector<LedgerEntry>& entries)
{
    std::string error;
    const auto total = clsLedger::Sum(entries, error);
    const QString unknown = basQtText::ToQ(clsTResultBalance::kUnknown);
    QString text[5];
    if (total) {
        text[0] = basQtText::ToQ(Currency::FromInt(total->Tickets).FormatNumber(0, true));
        text[1] = Yen(total->Cost, false);
        text[2] = total->GradedCount > 0 ? Yen(total->Won, false) : unknown;
        text[3] = total->GradedCount > 0 ? Yen(total->Balance, true) : unknown;
        text[4] = basQtText::ToQ(clsTResultBalance::PermilleText(total->RatePermille));
    } else {
        for (QString& t : text) {
            t = unknown;
        }
        m_rate->setToolTip(basQtText::ToQ(error));
    }
    static constexpr const char* kName[] = {"合計口数 ", "購入金額 ", "当せん金額 ", "収支 ",
                                            "回収率 "};
    QLabel* const label[] = {m_tickets, m_cost, m_won, m_balance, m_rate};
    for (int i = 0; i < 5; ++i) {
        label[i]->setText(text[i]);
        label[i]->setAccessibleName(QString::fromUtf8(kName[i]) + text[i]);
    }
}

void frmLedger::ShowChart(const std::vector<LedgerEntry>& entries)
{
    std::vector<LedgerPoint> points;
    try {
        points = clsLedger::RunningBalance(entries);
    } catch (const std::overflow_error&) {
        points.clear();
    }
    QStringList rounds;
    double low = 0;
    double high = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        // A drawing coordinate only: the figures shown as text stay exact.
        const double y = points[i].Balance.ToDouble();
        m_series->append(static_cast<qreal>(i), y);
        rounds << basQtText::ToQ(points[i].Round);
        low = std::min(low, y);
        high = std::max(high, y);
    }
    QChart* chart = m_chartView->chart();
    auto* x = new QBarCategoryAxis();
    x->setCategories(rounds.isEmpty() ? QStringList{QString()} : rounds);
    x->setTitleText(QStringLiteral("開催回"));
    chart->addAxis(x, Qt::AlignBottom);
    m_series->attachAxis(x);
    auto* y = new QValueAxis();
    // Zero stays in sight, so the eye reads ahead or behind at once.
    const double pad = std::max(100.0, (high - low) * 0.1);
    y->setRange(low - pad, high + pad);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    m_series->attachAxis(y);
    m_chartView->setAccessibleDescription(points.empty()
                                              ? QStringLiteral("結果の出た回はまだありません")
                                              : QStringLiteral("%1 回、最後の累計収支 %2")
                                                    .arg(points.size())
                                                    .arg(Yen(points.back().Balance, true)));
}

QList<QPointF> frmLedger::ChartPoints() const
{
    return m_series->points();
}
