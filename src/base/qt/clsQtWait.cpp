#include "base/qt/clsQtWait.h"

#include "base/qt/basQtText.h"
#include "base/qt/clsQtMessage.h"
#include "base/qt/clsWaitDialog.h"

#include <QApplication>

clsQtWait::clsQtWait() = default;
clsQtWait::~clsQtWait() = default;

void clsQtWait::WaitShow(std::string_view strMessage, std::int32_t lngMax)
{
    if (!m_dialog) {
        m_dialog = std::make_unique<clsWaitDialog>(ActiveOwnerWindow());
    }
    m_dialog->SetMessage(basQtText::ToQ(strMessage));
    m_dialog->SetMax(lngMax);
    m_dialog->show();
    m_dialog->raise();
    // The walk that follows may not pump for a while: paint the window now, but keep the
    // user's clicks for later so no second command starts underneath.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void clsQtWait::WaitMessage(std::string_view strMessage)
{
    if (m_dialog) {
        m_dialog->SetMessage(basQtText::ToQ(strMessage));
    }
}

void clsQtWait::WaitValue(std::int32_t lngValue)
{
    if (m_dialog) {
        m_dialog->SetValue(lngValue);
    }
}

void clsQtWait::WaitClose()
{
    if (m_dialog) {
        m_dialog->hide();
        m_dialog.reset();
    }
}
