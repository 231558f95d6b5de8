#include "page_module.h"

#include <string>
#include <string_view>

#include "base/cp1251.h"
#include "base/name_match.h"
#include "page_request.h"
#include "page_view.h"

// Exported under its own name from the WebAssembly module; an ordinary function elsewhere.
#ifdef __wasm__
#define KELM_EXPORT(name) __attribute__((export_name(name)))
#else
#define KELM_EXPORT(name)
#endif

namespace {

std::string input;
std::string output;
PageTables tables;

const char* Answer(std::string_view cp1251) {
    output = Cp1251ToUtf8(cp1251);
    return output.c_str();
}

}  // namespace

KELM_EXPORT("kelm_input") char* kelm_input(std::size_t size) {
    input.resize(size);
    return input.data();
}

KELM_EXPORT("kelm_load_tables") const char* kelm_load_tables(std::size_t waresSize, std::size_t stationsSize) {
    std::string_view both(input);
    tables = LoadPageTables(both.substr(0, waresSize), both.substr(waresSize, stationsSize));
    return Answer(FactoryListText(tables.Tables, tables.Check));
}

KELM_EXPORT("kelm_request") const char* kelm_request(std::size_t size) {
    return Answer(AnswerRequest(tables, std::string_view(input).substr(0, size)));
}

KELM_EXPORT("kelm_name_key") const char* kelm_name_key(std::size_t size) {
    return Answer(NameKey(Utf8ToCp1251(std::string_view(input).substr(0, size))));
}
