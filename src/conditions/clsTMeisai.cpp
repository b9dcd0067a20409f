#include "conditions/clsTMeisai.h"

#include "conditions/clsTMsg.h"
#include "lottery/clsToto.h"

namespace {
// Rounds n / d to two decimals, halves away from zero, as hundredths; d > 0, n >= 0.
std::int64_t HundredthsOf(std::int64_t n, std::int64_t d)
{
    return (2 * n * 100 + d) / (2 * d);
}
} // namespace

clsTMeisai::clsTMeisai(clsIMessage& objMessage)
    : m_err(objMessage, "clsTMeisai")
{}

void clsTMeisai::Initialize(std::int32_t lngWidth1, std::int32_t lngWidth2, std::int32_t lngHeight)
{
    m_width1 = lngWidth1;
    m_width2 = lngWidth2;
    m_height = lngHeight;
    Clear();
}

void clsTMeisai::Clear()
{
    m_tally = {};
    m_singleCount = 0;
    m_shown = false;
    m_probability = {};
    NotifyRedraw();
}

void clsTMeisai::SetValue(const SingleFrame& lngValue)
{
    m_tally = {};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        std::int32_t n = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            if (lngValue[c][m] != 0) {
                ++n;
            }
        }
        ++m_tally[static_cast<std::size_t>(n)];
    }
}

void clsTMeisai::SetSingleCount(std::int32_t lngValue)
{
    m_singleCount = lngValue;
}

void clsTMeisai::SetTousen(const std::array<std::int32_t, 6>& lngTousen)
{
    try {
        m_shown = lngTousen[0] >= 1;
        m_probability = {};
        if (m_shown) {
            for (std::size_t k = 1; k <= 5; ++k) {
                m_probability[k - 1] =
                    Currency::FromDouble(static_cast<double>(lngTousen[k]) / lngTousen[0] * 100.0);
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("SetTousen", e);
    }
    NotifyRedraw();
}

std::int64_t clsTMeisai::MultiCount() const
{
    if (m_singleCount == 0) {
        return 0;
    }
    std::int64_t n = 1;
    for (std::int32_t i = 0; i < m_tally[3]; ++i) {
        n *= 3;
    }
    for (std::int32_t i = 0; i < m_tally[2]; ++i) {
        n *= 2;
    }
    return n;
}

std::string clsTMeisai::TitleText(std::int32_t lngRow)
{
    switch (lngRow) {
    case 2:
        return "シングル";
    case 3:
        return "ダ ブ ル";
    case 4:
        return "トリプル";
    case 6:
        return "マルチ数";
    case 7:
        return "圧縮口数";
    case 8:
        return "圧 縮 率";
    case 10:
        return " 1 等確率";
    case 11:
        return " 2 等確率";
    case 12:
        return " 3 等確率";
    case 13:
        return "1-2等確率";
    case 14:
        return "1-3等確率";
    default:
        return {};
    }
}

std::string clsTMeisai::ValueText(std::int32_t lngRow) const
{
    if (lngRow >= 2 && lngRow <= 4) {
        const std::int32_t n = m_tally[static_cast<std::size_t>(lngRow - 1)];
        return n == 0 ? std::string() : " " + std::to_string(n);
    }
    if (lngRow == 6) {
        return " " + Currency::FromInt(MultiCount()).FormatNumber(0, true);
    }
    if (lngRow == 7) {
        return " " + Currency::FromInt(m_singleCount).FormatNumber(0, true);
    }
    if (lngRow == 8) {
        if (m_singleCount < 1) {
            return " 0";
        }
        const std::int64_t h = HundredthsOf(MultiCount(), m_singleCount);
        return " 1／" + Currency::FromRaw(h * 100).FormatNumber(2, true);
    }
    if (lngRow >= 10 && lngRow <= 14) {
        if (!m_shown) {
            return " ---.--%";
        }
        // Cut, not rounded: 99.999 % must not read as 100.00 %.
        const std::int64_t lngRaw = m_probability[static_cast<std::size_t>(lngRow - 10)].Raw();
        const std::string s = Currency::FromRaw(lngRaw / 100 * 100).FormatNumber(2, false) + "%";
        return " " + clsTMsg::RightAlign(s, 7);
    }
    return {};
}

MeisaiRgb clsTMeisai::ValueColor(std::int32_t lngRow) const
{
    if (lngRow == 7) {
        return kBlue;
    }
    if (lngRow >= 10 && lngRow <= 14 && m_shown &&
        m_probability[static_cast<std::size_t>(lngRow - 10)] == Currency::FromInt(100)) {
        return kBlue;
    }
    return kBlack;
}

MeisaiRgb clsTMeisai::BackColor(std::int32_t lngRow)
{
    if (lngRow == 1) {
        return kButtonFace;
    }
    if (lngRow >= 3 && lngRow <= 13 && lngRow % 2 == 1) {
        return kStripe;
    }
    return kWhite;
}

void clsTMeisai::NotifyRedraw() const
{
    if (Redraw) {
        Redraw();
    }
}
