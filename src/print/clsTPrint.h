#pragma once
// A print run of the mark cards and the test print: which pages, which operations on each,
// the page setup steps and the jobs, sent to a print device. The print dialog makes one for
// each print; failures are reported as the dialog's own ("Kelvra / frmPrint / ...").

#include "base/clsErrorReporter.h"
#include "lottery/ScheduleRecord.h"
#include "print/PrintOp.h"
#include "print/PrintSettings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class clsIPrintDevice;
struct PrintListInput;

// What a print adds to the ticket marks, as the dialog holds it when the print starts.
struct PrintCardExtras
{
    // Round and group of the round and group marks.
    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    std::string FileName;
    // The round's schedule for the match lines; none when no valid one was found.
    std::optional<ScheduleRecord> Schedule;
};

// Where a print goes: a printer takes a job per card unless the cards are sent at once; a PDF
// print is one file for all cards unless the player asked for a file per card.
enum class PrintTarget
{
    Printer,
    PdfFile
};

struct PrintPageRange
{
    std::int32_t First = 1;
    std::int32_t Last = 1;
};

class clsTPrint
{
public:
    explicit clsTPrint(clsIMessage& message);

    // Ten tickets a card; an empty set still counts one page.
    static std::int32_t PageCount(std::int32_t lngSingleCount);
    // The pages of the range that hold tickets. A start below 1 or past the end is refused with a
    // message; a range past the last ticket is clipped, and one with no ticket at all is
    // reported; both give nullopt.
    std::optional<PrintPageRange> PageRange(const PrintSettings& settings,
                                            std::int32_t lngSingleCount) const;
    // The same over the pages of the ticket list.
    std::optional<PrintPageRange> ListPageRange(const PrintSettings& settings,
                                                std::int32_t lngSingleCount) const;
    // Everything printed on page lngPage (which must hold tickets).
    static std::vector<PrintOp> PageOps(std::span<const std::int32_t> lngSingles,
                                        std::int32_t lngPage, const PrintSettings& settings,
                                        const PrintCardExtras& extras);
    static std::vector<PrintOp> TestOps(const PrintSettings& settings, const std::string& strKumi);

    // The four setup steps; a failing one is reported and ends the setup of that page. False
    // when a step failed.
    bool PrinterInitialize(clsIPrintDevice& device, std::int32_t lngOrientation) const;
    // Whether every card of a print to target is a job of its own.
    static bool JobPerCard(const PrintSettings& settings, PrintTarget target);
    // Prints the pages of the range, one job per card or one for all (JobPerCard). Returns the
    // number of cards sent; a device that cannot open or finish a job is reported and ends the
    // print.
    std::int32_t Print(clsIPrintDevice& device, std::span<const std::int32_t> lngSingles,
                       const PrintSettings& settings, const PrintCardExtras& extras,
                       PrintTarget target = PrintTarget::Printer) const;
    // The pages of the range of the ticket list, always portrait and in one job (one file).
    // Returns the number of pages sent.
    std::int32_t PrintList(clsIPrintDevice& device, const PrintListInput& input,
                           const PrintSettings& settings) const;
    // One page in one job. False when the job could not be sent.
    bool TestPrint(clsIPrintDevice& device, const PrintSettings& settings,
                   const std::string& strKumi) const;

private:
    std::optional<PrintPageRange> RangeOf(const PrintSettings& settings, std::int32_t lngPageCount,
                                          std::int32_t lngSingleCount) const;
    bool SendPage(clsIPrintDevice& device, std::int32_t lngPage,
                  const std::vector<PrintOp>& ops) const;
    bool FinishJob(clsIPrintDevice& device) const;

    clsErrorReporter m_err;
};
