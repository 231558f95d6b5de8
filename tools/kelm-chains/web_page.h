#pragma once
#include <string>
#include <string_view>

// The calculator as one web page (UTF-8): the two tables' bytes, the core compiled to
// WebAssembly, the script and the style, all inside; nothing is fetched, so it works from
// a file and offline. The page's state lives in its address's fragment.
std::string WebPage(std::string_view waresBytes, std::string_view stationsBytes);
