// Writes the fuzzers' starting corpora, one folder a target below the folder
// given as argument: inputs shaped like the ones each reader meets.
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "common/archive_builder.h"
#include "payload/integrity.h"

namespace {

using test_archive::Bytes;

class Corpus {
public:
    Corpus(const std::string& root, const std::string& target) : folder_(std::filesystem::path(root) / target) {
        std::filesystem::create_directories(folder_);
    }
    void Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void Write(const std::string& name, const std::string& text) const { Write(name, Bytes(text.begin(), text.end())); }

private:
    std::filesystem::path folder_;
};

Bytes Archive(Bytes stub, const std::vector<std::pair<std::string, std::string>>& entries) {
    return test_archive::ArchiveBuilder::AfterStub(std::move(stub)).AddAll(entries).Build();
}

void ArchiveWalk(const Corpus& corpus) {
    const Bytes stub(16, 0xCC);
    corpus.Write("empty", Archive(stub, {}));
    corpus.Write("shipped-layout", Archive(stub, {{"LXDriver\\vrx246m.005", "serial"},
                                                 {"VRXDriver\\libusbK.inf", "inf"},
                                                 {"VRXDriver\\amd64\\libusbK.dll", "dll64"},
                                                 {"VrxAi\\plugin.aip", "p"},
                                                 {"Contour\\contour.ini", "c"},
                                                 {"readme.txt", "r"}}));
    corpus.Write("gbk-name", Archive(stub, {{"VRXLanguage\\\x81\x5C\\x.ini", "x"}}));
    // A PE stub whose certificate table, appended after the archive, ends the file.
    corpus.Write("signed", test_archive::Signed(Archive(test_archive::PeHead(), {{"VRXPrograms\\a.dll", "abc"}}), 64));
}

void ModemLog(const Corpus& corpus) {
    const std::string store = "C:\\Windows\\System32\\DriverStore\\FileRepository\\";
    corpus.Write("import", ">>>  [Setup Import Driver Package - C:\\Windows\\inf\\mdmcpq.inf]\r\n"
                           ">>>  Section start 2026/12/09 10:21:33.402\r\n"
                           "     inf: Driver Store Path: " + store +
                               "mdmcpq.inf_amd64_neutral_b53453733bd795bc\\mdmcpq.inf\r\n"
                           "<<<  Section end 2026/12/09 10:21:34.018\r\n");
    corpus.Write("quoted", "     flq: Copying '" + store + "mdmcpq.inf_x86_neutral_2f2a0d8e\\usbser.sys' to "
                           "'C:\\Windows\\System32\\drivers\\usbser.sys'\r\n");
    corpus.Write("other-packages", "     inf: Driver Store Path: " + store +
                                       "usbport.inf_amd64_0f2a6c2f5d1e8b77\\usbport.inf\r\n"
                                       "     inf: Driver Store Path: " + store + "mdmcpq.inf_amd64_8e21f0\\x\r\n");
}

// Two bytes of capacity, two of the reported length, then the buffer.
std::string RegistryValue(unsigned capacity, unsigned length, const std::string& bytes) {
    return std::string{static_cast<char>(capacity & 0xFF), static_cast<char>(capacity >> 8),
                       static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)} +
           bytes;
}

void RegistryText(const Corpus& corpus) {
    const std::string corel = "C:\\Program Files\\Corel\\CorelDRAW Graphics Suite X8\\";
    corpus.Write("with-nul", RegistryValue(260, static_cast<unsigned>(corel.size() + 1), corel + std::string(1, '\0')));
    corpus.Write("without-nul", RegistryValue(260, static_cast<unsigned>(corel.size()), corel));
    corpus.Write("full", RegistryValue(64, 64, std::string(64, 'A')));
    corpus.Write("longer-than-buffer", RegistryValue(16, 300, "C:\\AutoCAD 2018\\Support"));
}

// The first byte: bit 7 picks GBK, the rest the room for key names.
std::string SectionLines(unsigned char selector, const std::vector<std::string>& lines) {
    std::string text(1, static_cast<char>(selector));
    for (const std::string& line : lines) text += line + std::string(1, '\0');
    return text;
}

void ProfileText(const Corpus& corpus) {
    corpus.Write("setup-config", SectionLines(100, {"SoftVer=BeamDraft", "Language=1"}));
    corpus.Write("blanks-and-strays", SectionLines(40, {" \tLanguage \t=3", "=orphan value", "no equals sign",
                                                        "SoftVer = BeamDraft 2.0\r"}));
    corpus.Write("gbk", SectionLines(0x80 | 12, {"\xD3\xEF\xD1\xD4=2", "\x81=\x3D=x", "SoftVer=\xC0\xD7\xC9\xE4"}));
    corpus.Write("cut", SectionLines(5, {"SoftVer=BeamDraft", "Language=1"}));
}

