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
    // Whoever changes the page (a menu, a file command, the end of a run), the entry follows.
    connect(m_pages, &QStackedWidget::currentChanged, this, &clsSideMenu::FollowPage);
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
        FollowPage();
        return true;
    }
    if (m_guard && !m_guard(lngIndex)) {
        FollowPage();
        return false;
    }
    m_pages->setCurrentIndex(lngIndex);
    FollowPage();
    emit PageChanged(lngIndex);
    return true;
}

void clsSideMenu::FollowPage()
{
    const int page = m_pages->currentIndex();
    if (page < 0 || page >= count()) {
        return;
    }
    const QSignalBlocker block(this);
    setCurrentRow(page, QItemSelectionModel::ClearAndSelect);
}

void clsSideMenu::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    FollowPage();
}

void clsSideMenu::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    FollowPage();
}

void clsSideMenu::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    FollowPage();
}

void clsSideMenu::keyPressEvent(QKeyEvent* event)
{
    QListWidget::keyPressEvent(event);
    FollowPage();
}

void clsSideMenu::OnRowChanged(int lngRow)
{
    if (lngRow >= 0) {
        ShowPage(lngRow);
    }
}
