#include "net/qt/clsProgressWait.h"

#include "base/qt/basQtText.h"
#include "net/clsWinInet.h"
#include "widgets/clsProgressWindow.h"

#include <string>
#include <vector>

clsProgressWait::clsProgressWait(clsIWait& inner, QWidget* owner)
    : m_inner(inner)
    , m_owner(owner)
{}

void clsProgressWait::WaitShow(std::string_view strMessage, std::int32_t lngMax)
{
    if (strMessage != clsWinInet::kWindowTitle) {
        m_inner.WaitShow(strMessage, lngMax);
        return;
    }
    if (m_window == nullptr) {
        m_window = new clsProgressWindow(m_owner);
    }
    m_download = true;
    m_window->Clear();
    m_window->ShowProgress();
}

void clsProgressWait::WaitMessage(std::string_view strMessage)
{
    if (!m_download) {
        m_inner.WaitMessage(strMessage);
        return;
    }
    // The fetcher hands over its whole log, one line per "\n".
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= strMessage.size()) {
        const std::size_t end = strMessage.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? strMessage.size() : end;
        lines.emplace_back(strMessage.substr(start, stop - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (strMessage.empty()) {
        lines.clear();
    }
    m_window->ShowLog(lines);
}

void clsProgressWait::WaitValue(std::int32_t lngValue)
{
    if (!m_download) {
        m_inner.WaitValue(lngValue);
    }
}

void clsProgressWait::WaitClose()
{
    if (!m_download) {
        m_inner.WaitClose();
        return;
    }
    m_download = false;
    m_window->hide();
}
