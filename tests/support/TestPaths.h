#pragma once
// Where the tests find their fixtures. Kept out of the compile flags so that every test object
// compiles the same in any checkout and the compiler cache serves them all.

#include <string>

namespace kelvra_test {
// tests/data of the source tree.
const std::string& TestDataDir();
// data/ of the source tree: what the program ships.
const std::string& SourceDataDir();
} // namespace kelvra_test
