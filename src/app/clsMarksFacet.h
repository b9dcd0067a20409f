#pragma once
// The marks of the multi grid and the commands that change them, with the count of singles
// they hold and the composition analysis on them. Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "conditions/ConditionTableEntry.h"
#include "engines/clsTKouseiBunseki.h"
#include "lottery/MarkArray.h"
#include "lottery/clsTMulti.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsMarksFacet final : public clsDocumentFacet
{
public:
    explicit clsMarksFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    const clsTMulti& Multi() const;
    // The multi grid's commands (clsTMulti), each raising PartMulti; menus are shown through
    // the document's chooser, none cancels them. Refused while the work is busy.
    bool SetMarks(const MarkArray& lngValue);
    bool MultiMouseDown(clsTMulti::Button button, std::int32_t lngRow, std::int32_t lngCol);
    bool MultiMarkAll(std::int32_t lngMark);
    bool MultiMarkByVoteOrder();
    bool SetLeftClickMark(std::int32_t lngMark);
    // The number of singles the marks hold.
    std::int32_t MultiCount() const;
    // Row lngRow of tab lngTab of the kind's table as the panels show it, on the current marks
    // and vote status. False after a report when there is no such tab or row.
    bool KouseiBunseki(JoukenKind kind, std::int32_t lngTab, std::int32_t lngRow,
                       clsTKouseiBunseki::Analysis& result) const;
};
