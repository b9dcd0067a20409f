#include "app/qt/frmBacktest.h"

#include "app/clsCommandGate.h"
#include "app/clsDocument.h"
#include "store/clsBacktest.h"
#include "store/qt/clsBacktestModel.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineSeries>
#include <QProgressBar>
#include <QScatterSeries>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int kPollMs = 50;
constexpr int kMaxRound = 9999;

QString Yen(Currency c)
{
    return QString::fromStdString(c.FormatNumber(0, true)) + QStringLiteral("円");
}

void ShowTotals(QLabel* label, const clsBacktest::Progress& p)
{
    const clsBacktest::Totals t = clsBacktest::Sum(p.Rows);
    label->setText(QStringLiteral("合計：%1回（範囲 %2回中）　1等的中 %3回　購入金額 %4　当せん"
                                  "金額 %5　収支 %6")
                       .arg(t.Rounds)
                       .arg(p.Total)
                       .arg(t.Hits)
                       .arg(Yen(t.Cost), Yen(t.Won), Yen(t.Won - t.Cost)));
    label->setAccessibleName(label->text());
}

QLabel* BuddyLabel(const QString& strCaption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(strCaption, parent);
    label->setBuddy(buddy);
    return label;
}

// Enter on a row opens it as a double click does; the view alone would only move the cursor.
class RoundTable final : public QTableView
{
public:
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            currentIndex().isValid()) {
            emit activated(currentIndex());
            return;
        }
        QTableView::keyPressEvent(event);
    }
};
} // namespace

