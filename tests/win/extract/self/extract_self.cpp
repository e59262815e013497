// A stand-in for Setup.exe: extracts the archive appended to its own file,
// or the one named by ARCHIVE.
//   extract_self product|driver ROOT [ARCHIVE]
// Exit code 0: extracted, 1: the extraction returned false, 2: a file fault.
#include <cstdio>
#include <string>

#include "payload/extract_win32.h"
#include "win/file_win32.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: extract_self product|driver ROOT [ARCHIVE]\n");
        return 3;
    }
    const std::string mode = argv[1];
    const std::string root = argv[2];
    payload::ExtractSource source;
    if (argc == 4) source.archivePath = argv[3];
    try {
        const bool ok = mode == "driver" ? payload::ExtractDriverPayload(root, source)
                                         : payload::ExtractProductPayload(root, source);
        return ok ? 0 : 1;
    } catch (const win::FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
