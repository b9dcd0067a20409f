#pragma once
// Shapes shared by the result checker's parts: per (outcome code, match index) arrays, and the
// colours its views paint, as plain RGB so the core can choose them and tests can check them.

#include "lottery/MarkArray.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>

// Result marks: 0 none, 1 official result, 2 hand-entered, 3 cancelled (all three outcomes).
using ResultMarks = MarkArray;
using ResultFlags = CellFlags;
// Singles per grade by mistakes: index 0 = 13 right (grade value 1) .. 13 = none right.
using GradeTally = std::array<std::int32_t, clsToto::kMatchCount + 1>;

namespace ResultColor {
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t White = Rgb(255, 255, 255);
constexpr std::uint32_t Black = Rgb(0, 0, 0);
constexpr std::uint32_t Wrong = Rgb(255, 128, 128);     // red
constexpr std::uint32_t Right = Rgb(128, 170, 255);     // blue
constexpr std::uint32_t Cancelled = Rgb(255, 255, 128); // yellow
constexpr std::uint32_t Prize = Rgb(128, 224, 128);     // green
constexpr std::uint32_t Header = Rgb(240, 240, 240);    // button face
constexpr std::uint32_t Highlight = Rgb(0, 0, 255);     // text of prize rows (blue)
} // namespace ResultColor
