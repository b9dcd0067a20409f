#pragma once
// The main window's front on the document's edit context: the window asks it whether a
// command may start, and the context alone decides (run, work lock, batch). Owned by the main
// window for its lifetime.

#include "app/clsEditContext.h"

class clsCommandGate
{
public:
    using Command = clsEditContext::Command;
    static constexpr std::string_view kRunningWarning = clsEditContext::kRunningWarning;

    explicit clsCommandGate(clsEditContext& ctx)
        : m_ctx(ctx)
    {}

    bool MayRun(Command cmd) const { return m_ctx.MayRun(cmd); }
    bool Running() const { return m_ctx.Running(); }
    bool WorkLock() const { return m_ctx.WorkLock(); }
    bool Batch() const { return m_ctx.Batch(); }
    void SetBatch(bool blnBatch) { m_ctx.SetBatch(blnBatch); }
    bool Busy() const { return m_ctx.Busy(); }

private:
    clsEditContext& m_ctx;
};
