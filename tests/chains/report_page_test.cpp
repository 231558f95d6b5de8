// The HTML report as a browser builds it: headless Chromium opens the page from a file,
// runs its script and prints the document it made.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "chains/example_tables.h"

namespace {

using namespace example;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The document Chromium built from the page, opened with `fragment` after its address.
std::string BrowserDom(const std::string& page, const std::string& fragment, const std::string& profile) {
    std::string command = std::string(KELM_CHROMIUM) +
                          " --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
                          " --disable-component-update --disable-sync --user-data-dir='" + profile +
                          "' --dump-dom 'file://" + page + fragment + "' 2>/dev/null";
    std::string dom;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) dom.append(buffer, read);
        pclose(pipe);
    }
    return dom;
}

TEST_F(ToolTest, TheReportPageShowsEveryChainInTheTableAndTheChartAndSortsOnRequest) {
    ASSERT_TRUE(std::filesystem::exists(KELM_CHROMIUM)) << "Chromium is missing; scripts/setup.sh installs it";
    tables.Stations[3] = "Убыточный завод;0;3;4;1;3;500;2;1;0;0;1;2";   // item 0 loses
    tables.Stations[50] = "Фабрика люкса;8;3;4;1;3;5;2;1;0;0;1;2";      // item 25 earns most
    tables.Stations[5] = R"(Завод </td></tr><script>document.title="X"</script> & <!-- 'x' «Кельм»;0;3;4;1;3;5;2;1;0;0;1;2)";
    std::string page = (folder.Path() / "report.html").string();
    ToolRun report = Tool({"report", "--tables", Write(), "--format", "html", "--output", page});
    ASSERT_EQ(report.ExitCode, kExitOk) << report.Output.Err;

    std::string dom = BrowserDom(page, "#sort=8", (folder.Path() / "profile").string());
    ASSERT_NE(dom.find("</html>"), std::string::npos) << dom;
    EXPECT_NE(dom.find(Utf8("<title>Производственные цепочки Kelm</title>")), std::string::npos);
    EXPECT_EQ(Count(dom, "<tr>"), 97u);  // the header and every chain
    EXPECT_EQ(Count(dom, "<rect class=\"bar gain\""), 95u);
    EXPECT_EQ(Count(dom, "<rect class=\"bar loss\""), 1u);
    // The name is text in its cell, bar title and label: no element of it reaches the document.
    EXPECT_EQ(Count(dom, "<script>"), 1u);
    EXPECT_EQ(Count(dom, "&lt;/td&gt;&lt;/tr&gt;&lt;script&gt;document.title=\"X\"&lt;/script&gt; &amp; &lt;!-- 'x'"),
              3u);
    // The script ran: sorted by chain income, highest first.
    std::size_t body = dom.find("<tbody>");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(dom.find("<tr><td class=\"number\" data-v=\"25\">25</td>", body), dom.find("<tr>", body));
    EXPECT_NE(dom.find("<tr><td class=\"number\" data-v=\"0\">0</td>", body), std::string::npos);
    EXPECT_LT(dom.find("data-v=\"1\">1</td>", body), dom.find("data-v=\"0\">0</td>", body));
    EXPECT_EQ(Count(dom, "aria-sort=\"descending\""), 1u);
}

}  // namespace