frmBacktest::frmBacktest(clsDocument& doc, const clsCommandGate& gate,
                         std::function<void(std::int32_t)> fnOpenRound, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_doc(doc)
    , m_gate(gate)
    , m_openRound(std::move(fnOpenRound))
{
    setObjectName(QStringLiteral("frmBacktest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" バックテスト"));
    setAccessibleName(QStringLiteral("バックテスト"));

    // The rounds before the work's own, a hundred of them, as a first guess.
    const int last = std::clamp(m_doc.Round().Kaisaikai() - 1, 1, kMaxRound);
    m_from = new QSpinBox(this);
    m_from->setObjectName(QStringLiteral("txtFrom"));
    m_from->setRange(1, kMaxRound);
    m_from->setValue(std::max(1, last - 99));
    m_from->setToolTip(QStringLiteral("この回から順に調べます"));
    m_to = new QSpinBox(this);
    m_to->setObjectName(QStringLiteral("txtTo"));
    m_to->setRange(1, kMaxRound);
    m_to->setValue(last);
    m_to->setToolTip(QStringLiteral("この回まで調べます。記録が揃っていない回は飛ばします"));
    m_marks = new QComboBox(this);
    m_marks->setObjectName(QStringLiteral("cboMarks"));
    m_marks->addItem(QStringLiteral("全て投票率順でマーク"));
    m_marks->addItem(QStringLiteral("全て本命（◎）でマーク"));
    m_marks->setToolTip(QStringLiteral(
        "各回のマルチのマークの付け方です。ファイルのマークは使わず、回ごとに付け直します"));
    m_start = new QPushButton(QStringLiteral("実行"), this);
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_start->setToolTip(QStringLiteral("今の条件で各回を抽出し、結果と照らし合わせます"));
    m_stop = new QPushButton(QStringLiteral("中止"), this);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setToolTip(QStringLiteral("調べ終えた回までの結果を残して止めます"));

    // Two short rows rather than one long one: at 144 dpi on a small screen the window must
    // still show every box whole.
    auto* top = new QGridLayout;
    top->addWidget(BuddyLabel(QStringLiteral("開始回"), m_from, this), 0, 0);
    top->addWidget(m_from, 0, 1);
    top->addWidget(BuddyLabel(QStringLiteral("終了回"), m_to, this), 0, 2);
    top->addWidget(m_to, 0, 3);
    top->addWidget(BuddyLabel(QStringLiteral("マーク"), m_marks, this), 1, 0);
    top->addWidget(m_marks, 1, 1, 1, 3);
    top->setColumnStretch(4, 1);
    top->addWidget(m_start, 0, 5);
    top->addWidget(m_stop, 1, 5);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgBacktest"));
    m_progress->setAccessibleName(QStringLiteral("調べた回の割合"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);

    m_model = new clsBacktestModel(this);
    m_table = new RoundTable(this);
    m_table->setObjectName(QStringLiteral("lvwRounds"));
    m_table->setAccessibleName(QStringLiteral("回ごとの結果"));
    m_table->setToolTip(QStringLiteral("行をダブルクリックするか Enter でその回を開きます"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Widths for the widest values a column holds, so no figure is ever cut short.
    const QFontMetrics fm = m_table->fontMetrics();
    const std::array<QString, clsBacktestModel::ColumnCount> widest{
        QStringLiteral("第9999回"),       QStringLiteral("1,594,323"),
        QStringLiteral("的中"),           QStringLiteral("159,432,300"),
        QStringLiteral("99,999,999,999"), QStringLiteral("-99,999,999,999")};
    for (int c = 0; c < clsBacktestModel::ColumnCount; ++c) {
        const QString head = m_model->headerData(c, Qt::Horizontal).toString();
        m_table->horizontalHeader()->resizeSection(
            c, std::max(fm.horizontalAdvance(widest[static_cast<std::size_t>(c)]),
                        fm.horizontalAdvance(head)) +
                   fm.height());
    }
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("lblTotal"));
    m_totals->setWordWrap(true);
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);

    m_chart = new QChart;
    // The legend names both series; a title would only take the axes' room.
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_balance = new QLineSeries(m_chart);
    m_balance->setName(QStringLiteral("収支累計"));
    m_hits = new QScatterSeries(m_chart);
    m_hits->setName(QStringLiteral("1等的中"));
    m_hits->setMarkerSize(10);
    m_chart->addSeries(m_balance);
    m_chart->addSeries(m_hits);
    m_axisX = new QValueAxis(m_chart);
    m_axisX->setTitleText(QStringLiteral("開催回"));
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    m_axisY = new QValueAxis(m_chart);
    m_axisY->setTitleText(QStringLiteral("万円"));
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(m_balance), static_cast<QAbstractSeries*>(m_hits)}) {
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }
    auto* chartView = new QChartView(m_chart, this);
    chartView->setObjectName(QStringLiteral("chtBalance"));
    chartView->setAccessibleName(QStringLiteral("収支累計と1等的中のグラフ"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(fontMetrics().height() * 14);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("splBacktest"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_table);
    split->addWidget(chartView);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_progress);
    layout->addWidget(split, 1);
    layout->addWidget(m_totals);
    layout->addWidget(m_note);

    m_timer = new QTimer(this);
    m_timer->setInterval(kPollMs);
    connect(m_timer, &QTimer::timeout, this, &frmBacktest::Poll);
    connect(m_start, &QPushButton::clicked, this, &frmBacktest::StartBacktest);
    connect(m_stop, &QPushButton::clicked, this, &frmBacktest::StopBacktest);
    connect(m_table, &QTableView::activated, this, &frmBacktest::OpenRow);

    SetControls(false);
    ShowTotals(m_totals, clsBacktest::Progress{});
    // As large as the rows and the chart want, but never beyond the screen.
    const int unit = fontMetrics().height();
    QSize want(std::max(sizeHint().width(), unit * 54), unit * 44);
    if (const QScreen* s = parent != nullptr ? parent->screen() : nullptr) {
        want = want.boundedTo(s->availableGeometry().size());
    }
    resize(want);
}

frmBacktest::~frmBacktest()
{
    // The thread reads nothing of the window, but its rows are no one's once the window goes.
    m_doc.Search().StopBacktest();
}

int frmBacktest::BalancePoints() const
{
    return m_balance->count();
}

int frmBacktest::HitPoints() const
{
    return m_hits->count();
}

bool frmBacktest::Running() const
{
    return m_polling;
}

void frmBacktest::StartBacktest()
{
    if (m_polling || !m_gate.MayRun(clsCommandGate::Command::Search)) {
        return;
    }
    if (m_to->value() < m_from->value()) {
        m_note->setText(QStringLiteral("終了回は開始回と同じか後の回にして下さい。"));
        return;
    }
    const auto marks =
        m_marks->currentIndex() == 1 ? clsBacktest::Marking::All : clsBacktest::Marking::Vote;
    if (!m_doc.Search().StartBacktest(m_from->value(), m_to->value(), marks)) {
        m_note->setText(QString::fromUtf8(clsDocument::kBusyWarning.data(),
                                          static_cast<int>(clsDocument::kBusyWarning.size())));
        return;
    }
    m_model->Clear();
    m_balance->clear();
    m_hits->clear();
    m_note->setText(clsBacktest::UsesOwnProbability(m_doc.Conditions().JoukenPanels().Gather())
                        ? QStringLiteral("期待値と１等確率の条件は、回ごとの自分の確率がないため"
                                         "使いません。")
                        : QString());
    m_polling = true;
    SetControls(true);
    m_timer->start();
    Poll();
}

void frmBacktest::StopBacktest()
{
    m_doc.Search().StopBacktest();
    Poll();
}

void frmBacktest::Poll()
{
    const clsBacktest& bt = m_doc.Search().Backtest();
    const int first = m_model->rowCount();
    m_model->Append(bt.RowsFrom(static_cast<std::size_t>(first)));
    AddToChart(first);
    const clsBacktest::Progress p = bt.Snapshot();
    m_progress->setRange(0, std::max(1, p.Total));
    m_progress->setValue(p.Done);
    ShowTotals(m_totals, p);
    if (!p.Running) {
        m_timer->stop();
        m_polling = false;
        SetControls(false);
        QStringList broken;
        for (const clsBacktest::Skip& s : p.Skips) {
            if (s.Broken) {
                broken << QString::fromStdString(s.Reason);
            }
        }
        QString note = m_note->text();
        if (p.Stopped) {
            note += QStringLiteral("途中で中止しました。");
        }
        if (!broken.isEmpty()) {
            note += QStringLiteral("読み込めない記録があった回は飛ばしました：") +
                    broken.join(QStringLiteral("　"));
        }
        m_note->setText(note);
    }
}

void frmBacktest::SetControls(bool blnRunning)
{
    for (QWidget* w : {static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_to),
                       static_cast<QWidget*>(m_marks), static_cast<QWidget*>(m_start)}) {
        w->setEnabled(!blnRunning);
    }
    m_stop->setEnabled(blnRunning);
}

void frmBacktest::AddToChart(int lngFirstRow)
{
    const auto& rows = m_model->Rows();
    if (rows.empty()) {
        return;
    }
    for (int i = lngFirstRow; i < static_cast<int>(rows.size()); ++i) {
        const auto& r = rows[static_cast<std::size_t>(i)];
        const double y = m_model->Balance(i).ToDouble() / 10'000;
        m_balance->append(r.Kaisaikai, y);
        if (r.Hit) {
            m_hits->append(r.Kaisaikai, y);
        }
    }
    double low = 0;
    double high = 0;
    for (const QPointF& pt : m_balance->points()) {
        low = std::min(low, pt.y());
        high = std::max(high, pt.y());
    }
    const double pad = std::max(1.0, (high - low) * 0.05);
    m_axisY->setRange(low - pad, high + pad);
    const double x0 = rows.front().Kaisaikai;
    const double x1 = rows.back().Kaisaikai;
    m_axisX->setRange(x0 - 0.5, std::max(x1, x0 + 1) + 0.5);
    // Whole rounds only, and few enough labels to read.
    m_axisX->setTickType(QValueAxis::TicksDynamic);
    m_axisX->setTickAnchor(x0);
    m_axisX->setTickInterval(std::max(1.0, std::ceil((x1 - x0 + 1) / 8)));
}

void frmBacktest::OpenRow(const QModelIndex& index)
{
    if (!index.isValid() || !m_openRound) {
        return;
    }
    m_openRound(m_model->Rows()[static_cast<std::size_t>(index.row())].Kaisaikai);
}

void frmBacktest::closeEvent(QCloseEvent* event)
{
    StopBacktest();
    event->accept();
}
