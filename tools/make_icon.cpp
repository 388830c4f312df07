// Writes Tavmoor's program icon (src/layouts/tavmoor.ico) from its drawing:
//   tavmoor_make_icon <output.ico>
#include "icon_art.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.ico>\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> icon = tavmoor::tools::programIconFile();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%s: %zu bytes\n", argv[1], icon.size());
    return 0;
}
