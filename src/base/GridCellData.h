#pragma once
// What one grid cell shows: text, colours, alignment and font. The core fills these (the
// round view's rows, the page grid's colours); a grid view draws them as they are.

#include <cstdint>
#include <string>

struct GridColor
{
    enum class Kind : std::uint8_t
    {
        Default,    // the view's own colour (window background, window text)
        ButtonFace, // the system's button face, for header rows
        Rgb
    };
    Kind enuKind = Kind::Default;
    std::uint32_t lngRgb = 0; // 0xRRGGBB when Kind is Rgb

    static constexpr GridColor FromRgb(std::uint8_t bytRed, std::uint8_t bytGreen,
                                       std::uint8_t bytBlue)
    {
        return {Kind::Rgb,
                (std::uint32_t{bytRed} << 16) | (std::uint32_t{bytGreen} << 8) | bytBlue};
    }
    static constexpr GridColor ButtonFaceColor() { return {Kind::ButtonFace, 0}; }
    friend bool operator==(const GridColor&, const GridColor&) = default;
};

enum class GridAlign : std::uint8_t
{
    Left,
    Center,
    Right
};

struct GridCellData
{
    std::string strText; // UTF-8
    GridColor ForeColor;
    GridColor BackColor;
    GridAlign Align = GridAlign::Left;
    bool blnBold = false;
    // Points; 0 keeps the grid's font. A face name "" keeps the grid's face too.
    std::int32_t lngFontPoints = 0;
    std::string strFontName;
    // What a screen reader says of the cell; "" says strText. For cells whose text alone
    // means little (a blank, a symbol).
    std::string strAccessibleText;
    friend bool operator==(const GridCellData&, const GridCellData&) = default;
};
