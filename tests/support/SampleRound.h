#pragma once
// The shipped sample round's stored records (schedule, vote status, result), copied below a test
// folder so that a round controller there loads round 9001 as the program does.

#include <filesystem>

void CopyRoundStore(const std::filesystem::path& folder);
// The store as above and the sample data file as folder/sample.drd.
void CopySampleWork(const std::filesystem::path& folder);
