#include "examine.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "errors.h"
#include "file_system.h"
#include "integrity_block.h"
#include "payload_plan.h"
#include "platform.h"
#include "progress.h"

namespace setuppack {
namespace {

constexpr size_t kCopyBufferSize = 1024 * 1024;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string Describe(const payload::Entry& entry, const std::optional<CodePage>& codePage) {
    return "entry " + std::to_string(entry.index) + " \"" + Utf8Name(entry.name, codePage) + "\"";
}

// Where an entry goes below a folder of this system: UTF-8, separators '/'.
std::string RelativePath(const payload::Entry& entry, const std::optional<CodePage>& codePage) {
    std::string path = entry.name;
    if (!IsAscii(path)) {
        const auto utf8 = codePage ? CodePageToUtf8(path, codePage->number) : std::nullopt;
        if (!utf8)
            throw Failure(Describe(entry, codePage) + ": the name is not ASCII; give the --codepage it was packed with");
        path = *utf8;
    }
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool SameContents(InputFile& installer, const payload::Entry& entry, InputFile& file, std::vector<char>& buffer) {
    const size_t half = buffer.size() / 2;
    uint64_t position = entry.DataOffset();
    for (uint64_t left = entry.DataSize(); left > 0;) {
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(left, half));
        installer.ReadAt(position, buffer.data(), chunk);
        file.Read(buffer.data() + half, chunk);
        if (std::memcmp(buffer.data(), buffer.data() + half, chunk) != 0) return false;
        position += chunk;
        left -= chunk;
    }
    return true;
}

std::vector<std::string> PayloadDifferences(InputFile& installer, const std::vector<payload::Entry>& entries,
                                            const std::string& payloadFolder,
                                            const std::optional<CodePage>& codePage) {
    const Plan plan = PlanPayload(ListPayloadFolder(payloadFolder), codePage);
    std::vector<std::string> differences;
    for (const std::string& problem : plan.problems) differences.push_back("payload folder: " + problem);

    std::map<std::string, const PlannedEntry*> filesByName;
    for (const PlannedEntry& file : plan.entries) filesByName[file.storedName] = &file;
    std::set<std::string> matched;
    std::vector<char> buffer(kCopyBufferSize);
    for (const payload::Entry& entry : entries) {
        const auto found = filesByName.find(entry.name);
        if (found == filesByName.end()) {
            differences.push_back(Describe(entry, codePage) + ": no such file in the payload folder");
            continue;
        }
        const PlannedEntry& source = *found->second;
        matched.insert(entry.name);
        InputFile file(JoinPath(payloadFolder, source.sourcePath));
        if (file.Length() != entry.DataSize())
            differences.push_back(Describe(entry, codePage) + ": holds " + std::to_string(entry.DataSize()) +
                                  " bytes, the file " + std::to_string(file.Length()));
        else if (!SameContents(installer, entry, file, buffer))
            differences.push_back(Describe(entry, codePage) + ": contents differ from " + source.sourcePath);
    }
    for (const PlannedEntry& file : plan.entries)
        if (matched.count(file.storedName) == 0)
            differences.push_back(file.sourcePath + ": in the payload folder but not in the archive");
    return differences;
}

void WriteEntryFile(InputFile& installer, const payload::Entry& entry, const std::string& path,
                    std::vector<char>& buffer, Progress& progress) {
    OutputFile out(path);
    out.Append(installer, entry.DataOffset(), entry.DataSize(), buffer, &progress);
    out.Close();
}

// The stub (and its filler) ends where the first entry starts, or, in an
// archive without entries, where its one-offset table starts.
uint64_t StubLength(InputFile& installer, const std::vector<payload::Entry>& entries) {
    if (!entries.empty()) return entries[0].start;
    return payload::detail::ArchiveEndOf(installer) - 8;
}

IntegrityReport Integrity(InputFile& installer, const std::vector<payload::Entry>& entries) {
    std::vector<char> buffer(kCopyBufferSize);
    return ReportIntegrity(installer, StubLength(installer, entries), buffer);
}

}  // namespace

std::vector<payload::Entry> CheckedEntries(InputFile& installer, const std::optional<CodePage>& codePage) {
    std::vector<payload::Entry> entries;
    const payload::WalkResult result =
        payload::WalkArchive(installer, codePage ? codePage->isLeadByte : payload::NoLeadBytes,
                             [&](const payload::Entry& entry) {
                                 entries.push_back(entry);
                                 return true;
                             });
    if (!result.Ok()) throw Failure(installer.Path() + ": " + result.reason);
    return entries;
}

void ListInstaller(const std::string& installer, const std::optional<CodePage>& codePage, std::ostream& out,
                   std::ostream& err) {
    InputFile file(installer);
    const std::vector<payload::Entry> entries = CheckedEntries(file, codePage);
    for (const payload::Entry& entry : entries)
        out << entry.index << '\t' << Utf8Name(entry.folder, codePage) << '\t' << Utf8Name(entry.fileName, codePage)
            << '\t' << entry.DataSize() << '\n';
    err << "setuppack list: " << installer << ": " << Integrity(file, entries).text << "\n";
}

void VerifyInstaller(const std::string& installer, const std::optional<std::string>& payloadFolder,
                     const std::optional<CodePage>& codePage, std::ostream& out) {
    InputFile file(installer);
    const std::vector<payload::Entry> entries = CheckedEntries(file, codePage);
    std::vector<std::string> names;
    uint64_t dataBytes = 0;
    for (const payload::Entry& entry : entries) {
        names.push_back(entry.name);
        dataBytes += entry.DataSize();
    }
    std::vector<std::string> problems = FolderOrderProblems(names, codePage);
    const IntegrityReport integrity = Integrity(file, entries);
    if (integrity.result.status == payload::IntegrityStatus::Damaged)
        problems.push_back(integrity.text + "; the installer is damaged");
    if (payloadFolder) {
        for (std::string& difference : PayloadDifferences(file, entries, *payloadFolder, codePage))
            problems.push_back(std::move(difference));
    }
    if (!problems.empty()) throw Failure(installer + ":\n" + Lines(problems));
    out << installer << ": " << entries.size() << " entries, " << dataBytes << " data bytes, " << integrity.text
        << ", all good\n";
}

void ExtractInstaller(const std::string& installer, const std::string& outFolder,
                      const std::optional<CodePage>& codePage, std::ostream& progressOut) {
    InputFile file(installer);
    // Every entry is checked before the first file is written.
    const std::vector<payload::Entry> entries = CheckedEntries(file, codePage);
    uint64_t dataBytes = 0;
    for (const payload::Entry& entry : entries) dataBytes += entry.DataSize();

    std::vector<std::string> relativePaths;
    for (const payload::Entry& entry : entries) relativePaths.push_back(RelativePath(entry, codePage));

    CreateFolders(outFolder);
    Progress progress(progressOut, "extracted", dataBytes);
    std::vector<char> buffer(kCopyBufferSize);
    for (size_t i = 0; i < entries.size(); ++i) {
        const payload::Entry& entry = entries[i];
        const std::string& relative = relativePaths[i];
        const size_t slash = relative.rfind('/');
        if (slash != std::string::npos) CreateFolders(JoinPath(outFolder, relative.substr(0, slash)));
        WriteEntryFile(file, entry, JoinPath(outFolder, relative), buffer, progress);
    }
}

}  // namespace setuppack
