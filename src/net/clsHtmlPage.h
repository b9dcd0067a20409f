#pragma once
// What the three page readers share: the fetcher, the value parsers, the error reporter under
// the reader's class name, the unpublished flag and the guard around a read. Each page reader
// is one for its lifetime.

#include "base/clsErrorReporter.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlToto.h"

#include <functional>
#include <string>
#include <string_view>

class clsHtmlPage
{
public:
    // The last read found no heading: the operator has not published the page yet.
    bool Unpublished() const { return m_unpublished; }

    clsHtmlGet& Fetcher() { return m_get; }
    clsHtmlToto& Toto() { return m_toto; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_get.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_get.SetProgressClose(blnValue); }

protected:
    clsHtmlPage(clsIMessage& message, clsIBusy& busy, clsIWait& wait, std::string strClass);

    // Runs read, which answers whether the page had its heading and sets failed for a broken
    // table, and gives the reader's answer: an error is reported under strOperation and fails
    // the read, a page without its heading is unpublished, a broken table fails silently.
    bool Guarded(std::string_view strOperation, const std::function<bool(bool& failed)>& read);

    clsErrorReporter m_err;
    clsHtmlGet m_get;
    clsHtmlToto m_toto;
    bool m_unpublished = false;
};
