#include "book_template.h"

#include "base/cp1251.h"
#include "base/text_convert.h"
#include "calc/book_writer.h"
#include "calc/price_book.h"
#include "output_text.h"

std::string BookTemplate(const Catalogue& tables, const LoadReport& report, PriceLevel level) {
    std::map<std::string, std::vector<std::int32_t>> shared = SharedWareNames(tables.Wares);
    std::string text = std::string("// Книга цен для kelm-chains --prices: цены товаров уровня «") + LevelWords(level, true) +
                       "».\n// Строка: товар;цена, цена — целое число от 0 до 2147483647. После // — комментарий.\n"
                       "// Лишние строки можно удалить: цену товара без строки ставит кнопка уровня.\n";
    for (std::size_t i = 0; i < tables.Wares.size(); ++i) {
        const Ware& ware = tables.Wares[i];
        std::string name(TrimBlanks(ware.Name));
        std::int32_t index = static_cast<std::int32_t>(i);
        if (name.empty()) {
            text += FormatInts("// товар № %d без названия\n", index);
            continue;
        }
        std::string line = BookLine(name, PriceAt(ware, level), FormatInts("мин. %d, макс. %d", ware.MinPrice, ware.MaxPrice));
        auto twins = shared.find(name);
        if (twins != shared.end()) line = SharedNameLine(line, twins->second, report.Wares.Records);
        text += line + "\n";
    }
    return Cp1251ToUtf8(text);
}
