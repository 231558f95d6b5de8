#include "base/line_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/temp_folder.h"

namespace {

std::vector<std::string> LinesOf(const LineList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list.Line(i));
    return lines;
}

std::vector<std::string> Split(std::string_view text) {
    LineList list;
    list.LoadFromText(text);
    return LinesOf(list);
}

using Lines = std::vector<std::string>;

TEST(LineList, LinesEndAtCrOrCrLfButNotAtLoneLf) {
    EXPECT_EQ(Split("a\rb\r\nc\nd"), (Lines{"a", "b", "c\nd"}));
    EXPECT_EQ(Split("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(Split("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(Split("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("\r\n"), (Lines{""}));
    EXPECT_EQ(Split("a\n\n"), (Lines{"a\n\n"}));
    EXPECT_EQ(Split("a\r\n\nb"), (Lines{"a", "\nb"}));  // only one LF belongs to the line end
}

TEST(LineList, NulEndsTheLineAndAtALineStartEndsTheText) {
    EXPECT_EQ(Split(std::string_view("ab\0cd\r\nef", 9)), (Lines{"ab", "ef"}));
    EXPECT_EQ(Split(std::string_view("ab\r\n\0cd\r\nef", 11)), (Lines{"ab"}));
    EXPECT_EQ(Split(std::string_view("\0abc", 4)), Lines{});
}

TEST(LineList, LineOutsideTheListIsEmpty) {
    LineList list;
    list.LoadFromText("one\r\ntwo");
    EXPECT_EQ(list.Line(-1), "");
    EXPECT_EQ(list.Line(2), "");
    EXPECT_EQ(list.Line(1), "two");
}

TEST(LineList, SetAndDeleteLinesInAndOutsideTheLoadedBlock) {
    LineList list;
    list.LoadFromText("a\r\nb\r\nc");
    list.SetLine(1, "longer than before");
    list.DeleteLine(0);
    EXPECT_EQ(LinesOf(list), (Lines{"longer than before", "c"}));
    list.SetLine(0, "x");
    list.DeleteLine(0);
    EXPECT_EQ(LinesOf(list), (Lines{"c"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(LineList, AddAppendsAfterLoadedAndOwnedLines) {
    LineList list;
    list.Add("first");
    list.LoadFromText("a\r\nb");
    list.Add("");
    list.Add("c");
    list.DeleteLine(0);
    EXPECT_EQ(LinesOf(list), (Lines{"b", "", "c"}));
}

TEST(LineList, NarrowLinesKeepsPartsAndDropsEmptyOnes) {
    LineList list;
    list.LoadFromText("  a  \r\n   \r\nbcd\r\nef");
    list.SetLine(3, "  owned  ");
    list.NarrowLines([](std::string_view line) {
        std::size_t b = line.find_first_not_of(' ');
        if (b == std::string_view::npos) return std::string_view();
        return line.substr(b, line.find_last_not_of(' ') - b + 1);
    });
    EXPECT_EQ(LinesOf(list), (Lines{"a", "bcd", "owned"}));
}

TEST(LineList, LoadsAFileAndKeepsTheListWhenAFileIsMissing) {
    TempFolder folder;
    NativePath path = folder.Write("t.csv", "1\r\n2\r\n");
    LineList list;
    ASSERT_TRUE(list.LoadFromFile(path));
    EXPECT_EQ(LinesOf(list), (Lines{"1", "2"}));
    EXPECT_FALSE(list.LoadFromFile(folder.Native() / "missing.csv"));
    EXPECT_EQ(LinesOf(list), (Lines{"1", "2"}));
    EXPECT_FALSE(list.LoadFromFile(folder.Native()));  // a folder is not a file
    EXPECT_EQ(list.Count(), 2);
}

TEST(LineList, LoadingAgainReplacesEveryLineWhateverTheFileSizes) {
    TempFolder folder;
    NativePath small = folder.Write("small.csv", "x\r\ny");
    NativePath large = folder.Write("large.csv", std::string(5000, 'a') + "\r\n" + std::string(70000, 'b') + "\rc");
    LineList list;
    ASSERT_TRUE(list.LoadFromFile(small));
    list.SetLine(0, "own");  // a line outside the block goes too
    ASSERT_TRUE(list.LoadFromFile(large));
    EXPECT_EQ(LinesOf(list), (Lines{std::string(5000, 'a'), std::string(70000, 'b'), "c"}));
    list.SetLine(2, "own");
    ASSERT_TRUE(list.LoadFromFile(small));
    EXPECT_EQ(LinesOf(list), (Lines{"x", "y"}));
    EXPECT_FALSE(list.LoadFromFile(folder.Native() / "missing.csv"));
    EXPECT_EQ(LinesOf(list), (Lines{"x", "y"}));
    list.LoadFromText(list.Line(1));  // text from the list's own block
    EXPECT_EQ(LinesOf(list), (Lines{"y"}));
}

}  // namespace
