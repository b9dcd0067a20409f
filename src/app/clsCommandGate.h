#pragma once
// The one place that decides whether a main-window command may start now. It asks the run
// (running), the document (work lock) and the batch window, and gives the refusal its message
// where the user must be told. Owned by the main window; every command, page change and close
// goes through it.

#include <functional>
#include <string_view>

class clsIMessage;

class clsCommandGate
{
public:
    static constexpr std::string_view kRunningWarning =
        "現在検索処理を実行中です。検索処理を終了させて下さい。";

    enum class Command
    {
        // Refused with the warning while a run or a batch is going.
        Close,
        Download,
        Search,
        // Refused silently.
        PageChange,
        Menu
    };

    // blnRunning and blnWorkLock are asked at each check, so the gate never holds a stale copy.
    clsCommandGate(clsIMessage& message, std::function<bool()> blnRunning,
                   std::function<bool()> blnWorkLock);

    // True when the command may start. A refusal of a close, download or search by a run shows
    // the warning; a locked document refuses searches, page changes, menus and closing without
    // a word, since the lock lasts only while a file or the ticket set is being replaced.
    bool MayRun(Command cmd) const;

    bool Running() const;
    bool WorkLock() const;
    // Set while the batch-run window drives the document.
    void SetBatch(bool blnBatch) { m_batch = blnBatch; }
    bool Batch() const { return m_batch; }

private:
    clsIMessage& m_message;
    std::function<bool()> m_running;
    std::function<bool()> m_workLock;
    bool m_batch = false;
};
