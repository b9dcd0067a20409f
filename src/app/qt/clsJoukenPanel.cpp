#include "app/qt/clsJoukenPanel.h"

#include "app/clsConditionsFacet.h"
#include "app/clsRoundFacet.h"
#include "app/qt/clsHaitouView.h"
#include "app/qt/clsJoukenTableView.h"
#include "app/qt/clsMachigaiView.h"
#include "widgets/clsTabStrip.h"

#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

clsJoukenPanel::clsJoukenPanel(clsConditionsFacet& conditions, clsRoundFacet& round,
                               clsIMenuChooser& chooser, QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
{
    setObjectName(QStringLiteral("joukenPanel"));
    setAccessibleName(QStringLiteral("条件"));
    m_tabs = new clsTabStrip(this);
    m_tabs->setObjectName(QStringLiteral("tabJouken"));
    m_tabs->setAccessibleName(QStringLiteral("条件"));
    m_tabs->setToolTip(QStringLiteral("シングルを削る条件の種類を選びます"));
    m_tabs->SetCaptions({QStringLiteral("金額"), QStringLiteral("本命"), QStringLiteral("人気"),
                         QStringLiteral("勝敗"), QStringLiteral("補正")});
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pagesJouken"));
    m_haitou = new clsHaitouView(conditions, round, chooser, m_pages);
    m_pages->addWidget(m_haitou);
    const std::array<JoukenKind, 3> kinds{JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        m_tables[i] = new clsJoukenTableView(conditions, kinds[i], chooser, m_pages);
        m_pages->addWidget(m_tables[i]);
        connect(m_tables[i], &clsJoukenTableView::KouseiBunsekiRequested, this,
                &clsJoukenPanel::KouseiBunsekiRequested);
        connect(m_tables[i], &clsJoukenTableView::TableTabClicked, this,
                &clsJoukenPanel::TableTabClicked);
    }
    m_machigai = new clsMachigaiView(conditions, chooser, m_pages);
    m_pages->addWidget(m_machigai);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_tabs);
    column->addWidget(m_pages, 1);
    connect(m_tabs, &clsTabStrip::TabChanged, this, &clsJoukenPanel::OnPageChanged);
    // New and the loads choose the page in the document; the strip follows.
    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t) { ShowDocumentPage(); });
    ShowDocumentPage();
}

void clsJoukenPanel::ShowDocumentPage()
{
    const int page = m_conditions.JoukenPage();
    if (page != m_tabs->CurrentTab()) {
        const QSignalBlocker block(m_tabs);
        m_tabs->SetCurrentTab(page);
    }
    m_pages->setCurrentIndex(m_tabs->CurrentTab());
}

clsJoukenTableView* clsJoukenPanel::TableView(JoukenKind kind) const
{
    const auto index = static_cast<std::size_t>(kind) - 1;
    return index < m_tables.size() ? m_tables[index] : nullptr;
}

void clsJoukenPanel::SetMaxGrade(int lngMaxGrade)
{
    m_haitou->SetMaxGrade(lngMaxGrade);
}

void clsJoukenPanel::OnPageChanged(int lngPage)
{
    m_conditions.SetJoukenPage(lngPage);
    // A refused change keeps the page the document shows.
    ShowDocumentPage();
}
