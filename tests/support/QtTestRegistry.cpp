#include "support/QtTestRegistry.h"

namespace kelvra_test {
namespace {
// A function-local list: registrations run from other files' static initialisers, in no
// order relative to this file's.
std::vector<QtTestEntry>& Registry()
{
    static std::vector<QtTestEntry> entries;
    return entries;
}
} // namespace

bool RegisterQtTest(const char* strName, QtTestFactory factory)
{
    Registry().push_back({strName, factory});
    return true;
}

const std::vector<QtTestEntry>& QtTests()
{
    return Registry();
}
} // namespace kelvra_test
