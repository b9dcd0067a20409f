#include "app/clsCommandGate.h"

#include "base/clsIMessage.h"

clsCommandGate::clsCommandGate(clsIMessage& message, std::function<bool()> blnRunning,
                               std::function<bool()> blnWorkLock)
    : m_message(message)
    , m_running(std::move(blnRunning))
    , m_workLock(std::move(blnWorkLock))
{}

bool clsCommandGate::Running() const
{
    return m_running && m_running();
}

bool clsCommandGate::WorkLock() const
{
    return m_workLock && m_workLock();
}

bool clsCommandGate::MayRun(Command cmd) const
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
    if (WorkLock()) {
        return false;
    }
    return true;
}
