// Writes small well-formed archives into the folder given as argument, as the
// fuzzer's starting corpus.
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "common/archive_builder.h"

namespace {

using test_archive::Bytes;

Bytes Archive(Bytes stub, const std::vector<std::pair<std::string, std::string>>& entries) {
    return test_archive::ArchiveBuilder::AfterStub(std::move(stub)).AddAll(entries).Build();
}

// A PE head whose certificate table (appended below) ends the file.
Bytes SignedArchive() {
    Bytes head(512, 0);
    head[0] = 'M';
    head[1] = 'Z';
    head[0x3C] = 0x80;
    head[0x80] = 'P';
    head[0x81] = 'E';
    head[0x80 + 20] = 224;
    head[0x80 + 24] = 0x0b;
    head[0x80 + 25] = 0x01;
    head[0x80 + 24 + 92] = 16;
    Bytes file = Archive(head, {{"VRXPrograms\\a.dll", "abc"}});
    const auto start = static_cast<uint32_t>(file.size());
    const size_t entry = 0x80 + 24 + 96 + 32;
    for (int i = 0; i < 4; ++i) {
        file[entry + i] = static_cast<unsigned char>(start >> (8 * i));
        file[entry + 4 + i] = static_cast<unsigned char>(64u >> (8 * i));
    }
    file.resize(file.size() + 64, 0x30);
    return file;
}

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    const Bytes stub(16, 0xCC);
    Write(folder + "/empty", Archive(stub, {}));
    Write(folder + "/shipped-layout",
          Archive(stub, {{"LXDriver\\vrx246m.005", "serial"},
                         {"VRXDriver\\libusbK.inf", "inf"},
                         {"VRXDriver\\amd64\\libusbK.dll", "dll64"},
                         {"VrxAi\\plugin.aip", "p"},
                         {"Contour\\contour.ini", "c"},
                         {"readme.txt", "r"}}));
    Write(folder + "/gbk-name", Archive(stub, {{"VRXLanguage\\\x81\x5C\\x.ini", "x"}}));
    Write(folder + "/signed", SignedArchive());
    return 0;
}
