#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// A computed value of the chain calculation, or the reason it has none. Arithmetic on
// amounts carries the reason along, so a value that depends on a missing one is missing
// too and never turns into a plausible number.

// Ordered by precedence: when two reasons meet, the larger one wins.
enum class Fault { None, Overflow, NoData };

// Shown instead of a number. "нет данных": a divisor (units per cycle, cycle time) is 0.
// "переполнение": the value, or one it is made of, leaves the range of its integer type.
inline constexpr std::string_view kOverflowText = "переполнение";
inline constexpr std::string_view kNoDataText = "нет данных";

struct Amount {
    double Value = 0;
    Fault Problem = Fault::None;

    bool Known() const { return Problem == Fault::None; }
};

inline Amount Missing(Fault problem) { return {0, problem}; }

Amount operator+(Amount a, Amount b);
Amount operator-(Amount a, Amount b);
Amount operator*(Amount a, Amount b);
// A zero divisor gives "no data".
Amount operator/(Amount a, Amount b);

// Truncation toward zero to the 32-bit or 64-bit range, as a whole number; an overflow
// when the truncated value does not fit.
Amount Trunc32(Amount a);
Amount Trunc64(Amount a);

// Integer text of trunc32(a), or the text of its fault.
std::string IntegerText(Amount a);
// Real text of trunc64(a), or the text of its fault.
std::string WholeRealText(Amount a);
// Real text of a as it is, fractions included, or the text of its fault.
std::string UnroundedText(Amount a);

// A number read from a box or cell: the fault texts read back as their faults, anything
// else as the integer at its start.
Amount ReadAmount(std::string_view text);