void SetupConfig(const Corpus& corpus) {
    int seed = 0;
    for (const char* value : {"1", "3", " +4", "-2147483649", "99999999999", "2 (English)"})
        corpus.Write("language-" + std::to_string(++seed), value);
    corpus.Write("path", "C:\\Users\\Li Wei\\Downloads\\BeamDraft\\Setup.exe");
    corpus.Write("gbk-path", "D:\\\xC8\xED\xBC\xFE\\\xB0\xB2\xD7\xB0\\Setup.exe");  // 软件\安装
    corpus.Write("trail-backslash", "C:\\\x81\x5C\x81\x5C");
}

// The first byte picks the code page (0 none, 1 936, 2 1252, 3 1251); lines are paths.
void PackerNames(const Corpus& corpus) {
    corpus.Write("shipped", std::string(1, '\0') + "LXDriver/vrx246m.005\nVRXDriver/libusbK.inf\n"
                                                   "VRXDriver/amd64/libusbK.dll\nVRXPrograms/BeamDraft.exe\n"
                                                   "VrxAi/plugin.aip\nreadme.txt");
    corpus.Write("chinese", std::string(1, '\1') + "VRXLanguage/\xE4\xB8\xAD\xE6\x96\x87.ini\n"
                                                   "VRXLanguage/\xE4\xB9\x97/x.ini\nVRXDoc/\xE8\xAF\xB4\xE6\x98\x8E.pdf");
    corpus.Write("western", std::string(1, '\2') + "VRXDoc/Kurzanleitung f\xC3\xBCr Anf\xC3\xA4nger.pdf\nVRXDoc/a.txt");
    // Names at the header's limit: 399 bytes are stored, 400 are refused.
    const std::string deep = "VRXPrograms/" + std::string(120, 'd') + "/" + std::string(120, 'e') + "/";
    corpus.Write("longest-names", std::string(1, '\0') + deep + std::string(399 - deep.size(), 'f') + "\n" + deep +
                                      std::string(400 - deep.size(), 'g'));
    corpus.Write("refused", std::string(1, '\0') + "VRXPrograms/a.dll\nVRXPrograms/A.DLL\nEmpty/\nx:y/z\n"
                                                   "VRXCorel/\xD0\x9F.txt");
}

// The block's fields, then an installer whose stub reserves the block; the
// archive follows the stub for archiveLength bytes (0: nothing stored).
Bytes FieldsAndInstaller(const Bytes& installer, size_t stubSize, size_t archiveLength) {
    payload::IntegrityBlock block;
    block.archiveLength = archiveLength;
    block.crc = payload::Crc32(0, installer.data() + stubSize, archiveLength);
    Bytes bytes(payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize);
    payload::WriteIntegrityFields(block, bytes.data());
    bytes.insert(bytes.end(), installer.begin(), installer.end());
    return bytes;
}

void Integrity(const Corpus& corpus) {
    Bytes stub = test_archive::PeHead();
    const std::string marker = payload::IntegrityMarker();
    stub.insert(stub.end(), marker.begin(), marker.end());
    stub.resize(stub.size() + payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize, 0);
    const Bytes installer = Archive(stub, {{"VRXPrograms\\BeamDraft.exe", "program"}, {"VRXDriver\\a.inf", "inf"}});
    const size_t archive = installer.size() - stub.size();
    corpus.Write("intact", FieldsAndInstaller(installer, stub.size(), archive));
    corpus.Write("empty-block", FieldsAndInstaller(installer, stub.size(), 0));
    Bytes damaged = FieldsAndInstaller(installer, stub.size(), archive);
    damaged[damaged.size() - 20] ^= 0x01;
    corpus.Write("damaged", damaged);
    corpus.Write("signed", FieldsAndInstaller(test_archive::Signed(installer, 64), stub.size(), archive));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string root = argv[1];
    ArchiveWalk(Corpus(root, "fuzz_archive_walk"));
    ModemLog(Corpus(root, "fuzz_modem_log"));
    RegistryText(Corpus(root, "fuzz_registry_text"));
    ProfileText(Corpus(root, "fuzz_profile_text"));
    SetupConfig(Corpus(root, "fuzz_setup_config"));
    PackerNames(Corpus(root, "fuzz_packer_names"));
    Integrity(Corpus(root, "fuzz_integrity"));
    return 0;
}
