#include "calc/result_text.h"

#include <cmath>
#include <cstdlib>

#include "base/decimal_digits.h"
#include "base/text_convert.h"

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string RealToText(double value) {
    if (value == 0) return "0";
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";

    const auto [digits, exponent] = RoundToSignificantDigits(std::fabs(value), kSignificantDigits);
    std::string integerPart, fraction;
    if (exponent >= 0) {
        std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (integerDigits >= digits.size()) {
            integerPart = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            integerPart = digits.substr(0, integerDigits);
            fraction = digits.substr(integerDigits);
        }
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string out = value < 0 ? "-" : "";
    out += integerPart;
    if (!fraction.empty()) out += "." + fraction;
    return out;
}

HoursMinutesSeconds SplitSeconds(std::int64_t seconds) {
    return {static_cast<std::int32_t>(seconds / 3600), static_cast<std::int32_t>(seconds % 3600 / 60),
            static_cast<std::int32_t>(seconds % 60)};
}

std::string CycleTimeText(std::int32_t seconds) {
    std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(seconds));
    HoursMinutesSeconds time = SplitSeconds(magnitude);
    std::string text = FormatInts("%.2d:%.2d:%.2d", time.Hours, time.Minutes, time.Seconds);
    return seconds < 0 ? "-" + text : text;
}
