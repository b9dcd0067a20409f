#include "files/basValueLimitKeys.h"

#include "store/clsXmlTagReader.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {
void Line(std::string& s, std::string_view strKey, std::string_view strValue)
{
    s += strKey;
    s += " = ";
    s += strValue;
    s += "\r\n";
}

Currency AmountOf(std::string_view strKey, std::string_view strValue)
{
    const auto v = Currency::Parse(strValue);
    if (!v || *v < Currency() || !v->WithinReadLimit()) {
        throw XmlReadError(ErrorNumber::TypeMismatch,
                           "型が一致しません。 (" + std::string(strKey) +
                               " は 0 以上の金額です: " + std::string(strValue) + ")");
    }
    return *v;
}

double ProbabilityOf(std::string_view strKey, std::string_view strValue)
{
    double v = 0.0;
    const char* end = strValue.data() + strValue.size();
    const auto [ptr, ec] = std::from_chars(strValue.data(), end, v);
    if (strValue.empty() || ec != std::errc() || ptr != end || !std::isfinite(v) || v < 0.0 ||
        v > 1.0) {
        throw XmlReadError(ErrorNumber::TypeMismatch,
                           "型が一致しません。 (" + std::string(strKey) +
                               " は 0 から 1 の確率です: " + std::string(strValue) + ")");
    }
    return v;
}
} // namespace

namespace basValueLimitKeys {
std::string ProbabilityToString(double dblValue)
{
    char buf[32];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, dblValue);
    return ec == std::errc() ? std::string(buf, ptr) : std::string("0");
}

void Write(std::string& s, const ValueLimits& limits)
{
    if (limits == ValueLimits{}) {
        return;
    }
    Line(s, "Kitaichi.Flag", limits.EVFlag ? "1" : "0");
    Line(s, "Kitaichi.Min", limits.EVMin.ToString());
    Line(s, "Kitaichi.Max", limits.EVMax.ToString());
    Line(s, "Kakuritsu.Flag", limits.PFlag ? "1" : "0");
    Line(s, "Kakuritsu.Min", ProbabilityToString(limits.PMin));
    Line(s, "Kakuritsu.Max", ProbabilityToString(limits.PMax));
    s += "\r\n";
}

bool Read(std::string_view strKey, std::string_view strValue, ValueLimits& limits)
{
    if (strKey == "Kitaichi.Flag") {
        limits.EVFlag = strValue == "1";
    } else if (strKey == "Kitaichi.Min") {
        limits.EVMin = AmountOf(strKey, strValue);
    } else if (strKey == "Kitaichi.Max") {
        limits.EVMax = AmountOf(strKey, strValue);
    } else if (strKey == "Kakuritsu.Flag") {
        limits.PFlag = strValue == "1";
    } else if (strKey == "Kakuritsu.Min") {
        limits.PMin = ProbabilityOf(strKey, strValue);
    } else if (strKey == "Kakuritsu.Max") {
        limits.PMax = ProbabilityOf(strKey, strValue);
    } else {
        return false;
    }
    return true;
}
} // namespace basValueLimitKeys
