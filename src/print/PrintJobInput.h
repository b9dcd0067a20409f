#pragma once
// What the main window hands to the print dialog: a copy of the ticket set and the document's
// round, group, file name and vote status, with the folder that holds SysData/ (Printer.ini,
// schedules).

#include "lottery/VoteRecord.h"

#include <cstdint>
#include <string>
#include <vector>

struct PrintJobInput
{
    // Ticket numbers in list order; a card takes ten.
    std::vector<std::int32_t> Singles;
    std::int32_t Kaisaikai = 0;
    // "", "A" or "B".
    std::string Kumi;
    // The document's file name with extension, without folder; "" for a new document.
    std::string FileName;
    std::string ProgramFolder;
    // The program's legal notice, written as the second comment line of Printer.ini.
    std::string LegalNotice;
    // The document's vote status, for the payouts of the ticket list; none without votes.
    VoteRecord Vote;
};
