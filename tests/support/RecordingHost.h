#pragma once
// A host for tests: records every message, question, wait-dialog call and clipboard text,
// answers questions from a script, and runs a clock that only moves when told to.

#include "base/clsHost.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingHost final : public clsIMessage,
                            public clsIAsk,
                            public clsIPump,
                            public clsIBusy,
                            public clsIWait,
                            public clsIClipboard,
                            public clsIOpener
{
public:
    struct Message
    {
        MsgIcon Icon;
        std::string Text;
        std::string Caption;
    };
    struct Question
    {
        std::string Text;
        std::string Caption;
        bool Default;
        bool Answer;
    };

    clsHost Host() { return clsHost{*this, *this, *this, *this, *this, *this, *this}; }

    void ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption) override;
    bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) override;
    AskAnswer YesNoCancel(std::string_view strText, std::string_view strCaption,
                          std::string_view strYes, std::string_view strNo,
                          std::string_view strCancel, AskAnswer ansDefault) override;
    void DoEvents() override;
    std::int64_t TickMs() const override { return m_tick; }
    void SleepMs(std::int32_t lngMs) override;
    // Records the wait and passes the events at once: OnDoEvents is where they come from, so
    // the clock moves only as that hook or TickPerDoEvents moves it.
    void WaitForEvents(std::int32_t lngMs) override;
    void BeginBusy() override
    {
        ++BusyDepth;
        ++BusyCount;
    }
    void EndBusy() override { --BusyDepth; }
    void WaitShow(std::string_view strMessage, std::int32_t lngMax) override;
    void WaitMessage(std::string_view strMessage) override;
    void WaitValue(std::int32_t lngValue) override;
    void WaitClose() override;
    std::string GetText() override { return Clipboard; }
    void SetText(std::string_view strText) override { Clipboard = strText; }
    bool Open(std::string_view strFile, std::string_view strParameters) override;

    // Script: the next questions get these answers in order; then the default answer.
    void QueueAnswer(bool blnAnswer) { m_answers.push_back(blnAnswer); }
    // The same for three-way questions, which are recorded with their answer in Answers3.
    void QueueAnswer3(AskAnswer ansAnswer) { m_answers3.push_back(ansAnswer); }
    void AdvanceMs(std::int64_t lngMs) { m_tick += lngMs; }
    std::string AllMessageText() const;

    std::vector<Message> Messages;
    std::vector<Question> Questions;
    std::vector<AskAnswer> Answers3;
    std::vector<std::string> WaitLog; // "show:msg:max", "msg:...", "value:n", "close"
    std::vector<std::string> Opened;
    std::string Clipboard;
    int BusyDepth = 0;
    int BusyCount = 0;
    std::int64_t DoEventsCount = 0;
    std::int64_t SleptMs = 0;
    // The longest wait asked for each WaitForEvents, in order.
    std::vector<std::int32_t> Waits;
    std::int64_t WaitedMs() const
    {
        std::int64_t n = 0;
        for (const std::int32_t w : Waits) {
            n += w;
        }
        return n;
    }
    // Each DoEvents moves the clock by this much (0: the clock stands still).
    std::int64_t TickPerDoEvents = 0;
    // Called from DoEvents after the count is raised: press Stop, expire a time limit, ...
    std::function<void(std::int64_t)> OnDoEvents;
    bool OpenResult = true;

private:
    std::int64_t m_tick = 0;
    std::deque<bool> m_answers;
    std::deque<AskAnswer> m_answers3;
};
