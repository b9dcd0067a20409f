#include "results/qt/frmOdds.h"

#include "base/qt/basQtText.h"
#include "results/qt/clsOddsGrid.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmOdds::frmOdds(const clsTOdds::Values& lngValue, const clsTOdds::TeamNames& strTeams,
                 ApplyFn fnApply, QWidget* parent)
    : QDialog(parent)
    , m_apply(std::move(fnApply))
{
    setObjectName(QStringLiteral("frmOdds"));
    setWindowTitle(QStringLiteral("投票率（ユーザー定義）"));
    setModal(true);
    m_odds.Open(lngValue, strTeams);

    auto* column = new QVBoxLayout(this);
    auto* modeRow = new QHBoxLayout();
    modeRow->addWidget(new QLabel(QStringLiteral("合計"), this));
    m_mode10000 =
        new QRadioButton(basQtText::ToQ(clsTOdds::ModeCaption(clsTOdds::kMode10000)), this);
    m_mode10000->setObjectName(QStringLiteral("optMode10000"));
    m_mode100 = new QRadioButton(basQtText::ToQ(clsTOdds::ModeCaption(clsTOdds::kMode100)), this);
    m_mode100->setObjectName(QStringLiteral("optMode100"));
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_mode10000);
    modes->addButton(m_mode100);
    m_mode10000->setChecked(true);
    modeRow->addWidget(m_mode10000);
    modeRow->addWidget(m_mode100);
    modeRow->addStretch(1);
    column->addLayout(modeRow);

    m_grid = new clsOddsGrid(strTeams, this);
    m_grid->setObjectName(QStringLiteral("grdOddsEntry"));
    m_grid->SetKeyFilter([this](clsTOdds::Key key, const std::string& strText, bool blnAll) {
        return m_odds.AcceptKey(key, strText, blnAll);
    });
    column->addWidget(m_grid);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter belongs to the boxes (it moves to the next one), never to a default button.
    m_ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &clsOddsGrid::BoxEdited, this,
            [this](int lngOutcome, int lngMatch, const QString& strText) {
                m_odds.SetText(lngOutcome, lngMatch, basQtText::FromQ(strText));
                Validate();
            });
    connect(m_mode10000, &QRadioButton::toggled, this, [this](bool blnOn) {
        if (blnOn) {
            SetMode(clsTOdds::kMode10000);
        }
    });
    connect(m_mode100, &QRadioButton::toggled, this, [this](bool blnOn) {
        if (blnOn) {
            SetMode(clsTOdds::kMode100);
        }
    });
    connect(m_ok, &QPushButton::clicked, this, &frmOdds::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowTexts();
    m_grid->Box(0)->setFocus(Qt::TabFocusReason);
}

void frmOdds::SetMode(std::int32_t lngMode)
{
    m_odds.SetMode(lngMode);
    m_grid->SetDecimal(lngMode != clsTOdds::kMode10000);
    ShowTexts();
}

void frmOdds::ShowTexts()
{
    m_ok->setEnabled(m_grid->ShowTexts(m_odds));
}

void frmOdds::Validate()
{
    m_ok->setEnabled(m_grid->ShowValid(m_odds));
}

void frmOdds::OnOk()
{
    // A refusal keeps the dialog open with every value typed.
    if (!m_odds.OkEnabled() || (m_apply && !m_apply(m_odds.GetValues()))) {
        return;
    }
    m_odds.Ok();
    accept();
}
