#pragma once
// The work a command line command runs on: the round controller and the document, set up as
// the main window sets them up. Made per command.

#include "app/clsDocument.h"
#include "cli/clsTerminalHost.h"
#include "store/clsTMain.h"

#include <cstdint>
#include <optional>
#include <string>

struct CliWork
{
    CliWork(clsTerminalHost& host, const std::string& strHome,
            std::optional<std::uint64_t> lngSeed = std::nullopt);

    clsHost Host;
    clsTMain Main;
    clsDocument Document;
};
