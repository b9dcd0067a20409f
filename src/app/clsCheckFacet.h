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

    const clsTResult& Checker() const;
    bool ShowAllResults() const;
    void SetShowAllResults(bool blnValue);
    bool ResultEntryClick(std::int32_t lngOutcome, std::int32_t lngMatch);
    bool ResultEntryMenu(std::int32_t lngMatch);
    bool ResultViewEnabled() const;
    bool ResultViewAll();
    bool ResultViewNext();
    void ResultMovePage(std::int32_t lngPage);
    void ResultCountClick();
    void SetResultCountVisible(bool blnValue);
};
