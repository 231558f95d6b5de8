#pragma once
#include <cstddef>

// The page's core behind a small C interface: the script puts a text into the module's
// memory at kelm_input, calls one function and reads the NUL-terminated UTF-8 text it
// returns, which stays valid until the next call.
extern "C" {

// Room for an input of `size` bytes.
char* kelm_input(std::size_t size);

// Loads the tables from the input: wares.csv's bytes, then stations.csv's. Returns the
// factories the page lists (FactoryListText); none when no chain is complete.
const char* kelm_load_tables(std::size_t waresSize, std::size_t stationsSize);

// Answers the request of `size` bytes in the input (AnswerRequest).
const char* kelm_request(std::size_t size);

// The name key (NameKey) of the text of `size` bytes in the input: the page finds a typed
// part of a factory's name by it, as kelm-chains does.
const char* kelm_name_key(std::size_t size);
}
