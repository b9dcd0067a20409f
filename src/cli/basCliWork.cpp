#include "cli/basCliWork.h"

#include "reference/basTotoSettings.h"

CliWork::CliWork(clsTerminalHost& host, const std::string& strHome,
                 std::optional<std::uint64_t> lngSeed)
    : Host(host.Host())
    , Main(Host, basTotoSettings::LoadTotoSettings(host, strHome), strHome)
    , Document(Host, Main, lngSeed)
{
    Main.Initialize();
}
