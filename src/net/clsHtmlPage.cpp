#include "net/clsHtmlPage.h"

#include "net/basPageList.h"

#include <exception>

clsHtmlPage::clsHtmlPage(clsIMessage& message, clsIBusy& busy, clsIWait& wait, std::string strClass)
    : m_err(message, std::move(strClass))
    , m_get(message, busy, wait)
    , m_toto(message)
{}

bool clsHtmlPage::Guarded(std::string_view strOperation,
                          const std::function<bool(bool& failed)>& read)
{
    bool published = false;
    bool failed = false;
    try {
        published = read(failed);
    } catch (const std::exception& e) {
        // A broken page is reported as such; calling it unpublished as well would mislead.
        basPageList::ReportReadError(m_err, strOperation, e);
        return false;
    }
    if (!published) {
        m_unpublished = true;
        return false;
    }
    return !failed;
}
