#include "app/qt/clsMultiPage.h"

#include "app/basMultiPage.h"
#include "app/clsDocument.h"
#include "app/clsTGame.h"
#include "app/qt/clsEngineView.h"
#include "app/qt/clsJoukenPanel.h"
#include "app/qt/clsMultiCountView.h"
#include "app/qt/clsMultiView.h"
#include "app/qt/clsRunView.h"
#include "base/qt/basQtText.h"
#include "widgets/clsGridView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

clsMultiPage::clsMultiPage(clsDocument& doc, clsIMenuChooser& chooser, const clsTGame& game,
                           QWidget* parent)
    : QWidget(parent)
    , m_marks(doc.Marks())
    , m_conditions(doc.Conditions())
{
    setObjectName(QStringLiteral("clsMultiPage"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);

    auto* left = new QVBoxLayout();
    left->setSpacing(4);
    auto* grids = new QHBoxLayout();
    grids->setSpacing(0);
    m_teams = new clsGridView(this);
    m_teams->setObjectName(QStringLiteral("grdMultiTeams"));
    m_teams->setAccessibleName(QStringLiteral("対戦カード"));
    m_teams->SetSource(game.MatchGrid());
    m_teams->SetGeometry96(clsTGame::TeamsGeometry96());
    m_teams->SetFitToCells(true);
    m_multi = new clsMultiView(doc.Marks(), this);
    grids->addWidget(m_teams, 0, Qt::AlignTop);
    m_count = new clsMultiCountView(doc.Marks(), this);
    grids->addWidget(m_multi, 0, Qt::AlignTop);
    grids->addSpacing(6);
    grids->addWidget(m_count, 0, Qt::AlignTop);
    grids->addStretch(1);
    left->addLayout(grids);
    m_lblMultiCount = new QLabel(this);
    m_lblMultiCount->setObjectName(QStringLiteral("lblMultiCount"));
    left->addWidget(m_lblMultiCount);
    m_lblLive = new QLabel(this);
    m_lblLive->setObjectName(QStringLiteral("lblLiveCount"));
    m_lblLive->setToolTip(
        QStringLiteral("今の条件で残るシングルの数です。マークや条件を変えるたびに数え直します。"));
    left->addWidget(m_lblLive);
    left->addStretch(1);
    grid->addLayout(left, 0, 0);
    m_jouken = new clsJoukenPanel(doc.Conditions(), doc.Round(), chooser, this);
    grid->addWidget(m_jouken, 0, 1, Qt::AlignLeft | Qt::AlignTop);

    // Two by two: the engine under the marks, the run's log and breakdown under the
    // conditions. Stacked, the results fell below the fold of a 1280 x 800 window (1920 x
    // 1200 at 144 dpi).
    m_engine = new clsEngineView(doc.Conditions(), doc.Round(), doc.Search(), this);
    grid->addWidget(m_engine, 1, 0, Qt::AlignTop);
    m_run = new clsRunView(doc.Search(), doc.Tickets(), doc.Round(), this);
    grid->addWidget(m_run, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    m_livePoll = new QTimer(this);
    m_livePoll->setInterval(30);
    connect(m_livePoll, &QTimer::timeout, this, [this] {
        if (!m_conditions.PollLive()) {
            m_livePoll->stop();
        }
        RefreshLive();
    });

    m_changed = m_marks.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartMulti) != 0) {
            RefreshCount();
        }
        if (m_conditions.LiveBusy() && !m_livePoll->isActive()) {
            m_livePoll->start();
        }
        if ((lngParts & DocumentParts::PartLive) != 0 || m_conditions.LiveBusy()) {
            RefreshLive();
        }
    });
    RefreshCount();
    m_conditions.SetLiveCount(true);
    m_livePoll->start();
    RefreshLive();
}

clsMultiPage::~clsMultiPage()
{
    m_conditions.SetLiveCount(false);
}

void clsMultiPage::RefreshLive()
{
    const QString text = basQtText::ToQ(basMultiPage::LiveText(m_conditions.LiveResult()));
    if (m_lblLive->text() != text) {
        m_lblLive->setText(text);
        m_lblLive->setAccessibleName(text);
    }
    // The figure stays readable while it is recounted, but says it is not yet the new one.
    m_lblLive->setEnabled(!m_conditions.LiveBusy());
}

void clsMultiPage::RefreshCount()
{
    const QString text = basQtText::ToQ(basMultiPage::CountText(m_marks.MultiCount()));
    m_lblMultiCount->setText(text);
    m_lblMultiCount->setAccessibleName(text);
}

void clsMultiPage::RefreshTeams()
{
    m_teams->Refresh();
}

void clsMultiPage::SetBusy(bool blnBusy)
{
    m_multi->setEnabled(!blnBusy);
    m_jouken->setEnabled(!blnBusy);
    m_engine->setEnabled(!blnBusy);
}
