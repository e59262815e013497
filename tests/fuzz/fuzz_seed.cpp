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
    // A PE stub whose certificate table, appended after the archive, ends the file.
    Write(folder + "/signed", test_archive::Signed(Archive(test_archive::PeHead(), {{"VRXPrograms\\a.dll", "abc"}}), 64));
    return 0;
}
