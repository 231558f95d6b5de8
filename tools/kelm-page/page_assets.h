#pragma once
#include <string_view>

// The web page's parts as kelm-chains puts them together: the page with its places marked
// "@NAME@", its style and its scripts (UTF-8), and the WebAssembly module of the core.
extern const std::string_view kPageHtml;
extern const std::string_view kPageStyle;
extern const std::string_view kPageCore;    // page_core.js
extern const std::string_view kPageScript;
extern const std::string_view kPageModule;
