#include "base/file_write.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsTextFile, EndsEveryLineInCrLfAndStartsWithTheMarkWhenAsked) {
    struct Case {
        const char* text;
        bool mark;
        const char* bytes;
    };
    const Case cases[] = {
        {"a\nb\n", false, "a\r\nb\r\n"},
        {"a\nb", true, "\xEF\xBB\xBF" "a\r\nb"},
        {"a\r\nb\n\n", false, "a\r\nb\r\n\r\n"},  // a CR LF stays as it is
        {"\n", true, "\xEF\xBB\xBF\r\n"},
        {"", true, "\xEF\xBB\xBF"},
        {"", false, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowsTextFile(c.text, c.mark), c.bytes) << c.text;
}

}  // namespace
