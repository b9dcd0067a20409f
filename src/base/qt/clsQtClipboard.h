#pragma once
// Clipboard text of the desktop session.

#include "base/clsIClipboard.h"

class clsQtClipboard final : public clsIClipboard
{
public:
    std::string GetText() override;
    void SetText(std::string_view strText) override;
};
