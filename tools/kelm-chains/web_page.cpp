#include "web_page.h"

#include "base/cp1251.h"
#include "calc/chain.h"
#include "calc/chain_results.h"
#include "page_assets.h"

namespace {

std::string Base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t left = bytes.size() - i;
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kDigits[group >> 18 & 63];
        text += kDigits[group >> 12 & 63];
        text += left > 1 ? kDigits[group >> 6 & 63] : '=';
        text += left > 2 ? kDigits[group & 63] : '=';
    }
    return text;
}

// A block of the chain, with the window's captions; the script fills in what the core says.
std::string FactoryBlock(FactorySlot slot) {
    std::string k = std::to_string(slot);
    std::string id = "k" + k;
    std::string whose = slot == kMain ? "главной фабрики" : "фабрики поддержки " + k;
    std::string html = "<fieldset data-key=\"" + k + "\">\n";
    html += slot == kMain ? "<legend>Главная фабрика</legend>\n"
                          : "<legend><label><input type=\"checkbox\" data-key=\"" + k + ".active\"> Фабрика " + k +
                                ":</label></legend>\n";
    html += "<p class=\"name\" data-key=\"" + k + ".name\"></p>\n<dl class=\"facts\">";
    for (auto [caption, key] : {std::pair{"Продукт:", ".product"}, {"Цикл:", ".cycle"}, {"Продукта:", ".output"}})
        html += std::string("<div><dt>") + caption + "</dt><dd data-key=\"" + k + key + "\"></dd></div>";
    html += "</dl>\n<label class=\"sale\">Цена продажи <input type=\"text\" data-key=\"" + k +
            ".sale\" inputmode=\"numeric\" maxlength=\"10\" autocomplete=\"off\" aria-label=\"Цена продажи, " +
            (slot == kMain ? std::string("главная фабрика") : "фабрика поддержки " + k) + "\"></label>\n";
    html += "<table>\n<caption>Ресурсы " + whose + "</caption>\n<thead><tr><th scope=\"col\">Ресурс</th>"
            "<th scope=\"col\" class=\"number\">Кол-во</th><th scope=\"col\" class=\"number\" id=\"" + id +
            "-price\">Цена покупки</th></tr></thead>\n<tbody>\n";
    for (std::size_t row = 1; row <= kResourceRows; ++row) {
        std::string r = k + "." + std::to_string(row), rowId = id + "-" + std::to_string(row);
        html += "<tr data-key=\"" + r + "\"><th scope=\"row\" id=\"" + rowId + "\" data-key=\"" + r +
                ".name\"></th><td class=\"number\" data-key=\"" + r + ".quantity\"></td><td class=\"number\"><input "
                "type=\"text\" data-key=\"" + r + ".price\" inputmode=\"numeric\" maxlength=\"10\" autocomplete=\"off\" "
                "aria-labelledby=\"" + rowId + " " + id + "-price\"></td></tr>\n";
    }
    return html + "</tbody>\n</table>\n</fieldset>\n";
}

std::string ResultList() {
    std::string html;
    for (const ResultDescription& result : kChainResults)
        html += std::string("<div><dt>") + result.Caption + "</dt><dd><output data-result=\"" + result.Key +
                "\" data-key=\"" + result.Key + "\">0</output></dd></div>\n";
    return html;
}

// The page with "@name@" replaced by `text`, where the place is marked once.
void Fill(std::string& page, std::string_view name, const std::string& text) {
    std::string mark(1, '@');
    mark.append(name).append(1, '@');
    std::size_t at = page.find(mark);
    if (at != std::string::npos) page.replace(at, mark.size(), text);
}

}  // namespace

std::string WebPage(std::string_view waresBytes, std::string_view stationsBytes) {
    std::string blocks;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) blocks += FactoryBlock(slot);
    std::string page(kPageHtml);
    // The big parts last, so no later search goes through them.
    Fill(page, "STYLE", std::string(kPageStyle));
    Fill(page, "FACTORIES", Cp1251ToUtf8(blocks));
    Fill(page, "RESULTS", Cp1251ToUtf8(ResultList()));
    Fill(page, "CORE", std::string(kPageCore));
    Fill(page, "SCRIPT", std::string(kPageScript));
    Fill(page, "STATIONS", Base64(stationsBytes));
    Fill(page, "WARES", Base64(waresBytes));
    Fill(page, "MODULE", Base64(kPageModule));
    return page;
}
