// kelm-chains page: the file it writes and when it writes none. The page at work is tested
// in a browser (tests/page).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "chains/example_tables.h"

namespace {

using namespace example;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST_F(ToolTest, ThePageHoldsTheTablesTheCoreAndEveryPlaceTheCoreFillsIn) {
    std::string page = Utf8Path(folder.Path() / "страница.html");
    ToolRun run = Tool({"page", "--tables", Write(), "--output", page});
    ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
    std::string html = FileText(std::filesystem::u8path(page));
    EXPECT_LE(html.size(), 400u * 1024);
    for (const char* mark : {"@STYLE@", "@FACTORIES@", "@RESULTS@", "@CORE@", "@SCRIPT@", "@MODULE@", "@WARES@", "@STATIONS@"})
        EXPECT_EQ(html.find(mark), std::string::npos) << mark;
    EXPECT_EQ(Count(html, "<fieldset data-key="), 4u);
    EXPECT_EQ(Count(html, "data-result="), 7u);
    EXPECT_NE(html.find(Utf8("<dt>Доход цепочки за сутки:</dt><dd><output data-result=\"chain_income\"")),
              std::string::npos);
    // The tables' bytes in base64: "// example" and the first count line.
    EXPECT_NE(html.find("<script type=\"application/octet-stream\" id=\"wares\">Ly8gZXhhbXBsZQ0KOQ0K"),
              std::string::npos);
    EXPECT_NE(html.find("<script type=\"application/octet-stream\" id=\"core\">AGFzbQ"), std::string::npos);  // "\0asm"
    for (const char* outside : {"http:", "https:", " src=", " href="}) EXPECT_EQ(html.find(outside), std::string::npos);
}

TEST_F(ToolTest, ThePageGoesToKelmCalcHtmlInTheWorkingFolderUnlessToldOtherwise) {
    Write("tables");
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    ToolRun run = Tool({"page"});
    std::filesystem::current_path(before);
    ASSERT_EQ(run.ExitCode, kExitOk) << run.Output.Err;
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "kelm-calc.html"));
    EXPECT_EQ(run.Output.Out, "");
}

TEST_F(ToolTest, NoPageIsWrittenWithoutTablesOrWithoutACompleteChain) {
    std::string page = Utf8Path(folder.Path() / "kelm-calc.html");
    ToolRun missing = Tool({"page", "--tables", Utf8Path(folder.Path() / "нет"), "--output", page});
    EXPECT_EQ(missing.ExitCode, kExitProblems);
    EXPECT_NE(missing.Output.Err.find(Utf8("папка не найдена")), std::string::npos) << missing.Output.Err;
    tables.Stations.resize(3);
    ToolRun broken = Tool({"page", "--tables", Write(), "--output", page});
    EXPECT_EQ(broken.ExitCode, kExitProblems);
    EXPECT_NE(broken.Output.Err.find(Utf8("ни у одной фабрики списка нет полной цепочки")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(page));
}

}  // namespace
