#pragma once
// The runtime-error numbers the messages show: "description ( number )". Users know them from
// the Windows program, and its own numbers are kept, so they are written here once.

#include <cstdint>

namespace ErrorNumber {
// Not a runtime error: a fault of the input itself, shown as a plain warning.
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t InvalidCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t OutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t DeviceIo = 57;
inline constexpr std::int32_t DiskFull = 61;
inline constexpr std::int32_t PastEnd = 62;
inline constexpr std::int32_t PermissionDenied = 70;
inline constexpr std::int32_t PathAccess = 75;
inline constexpr std::int32_t PathNotFound = 76;
} // namespace ErrorNumber
