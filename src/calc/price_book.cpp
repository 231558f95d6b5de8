#include "calc/price_book.h"

#include <algorithm>
#include <optional>

#include "base/cp1251.h"
#include "base/name_match.h"
#include "base/text_convert.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
constexpr std::size_t kNamesOffered = 3;
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

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

// "; может быть, «Медная руда»?": the names of wares the player likely meant.
std::string NamesMeantText(const std::vector<std::string>& wareNames, std::string_view name) {
    std::vector<std::string> offered;
    for (std::size_t index : NamesMeant(wareNames, name, kNamesOffered)) {
        std::string quoted = Quoted(wareNames[index]);
        if (std::find(offered.begin(), offered.end(), quoted) == offered.end()) offered.push_back(quoted);
    }
    if (offered.empty()) return "";
    return "; может быть, " + ListText(offered, " или ") + "?";
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

BookEncoding BookEncodingOf(std::string_view bytes) {
    if (StartsWith(bytes, kLittleEndianMark)) return BookEncoding::Utf16LittleEndian;
    if (StartsWith(bytes, kBigEndianMark)) return BookEncoding::Utf16BigEndian;
    if (StartsWith(bytes, kByteOrderMark) || IsUtf8(bytes)) return BookEncoding::Utf8;
    return BookEncoding::Cp1251;
}

const char* BookEncodingName(BookEncoding encoding) {
    switch (encoding) {
        case BookEncoding::Utf16LittleEndian: return "UTF-16 LE";
        case BookEncoding::Utf16BigEndian: return "UTF-16 BE";
        case BookEncoding::Cp1251: return "Windows-1251";
        case BookEncoding::Utf8: break;
    }
    return "UTF-8";
}

std::string BookText(std::string_view bytes) {
    switch (BookEncodingOf(bytes)) {
        case BookEncoding::Utf16LittleEndian: return Utf16ToCp1251(bytes.substr(kLittleEndianMark.size()), false);
        case BookEncoding::Utf16BigEndian: return Utf16ToCp1251(bytes.substr(kBigEndianMark.size()), true);
        case BookEncoding::Cp1251: return std::string(bytes);
        case BookEncoding::Utf8: break;
    }
    return Utf8ToCp1251(StartsWith(bytes, kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes);
}

std::string WareLinesText(const std::vector<std::int32_t>& wares, const std::vector<RecordSource>& wareLines) {
    std::vector<std::string> lines;
    for (std::int32_t ware : wares) {
        std::size_t index = static_cast<std::size_t>(ware);
        int line = index < wareLines.size() ? wareLines[index].FileLine : 0;
        lines.push_back(line > 0 ? IntToText(line) : FormatInts("(запись № %d)", ware));
    }
    return "в строках " + ListText(lines, " и ") + " файла " + std::string(kWaresFile);
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
    std::vector<std::string> wareNames;
    for (std::size_t i = 0; i < wares.size(); ++i) {
        wareNames.emplace_back(TrimBlanks(wares[i].Name));
        byName[wareNames.back()].push_back(static_cast<std::int32_t>(i));
    }
    std::map<std::int32_t, int> lineOfWare;

    BookReading reading;
    reading.Encoding = BookEncodingOf(bytes);
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
            problem("нет товара " + Quoted(name) + " в таблице товаров" + NamesMeantText(wareNames, name));
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
