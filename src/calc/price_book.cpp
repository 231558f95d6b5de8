#include "calc/price_book.h"

#include <optional>

#include "base/cp1251.h"
#include "base/text_convert.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::int64_t kHighestPrice = 2147483647;

// The lines of a text, whatever its line ends (CR LF, LF or CR).
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "«";
    return quoted.append(text).append("»");
}

// "12", "12 и 40", "12, 40 и 55".
std::string Enumeration(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " и " : ", ") + items[i];
    return text;
}

// The price written after ";", or the reason it is not one.
std::optional<std::int32_t> ReadPrice(std::string_view text, std::string& problem) {
    const std::string range = ": нужно целое число от 0 до 2147483647";
    if (text.empty()) {
        problem = "после «;» не указана цена";
        return std::nullopt;
    }
    bool negative = text[0] == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        problem = "цена " + Quoted(text) + " не целое число" + range;
        return std::nullopt;
    }
    std::size_t first = digits.find_first_not_of('0');
    std::string_view significant = first == std::string_view::npos ? "0" : digits.substr(first);
    if (negative && significant != "0") {
        problem = "цена " + Quoted(text) + " отрицательная" + range;
        return std::nullopt;
    }
    if (significant.size() > 10 || std::stoll(std::string(significant)) > kHighestPrice) {
        problem = "цена " + Quoted(text) + " больше 2147483647";
        return std::nullopt;
    }
    return static_cast<std::int32_t>(std::stoll(std::string(significant)));
}

}  // namespace

std::string BookText(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) return Utf8ToCp1251(bytes.substr(kByteOrderMark.size()));
    return IsUtf8(bytes) ? Utf8ToCp1251(bytes) : std::string(bytes);
}

std::string WareLinesText(const std::vector<std::int32_t>& wares, const std::vector<RecordSource>& wareLines) {
    std::vector<std::string> lines;
    for (std::int32_t ware : wares) {
        std::size_t index = static_cast<std::size_t>(ware);
        int line = index < wareLines.size() ? wareLines[index].FileLine : 0;
        lines.push_back(line > 0 ? IntToText(line) : FormatInts("(запись № %d)", ware));
    }
    return "в строках " + Enumeration(lines) + " файла " + std::string(kWaresFile);
}

std::map<std::string, std::vector<std::int32_t>> SharedWareNames(const WareTable& wares) {
    std::map<std::string, std::vector<std::int32_t>> byName;
    for (std::size_t i = 0; i < wares.size(); ++i) {
        std::string_view name = TrimBlanks(wares[i].Name);
        if (!name.empty()) byName[std::string(name)].push_back(static_cast<std::int32_t>(i));
    }
    std::erase_if(byName, [](const auto& entry) { return entry.second.size() < 2; });
    return byName;
}

BookReading ReadPriceBook(std::string_view bytes, const WareTable& wares, const std::vector<RecordSource>& wareLines) {
    std::map<std::string, std::vector<std::int32_t>> byName;
    for (std::size_t i = 0; i < wares.size(); ++i)
        byName[std::string(TrimBlanks(wares[i].Name))].push_back(static_cast<std::int32_t>(i));
    std::map<std::int32_t, int> lineOfWare;

    BookReading reading;
    std::string text = BookText(bytes);
    std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        int lineNumber = static_cast<int>(k + 1);
        auto problem = [&](std::string message) { reading.Problems.push_back({lineNumber, std::move(message)}); };
        std::string_view line = lines[k].substr(0, lines[k].find("//"));
        line = TrimBlanks(line);
        if (line.empty()) continue;
        std::size_t separator = line.find(';');
        if (separator == std::string_view::npos) {
            problem("нет «;» между товаром и ценой");
            continue;
        }
        std::string name(TrimBlanks(line.substr(0, separator)));
        std::string priceProblem;
        std::optional<std::int32_t> price = ReadPrice(TrimBlanks(line.substr(separator + 1)), priceProblem);

        std::optional<std::int32_t> ware;
        auto named = byName.find(name);
        if (name.empty()) {
            problem("перед «;» не указан товар");
        } else if (named == byName.end()) {
            problem("нет товара " + Quoted(name) + " в таблице товаров");
        } else if (named->second.size() > 1) {
            problem("товар " + Quoted(name) + " нельзя задать по названию: так называются товары " +
                    WareLinesText(named->second, wareLines));
        } else if (auto earlier = lineOfWare.find(named->second[0]); earlier != lineOfWare.end()) {
            problem("товар " + Quoted(name) + FormatInts(" уже задан в строке %d", earlier->second));
        } else {
            ware = named->second[0];
            lineOfWare[*ware] = lineNumber;
        }
        if (!price) problem(priceProblem);
        if (ware && price) {
            reading.Book.Entries.push_back({*ware, *price, lineNumber});
            reading.Book.PriceOfWare[*ware] = *price;
        }
    }
    return reading;
}
