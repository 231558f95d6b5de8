#include "book_note.h"

#include "base/cp1251.h"

namespace {

std::string UnusedList(const BookNote& note) {
    std::string list;
    for (const std::string& name : note.Unused) list += (list.empty() ? "" : ", ") + name;
    return list;
}

}  // namespace

BookNote NoteOf(const std::string& fileUtf8, const PriceBook& book, const WareTable& wares, const std::vector<bool>& used) {
    BookNote note{fileUtf8, book.Entries.size(), {}};
    for (const BookEntry& entry : book.Entries) {
        std::size_t ware = static_cast<std::size_t>(entry.Ware);
        if (ware >= used.size() || !used[ware]) note.Unused.push_back(wares[ware].Name);
    }
    return note;
}

std::string BookHeading(const BookNote& note) {
    std::string count = std::to_string(note.PriceCount);
    if (note.Unused.empty())
        return Cp1251ToUtf8("Цены из книги ") + note.File + ": " + count + Cp1251ToUtf8(", все вошли в расчет.");
    return Cp1251ToUtf8("Цены из книги ") + note.File + ": " + count +
           Cp1251ToUtf8(". Ни в один расчет не вошли цены товаров: " + UnusedList(note) + ".");
}

void WriteBookCells(CsvWriter& csv, const BookNote& note) {
    csv.TextUtf8(note.File).Number(static_cast<std::int64_t>(note.PriceCount)).Text(UnusedList(note));
}

void WriteBookField(JsonWriter& json, const BookNote& note) {
    json.Key("price_book").Object().Key("file").StringUtf8(note.File);
    json.Key("prices").Number(static_cast<std::int64_t>(note.PriceCount)).Key("unused").Array();
    for (const std::string& name : note.Unused) json.String(name);
    json.End().End();
}
