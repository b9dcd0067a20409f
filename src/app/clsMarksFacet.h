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
    bool SetMarks(const MarkArray& lngValue);
    bool MultiMouseDown(clsTMulti::Button button, std::int32_t lngRow, std::int32_t lngCol);
    bool MultiMarkAll(std::int32_t lngMark);
    bool MultiMarkByVoteOrder();
    bool SetLeftClickMark(std::int32_t lngMark);
    bool SetTaishou(const CellFlags& blnValue);
    std::int32_t MultiCount() const;
    bool KouseiBunseki(JoukenKind kind, std::int32_t lngTab, std::int32_t lngRow,
                       clsTKouseiBunseki::Analysis& result) const;
};
