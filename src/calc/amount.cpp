#include "calc/amount.h"

#include <algorithm>
#include <cmath>

#include "base/text_convert.h"
#include "calc/result_text.h"

namespace {

Fault Worse(Fault a, Fault b) { return std::max(a, b); }

// Both limits are exact doubles; a value strictly between them truncates into the range.
constexpr double kBelowInt32 = -2147483649.0;
constexpr double kAboveInt32 = 2147483648.0;
constexpr double kInt64Min = -0x1p63;
constexpr double kAboveInt64 = 0x1p63;

template <class Operation>
Amount Combine(Amount a, Amount b, Operation operation) {
    Fault problem = Worse(a.Problem, b.Problem);
    if (problem != Fault::None) return Missing(problem);
    double value = operation(a.Value, b.Value);
    // Operands stay far below the double range; this only guards against misuse.
    if (!std::isfinite(value)) return Missing(Fault::Overflow);
    return {value, Fault::None};
}

std::string FaultText(Fault problem) {
    return std::string(problem == Fault::NoData ? kNoDataText : kOverflowText);
}

}  // namespace

Amount operator+(Amount a, Amount b) { return Combine(a, b, [](double x, double y) { return x + y; }); }
Amount operator-(Amount a, Amount b) { return Combine(a, b, [](double x, double y) { return x - y; }); }
Amount operator*(Amount a, Amount b) { return Combine(a, b, [](double x, double y) { return x * y; }); }

Amount operator/(Amount a, Amount b) {
    if (b.Known() && b.Value == 0) return Missing(Worse(a.Problem, Fault::NoData));
    return Combine(a, b, [](double x, double y) { return x / y; });
}

Amount Trunc32(Amount a) {
    if (!a.Known()) return a;
    if (!(a.Value > kBelowInt32 && a.Value < kAboveInt32)) return Missing(Fault::Overflow);
    return {static_cast<double>(static_cast<std::int32_t>(a.Value)), Fault::None};
}

Amount Trunc64(Amount a) {
    if (!a.Known()) return a;
    if (!(a.Value >= kInt64Min && a.Value < kAboveInt64)) return Missing(Fault::Overflow);
    return {static_cast<double>(static_cast<std::int64_t>(a.Value)), Fault::None};
}

std::string IntegerText(Amount a) {
    Amount whole = Trunc32(a);
    if (!whole.Known()) return FaultText(whole.Problem);
    return IntToText(static_cast<std::int32_t>(whole.Value));
}

std::string WholeRealText(Amount a) {
    Amount whole = Trunc64(a);
    if (!whole.Known()) return FaultText(whole.Problem);
    return RealToText(whole.Value);
}

std::string UnroundedText(Amount a) { return a.Known() ? RealToText(a.Value) : FaultText(a.Problem); }

Amount ReadAmount(std::string_view text) {
    if (text == kNoDataText) return Missing(Fault::NoData);
    if (text == kOverflowText) return Missing(Fault::Overflow);
    return {static_cast<double>(TextToInt(text)), Fault::None};
}
