#include "widgets/clsProgressWindow.h"

#include "base/qt/basQtText.h"

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>

clsProgressWindow::clsProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmWinInet"));
    setWindowTitle(QStringLiteral(" インターネット接続"));
    setAccessibleName(QStringLiteral("インターネット接続"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstMsg"));
    m_list->setAccessibleName(QStringLiteral("インターネット接続"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // A page address is longer than the window: it scrolls rather than losing its end.
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setMinimumSize(520, 180);
    layout->addWidget(m_list);
}

void clsProgressWindow::ShowProgress()
{
    QWidget* owner = parentWidget();
    if (owner != nullptr && (owner->window()->windowFlags() & Qt::WindowStaysOnTopHint) != 0) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    show();
    raise();
    PaintNow();
}

void clsProgressWindow::AddLine(const QString& strLine)
{
    m_list->addItem(strLine);
    m_list->setCurrentRow(m_list->count() - 1);
    m_list->scrollToBottom();
    PaintNow();
}

void clsProgressWindow::AppendText(const QString& strText)
{
    if (m_list->count() == 0) {
        AddLine(strText);
        return;
    }
    QListWidgetItem* last = m_list->item(m_list->count() - 1);
    last->setText(last->text() + strText);
    PaintNow();
}

void clsProgressWindow::ShowLog(const std::vector<std::string>& strLines)
{
    const int count = static_cast<int>(strLines.size());
    if (count < m_list->count()) {
        m_list->clear(); // a new log, not a longer one
    }
    bool changed = false;
    if (m_list->count() > 0) {
        const int lastShown = m_list->count() - 1;
        QListWidgetItem* item = m_list->item(lastShown);
        const QString text = basQtText::ToQ(strLines[static_cast<std::size_t>(lastShown)]);
        if (item->text() != text) {
            item->setText(text);
            changed = true;
        }
    }
    for (int i = m_list->count(); i < count; ++i) {
        m_list->addItem(basQtText::ToQ(strLines[static_cast<std::size_t>(i)]));
        changed = true;
    }
    if (changed) {
        m_list->setCurrentRow(m_list->count() - 1);
        m_list->scrollToBottom();
        PaintNow();
    }
}

void clsProgressWindow::Clear()
{
    m_list->clear();
    PaintNow();
}

QStringList clsProgressWindow::Lines() const
{
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i) {
        lines.push_back(m_list->item(i)->text());
    }
    return lines;
}

void clsProgressWindow::PaintNow()
{
    if (!isVisible()) {
        return;
    }
    repaint();
    m_list->viewport()->repaint();
    // Paint and expose events only: a click meant for the window underneath must wait, as
    // the fetch has it blocked.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
