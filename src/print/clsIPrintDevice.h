#pragma once
// A printer as the print run sees it: page setup steps that may fail, pages of drawing
// operations, and jobs. The GUI's device paints on a QPrinter (a real printer or a PDF file);
// tests record the calls.

#include "print/PrintOp.h"

#include <cstdint>

class clsIPrintDevice
{
public:
    virtual ~clsIPrintDevice() = default;

    // Setup steps before a page; false when the device refused the setting.
    virtual bool SetScaleMillimetre() = 0;
    virtual bool SetPaperA4() = 0;
    virtual bool SetLandscape(bool blnLandscape) = 0;

    // Starts page lngPage (the card's page number): the first one of a job opens the job, a
    // later one ends the previous page. False when the job could not be opened.
    virtual bool StartPage(std::int32_t lngPage) = 0;
    virtual void Draw(const PrintOp& op) = 0;
    // Ends the open job, which sends it to the printer. False when it could not be finished.
    virtual bool EndJob() = 0;
};
