#include "files/clsTClipImport.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
TEST(ClipImport, BothCopyFormatsAndSpacedDigits)
{
    RecordingHost rec;
    rec.Clipboard = "001:1000000000000\r\n2222222222222\r\n1 0 2 0 0 0 0 0 0 0 0 0 0\r\n"
                    "0000000000003\r\n12:000000000000\r\nheader\r\n002:1000000000000";
    clsTClipImport imp(rec);
    std::vector<std::int32_t> set;
    ASSERT_EQ(imp.Import(0, set), 4);
    EXPECT_EQ(set, (std::vector<std::int32_t>{1, 1594322, 1 + 2 * 9, 1}));
    EXPECT_EQ(imp.Import(1, set), 0);
    EXPECT_TRUE(set.empty());
    rec.Clipboard = "nothing here";
    EXPECT_EQ(imp.Import(0, set), 0);
}
} // namespace
