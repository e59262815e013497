// Feeds a payload folder as lines of relative paths ('/' between the parts),
// the first byte picking the code page of --codepage (or none). Every name
// stored must convert back to the name it came from, and whatever the packer
// accepts, the installer's reader must read back entry for entry.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "archive_layout.h"
#include "code_page.h"
#include "fuzz_support.h"
#include "payload/archive_format.h"
#include "payload_plan.h"

using fuzz::Require;

namespace {

std::optional<setuppack::CodePage> CodePageOf(uint8_t selector) {
    const unsigned numbers[] = {0, 936, 1252, 1251};
    const unsigned number = numbers[selector % 4];
    return number == 0 ? std::nullopt : setuppack::SupportedCodePage(number);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A name a folder listing can hand out: one non-empty part, no NUL, not "." or "..".
bool IsListable(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('\0') == std::string::npos;
}

bool HasFile(const setuppack::PayloadFolder& folder, const std::string& name) {
    for (const auto& file : folder.files)
        if (file.name == name) return true;
    return false;
}

setuppack::PayloadFolder& ChildFolder(setuppack::PayloadFolder& folder, const std::string& name) {
    for (auto& child : folder.folders)
        if (child.name == name) return child;
    folder.folders.push_back({name, {}, {}, {}});
    return folder.folders.back();
}

// One path adds a file (its size from the line, so that some are empty) below its folders.
void AddPath(setuppack::PayloadFolder& root, const std::string& line) {
    const std::vector<std::string> parts = Split(line, '/');
    for (const std::string& part : parts)
        if (!IsListable(part)) return;
    setuppack::PayloadFolder* folder = &root;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        if (HasFile(*folder, parts[i])) return;
        folder = &ChildFolder(*folder, parts[i]);
    }
    for (const auto& child : folder->folders)
        if (child.name == parts.back()) return;
    if (!HasFile(*folder, parts.back())) folder->files.push_back({parts.back(), line.size() % 5});
}

// The installer the plan describes: a stub, every entry with one data byte, the table.
std::vector<uint8_t> Installer(const std::vector<setuppack::PlannedEntry>& entries) {
    const std::vector<uint8_t> stub(16, 0xCC);
    const auto layout = setuppack::LayOut(stub.size(), std::vector<uint64_t>(entries.size(), 1));
    Require(layout.has_value());
    std::vector<uint8_t> bytes(stub);
    bytes.resize(bytes.size() + layout->fillerBytes, 0);
    for (const auto& entry : entries) {
        const size_t header = bytes.size();
        bytes.resize(header + payload::kNameHeaderSize + 1, 0);
        std::memcpy(bytes.data() + header, entry.storedName.data(), entry.storedName.size());
        bytes.back() = 'd';
    }
    auto append32 = [&](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
    };
    for (uint32_t offset : layout->offsets) append32(offset);
    append32(static_cast<uint32_t>(layout->offsets.size()));
    Require(bytes.size() == layout->length);
    return bytes;
}

void CheckReadBack(const std::vector<setuppack::PlannedEntry>& entries, const std::optional<setuppack::CodePage>& codePage) {
    const std::vector<uint8_t> installer = Installer(entries);
    fuzz::MemoryReader reader(installer.data(), installer.size());
    size_t index = 0;
    const payload::WalkResult result = payload::WalkArchive(
        reader, codePage ? codePage->isLeadByte : payload::NoLeadBytes, [&](const payload::Entry& entry) {
            Require(index < entries.size() && entry.name == entries[index].storedName && entry.DataSize() == 1);
            ++index;
            return true;
        });
    Require(result.Ok() && index == entries.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096) return 0;
    const auto codePage = CodePageOf(data[0]);
    const std::vector<std::string> lines = Split(std::string(reinterpret_cast<const char*>(data + 1), size - 1), '\n');

    for (const std::string& line : lines) {
        const auto stored = setuppack::StoredName(line, codePage);
        if (!stored) continue;
        Require(setuppack::Utf8Name(*stored, codePage) == line);
        Require(!setuppack::IsAscii(line) || *stored == line);
    }

    setuppack::PayloadFolder root;
    for (const std::string& line : lines) AddPath(root, line);
    const setuppack::Plan plan = setuppack::PlanPayload(root, codePage);
    if (!plan.Ok()) return 0;
    std::vector<std::string> names;
    for (const auto& entry : plan.entries) {
        Require(entry.size > 0 && entry.storedName.size() <= payload::kMaxNameBytes);
        Require(payload::IsSafeEntryName(entry.storedName));
        std::string source = setuppack::Utf8Name(entry.storedName, codePage);
        for (char& c : source)
            if (c == '\\') c = '/';
        Require(source == entry.sourcePath);
        names.push_back(entry.storedName);
    }
    Require(setuppack::FolderOrderProblems(names, codePage).empty());
    CheckReadBack(plan.entries, codePage);
    return 0;
}
