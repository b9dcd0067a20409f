#include "results/qt/frmProbability.h"

#include "base/clsErrorReporter.h"
#include "base/clsIMessage.h"
#include "base/qt/basQtText.h"
#include "results/qt/clsOddsGrid.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

frmProbability::frmProbability(clsIMessage& message, const std::optional<ProbabilityRecord>& prob,
                               const clsTOdds::TeamNames& strTeams, const VoteRecord& vote,
                               ApplyFn fnApply, QWidget* parent)
    : QDialog(parent)
    , m_message(message)
    , m_vote(vote)
    , m_apply(std::move(fnApply))
{
    setObjectName(QStringLiteral("frmProbability"));
    setWindowTitle(QStringLiteral("予想確率（ユーザー定義）"));
    setModal(true);
    m_entry.Open(prob, strTeams);

    auto* column = new QVBoxLayout(this);
    auto* modeRow = new QHBoxLayout();
    modeRow->addWidget(new QLabel(QStringLiteral("入力"), this));
    auto* modes = new QButtonGroup(this);
    constexpr std::array<std::int32_t, 3> kModes{clsTProbabilityEntry::kMode10000,
                                                 clsTProbabilityEntry::kMode100,
                                                 clsTProbabilityEntry::kModeOdds};
    for (const std::int32_t mode : kModes) {
        auto* option =
            new QRadioButton(basQtText::ToQ(clsTProbabilityEntry::ModeCaption(mode)), this);
        option->setObjectName(QStringLiteral("optMode%1")
                                  .arg(mode == clsTProbabilityEntry::kModeOdds
                                           ? QStringLiteral("Odds")
                                           : QString::number(mode)));
        option->setChecked(mode == clsTProbabilityEntry::kMode10000);
        modes->addButton(option);
        modeRow->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, mode](bool blnOn) {
            if (blnOn) {
                SetMode(mode);
            }
        });
    }
    modeRow->addStretch(1);
    auto* fromVote = new QPushButton(QStringLiteral("投票率から"), this);
    fromVote->setObjectName(QStringLiteral("cmdFromVote"));
    modeRow->addWidget(fromVote);
    column->addLayout(modeRow);
    column->addWidget(new QLabel(
        QStringLiteral(
            "オッズは小数オッズ（2.35 など）で入力します。控除分を除いて確率に換算します。"),
        this));

    m_grid = new clsOddsGrid(strTeams, this);
    m_grid->setObjectName(QStringLiteral("grdProbabilityEntry"));
    m_grid->SetKeyFilter([this](clsTOdds::Key key, const std::string& strText, bool blnAll) {
        return m_entry.AcceptKey(key, strText, blnAll);
    });
    column->addWidget(m_grid);

    auto* buttons = new QHBoxLayout();
    auto* clear = new QPushButton(QStringLiteral("クリア"), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    buttons->addWidget(clear);
    buttons->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {fromVote, clear, m_ok, cancel}) {
        // Enter belongs to the boxes (it moves to the next one), never to a default button.
        button->setAutoDefault(false);
    }
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &clsOddsGrid::BoxEdited, this,
            [this](int lngOutcome, int lngMatch, const QString& strText) {
                m_entry.SetText(lngOutcome, lngMatch, basQtText::FromQ(strText));
                Validate();
            });
    connect(fromVote, &QPushButton::clicked, this, &frmProbability::OnFromVote);
    connect(clear, &QPushButton::clicked, this, &frmProbability::OnClear);
    connect(m_ok, &QPushButton::clicked, this, &frmProbability::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowTexts();
    m_grid->Box(0)->setFocus(Qt::TabFocusReason);
}

void frmProbability::SetMode(std::int32_t lngMode)
{
    m_entry.SetMode(lngMode);
    m_grid->SetDecimal(lngMode != clsTProbabilityEntry::kMode10000);
    ShowTexts();
}

void frmProbability::ShowTexts()
{
    m_ok->setEnabled(m_grid->ShowTexts(m_entry));
}

void frmProbability::Validate()
{
    m_ok->setEnabled(m_grid->ShowValid(m_entry));
}

void frmProbability::OnFromVote()
{
    std::string strReason;
    if (!m_entry.FillFromVote(m_vote, strReason)) {
        m_message.ShowMessage(MsgIcon::Warning, strReason, kAppTitle);
        return;
    }
    ShowTexts();
}

void frmProbability::OnOk()
{
    // A refusal keeps the dialog open with every value typed.
    if (!m_entry.OkEnabled() || (m_apply && !m_apply(ProbabilityRecord{m_entry.Values()}))) {
        return;
    }
    m_entry.Ok();
    accept();
}

void frmProbability::OnClear()
{
    if (!m_apply || m_apply(std::nullopt)) {
        done(Cleared);
    }
}
