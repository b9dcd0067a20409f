#include "app/clsEditContext.h"

#include "base/clsIMessage.h"

clsEditContext::clsEditContext(clsIMessage& message, std::function<bool()> fnRunning,
                               std::function<void()> fnChanged)
    : m_message(message)
    , m_running(std::move(fnRunning))
    , m_changed(std::move(fnChanged))
{}

void clsEditContext::Announce() const
{
    if (m_changed) {
        m_changed();
    }
}

void clsEditContext::SetBatch(bool blnBatch)
{
    if (m_batch == blnBatch) {
        return;
    }
    m_batch = blnBatch;
    Announce();
}

bool clsEditContext::MayRun(Command cmd) const
{
    if (Running() || m_batch) {
        switch (cmd) {
        case Command::Close:
        case Command::Download:
        case Command::Search:
            m_message.ShowMessage(MsgIcon::Warning, kRunningWarning, "");
            return false;
        case Command::PageChange:
        case Command::Menu:
            return false;
        }
    }
    // A close under the lock would tear the document down in the middle of a pumped load or
    // save; a download then would replace the records the load is filling in.
    return !m_workLock;
}

clsEditContext::LockScope::LockScope(clsEditContext& ctx, bool blnAnnounce)
    : m_ctx(ctx)
    , m_was(ctx.m_workLock)
    , m_announce(blnAnnounce && !m_was)
{
    m_ctx.m_workLock = true;
    if (m_announce) {
        m_ctx.Announce();
    }
}

clsEditContext::LockScope::~LockScope()
{
    m_ctx.m_workLock = m_was;
    if (m_announce) {
        m_ctx.Announce();
    }
}
