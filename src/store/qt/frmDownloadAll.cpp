#include "store/qt/frmDownloadAll.h"

#include "base/clsThreadPump.h"
#include "base/qt/basQtText.h"
#include "store/clsTMain.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <exception>

using basQtText::ToQ;

namespace {

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& p : parts) {
        text += (text.empty() ? "" : " ") + p;
    }
    return text;
}

std::string RoundText(const HistoryRound& round)
{
    using State = HistoryRound::State;
    const std::string head = "第" + std::to_string(round.Kaisaikai) + "回　";
    std::string text = head;
    switch (round.Outcome) {
    case State::Stored:
        return head + "保存（" + Joined(round.Filed) + "）";
    case State::Complete:
        return head + "保存済み";
    case State::NotHeld:
        return head + "未開催";
    case State::Failed:
        text = head + "失敗";
        break;
    case State::Stopped:
        text = head + "中止" + (round.Filed.empty() ? "" : "（" + Joined(round.Filed) + "は保存）");
        break;
    }
    for (const std::string& why : round.Reasons) {
        text += "\n　　" + why;
    }
    return text;
}

QSpinBox* RoundBox(const char* strName, int lngValue, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(strName));
    box->setRange(1, clsTMain::kMaxKaisaikai);
    box->setValue(lngValue);
    return box;
}

QLabel* BuddyLabel(const QString& strText, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(strText, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(strText);
    return label;
}
} // namespace

