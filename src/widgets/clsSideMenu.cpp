#include "widgets/clsSideMenu.h"

#include <QSignalBlocker>
#include <QStackedWidget>

clsSideMenu::clsSideMenu(QStackedWidget* pages, QWidget* parent)
    : QListWidget(parent)
    , m_pages(pages)
{
    setObjectName(QStringLiteral("sideMenu"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSpacing(2);
    connect(this, &QListWidget::currentRowChanged, this, &clsSideMenu::OnRowChanged);
}

int clsSideMenu::AddPage(const QString& strCaption, QWidget* page)
{
    const int index = m_pages->addWidget(page);
    auto* item = new QListWidgetItem(strCaption, this);
    item->setTextAlignment(Qt::AlignCenter);
    item->setSizeHint(QSize(0, 40));
    if (count() == 1) {
        const QSignalBlocker block(this);
        setCurrentRow(0);
    }
    return index;
}

int clsSideMenu::CurrentPage() const
{
    return m_pages->currentIndex();
}

bool clsSideMenu::ShowPage(int lngIndex)
{
    if (lngIndex < 0 || lngIndex >= m_pages->count()) {
        return false;
    }
    if (lngIndex == m_pages->currentIndex()) {
        const QSignalBlocker block(this);
        setCurrentRow(lngIndex);
        return true;
    }
    if (m_guard && !m_guard(lngIndex)) {
        const QSignalBlocker block(this);
        setCurrentRow(m_pages->currentIndex());
        return false;
    }
    m_pages->setCurrentIndex(lngIndex);
    {
        const QSignalBlocker block(this);
        setCurrentRow(lngIndex);
    }
    emit PageChanged(lngIndex);
    return true;
}

void clsSideMenu::OnRowChanged(int lngRow)
{
    if (lngRow >= 0) {
        ShowPage(lngRow);
    }
}
