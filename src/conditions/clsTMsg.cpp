#include "conditions/clsTMsg.h"

#include "base/Currency.h"
#include "base/basText.h"

namespace {
constexpr std::int32_t kLabelBytes = 44;
constexpr std::int32_t kLabelPadding = 22;
} // namespace

clsTMsg::clsTMsg(clsIPump& objPump, clsIMessage& objMessage)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsg")
{}

void clsTMsg::Initialize(clsTMsgLog& objLog)
{
    m_log = &objLog;
    m_log->SetBarMax(100);
}

void clsTMsg::Value(std::int32_t lngValue)
{
    if (!m_log) {
        m_err.InitializeErr("Value");
        return;
    }
    m_log->SetBarValue(lngValue);
}

void clsTMsg::Max(std::int32_t lngMax)
{
    if (!m_log) {
        m_err.InitializeErr("Max");
        return;
    }
    m_log->SetBarMax(lngMax);
}

void clsTMsg::Cls()
{
    if (!m_log) {
        m_err.InitializeErr("Cls");
        return;
    }
    m_log->Clear();
    m_log->SetStartTick(m_pump.TickMs());
}

std::string clsTMsg::ElapsedText() const
{
    const std::int64_t lngStart = m_log ? m_log->StartTick() : 0;
    const std::int64_t lngMs = m_pump.TickMs() - lngStart;
    // Milliseconds are tenths of a Currency ten-thousandth: FormatPadded rounds the seconds
    // half away from zero, as the original number format did.
    return Currency::FromRaw(lngMs * 10).FormatPadded(4);
}

void clsTMsg::Msg(std::string_view strText, bool blnCR, bool blnTime)
{
    if (!m_log) {
        m_err.InitializeErr("Msg");
        return;
    }
    try {
        if (blnTime) {
            std::string s = ElapsedText();
            s += ' ';
            s += strText;
            m_log->Append(s, blnCR);
        } else {
            m_log->Append(strText, blnCR);
        }
    } catch (const std::exception& e) {
        m_err.ReportException("Msg", e);
    }
}

void clsTMsg::Sp()
{
    Msg(std::string(55, '-'), true, false);
}

std::string clsTMsg::RightAlign(std::string_view strText, std::size_t lngWidth)
{
    // Right(Space(n) & text, n): a longer text loses its leading characters.
    if (strText.size() >= lngWidth) {
        return std::string(strText.substr(strText.size() - lngWidth));
    }
    return std::string(lngWidth - strText.size(), ' ') + std::string(strText);
}

std::string clsTMsg::StepLabel(std::string_view strMsg)
{
    const std::string strPadded = std::string(strMsg) + std::string(kLabelPadding, ' ');
    std::string strLabel = basText::LeftB(strPadded, kLabelBytes);
    // A cut inside a two-byte character drops it whole; a blank keeps the column width.
    if (basText::LenB(strPadded) >= kLabelBytes) {
        const std::int32_t lngShort = kLabelBytes - basText::LenB(strLabel);
        if (lngShort > 0) {
            strLabel.append(static_cast<std::size_t>(lngShort), ' ');
        }
    }
    return strLabel;
}

std::string clsTMsg::PercentText(std::int32_t lngSCount, std::int32_t lngPreCount)
{
    std::int64_t lngHundredths = 10000;
    if (lngPreCount >= 1) {
        // Exact ratio in hundredths of a percent, halves away from zero.
        const std::int64_t lngNum = static_cast<std::int64_t>(lngSCount) * 10000;
        const std::int64_t lngDen = lngPreCount;
        lngHundredths = lngNum >= 0 ? (2 * lngNum + lngDen) / (2 * lngDen)
                                    : -((-2 * lngNum + lngDen) / (2 * lngDen));
    }
    return RightAlign(Currency::FromRaw(lngHundredths * 100).FormatNumber(2, false), 6);
}

void clsTMsg::CompMsg(std::string_view strMsg, std::int32_t lngPreCount, std::int32_t lngSCount,
                      bool blnKakutei)
{
    if (!m_log) {
        m_err.InitializeErr("CompMsg");
        return;
    }
    try {
        if (!blnKakutei) {
            Msg(StepLabel(strMsg) + ":" + RightAlign(std::to_string(lngPreCount), 7) + " → ", false,
                true);
        } else {
            Msg(RightAlign(std::to_string(lngSCount), 7) + " (" +
                    PercentText(lngSCount, lngPreCount) + "%)",
                true, false);
        }
    } catch (const std::exception& e) {
        m_err.ReportException("CompMsg", e);
    }
}
