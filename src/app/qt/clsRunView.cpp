#include "app/qt/clsRunView.h"

#include "app/basRunPanel.h"
#include "app/basValueReport.h"
#include "base/qt/basQtText.h"
#include "widgets/clsGridView.h"

#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

clsRunView::clsRunView(clsSearchFacet& search, clsTicketsFacet& tickets, clsRoundFacet& round,
                       QWidget* parent)
    : QWidget(parent)
    , m_search(search)
    , m_tickets(tickets)
    , m_round(round)
    , m_meisaiSource(search.Extraction().Meisai())
    , m_countSource(m_count)
{
    setObjectName(QStringLiteral("clsRunView"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QHBoxLayout();
    m_cmdRun = new QPushButton(this);
    m_cmdRun->setObjectName(QStringLiteral("cmdRun"));
    m_cmdRun->setMinimumWidth(96);
    connect(m_cmdRun, &QPushButton::clicked, this, [this] {
        // The run pumps events; this button's second press arrives as the pause toggle.
        if (m_search.Edit().Batch() && !m_search.Running()) {
            return;
        }
        m_search.Run();
        RefreshButtons();
    });
    m_cmdCancel = new QPushButton(QStringLiteral("検索終了"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setAccessibleName(m_cmdCancel->text());
    m_cmdCancel->setToolTip(QStringLiteral("検索を途中で終えます (Esc)"));
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { m_search.Cancel(); });
    // F5 and Esc press the buttons, so they ask what a click asks and do nothing while the
    // button is disabled. Shortcuts of their own: a button's text resets its shortcut.
    auto* start = new QShortcut(QKeySequence::Refresh, this);
    connect(start, &QShortcut::activated, m_cmdRun, &QPushButton::click);
    for (const QKeySequence& key :
         {QKeySequence(QKeySequence::Cancel), QKeySequence(Qt::SHIFT | Qt::Key_F5)}) {
        auto* stop = new QShortcut(key, this);
        connect(stop, &QShortcut::activated, m_cmdCancel, &QPushButton::click);
    }
    buttons->addWidget(m_cmdRun);
    buttons->addWidget(m_cmdCancel);
    buttons->addStretch(1);

    // The buttons over the log, the worth figures under it: the area stays as high as the
    // breakdown beside it and narrow enough to stand beside the marks.
    auto* logColumn = new QVBoxLayout();
    logColumn->addLayout(buttons);
    m_lstMsg = new QListWidget(this);
    m_lstMsg->setObjectName(QStringLiteral("lstMsg"));
    m_lstMsg->setAccessibleName(QStringLiteral("メッセージ"));
    // The step lines align their counts in columns.
    m_lstMsg->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_lstMsg->setMinimumSize(240, 120);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("picBar"));
    m_bar->setAccessibleName(QStringLiteral("進行状況"));
    m_bar->setTextVisible(false);
    logColumn->addWidget(m_lstMsg, 1);
    logColumn->addWidget(m_bar);
    // While the breakdown belongs to a run on other marks or conditions: its figures beside
    // the new multi count must not pass for the multi's own. Under the log, so the page keeps
    // its height.
    m_lblStale = new QLabel(QString::fromUtf8(kStaleCaption), this);
    m_lblStale->setObjectName(QStringLiteral("lblMeisaiStale"));
    m_lblStale->setAccessibleName(m_lblStale->text());
    m_lblStale->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lblStale->setWordWrap(true);
    logColumn->addWidget(m_lblStale);
    m_lblBudget = new QLabel(this);
    m_lblBudget->setObjectName(QStringLiteral("lblBudgetReach"));
    m_lblBudget->setWordWrap(true);
    m_lblBudget->setToolTip(
        QStringLiteral("予算エンジンが選んだシングルの的中確率（自分の予想確率がないときは、"
                       "当たりの範囲に入るシングルの数）"));
    logColumn->addWidget(m_lblBudget);
    row->addLayout(logColumn, 1);

    m_countGrid = new clsGridView(this);
    // Read-only: a range can be selected and copied.
    m_countGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_countGrid->setObjectName(QStringLiteral("picCount"));
    m_countGrid->setAccessibleName(QStringLiteral("シングル構成"));
    m_countGrid->setToolTip(
        QStringLiteral("シングルに各試合の1・0・2が何口あるか。クリックで口数と％を切り替えます"));
    m_countGrid->SetSource(m_countSource);
    m_countGrid->SetGeometry96(clsTCountGrid::Geometry96());
    m_countGrid->SetFitToCells(true);
    m_count.Redraw = [this] { m_countGrid->Refresh(); };
    connect(m_countGrid, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button, Qt::KeyboardModifiers) {
                // The grid's own switch is the document's: every count grid and the View
                // menu's tick flip together.
                if (button == Qt::LeftButton && lngRow >= 1 && m_search.Edit().MayEdit()) {
                    m_tickets.SetSinglePercent(!m_tickets.SinglePercent());
                }
            });
    row->addWidget(m_countGrid, 0, Qt::AlignTop);

    m_meisai = new clsGridView(this);
    m_meisai->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_meisai->setObjectName(QStringLiteral("grdMeisai"));
    m_meisai->setAccessibleName(QStringLiteral("明細"));
    m_meisai->SetSource(m_meisaiSource);
    m_meisai->SetGeometry96(m_meisaiSource.Geometry96());
    m_meisai->SetFitToCells(true);
    row->addWidget(m_meisai, 0, Qt::AlignTop);
    m_value = new QWidget(this);
    m_value->setObjectName(QStringLiteral("fraValue"));
    m_value->setAccessibleName(QStringLiteral("自分の確率での見込み"));
    auto* valueGrid = new QGridLayout(m_value);
    valueGrid->setContentsMargins(0, 4, 0, 0);
    valueGrid->setHorizontalSpacing(12);
    valueGrid->setVerticalSpacing(2);
    // Beside the breakdown's shares of the singles, these are chances under the player's
    // own probabilities: the heading keeps the two apart.
    auto* valueTitle = new QLabel(QStringLiteral("自分の確率での見込み"), m_value);
    valueTitle->setObjectName(QStringLiteral("lblValueTitle"));
    QFont titleFont = valueTitle->font();
    titleFont.setBold(true);
    valueTitle->setFont(titleFont);
    valueGrid->addWidget(valueTitle, 0, 0, 1, 2);
    // The captions never change: set now, so that the hidden area is not a row of blank labels
    // to a screen reader.
    const auto captions = basValueReport::SetValueLines(clsTValue::SetValue{});
    for (int i = 0; i < static_cast<int>(m_valueText.size()); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const QString caption = basQtText::ToQ(captions[k].Label);
        m_valueCaption[k] = new QLabel(caption, m_value);
        m_valueCaption[k]->setObjectName(QStringLiteral("lblValueCaption%1").arg(i));
        m_valueText[k] = new QLabel(m_value);
        m_valueText[k]->setObjectName(QStringLiteral("lblValue%1").arg(i));
        m_valueText[k]->setAccessibleName(caption);
        m_valueText[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_valueText[k]->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                Qt::TextSelectableByKeyboard);
        m_valueText[k]->setFocusPolicy(Qt::TabFocus);
        m_valueCaption[k]->setBuddy(m_valueText[k]);
        // Room for the widest figure before there is one, at any font size.
        m_valueCaption[k]->setMinimumWidth(
            m_valueCaption[k]->fontMetrics().horizontalAdvance(QStringLiteral("購入金額")));
        m_valueText[k]->setMinimumWidth(
            m_valueText[k]->fontMetrics().horizontalAdvance(QStringLiteral("0.0000000000 円")));
        valueGrid->addWidget(m_valueCaption[k], i + 1, 0);
        valueGrid->addWidget(m_valueText[k], i + 1, 1);
    }
    logColumn->addWidget(m_value);

    m_showLog.setSingleShot(true);
    m_showLog.setInterval(kLogFrameMs);
    connect(&m_showLog, &QTimer::timeout, this, [this] { ShowLog(); });
    ReloadLog();
    m_search.SetLogSink(this);
    m_changed = m_search.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartRunState) != 0) {
            ShowLog(); // the run's last lines, or where a pause held it, at once
        }
        if ((lngParts & (DocumentParts::PartRunState | DocumentParts::PartFile |
                         DocumentParts::PartSingles)) != 0) {
            RefreshButtons();
        }
        if ((lngParts & (DocumentParts::PartLog | DocumentParts::PartSingles |
                         DocumentParts::PartRunState)) != 0) {
            m_meisai->Refresh();
        }
        RefreshStale();
        if ((lngParts & (DocumentParts::PartSingles | DocumentParts::PartMulti |
                         DocumentParts::PartView)) != 0) {
            RecountSingles();
        }
        if ((lngParts & (DocumentParts::PartSingles | DocumentParts::PartProbability |
                         DocumentParts::PartVote | DocumentParts::PartRound |
                         DocumentParts::PartRunState | DocumentParts::PartView)) != 0) {
            RefreshValue();
        }
    });
    RecountSingles();
    RefreshButtons();
    RefreshValue();
    RefreshStale();
}

