#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_box.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(AboutBoxTest, TextHasSevenLinesInTheirForms) {
    std::string text = kAboutText;
    EXPECT_EQ(std::string(kAboutCaption), "О программе");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end with CR LF";
    std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Программа для расчета производственных цепочек");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2].rfind("Автор: ", 0), 0u);
    EXPECT_NE(lines[2].find(" aka "), std::string::npos);
    EXPECT_EQ(lines[3].rfind("Особая благодарность ", 0), 0u);
    EXPECT_NE(lines[3].find(" aka "), std::string::npos);
    EXPECT_TRUE(lines[3].ends_with(" за помощь и советы"));
    EXPECT_EQ(lines[4].rfind("E-mail: ", 0), 0u);
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6].rfind("Специально для пилотов ", 0), 0u);
    EXPECT_NE(text.back(), '\n');
}

}  // namespace
