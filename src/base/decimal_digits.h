#pragma once
#include <string>

// The leading decimal digits of a number, correctly rounded (ties to even): value is about
// Digits[0].Digits[1]Digits[2]… * 10^Exponent. Exact arithmetic, so that the window and
// every build show the same digits; the C library's printf would add more code than the
// rest of the calculator's number texts together.
struct RoundedDecimal {
    std::string Digits;
    int Exponent = 0;
};

// value must be positive and finite; count at least 1.
RoundedDecimal RoundToSignificantDigits(double value, int count);
