#include "base/qt/clsQtWait.h"

#include "base/qt/basQtText.h"
#include "base/qt/clsQtMessage.h"
#include "base/qt/clsWaitDialog.h"

#include <QApplication>

clsQtWait::clsQtWait() = default;
clsQtWait::~clsQtWait() = default;

void clsQtWait::WaitShow(std::string_view strMessage, std::int32_t lngMax)
{
    if (!m_waiting) {
        m_since.start();
    }
    m_waiting = true;
    m_message = basQtText::ToQ(strMessage);
    m_max = lngMax;
    m_value = 0;
    if (m_dialog) {
        m_dialog->SetMessage(m_message);
        m_dialog->SetMax(m_max);
    }
    ShowIfDue();
}

void clsQtWait::WaitMessage(std::string_view strMessage)
{
    if (!m_waiting) {
        return;
    }
    m_message = basQtText::ToQ(strMessage);
    if (m_dialog) {
        m_dialog->SetMessage(m_message);
    }
    ShowIfDue();
}

void clsQtWait::WaitValue(std::int32_t lngValue)
{
    if (!m_waiting) {
        return;
    }
    m_value = lngValue;
    if (m_dialog) {
        m_dialog->SetValue(lngValue);
    }
    ShowIfDue();
}

void clsQtWait::WaitClose()
{
    m_waiting = false;
    if (m_dialog) {
        m_dialog->hide();
        m_dialog.reset();
    }
}

void clsQtWait::ShowIfDue()
{
    if (m_dialog || m_since.elapsed() < m_showAfter.count()) {
        return;
    }
    m_dialog = std::make_unique<clsWaitDialog>(ActiveOwnerWindow());
    m_dialog->SetMessage(m_message);
    m_dialog->SetMax(m_max);
    m_dialog->SetValue(m_value);
    m_dialog->show();
    m_dialog->raise();
    // The walk that follows may not pump for a while: paint the window now, but keep the
    // user's clicks for later so no second command starts underneath.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
