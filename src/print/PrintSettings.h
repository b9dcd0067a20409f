#pragma once
// The print dialog's settings: what Printer.ini keeps between sessions plus the page range of
// the current print. A plain value record, taken from the dialog when a print starts.

#include "base/Currency.h"

#include <cstdint>
#include <string>

struct PrintSettings
{
    // Orientation values as stored: 0 none chosen (the printer keeps its own).
    static constexpr std::int32_t kNone = 0;
    static constexpr std::int32_t kPortrait = 1;
    static constexpr std::int32_t kLandscape = 2;

    std::string PrinterName;
    std::int32_t Orientation = kPortrait;
    bool AllPages = true;
    std::int32_t StartPage = 1;
    std::int32_t EndPage = 1;
    // Millimetres; positive moves everything left / up.
    Currency LeftShift;
    Currency TopShift;
    bool PrintOpenNo = false;
    bool PrintOpenText = false;
    bool PrintPageText = false;
    bool PrintFileText = false;
    bool SendDataA = false;
    // Into PDF: one file per card instead of one file for the whole print.
    bool PdfFilePerCard = false;

    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};
