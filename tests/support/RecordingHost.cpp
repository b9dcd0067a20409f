#include "support/RecordingHost.h"

void RecordingHost::ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption)
{
    Messages.push_back(Message{icon, std::string(strText), std::string(strCaption)});
}

bool RecordingHost::YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault)
{
    bool answer = blnDefault;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    Questions.push_back(
        Question{std::string(strText), std::string(strCaption), blnDefault, answer});
    return answer;
}

AskAnswer RecordingHost::YesNoCancel(std::string_view strText, std::string_view strCaption,
                                     std::string_view strYes, std::string_view strNo,
                                     std::string_view strCancel, AskAnswer ansDefault)
{
    AskAnswer answer = ansDefault;
    if (!m_answers3.empty()) {
        answer = m_answers3.front();
        m_answers3.pop_front();
    }
    Questions.push_back(Question{std::string(strText),
                                 std::string(strCaption) + " [" + std::string(strYes) + "/" +
                                     std::string(strNo) + "/" + std::string(strCancel) + "]",
                                 ansDefault == AskAnswer::Yes, answer == AskAnswer::Yes});
    Answers3.push_back(answer);
    return answer;
}

void RecordingHost::DoEvents()
{
    ++DoEventsCount;
    m_tick += TickPerDoEvents;
    if (OnDoEvents) {
        OnDoEvents(DoEventsCount);
    }
}

void RecordingHost::SleepMs(std::int32_t lngMs)
{
    SleptMs += lngMs;
    m_tick += lngMs;
}

void RecordingHost::WaitForEvents(std::int32_t lngMs)
{
    Waits.push_back(lngMs);
    DoEvents();
}

void RecordingHost::WaitShow(std::string_view strMessage, std::int32_t lngMax)
{
    WaitLog.push_back("show:" + std::string(strMessage) + ":" + std::to_string(lngMax));
}

void RecordingHost::WaitMessage(std::string_view strMessage)
{
    WaitLog.push_back("msg:" + std::string(strMessage));
}

void RecordingHost::WaitValue(std::int32_t lngValue)
{
    WaitLog.push_back("value:" + std::to_string(lngValue));
}

void RecordingHost::WaitClose()
{
    WaitLog.emplace_back("close");
}

bool RecordingHost::Open(std::string_view strFile, std::string_view strParameters)
{
    std::string s(strFile);
    if (!strParameters.empty()) {
        s += " ";
        s += strParameters;
    }
    Opened.push_back(s);
    return OpenResult;
}

std::string RecordingHost::AllMessageText() const
{
    std::string s;
    for (const auto& m : Messages) {
        s += m.Text;
        s += '\n';
    }
    return s;
}
