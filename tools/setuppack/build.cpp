#include "build.h"

#include <cstring>
#include <vector>

#include "archive_layout.h"
#include "errors.h"
#include "file_system.h"
#include "integrity_block.h"
#include "payload/archive_format.h"
#include "payload_plan.h"
#include "progress.h"

namespace setuppack {
namespace {

constexpr size_t kCopyBufferSize = 1024 * 1024;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

void CheckPaths(const BuildOptions& options) {
    if (!IsFolder(options.payload)) throw Failure(options.payload + ": not a folder");
    if (SameFile(options.out, options.stub)) throw Failure(options.out + ": the output would overwrite the stub");
    if (IsInside(options.out, options.payload))
        throw Failure(options.out + ": the output must not lie inside the payload folder");
}

void AppendLe32(std::vector<char>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(value >> shift & 0xFF));
}

void WriteEntry(const PlannedEntry& entry, const std::string& payloadFolder, OutputFile& out,
                std::vector<char>& buffer, Progress& progress) {
    InputFile source(JoinPath(payloadFolder, entry.sourcePath));
    if (source.Length() != entry.size) throw Failure(entry.sourcePath + ": the file changed while it was packed");
    char header[payload::kNameHeaderSize] = {};
    std::memcpy(header, entry.storedName.data(), entry.storedName.size());
    out.Write(header, sizeof header);
    out.Append(source, 0, entry.size, buffer, &progress);
}

// The checksum of everything after the stub, in the block the stub reserves.
void FillBlock(OutputFile& out, uint64_t blockPosition, uint64_t archiveLength) {
    payload::IntegrityBlock block;
    block.archiveLength = archiveLength;
    block.crc = out.Sum();
    unsigned char fields[payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize];
    payload::WriteIntegrityFields(block, fields);
    out.WriteAt(blockPosition + payload::kIntegrityMarkerSize, fields, sizeof fields);
}

void WriteInstaller(const BuildOptions& options, const std::vector<PlannedEntry>& entries, InputFile& stub,
                    const std::optional<uint64_t>& blockPosition, const Layout& layout, const std::string& path,
                    std::vector<char>& buffer, std::ostream& progressOut) {
    OutputFile out(path);
    out.Append(stub, 0, stub.Length(), buffer, nullptr);
    if (blockPosition) out.StartSum();
    const std::vector<char> filler(static_cast<size_t>(layout.fillerBytes), '\0');
    out.Write(filler.data(), filler.size());

    uint64_t dataBytes = 0;
    for (const PlannedEntry& entry : entries) dataBytes += entry.size;
    Progress progress(progressOut, "packed", dataBytes);
    for (const PlannedEntry& entry : entries) WriteEntry(entry, options.payload, out, buffer, progress);

    std::vector<char> table;
    for (uint32_t offset : layout.offsets) AppendLe32(table, offset);
    AppendLe32(table, static_cast<uint32_t>(layout.offsets.size()));
    out.Write(table.data(), table.size());
    if (blockPosition) FillBlock(out, *blockPosition, layout.length - stub.Length());
    out.Close();
}

}  // namespace

void BuildInstaller(const BuildOptions& options, std::ostream& progressOut) {
    CheckPaths(options);
    const Plan plan = PlanPayload(ListPayloadFolder(options.payload), options.codePage);
    if (!plan.Ok()) throw Failure(Lines(plan.problems));

    InputFile stub(options.stub);
    std::vector<char> buffer(kCopyBufferSize);
    const auto blockPosition = FindBlock(stub, stub.Length(), buffer);
    if (!blockPosition)
        progressOut << "setuppack build: " << options.stub
                    << " reserves no integrity block; the installer carries no checksum\n";
    std::vector<uint64_t> sizes;
    for (const PlannedEntry& entry : plan.entries) sizes.push_back(entry.size);
    const auto layout = LayOut(stub.Length(), sizes);
    if (!layout) throw Failure(options.out + ": the installer would pass 4 GiB, beyond the archive's 32-bit offsets");

    // Write beside the target first, so a failed build leaves no half installer behind.
    const std::string partial = options.out + ".partial";
    try {
        WriteInstaller(options, plan.entries, stub, blockPosition, *layout, partial, buffer, progressOut);
        RenameFile(partial, options.out);
    } catch (...) {
        RemoveFile(partial);
        throw;
    }
}

}  // namespace setuppack
