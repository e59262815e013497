// What the release suite asks of Windows itself, from inside the emulated machine.
//   release_probe link FILE    the shortcut's target, icon file and icon index, one per line
// Exit code 1 when FILE is not a shortcut, 2 on bad usage.
#include <cstdio>
#include <string>

#include "support/link_file.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "link") {
        std::fprintf(stderr, "usage: release_probe link FILE\n");
        return 2;
    }
    const auto link = testing_support::LoadLink(argv[2]);
    if (!link) {
        std::fprintf(stderr, "not a shortcut: %s\n", argv[2]);
        return 1;
    }
    std::printf("%s\n%s\n%d\n", link->target.c_str(), link->iconFile.c_str(), link->iconIndex);
    return 0;
}
