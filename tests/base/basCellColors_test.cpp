#include "base/basCellColors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
// A dark palette's window and text, and the pale cell colours the grids use.
constexpr std::uint32_t kDarkBase = 0x2A2A2A;
constexpr std::uint32_t kLightText = 0xEEEEEE;
constexpr std::uint32_t kPale[] = {0xFFFFC0, 0xC0FFC0, 0xFDD6C9, 0xFFFFFF, 0xE0E0FF, 0xC0C0C0};
} // namespace

TEST(basCellColors, ContrastFollowsWcagFigures)
{
    EXPECT_DOUBLE_EQ(basCellColors::Contrast(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(basCellColors::Contrast(0x123456, 0x123456), 1.0);
    EXPECT_DOUBLE_EQ(basCellColors::Contrast(kWhite, 0x777777),
                     basCellColors::Contrast(0x777777, kWhite));
    // The well-known borderline grey: #777 on white just fails 4.5, #767676 passes.
    EXPECT_LT(basCellColors::Contrast(0x777777, kWhite), 4.5);
    EXPECT_GE(basCellColors::Contrast(0x767676, kWhite), 4.5);
}

TEST(basCellColors, ReadableTextKeepsAGoodColourAndMendsABadOne)
{
    EXPECT_EQ(basCellColors::ReadableOn(kWhite, kBlack), kBlack);
    EXPECT_EQ(basCellColors::ReadableOn(0xFFFFC0, 0x0000FF), 0x0000FFu);
    // Light text on pale yellow becomes dark; dark blue on black becomes lighter.
    const std::uint32_t onPale = basCellColors::ReadableOn(0xFFFFC0, kLightText);
    EXPECT_GE(basCellColors::Contrast(0xFFFFC0, onPale), basCellColors::kMinContrast);
    EXPECT_LT(basCellColors::Luminance(onPale), basCellColors::Luminance(0xFFFFC0));
    const std::uint32_t onDark = basCellColors::ReadableOn(kBlack, 0x000080);
    EXPECT_GE(basCellColors::Contrast(kBlack, onDark), basCellColors::kMinContrast);
    EXPECT_GT(basCellColors::Luminance(onDark), basCellColors::Luminance(0x000080));

    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> rgb(0, 0xFFFFFF);
    for (int i = 0; i < 5000; ++i) {
        const std::uint32_t back = rgb(random);
        const std::uint32_t fore = rgb(random);
        const std::uint32_t text = basCellColors::ReadableOn(back, fore);
        ASSERT_GE(basCellColors::Contrast(back, text), basCellColors::kMinContrast)
            << std::hex << back << " " << fore;
        if (basCellColors::Contrast(back, fore) >= basCellColors::kMinContrast) {
            ASSERT_EQ(text, fore);
        }
    }
}

TEST(basCellColors, MirroredLightnessKeepsTheHue)
{
    EXPECT_EQ(basCellColors::MirrorLightness(kWhite), kBlack);
    EXPECT_EQ(basCellColors::MirrorLightness(kBlack), kWhite);
    // Pale yellow turns dark olive: red and green alike and above blue.
    const std::uint32_t yellow = basCellColors::MirrorLightness(0xFFFFC0);
    EXPECT_EQ((yellow >> 16) & 0xFF, (yellow >> 8) & 0xFF);
    EXPECT_GT((yellow >> 8) & 0xFF, yellow & 0xFF);
    EXPECT_LT(basCellColors::Luminance(yellow), 0.1);
    // Pale green turns dark green.
    const std::uint32_t green = basCellColors::MirrorLightness(0xC0FFC0);
    EXPECT_GT((green >> 8) & 0xFF, (green >> 16) & 0xFF);
    EXPECT_EQ((green >> 16) & 0xFF, green & 0xFF);
}

TEST(basCellColors, EveryCellReadsUnderALightAndADarkPalette)
{
    for (const std::uint32_t pale : kPale) {
        // Light palette: the cell keeps its colour and black text.
        const auto light = basCellColors::Resolve(pale, std::nullopt, kWhite, kBlack);
        EXPECT_EQ(light.lngBack, pale);
        EXPECT_EQ(light.lngFore, kBlack);
        // Dark palette: the cell darkens, the palette's light text stays.
        const auto dark = basCellColors::Resolve(pale, std::nullopt, kDarkBase, kLightText);
        EXPECT_LT(basCellColors::Luminance(dark.lngBack), basCellColors::Luminance(pale));
        EXPECT_EQ(dark.lngFore, kLightText) << std::hex << pale;
        // A text colour of its own (a prize in blue, a loss in red) is mended where needed.
        for (const std::uint32_t fore : {0x0000FFu, 0xFF0000u, kBlack}) {
            const auto own = basCellColors::Resolve(pale, fore, kDarkBase, kLightText);
            EXPECT_GE(basCellColors::Contrast(own.lngBack, own.lngFore),
                      basCellColors::kMinContrast);
            const auto day = basCellColors::Resolve(pale, fore, kWhite, kBlack);
            EXPECT_GE(basCellColors::Contrast(day.lngBack, day.lngFore),
                      basCellColors::kMinContrast);
        }
    }
    // A cell without colours of its own is the palette's.
    const auto plain = basCellColors::Resolve(std::nullopt, std::nullopt, kDarkBase, kLightText);
    EXPECT_EQ(plain.lngBack, kDarkBase);
    EXPECT_EQ(plain.lngFore, kLightText);
}
