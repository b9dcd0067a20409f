#include "app/qt/frmJouken.h"

#include "app/clsConditionsFacet.h"
#include "base/qt/basQtText.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsXJoken1.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmJouken::frmJouken(clsConditionsFacet& conditions, JoukenKind kind, QWidget* parent)
    : QDialog(parent)
    , m_conditions(conditions)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("frmJouken"));
    setWindowTitle(QStringLiteral("複合条件設定"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    auto* column = new QVBoxLayout(this);
    const std::int32_t categories = basJouken::CategoryCount(kind);
    for (std::int32_t c = 0; c < categories; ++c) {
        auto* box = new QCheckBox(basQtText::ToQ(basJouken::LongTitle(kind, c)), this);
        box->setObjectName(QStringLiteral("chkJouken%1").arg(c));
        box->setAccessibleName(box->text());
        connect(box, &QCheckBox::clicked, this, [this, c] {
            m_conditions.EditJouken(
                [&](clsJoukenPanels& panels) { panels.Table(m_kind).CompoundToggle(c); });
        });
        column->addWidget(box);
        m_categories.push_back(box);
    }
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setAccessibleName(m_ok->text());
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAccessibleName(cancel->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &frmJouken::accept);
    connect(cancel, &QPushButton::clicked, this, &frmJouken::reject);

    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartConditions) != 0) {
            Refresh();
        }
    });
    Refresh();
}

QCheckBox* frmJouken::Category(int lngCategory) const
{
    if (lngCategory < 0 || static_cast<std::size_t>(lngCategory) >= m_categories.size()) {
        return nullptr;
    }
    return m_categories[static_cast<std::size_t>(lngCategory)];
}

const clsXJoken1& frmJouken::Table() const
{
    return m_conditions.JoukenPanels().Table(m_kind);
}

void frmJouken::Refresh()
{
    const std::vector<bool>& ticks = Table().CompoundTicks();
    for (std::size_t c = 0; c < m_categories.size(); ++c) {
        m_categories[c]->setChecked(c < ticks.size() && ticks[c]);
    }
    m_ok->setEnabled(Table().CompoundOkEnabled());
}

void frmJouken::accept()
{
    if (!Table().CompoundOkEnabled()) {
        return;
    }
    m_changed.Reset();
    m_conditions.EditJouken([&](clsJoukenPanels& panels) { panels.Table(m_kind).CompoundOk(); });
    QDialog::accept();
}

void frmJouken::reject()
{
    m_changed.Reset();
    m_conditions.EditJouken(
        [&](clsJoukenPanels& panels) { panels.Table(m_kind).CompoundCancel(); });
    QDialog::reject();
}
