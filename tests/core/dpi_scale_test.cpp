#include "base/dpi_scale.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    int dpi;
    int value;
    int expected;
};

// Exact halves round away from zero, as MulDiv rounds; 96 DPI and a DPI the display could
// not report keep every value.
TEST(DpiScale, ScalesLayoutPixelsAsMulDivRounds) {
    const ScaleCase cases[] = {
        {96, 722, 722},  {96, -11, -11}, {0, 37, 37},   {-5, 37, 37},   {120, 722, 903},
        {120, 2, 3},     {120, -2, -3},  {120, 1, 1},   {144, 1, 2},    {144, -11, -17},
        {144, 3, 5},     {144, -3, -5},  {144, 586, 879}, {192, -11, -22}, {144, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DpiScale(c.dpi)(LayoutPx(c.value)).Value, c.expected) << c.value << " at " << c.dpi;
    EXPECT_EQ(DpiScale(-5).Dpi(), 96);
}

}  // namespace
