#include "html_report.h"

#include <algorithm>
#include <cstdio>

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "calc/chain_results.h"
#include "output_text.h"
#include "report_formats.h"

namespace {

// Chart geometry in pixels: names on the left, then the bars, with room for a value after
// the longest.
constexpr double kChartWidth = 960;
constexpr double kBarsLeft = 360;
constexpr double kBarsRight = 880;
constexpr double kRowPitch = 16;
constexpr double kBarHeight = 11;

constexpr const char* kStyle = R"(
body { font: 14px/1.4 "Segoe UI", Tahoma, "DejaVu Sans", sans-serif; margin: 24px; color: #222; }
h1 { font-size: 22px; margin: 0 0 4px; }
h2 { font-size: 17px; margin: 24px 0 8px; }
table { border-collapse: collapse; }
th, td { padding: 3px 8px; border-bottom: 1px solid #ddd; }
th { background: #f0f0f0; text-align: left; cursor: pointer; user-select: none; }
th[aria-sort=ascending]::after { content: " \25B2"; }
th[aria-sort=descending]::after { content: " \25BC"; }
td { white-space: nowrap; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
td.loss, text.loss { color: #b3261e; fill: #b3261e; }
rect.gain { fill: #2e7d32; }
rect.loss { fill: #c62828; }
line.axis { stroke: #555; }
svg text { font-size: 11px; fill: #222; }
svg text.value { font-variant-numeric: tabular-nums; }
@media print {
  body { margin: 0; font-size: 10px; }
  th { cursor: auto; }
  th::after { content: none !important; }
  svg { max-width: 100%; height: auto; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

constexpr const char* kScript = R"(
const table = document.getElementById("chains"), body = table.tBodies[0];
let sortedColumn = -1, ascending = true;
function sortBy(column) {
  ascending = column === sortedColumn ? !ascending : column === 1;  // names from A, numbers highest first
  sortedColumn = column;
  const key = row => row.cells[column].dataset.v, sign = ascending ? 1 : -1;
  const rows = [...body.rows].sort((a, b) => key(a) === undefined ? (key(b) === undefined ? 0 : 1)
    : key(b) === undefined ? -1 : sign * (column === 1 ? key(a).localeCompare(key(b), "ru") : key(a) - key(b)));
  body.append(...rows);
  table.querySelectorAll("th").forEach((th, i) => th.setAttribute("aria-sort", i === column ? (ascending ? "ascending" : "descending") : "none"));
}
table.querySelectorAll("th").forEach((th, i) => th.addEventListener("click", () => sortBy(i)));
if (/^#sort=\d+$/.test(location.hash)) sortBy(Number(location.hash.slice(6)));
)";

// UTF-8 text as HTML text or attribute value: nothing in it can open or close markup.
std::string HtmlUtf8(const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        switch (c) {
            case '&': text += "&amp;"; break;
            case '<': text += "&lt;"; break;
            case '>': text += "&gt;"; break;
            case '"': text += "&quot;"; break;
            case '\'': text += "&#39;"; break;
            default: text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return text;
}

std::string Html(const std::string& cp1251) { return HtmlUtf8(Cp1251ToUtf8(cp1251)); }

std::string Pixels(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// A number as the page shows it: digits grouped by thousands with a narrow no-break space
// (U+202F, which CP1251 lacks), 645 918; any other text as it is.
std::string PageNumber(const std::string& text) {
    if (!IsNumberText(text)) return Html(text);
    std::size_t start = text[0] == '-' ? 1 : 0;
    std::size_t end = std::min(text.find('.'), text.size());
    std::string out = text.substr(0, start);
    for (std::size_t i = start; i < end; ++i) {
        out += text[i];
        std::size_t left = end - i - 1;
        if (left > 0 && left % 3 == 0) out += "\xE2\x80\xAF";
    }
    return out + text.substr(end);
}

bool IsLossText(const std::string& text) { return !text.empty() && text[0] == '-'; }

std::string NumberCell(const std::string& text) {
    std::string cell = "<td class=\"number";
    if (IsLossText(text)) cell += " loss";
    cell += "\"";
    if (IsNumberText(text)) cell += " data-v=\"" + Html(text) + "\"";
    return cell + ">" + PageNumber(text) + "</td>";
}

std::string Table(const std::vector<ReportRow>& rows) {
    std::string html = "<table id=\"chains\">\n<thead><tr>";
    for (const std::string& header : ReportColumns()) html += "<th>" + Html(header) + "</th>";
    html += "</tr></thead>\n<tbody>\n";
    for (const ReportRow& row : rows) {
        html += "<tr>" + NumberCell(IntToText(row.Item)) + "<td data-v=\"" + Html(row.Name) + "\">" + Html(row.Name) +
                "</td>";
        for (const std::string& result : row.Results.Values) html += NumberCell(result);
        html += "</tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

std::string Chart(const std::vector<ReportRow>& rows) {
    double lowest = 0, highest = 0;
    for (const ReportRow& row : rows) {
        if (!row.ChainIncome.Known()) continue;
        lowest = std::min(lowest, row.ChainIncome.Value);
        highest = std::max(highest, row.ChainIncome.Value);
    }
    double scale = highest > lowest ? (kBarsRight - kBarsLeft) / (highest - lowest) : 0;
    double zero = kBarsLeft - lowest * scale;
    double height = kRowPitch * static_cast<double>(rows.size()) + 8;

    std::string svg = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Pixels(kChartWidth) +
                      "\" height=\"" + Pixels(height) + "\" viewBox=\"0 0 " + Pixels(kChartWidth) + " " +
                      Pixels(height) + "\" role=\"img\" aria-label=\"" + Html(std::string(CaptionWords(kChainIncome))) + "\">\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        const std::string& income = row.Results[kChainIncome];
        double top = 4 + kRowPitch * static_cast<double>(i);
        double baseline = top + kBarHeight - 1;
        std::string kind = IsLossText(income) ? "loss" : "gain";
        svg += "<text x=\"" + Pixels(kBarsLeft - 8) + "\" y=\"" + Pixels(baseline) + "\" text-anchor=\"end\">" +
               Html(row.Name) + "</text>";
        double valueLeft = zero;  // a loss's value stands right of the axis, a gain's after its bar
        if (row.ChainIncome.Known()) {
            double value = row.ChainIncome.Value, width = std::abs(value) * scale;
            svg += "<rect class=\"bar " + kind + "\" x=\"" + Pixels(value < 0 ? zero - width : zero) + "\" y=\"" +
                   Pixels(top) + "\" width=\"" + Pixels(width) + "\" height=\"" + Pixels(kBarHeight) + "\"><title>" +
                   Html(row.Name) + ": " + PageNumber(income) + "</title></rect>";
            if (value > 0) valueLeft += width;
        }
        svg += "<text class=\"value " + kind + "\" x=\"" + Pixels(valueLeft + 5) + "\" y=\"" + Pixels(baseline) + "\">" +
               PageNumber(income) + "</text>\n";
    }
    svg += "<line class=\"axis\" x1=\"" + Pixels(zero) + "\" y1=\"0\" x2=\"" + Pixels(zero) + "\" y2=\"" +
           Pixels(height) + "\"/>\n";
    return svg + "</svg>\n";
}

}  // namespace

std::string HtmlReport(const std::vector<ReportRow>& rows, const PriceSetting& setting, const BookNote* book) {
    std::string settings = std::string("Цены ресурсов и продажи продукта: ") + LevelWords(setting.Resources, true) +
                           ". Все фабрики поддержки включены" +
                           (setting.Manual ? "; все цены выставляются вручную, цены передачи не подставляются. "
                                           : ", их продукты передаются по себестоимости, но не ниже минимальной цены. ") +
                           FormatInts("Фабрик в отчете: %d.", static_cast<std::int32_t>(rows.size()));
    std::string html = "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                       Html("Производственные цепочки Kelm") + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    html += "<h1>" + Html("Производственные цепочки Kelm") + "</h1>\n<p>" + Html(settings) + "</p>\n";
    if (book) html += "<p class=\"book\">" + HtmlUtf8(BookHeading(*book)) + "</p>\n";
    html += "<h2>" + Html(std::string(CaptionWords(kChainIncome))) + "</h2>\n" + Chart(rows);
    html += "<h2>" + Html("Результаты расчета") + "</h2>\n<p>" +
            Html("Щелчок по заголовку столбца сортирует таблицу.") + "</p>\n" + Table(rows);
    return html + "<script>" + kScript + "</script>\n</body>\n</html>\n";
}
