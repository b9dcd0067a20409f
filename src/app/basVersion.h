#pragma once
// The program's version: the one place it is set. Shown as major "." minor (two digits), with
// "." revision only when the revision is above 0.

#include <cstdint>

namespace basVersion {
inline constexpr std::int32_t kMajor = 1;
inline constexpr std::int32_t kMinor = 0;
inline constexpr std::int32_t kRevision = 0;
} // namespace basVersion
