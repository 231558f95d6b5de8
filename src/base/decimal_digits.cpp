#include "base/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace {

// An unsigned integer in 32-bit limbs from the lowest, with no zero limb on top; only what
// digit generation needs. 36 limbs hold every number it meets: a double's fraction has
// terms below 2^1075, and the numerator stays below ten times the denominator.
class BigUnsigned {
public:
    explicit BigUnsigned(std::uint64_t value) {
        for (; value != 0; value >>= 32) limbs_[size_++] = static_cast<std::uint32_t>(value);
    }

    void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }

    void MultiplyByPowerOfTwo(int exponent) {
        const auto whole = static_cast<std::size_t>(exponent / 32);
        std::copy_backward(limbs_.begin(), limbs_.begin() + size_, limbs_.begin() + size_ + whole);
        std::fill_n(limbs_.begin(), whole, 0);
        size_ += whole;
        MultiplyBy(std::uint32_t{1} << (exponent % 32));
    }

    // other must not be greater.
    void Subtract(const BigUnsigned& other) {
        std::uint32_t borrow = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t taken = std::uint64_t{i < other.size_ ? other.limbs_[i] : 0} + borrow;
            borrow = limbs_[i] < taken;
            limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - taken);
        }
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    }

    friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
        if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
        for (std::size_t i = a.size_; i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

private:
    std::array<std::uint32_t, 36> limbs_{};
    std::size_t size_ = 0;
};

// Adds one unit in the last place; 99…9 becomes 10…0 with one exponent more.
void RoundUp(RoundedDecimal& decimal) {
    for (std::size_t i = decimal.Digits.size(); i-- > 0;) {
        if (decimal.Digits[i] != '9') {
            ++decimal.Digits[i];
            return;
        }
        decimal.Digits[i] = '0';
    }
    decimal.Digits[0] = '1';
    ++decimal.Exponent;
}

}  // namespace

RoundedDecimal RoundToSignificantDigits(double value, int count) {
    // value = mantissa * 2^binaryExponent exactly, as the fraction numerator / denominator.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto storedExponent = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = storedExponent == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    const int binaryExponent = (storedExponent == 0 ? 1 : storedExponent) - 1075;
    BigUnsigned numerator(mantissa), denominator(1);
    if (binaryExponent > 0) numerator.MultiplyByPowerOfTwo(binaryExponent);
    if (binaryExponent < 0) denominator.MultiplyByPowerOfTwo(-binaryExponent);

    // Scaled by a power of ten so that 1 <= numerator / denominator < 10.
    RoundedDecimal decimal;
    while (Compare(numerator, denominator) < 0) {
        numerator.MultiplyBy(10);
        --decimal.Exponent;
    }
    for (BigUnsigned larger = denominator;; ++decimal.Exponent) {
        larger.MultiplyBy(10);
        if (Compare(numerator, larger) < 0) break;
        denominator = larger;
    }

    for (int i = 0; i < count; ++i) {
        if (i > 0) numerator.MultiplyBy(10);
        char digit = '0';
        for (; Compare(numerator, denominator) >= 0; ++digit) numerator.Subtract(denominator);
        decimal.Digits += digit;
    }
    // What is left against half a unit in the last place.
    numerator.MultiplyBy(2);
    const int half = Compare(numerator, denominator);
    if (half > 0 || (half == 0 && (decimal.Digits.back() - '0') % 2 == 1)) RoundUp(decimal);
    return decimal;
}
