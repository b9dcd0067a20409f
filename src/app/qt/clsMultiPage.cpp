#include "app/qt/clsMultiPage.h"

#include "app/qt/clsMultiCountView.h"
#include "app/qt/clsMultiView.h"
#include "base/qt/basQtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

clsMultiPage::clsMultiPage(clsDocument& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
{
    setObjectName(QStringLiteral("clsMultiPage"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);

    auto* left = new QVBoxLayout();
    left->setSpacing(4);
    auto* grids = new QHBoxLayout();
    grids->setSpacing(6);
    m_multi = new clsMultiView(doc, this);
    m_count = new clsMultiCountView(doc, this);
    grids->addWidget(m_multi, 0, Qt::AlignTop);
    grids->addWidget(m_count, 0, Qt::AlignTop);
    grids->addStretch(1);
    left->addLayout(grids);
    m_lblMultiCount = new QLabel(this);
    m_lblMultiCount->setObjectName(QStringLiteral("lblMultiCount"));
    left->addWidget(m_lblMultiCount);
    left->addStretch(1);
    grid->addLayout(left, 0, 0);

    m_runArea = new QVBoxLayout();
    m_runArea->setContentsMargins(0, 0, 0, 0);
    grid->addLayout(m_runArea, 1, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    m_changed = m_doc.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & clsDocument::PartMulti) != 0) {
            RefreshCount();
        }
    });
    RefreshCount();
}

void clsMultiPage::RefreshCount()
{
    const QString text = basQtText::ToQ(m_doc.MultiCountText());
    m_lblMultiCount->setText(text);
    m_lblMultiCount->setAccessibleName(text);
}
