#pragma once
// Whether an edit or a window command may run now: the one place that knows the run, the work
// lock and the batch. The document (clsDocument) owns one for its lifetime; its commands, its
// facets, the window's gate and the views all ask it, so a new command asks nothing else.

#include <functional>
#include <string_view>

class clsIMessage;

class clsEditContext
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

    // fnRunning is asked at each check, so the context never holds a stale copy; fnChanged is
    // told when the lock or the batch starts or ends, so that views enable their editors again.
    clsEditContext(clsIMessage& message, std::function<bool()> fnRunning,
                   std::function<void()> fnChanged = {});
    clsEditContext(const clsEditContext&) = delete;
    clsEditContext& operator=(const clsEditContext&) = delete;

    bool Running() const { return m_running && m_running(); }
    bool WorkLock() const { return m_workLock; }
    // Set while the batch-run window drives the document through its own commands.
    bool Batch() const { return m_batch; }
    void SetBatch(bool blnBatch);

    // The work's own commands (loads, saves, runs, and every edit below them): free unless a
    // run or the work lock holds the work. A batch drives the work through exactly these.
    bool CanEdit() const { return !Running() && !m_workLock; }
    // An edit a user starts from a view: refused under a batch too, which reads the work
    // between its steps.
    bool MayEdit() const { return CanEdit() && !m_batch; }
    // The editors of the window are disabled for exactly as long as this holds.
    bool Busy() const { return !MayEdit(); }

    // True when the window command may start. A refusal of a close, download or search by a
    // run or a batch shows the warning; the work lock refuses everything without a word, since
    // it lasts only while a file or the ticket set is being replaced.
    bool MayRun(Command cmd) const;

    // The work lock for its lifetime; the lock in force before is restored on every way out,
    // so a lock taken inside another does not end the outer one early. With blnAnnounce, the
    // start and the end of the lock are told (fnChanged).
    class LockScope
    {
    public:
        explicit LockScope(clsEditContext& ctx, bool blnAnnounce = true);
        ~LockScope();
        LockScope(const LockScope&) = delete;
        LockScope& operator=(const LockScope&) = delete;

    private:
        clsEditContext& m_ctx;
        bool m_was;
        bool m_announce;
    };

private:
    void Announce() const;

    clsIMessage& m_message;
    std::function<bool()> m_running;
    std::function<void()> m_changed;
    bool m_workLock = false;
    bool m_batch = false;
};
