#include "TestPaths.h"

namespace kelvra_test {
const std::string& TestDataDir()
{
    static const std::string dir = KELVRA_TEST_DATA_DIR;
    return dir;
}

const std::string& SourceDataDir()
{
    static const std::string dir = KELVRA_SOURCE_DATA_DIR;
    return dir;
}
} // namespace kelvra_test
