#pragma once
// The breakdown beside the run log: match tally, counts, compression ratio and the winning
// probabilities of the last run. Owned by the extraction controller clsTX, for the document's
// lifetime; a view draws it from CellText / colours and redraws when told.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "lottery/MarkArray.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct MeisaiRgb
{
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend constexpr bool operator==(MeisaiRgb, MeisaiRgb) = default;
};

class clsTMeisai
{
public:
    static constexpr std::int32_t kRows = 14;
    static constexpr MeisaiRgb kBlack{0, 0, 0};
    static constexpr MeisaiRgb kBlue{0, 0, 255};
    static constexpr MeisaiRgb kWhite{255, 255, 255};
    static constexpr MeisaiRgb kStripe{255, 255, 224};
    static constexpr MeisaiRgb kButtonFace{240, 240, 240};
    static constexpr std::int32_t kFontPoints = 11;

    explicit clsTMeisai(clsIMessage& objMessage);

    // Layout for the view: column widths and row height in pixels at 96 dpi.
    void Initialize(std::int32_t lngWidth1, std::int32_t lngWidth2, std::int32_t lngHeight);
    std::int32_t Width1() const { return m_width1; }
    std::int32_t Width2() const { return m_width2; }
    std::int32_t RowHeight() const { return m_height; }

    void Clear();
    // Recounts the tally from a mark array (outcome code, match); no redraw.
    void SetValue(const SingleFrame& lngValue);
    void SetSingleCount(std::int32_t lngValue);
    void SetTousen(const std::array<std::int32_t, 6>& lngTousen);

    // Rows 1..14 as the grid numbers them; column 1 the title, column 2 the value.
    static std::string TitleText(std::int32_t lngRow);
    std::string ValueText(std::int32_t lngRow) const;
    MeisaiRgb ValueColor(std::int32_t lngRow) const;
    static MeisaiRgb BackColor(std::int32_t lngRow);

    const std::array<std::int32_t, 4>& Tally() const { return m_tally; }
    std::int32_t SingleCount() const { return m_singleCount; }
    bool ProbabilitiesShown() const { return m_shown; }
    const std::array<Currency, 5>& Probabilities() const { return m_probability; }
    // 3^(triples) x 2^(doubles), or 0 without singles.
    std::int64_t MultiCount() const;

    // Raised after Clear and SetTousen: the view redraws.
    std::function<void()> Redraw;

private:
    void NotifyRedraw() const;

    clsErrorReporter m_err;
    std::array<std::int32_t, 4> m_tally{};
    std::int32_t m_singleCount = 0;
    bool m_shown = false;
    std::array<Currency, 5> m_probability{};
    std::int32_t m_width1 = 90;
    std::int32_t m_width2 = 90;
    std::int32_t m_height = 21;
};
