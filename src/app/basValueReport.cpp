#include "app/basValueReport.h"

#include <cmath>
#include <cstdio>

namespace basValueReport {
namespace {
std::string Fixed10(double dblValue)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10f", dblValue);
    return buf;
}

// Three significant figures at most, no trailing zeros: 1.59, 15.9, 159.
std::string Short(double dblValue)
{
    char buf[64];
    std::snprintf(buf, sizeof buf,
                  dblValue < 10.0    ? "%.2f"
                  : dblValue < 100.0 ? "%.1f"
                                     : "%.0f",
                  dblValue);
    std::string text = buf;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}
} // namespace

std::array<Line, 5> SetValueLines(const clsTValue::SetValue& sv)
{
    return {{{"1等以上", Fixed10(sv.Grade1)},
             {"2等以上", Fixed10(sv.Grade2)},
             {"3等以上", Fixed10(sv.Grade3)},
             {"期待値", std::to_string(std::llround(sv.EV))},
             {"購入金額", sv.Cost.ToString()}}};
}

std::string EVText(double dblEV)
{
    return std::to_string(std::llround(dblEV)) + "円";
}

std::string PText(double dblP)
{
    if (!(dblP > 0.0)) {
        return "0";
    }
    const double n = 1.0 / dblP;
    if (n < 9999.5) {
        return "1/" + std::to_string(std::llround(n));
    }
    if (n < 1e8) {
        return "1/" + Short(n / 1e4) + "万";
    }
    return "1/" + Short(n / 1e8) + "億";
}
} // namespace basValueReport
