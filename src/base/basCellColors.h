#pragma once
// Cell colours that stay readable under any palette: a grid's pale cell colours were chosen
// for black text on a white window, and a dark palette (light text on a dark window) would put
// light text on pale yellow. Colours are 0xRRGGBB; contrast is WCAG 2's ratio.

#include <cstdint>
#include <optional>

namespace basCellColors {
// WCAG: body text needs at least this ratio to its background.
inline constexpr double kMinContrast = 4.5;

struct Pair
{
    std::uint32_t lngBack = 0;
    std::uint32_t lngFore = 0;
};

// Relative luminance, 0 (black) to 1 (white).
double Luminance(std::uint32_t lngRgb);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double Contrast(std::uint32_t lngA, std::uint32_t lngB);
// The same hue and saturation with lightness mirrored: pale yellow becomes dark olive.
std::uint32_t MirrorLightness(std::uint32_t lngRgb);
// lngFore when it reaches kMinContrast on lngBack, otherwise lngFore moved towards black or
// white, whichever reads better, just far enough.
std::uint32_t ReadableOn(std::uint32_t lngBack, std::uint32_t lngFore);
// The colours to draw a cell in. lngBack/lngFore: the cell's own colours, none for the
// palette's; lngBase/lngText: the palette's background and text. Under a dark palette (text
// lighter than its background) a pale cell colour turns dark with its hue kept, so the
// palette's light text stays readable on it; the text colour always reaches kMinContrast.
Pair Resolve(std::optional<std::uint32_t> lngBack, std::optional<std::uint32_t> lngFore,
             std::uint32_t lngBase, std::uint32_t lngText);
} // namespace basCellColors
