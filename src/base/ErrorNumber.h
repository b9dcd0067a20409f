#pragma once
// The runtime-error numbers the messages show: "description ( number )", with the runtime's name
// for each. Users know them from the Windows program, so its numbers are kept, written here once.

#include <cstdint>

namespace ErrorNumber {
// Not a runtime error: a fault of the input itself, shown as a plain warning.
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t InvalidCall = 5;       // invalid procedure call or argument
inline constexpr std::int32_t Overflow = 6;          // overflow
inline constexpr std::int32_t OutOfMemory = 7;       // out of memory
inline constexpr std::int32_t OutOfRange = 9;        // subscript out of range
inline constexpr std::int32_t TypeMismatch = 13;     // type mismatch
inline constexpr std::int32_t FileNotFound = 53;     // file not found
inline constexpr std::int32_t DeviceIo = 57;         // device I/O error
inline constexpr std::int32_t DiskFull = 61;         // disk full
inline constexpr std::int32_t PastEnd = 62;          // input past end of file
inline constexpr std::int32_t PermissionDenied = 70; // permission denied
inline constexpr std::int32_t PathAccess = 75;       // path/file access error
inline constexpr std::int32_t PathNotFound = 76;     // path not found
} // namespace ErrorNumber