void clsRunView::RefreshStale()
{
    m_lblStale->setVisible(m_search.ResultStale() && !m_search.Running());
    const auto& reach = m_search.LastBudgetReach();
    const bool shown = reach.has_value() && !m_search.Running();
    if (shown) {
        m_lblBudget->setText(QStringLiteral("予算エンジン：") +
                             basQtText::ToQ(clsTMsEngine5::SummaryText(*reach)));
        m_lblBudget->setAccessibleName(m_lblBudget->text());
    }
    m_lblBudget->setVisible(shown);
}

clsRunView::~clsRunView()
{
    m_search.SetLogSink(nullptr);
}

void clsRunView::ReloadLog()
{
    LogCleared();
    ShowLog();
}

void clsRunView::LogCleared()
{
    m_shownLines = 0;
    m_firstStale = 0;
    m_lstMsg->clear();
}

void clsRunView::LogLine(std::int32_t lngIndex, std::string_view)
{
    // The text is read back from the log when shown: a run writes lines and percentages far
    // more often than a screen can show them, and every item change, selection and scroll is
    // a repaint and a screen reader's update. While it runs they wait for the next event pass.
    m_firstStale = std::min(m_firstStale, std::max(0, lngIndex));
    ShowLogLater();
}

void clsRunView::BarChanged(std::int32_t, std::int32_t)
{
    ShowLogLater();
}

