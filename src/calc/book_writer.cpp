#include "calc/book_writer.h"

#include <map>
#include <optional>
#include <set>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/text_convert.h"
#include "calc/book_typing.h"
#include "calc/chain.h"
#include "calc/chain_view.h"
#include "calc/price_book.h"

namespace {

constexpr std::int64_t kHighestPrice = 2147483647;

// A price as a book takes it: digits only, 0 to 2147483647.
std::optional<std::int32_t> BookPriceOf(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kHighestPrice) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

struct ShownPrice {
    const Ware* Named;
    std::string Text;
};

std::vector<ShownPrice> ShownPrices(const ChainModel& model, const Chain& chain) {
    std::vector<ShownPrice> shown;
    const bool automatic = !model.ManualPrices;
    for (FactorySlot slot : {kMain, kSupport1, kSupport2, kSupport3}) {
        const FactoryTexts& factory = model[slot];
        if (!factory.Active) continue;
        if (!(automatic && FilledByTransfer(slot, std::nullopt)))
            shown.push_back({&SalePriceWare(chain, slot), factory.SalePrice});
        const auto listed = static_cast<std::size_t>(chain.Stations[slot]->ResourceCount);
        for (std::size_t row = 0; row < listed && row < kResourceRows; ++row)
            if (!(automatic && FilledByTransfer(slot, row)))
                shown.push_back({chain.Resources[slot][row], factory.Rows[row].Price});
    }
    return shown;
}

}  // namespace

std::string BookLine(std::string_view ware, std::int32_t price, std::string_view comment) {
    std::string line(ware);
    line.append(";").append(IntToText(price));
    if (!comment.empty()) line.append(" // ").append(comment);
    return line;
}

std::string SharedNameLine(std::string_view line, const std::vector<std::int32_t>& wares,
                           const std::vector<RecordSource>& wareLines) {
    std::string commented = "// ";
    return commented.append(line)
        .append("; по названию не задать: так называются товары ")
        .append(WareLinesText(wares, wareLines));
}

std::string ShownPricesBook(const ChainModel& model, const Catalogue& catalogue, int item,
                            const std::vector<RecordSource>& wareLines) {
    std::optional<Chain> chain = ChainOfItem(catalogue, item);
    if (!chain) return {};
    std::string text = "// Книга цен: цены, которые окно показывало для цепочки «" + model[kMain].Name +
                       "».\n// Строка: товар;цена, цена — целое число от 0 до 2147483647. После // — комментарий.\n";
    if (!model.ManualPrices) text += "// Цен передачи, которые ставит расчет, здесь нет.\n";
    const std::map<std::string, std::vector<std::int32_t>> shared = SharedWareNames(catalogue.Wares);
    const std::vector<ShownPrice> shown = ShownPrices(model, *chain);
    std::set<const Ware*> written;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const ShownPrice& place = shown[i];
        if (!place.Named || written.contains(place.Named)) continue;
        const std::string name(TrimBlanks(place.Named->Name));
        std::optional<std::int32_t> price = BookPriceOf(place.Text);
        if (!price) {
            text += "// «" + name + "»: в окне «" + place.Text + "», это не цена\n";
            continue;
        }
        written.insert(place.Named);
        std::string others;
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (shown[j].Named == place.Named && BookPriceOf(shown[j].Text) != price)
                others += (others.empty() ? "" : ", ") + std::string(TrimBlanks(shown[j].Text));
        std::string line = BookLine(name, *price, others.empty() ? "" : "в окне есть и цена " + others);
        auto twins = shared.find(name);
        text += (twins == shared.end() ? line : SharedNameLine(line, twins->second, wareLines)) + "\n";
    }
    return text;
}

std::string BookFileBytes(std::string_view text) { return WindowsTextFile(Cp1251ToUtf8(text), true); }
