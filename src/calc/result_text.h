#pragma once
#include <cstdint>
#include <string>

// The texts in which results and cycle times are shown.

// 15 significant digits in plain positional notation, never an exponent; no trailing zeros
// after the decimal point.
std::string RealToText(double value);

struct HoursMinutesSeconds {
    std::int32_t Hours;
    std::int32_t Minutes;
    std::int32_t Seconds;
};

// Truncating split of a non-negative number of seconds.
HoursMinutesSeconds SplitSeconds(std::int64_t seconds);

// "HH:MM:SS" with at least two digits a field and hours unbounded. A negative time (a
// malformed table) shows as "-" and the time of its magnitude.
std::string CycleTimeText(std::int32_t seconds);