frmDownloadAll::frmDownloadAll(Setup setup, QWidget* parent)
    : QDialog(parent)
    , m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("frmDownloadAll"));
    setWindowTitle(QStringLiteral("過去の回をまとめてダウンロード"));
    auto* column = new QVBoxLayout(this);

    // The rounds before the one shown are the ones already played.
    const int to = std::max(1, m_setup.Kaisaikai - 1);
    const int from = std::max(1, to - 9);
    m_from = RoundBox("txtFrom", from, this);
    m_to = RoundBox("txtTo", to, this);
    m_from->setToolTip(QStringLiteral("この回から取得します"));
    m_to->setToolTip(QStringLiteral("この回まで取得します"));
    m_pause = new QSpinBox(this);
    m_pause->setObjectName(QStringLiteral("txtPause"));
    m_pause->setRange(0, clsHistoryDownload::kMaxPauseMs);
    m_pause->setSingleStep(500);
    m_pause->setValue(clsHistoryDownload::kDefaultPauseMs);
    m_pause->setSuffix(QStringLiteral(" ミリ秒"));
    m_pause->setToolTip(
        QStringLiteral("公式サイトに負担をかけないよう、読み込みごとにこの時間待ちます"));

    auto* grid = new QGridLayout();
    grid->addWidget(BuddyLabel(QStringLiteral("開始回"), m_from, this), 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("終了回"), m_to, this), 0, 2);
    grid->addWidget(m_to, 0, 3);
    grid->addWidget(BuddyLabel(QStringLiteral("読み込みの間隔"), m_pause, this), 1, 0);
    grid->addWidget(m_pause, 1, 1, 1, 3);
    column->addLayout(grid);

    auto* note = new QLabel(
        QStringLiteral(
            "保存されていない開催情報・販売終了時点の投票状況・くじ結果だけを読み込みます。"),
        this);
    note->setWordWrap(true);
    column->addWidget(note);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgDownload"));
    m_progress->setAccessibleName(QStringLiteral("進み具合"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    column->addWidget(m_progress);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    column->addWidget(m_status);

    m_summaryText = new QPlainTextEdit(this);
    m_summaryText->setObjectName(QStringLiteral("txtSummary"));
    m_summaryText->setAccessibleName(QStringLiteral("結果"));
    m_summaryText->setReadOnly(true);
    m_summaryText->setMinimumHeight(fontMetrics().height() * 8);
    column->addWidget(m_summaryText, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    m_start = new QPushButton(QStringLiteral("開始"), this);
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_start->setToolTip(QStringLiteral("指定した範囲の回を順に読み込みます"));
    m_start->setDefault(true);
    m_stop = new QPushButton(QStringLiteral("中止"), this);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_stop->setToolTip(
        QStringLiteral("読み込み中のページが終わったところで止めます。保存したファイルは残ります"));
    m_close = new QPushButton(QStringLiteral("閉じる"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_close);
    column->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, &frmDownloadAll::Start);
    connect(m_stop, &QPushButton::clicked, this, &frmDownloadAll::Stop);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    ShowRunning(false);
    // Wide enough for a failed round's reason on one or two lines.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 30);
}

frmDownloadAll::~frmDownloadAll()
{
    Join();
}

void frmDownloadAll::Join()
{
    if (!m_thread.joinable()) {
        return;
    }
    m_stopAsked = true;
    m_thread.join();
    if (m_setup.Running) {
        m_setup.Running(false);
    }
}

void frmDownloadAll::ShowRunning(bool blnRunning)
{
    m_from->setEnabled(!blnRunning);
    m_to->setEnabled(!blnRunning);
    m_pause->setEnabled(!blnRunning);
    m_start->setEnabled(!blnRunning);
    m_close->setEnabled(!blnRunning);
    m_stop->setEnabled(blnRunning);
}

void frmDownloadAll::Start()
{
    if (IsRunning()) {
        return;
    }
    const std::int32_t from = m_from->value();
    const std::int32_t to = m_to->value();
    if (const std::string refused = clsHistoryDownload::CheckRange(from, to); !refused.empty()) {
        m_status->setText(ToQ(refused));
        return;
    }
    m_runFrom = from;
    m_runTo = to;
    m_summary = HistorySummary{};
    m_summaryText->clear();
    m_progress->setRange(0, to - from + 1);
    m_progress->setValue(0);
    m_status->setText(ToQ("第" + std::to_string(from) + "回から読み込んでいます…"));
    m_stopAsked = false;
    if (m_setup.Running) {
        m_setup.Running(true);
    }
    ShowRunning(true);
    const std::int32_t pause = m_pause->value();
    m_thread = std::thread([this, from, to, pause, settings = m_setup.Settings,
                            dir = m_setup.ProgramDir] {
        HistorySummary summary;
        std::string error;
        try {
            clsThreadPump pump; // the worker's clock; the window has its own loop
            clsHistoryDownload batch(settings, dir, pump);
            batch.SetPauseMs(pause);
            batch.StopRequested = [this] { return m_stopAsked.load(); };
            batch.RoundDone = [this](const HistoryRound& round, std::int32_t lngDone,
                                     std::int32_t lngTotal) {
                QMetaObject::invokeMethod(
                    this, [this, round, lngDone, lngTotal] { OnRound(round, lngDone, lngTotal); },
                    Qt::QueuedConnection);
            };
            summary = batch.Download(from, to);
        } catch (const std::exception& e) {
            // The files filed so far are whole; the run just ends early.
            error = e.what();
        }
        QMetaObject::invokeMethod(
            this, [this, summary, error] { OnFinished(summary, error); }, Qt::QueuedConnection);
    });
}

void frmDownloadAll::Stop()
{
    if (!IsRunning()) {
        return;
    }
    m_stopAsked = true;
    m_stop->setEnabled(false);
    m_status->setText(
        QStringLiteral("中止しています。読み込み中のページが終わるまでお待ち下さい…"));
}

void frmDownloadAll::OnRound(const HistoryRound& round, std::int32_t lngDone, std::int32_t lngTotal)
{
    m_progress->setValue(lngDone);
    m_summaryText->appendPlainText(ToQ(RoundText(round)));
    if (!m_stopAsked) {
        m_status->setText(ToQ("第" + std::to_string(round.Kaisaikai) + "回まで終わりました（" +
                              std::to_string(lngDone) + " / " + std::to_string(lngTotal) + "）"));
    }
}

void frmDownloadAll::OnFinished(const HistorySummary& summary, const std::string& strError)
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_summary = summary;
    if (m_setup.Running) {
        m_setup.Running(false);
    }
    ShowRunning(false);
    using State = HistoryRound::State;
    std::string text = "保存 " + std::to_string(summary.Count(State::Stored)) + " 回、保存済み " +
                       std::to_string(summary.Count(State::Complete)) + " 回、未開催 " +
                       std::to_string(summary.Count(State::NotHeld)) + " 回、失敗 " +
                       std::to_string(summary.Count(State::Failed)) + " 回";
    if (summary.Stopped) {
        text = "中止しました。" + summary.NotStartedText(m_runFrom, m_runTo) + "\n" + text;
    } else if (!strError.empty()) {
        text = "読み込みを続けられませんでした（" + strError + "）。\n" + text;
    } else {
        m_progress->setValue(m_progress->maximum());
    }
    m_status->setText(ToQ(text));
    m_summaryText->appendPlainText(ToQ("\n" + text));
    emit downloadFinished(m_runFrom, m_runTo);
}

void frmDownloadAll::closeEvent(QCloseEvent* event)
{
    // The store is being written: a close asks for the stop and waits for its end.
    if (IsRunning()) {
        Stop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmDownloadAll::reject()
{
    if (IsRunning()) {
        Stop();
        return;
    }
    QDialog::reject();
}
