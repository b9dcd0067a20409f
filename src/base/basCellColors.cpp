#include "base/basCellColors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
double Channel(std::uint32_t lngRgb, int lngShift)
{
    return static_cast<double>((lngRgb >> lngShift) & 0xFF) / 255.0;
}

// sRGB to linear light, as WCAG defines it.
double Linear(double dblC)
{
    return dblC <= 0.03928 ? dblC / 12.92 : std::pow((dblC + 0.055) / 1.055, 2.4);
}

std::uint32_t Pack(double dblR, double dblG, double dblB)
{
    const auto byte = [](double c) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0));
    };
    return (byte(dblR) << 16) | (byte(dblG) << 8) | byte(dblB);
}

std::uint32_t Mix(std::uint32_t lngFrom, std::uint32_t lngTo, double dblShare)
{
    const auto mix = [&](int shift) {
        return Channel(lngFrom, shift) +
               (Channel(lngTo, shift) - Channel(lngFrom, shift)) * dblShare;
    };
    return Pack(mix(16), mix(8), mix(0));
}
} // namespace

namespace basCellColors {
double Luminance(std::uint32_t lngRgb)
{
    return 0.2126 * Linear(Channel(lngRgb, 16)) + 0.7152 * Linear(Channel(lngRgb, 8)) +
           0.0722 * Linear(Channel(lngRgb, 0));
}

double Contrast(std::uint32_t lngA, std::uint32_t lngB)
{
    const double a = Luminance(lngA);
    const double b = Luminance(lngB);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t MirrorLightness(std::uint32_t lngRgb)
{
    // In HSL, mirroring L keeps H and S: each channel keeps its place between the lightest
    // and darkest channel.
    const std::array<double, 3> c{Channel(lngRgb, 16), Channel(lngRgb, 8), Channel(lngRgb, 0)};
    const double hi = *std::max_element(c.begin(), c.end());
    const double lo = *std::min_element(c.begin(), c.end());
    const double light = (hi + lo) / 2.0;
    const double mirrored = 1.0 - light;
    const double spread = hi - lo;
    if (spread <= 0.0) {
        return Pack(mirrored, mirrored, mirrored);
    }
    // Chroma as HSL gives it for the new lightness at the same saturation.
    const double saturation = spread / (1.0 - std::abs(2.0 * light - 1.0));
    const double chroma = saturation * (1.0 - std::abs(2.0 * mirrored - 1.0));
    const double newLo = mirrored - chroma / 2.0;
    const auto place = [&](double v) { return newLo + (v - lo) / spread * chroma; };
    return Pack(place(c[0]), place(c[1]), place(c[2]));
}

std::uint32_t ReadableOn(std::uint32_t lngBack, std::uint32_t lngFore)
{
    if (Contrast(lngBack, lngFore) >= kMinContrast) {
        return lngFore;
    }
    // Black or white reaches at least 4.58 on any background.
    const std::uint32_t end =
        Contrast(lngBack, 0x000000) >= Contrast(lngBack, 0xFFFFFF) ? 0x000000u : 0xFFFFFFu;
    for (int step = 1; step < 20; ++step) {
        const std::uint32_t moved = Mix(lngFore, end, step / 20.0);
        if (Contrast(lngBack, moved) >= kMinContrast) {
            return moved;
        }
    }
    return end;
}

Pair Resolve(std::optional<std::uint32_t> lngBack, std::optional<std::uint32_t> lngFore,
             std::uint32_t lngBase, std::uint32_t lngText)
{
    const bool dark = Luminance(lngText) > Luminance(lngBase);
    Pair pair{lngBack.value_or(lngBase), lngFore.value_or(lngText)};
    if (dark && lngBack && Luminance(*lngBack) > Luminance(lngBase) + 0.3) {
        pair.lngBack = MirrorLightness(*lngBack);
    }
    pair.lngFore = ReadableOn(pair.lngBack, pair.lngFore);
    return pair;
}
} // namespace basCellColors
