#include "output_text.h"

#include <algorithm>

#include "base/cp1251.h"

const char* LevelKey(PriceLevel level) {
    switch (level) {
        case PriceLevel::Minimum: return "min";
        case PriceLevel::Maximum: return "max";
        case PriceLevel::Average: break;
    }
    return "avg";
}

const char* LevelWords(PriceLevel level, bool plural) {
    switch (level) {
        case PriceLevel::Minimum: return plural ? "минимальные" : "минимальная";
        case PriceLevel::Maximum: return plural ? "максимальные" : "максимальная";
        case PriceLevel::Average: break;
    }
    return plural ? "средние" : "средняя";
}

std::string AlignedColumns(std::vector<std::vector<std::string>> rows, const std::vector<std::size_t>& leftAligned) {
    // Cells stay CP1251 until the end, where one byte is one character wide.
    std::vector<std::size_t> widths;
    for (auto& cells : rows) {
        if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::replace_if(cells[c].begin(), cells[c].end(),
                            [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }, ' ');
            widths[c] = std::max(widths[c], cells[c].size());
        }
    }
    std::string text;
    for (const auto& cells : rows) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::string padding(widths[c] - cells[c].size(), ' ');
            bool left = std::find(leftAligned.begin(), leftAligned.end(), c) != leftAligned.end();
            if (c > 0) line += "  ";
            line += left ? cells[c] + padding : padding + cells[c];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += Cp1251ToUtf8(line) + "\n";
    }
    return text;
}

bool IsNumberText(const std::string& text) {
    std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    std::size_t point = text.find('.', start);
    std::string whole = text.substr(start, point == std::string::npos ? std::string::npos : point - start);
    std::string fraction = point == std::string::npos ? "0" : text.substr(point + 1);
    auto digits = [](const std::string& part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string::npos;
    };
    return digits(whole) && digits(fraction);
}
