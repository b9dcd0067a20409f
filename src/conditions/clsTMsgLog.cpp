#include "conditions/clsTMsgLog.h"

#include <utility>

std::string clsTMsgLog::Text() const
{
    std::string s;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0) {
            s += "\r\n";
        }
        s += m_lines[i];
    }
    return s;
}

void clsTMsgLog::SetLines(std::vector<std::string> vecLines)
{
    Clear();
    m_lines = std::move(vecLines);
    if (m_sink) {
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            m_sink->LogLine(static_cast<std::int32_t>(i), m_lines[i]);
        }
    }
}

void clsTMsgLog::Clear()
{
    m_lines.clear();
    if (m_sink) {
        m_sink->LogCleared();
    }
}

void clsTMsgLog::Append(std::string_view strText, bool blnCR)
{
    if (m_lines.empty()) {
        m_lines.emplace_back();
    }
    m_lines.back() += strText;
    if (m_sink) {
        m_sink->LogLine(static_cast<std::int32_t>(m_lines.size() - 1), m_lines.back());
    }
    if (blnCR) {
        m_lines.emplace_back();
        if (m_sink) {
            m_sink->LogLine(static_cast<std::int32_t>(m_lines.size() - 1), m_lines.back());
        }
    }
}

void clsTMsgLog::SetBarValue(std::int32_t lngValue)
{
    m_barValue = lngValue;
    NotifyBar();
}

void clsTMsgLog::SetBarMax(std::int32_t lngMax)
{
    m_barMax = lngMax;
    NotifyBar();
}

void clsTMsgLog::NotifyBar() const
{
    if (m_sink) {
        m_sink->BarChanged(m_barValue, m_barMax);
    }
}
