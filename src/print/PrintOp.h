#pragma once
// One drawing operation of a printed page, in millimetres from the paper's top-left corner.
// The card layout produces lists of these; a device (a printer, a PDF file, a test) replays them.

#include "base/Currency.h"

#include <cstdint>
#include <string>

struct PrintColour
{
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(PrintColour, PrintColour) = default;
};

enum class PrintOpKind
{
    Line,     // (X1, Y1) to (X2, Y2)
    Rect,     // outline of the box with corners (X1, Y1) and (X2, Y2)
    FillRect, // the same box filled
    Text      // left edge X1, vertical centre Y1; Font at PointSize
};

struct PrintOp
{
    PrintOpKind Kind = PrintOpKind::Line;
    Currency X1;
    Currency Y1;
    Currency X2;
    Currency Y2;
    // The device's default colour (black ink) unless HasColour.
    bool HasColour = false;
    PrintColour Colour;
    std::string Text;
    std::string Font;
    Currency PointSize;

    friend bool operator==(const PrintOp&, const PrintOp&) = default;
};
