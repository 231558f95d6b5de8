#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/chain_model.h"
#include "data/catalogue.h"
#include "data/table_loader.h"

// Price books as the program writes them, in program text: one "ware;price" line each,
// with a comment after it where there is something to say.

std::string BookLine(std::string_view ware, std::int32_t price, std::string_view comment = {});

// A ware whose name other wares share cannot be priced by name: its line stands commented
// out, saying where the wares of that name are.
std::string SharedNameLine(std::string_view line, const std::vector<std::int32_t>& wares,
                           const std::vector<RecordSource>& wareLines);

// The book of the prices the window shows for item `item`, in window order: each factory
// in use with its sale-price box, then its resource rows. In automatic mode the places the
// calculation fills with transfer prices are left out. A ware shown twice takes its first
// price, and the line says so; a text that is no price is named in a comment. Nothing when
// the item has no usable chain.
std::string ShownPricesBook(const ChainModel& model, const Catalogue& catalogue, int item,
                            const std::vector<RecordSource>& wareLines);

// The bytes of a book file: UTF-8 with a byte order mark and CR LF line ends, as Notepad
// reads it on any Windows.
std::string BookFileBytes(std::string_view text);
