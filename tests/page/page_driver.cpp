// The native build of the page's core, for the comparison with its WebAssembly build:
// page_driver WARES STATIONS prints the factory list, then for each line of standard input,
// a request with its line break written as a tab, the answer and an empty line.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "page_module.h"

namespace {

std::string FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Put(const std::string& text) { text.copy(kelm_input(text.size()), text.size()); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::string wares = FileBytes(argv[1]), stations = FileBytes(argv[2]);
    Put(wares + stations);
    std::cout << kelm_load_tables(wares.size(), stations.size()) << "\n";
    for (std::string line; std::getline(std::cin, line);) {
        std::size_t tab = line.find('\t');
        if (tab != std::string::npos) line[tab] = '\n';
        Put(line);
        std::cout << kelm_request(line.size()) << "\n";
    }
    return 0;
}
