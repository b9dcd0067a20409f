#pragma once
// The check page: the checker's grades, pages and count grid, read-only, and the commands that
// mark, reveal and page it. Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "results/clsTResult.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsCheckFacet final : public clsDocumentFacet
{
public:
    explicit clsCheckFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    // Its commands raise PartCheck, which is no work of its own: a hand entry is kept in the
    // round's hand-entry file, never in the data file. Marking and revealing are refused (false)
    // while the work is busy; paging and the count grid change nothing and always run.
    const clsTResult& Checker() const;
    bool ShowAllResults() const;
    // "常に全ての結果を表示する": every result taken from now on is shown whole.
    void SetShowAllResults(bool blnValue);
    // A left click on outcome cell (code, match) of the entry grid.
    bool ResultEntryClick(std::int32_t lngOutcome, std::int32_t lngMatch);
    // A right click on a match row: the result pop-up menu ("中止") through the document's
    // chooser; "中止" cancels the match.
    bool ResultEntryMenu(std::int32_t lngMatch);
    // 全ての結果を表示 / 次の結果を表示: only with an official result not yet shown whole.
    bool ResultViewEnabled() const;
    bool ResultViewAll();
    bool ResultViewNext();
    void ResultMovePage(std::int32_t lngPage);
    // A click on the count grid (hides it unless it shows percentages), and the second round
    // view's vote table (shows it again).
    void ResultCountClick();
    void SetResultCountVisible(bool blnValue);
};