void clsRunView::ShowLogLater()
{
    // A paused search writes its last lines on the way to its rest: they are shown at once,
    // so the log at rest is the whole of it.
    if (!m_search.Running() || m_search.Paused()) {
        ShowLog();
    } else if (!m_showLog.isActive()) {
        m_showLog.start();
    }
}

void clsRunView::ShowLog()
{
    m_showLog.stop();
    const std::vector<std::string>& lines = m_search.Log().Lines();
    const int count = static_cast<int>(lines.size());
    const int first = std::min(m_firstStale, m_shownLines);
    if (first < count || m_shownLines != count) {
        // Lines the log no longer has (it was replaced) go first.
        while (m_lstMsg->count() > count) {
            delete m_lstMsg->takeItem(m_lstMsg->count() - 1);
        }
        for (int i = first; i < count; ++i) {
            const QString text = basQtText::ToQ(lines[static_cast<std::size_t>(i)]);
            if (i < m_lstMsg->count()) {
                if (m_lstMsg->item(i)->text() != text) {
                    m_lstMsg->item(i)->setText(text);
                }
            } else {
                m_lstMsg->addItem(text);
            }
        }
        m_shownLines = count;
        m_firstStale = count;
        if (m_lstMsg->currentRow() != count - 1) {
            m_lstMsg->setCurrentRow(count - 1);
        }
        m_lstMsg->scrollToBottom();
    }
    const std::int32_t max = std::max(1, m_search.Log().BarMax());
    const std::int32_t value = std::clamp(m_search.Log().BarValue(), 0, max);
    if (m_bar->maximum() != max) {
        m_bar->setMaximum(max);
    }
    if (m_bar->value() != value) {
        m_bar->setValue(value);
    }
}

void clsRunView::RefreshButtons()
{
    const basRunPanel::State state = basRunPanel::FromSearch(m_search);
    const QString caption = basQtText::ToQ(basRunPanel::Caption(state));
    m_cmdRun->setText(caption);
    m_cmdRun->setAccessibleName(caption);
    // The one button starts, pauses and resumes: its tip follows its caption, and names its key.
    m_cmdRun->setToolTip(
        (!m_search.Running()
             ? QStringLiteral("マークしたマルチと条件からシングルを作り、口数を減らします")
         : m_search.Paused() ? QStringLiteral("止めた検索を続けます")
                             : QStringLiteral("検索を一時的に止めます")) +
        QStringLiteral(" (F5)"));
    m_cmdRun->setEnabled(basRunPanel::Enabled(state));
    m_cmdCancel->setEnabled(m_search.Running());
}

void clsRunView::RecountSingles()
{
    m_count.SetVisible(m_tickets.Covered());
    m_count.SetPercent(m_tickets.SinglePercent());
    m_count.SetValue(m_tickets.SingleFrame()); // redraws
}

void clsRunView::RefreshValue()
{
    clsTValue::SetValue sv;
    const bool shown = m_round.Probability().has_value() && !m_tickets.Singles().empty() &&
                       !m_search.Running() && m_round.GetSetValue(sv);
    m_value->setVisible(shown);
    if (!shown) {
        return;
    }
    // The chances as kelvra-cli prints them; the yen grouped like every amount on the page.
    const auto lines = basValueReport::SetValueLines(sv);
    for (std::size_t i = 0; i < 3; ++i) {
        m_valueText[i]->setText(basQtText::ToQ(lines[i].Text));
    }
    m_valueText[3]->setText(
        basQtText::ToQ(Currency::FromInt(std::llround(sv.EV)).FormatNumber(0, true)) +
        QStringLiteral(" 円"));
    m_valueText[4]->setText(basQtText::ToQ(sv.Cost.FormatNumber(0, true)) + QStringLiteral(" 円"));
    for (std::size_t i = 0; i < m_valueText.size(); ++i) {
        m_valueText[i]->setAccessibleName(m_valueCaption[i]->text() + QLatin1Char(' ') +
                                          m_valueText[i]->text());
    }
}
