#include "build.h"

#include <algorithm>
#include <cstring>
#include <future>
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

std::vector<char> HeaderOf(const PlannedEntry& entry) {
    std::vector<char> header(payload::kNameHeaderSize, '\0');
    std::memcpy(header.data(), entry.storedName.data(), entry.storedName.size());
    return header;
}

std::vector<char> TableOf(const Layout& layout) {
    std::vector<char> table;
    for (uint32_t offset : layout.offsets) AppendLe32(table, offset);
    AppendLe32(table, static_cast<uint32_t>(layout.offsets.size()));
    return table;
}

InputFile OpenSource(const PlannedEntry& entry, const std::string& payloadFolder) {
    InputFile source(JoinPath(payloadFolder, entry.sourcePath));
    if (source.Length() != entry.size) throw Failure(entry.sourcePath + ": the file changed while it was packed");
    return source;
}

void WriteEntry(const PlannedEntry& entry, const std::string& payloadFolder, OutputFile& out,
                std::vector<char>& buffer, Progress& progress) {
    InputFile source = OpenSource(entry, payloadFolder);
    const std::vector<char> header = HeaderOf(entry);
    out.Write(header.data(), header.size());
    out.Append(source, 0, entry.size, buffer, &progress);
}

// The CRC-32 of everything after the stub, from the same plan and files as
// the writes: filler, each entry's header and data, the table.
uint32_t SumArchive(const std::vector<PlannedEntry>& entries, const std::string& payloadFolder, const Layout& layout,
                    std::vector<char>& buffer) {
    const std::vector<char> filler(static_cast<size_t>(layout.fillerBytes), '\0');
    uint32_t crc = payload::Crc32(0, filler.data(), filler.size());
    for (const PlannedEntry& entry : entries) {
        const std::vector<char> header = HeaderOf(entry);
        crc = payload::Crc32(crc, header.data(), header.size());
        InputFile source = OpenSource(entry, payloadFolder);
        for (uint64_t at = 0; at < entry.size;) {
            const size_t piece = static_cast<size_t>(std::min<uint64_t>(entry.size - at, buffer.size()));
            source.ReadAt(at, buffer.data(), piece);
            crc = payload::Crc32(crc, buffer.data(), piece);
            at += piece;
        }
    }
    const std::vector<char> table = TableOf(layout);
    return payload::Crc32(crc, table.data(), table.size());
}

// The checksum of everything after the stub, in the block the stub reserves.
void FillBlock(OutputFile& out, uint64_t blockPosition, uint64_t archiveLength, uint32_t crc) {
    payload::IntegrityBlock block;
    block.archiveLength = archiveLength;
    block.crc = crc;
    unsigned char fields[payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize];
    payload::WriteIntegrityFields(block, fields);
    out.WriteAt(blockPosition + payload::kIntegrityMarkerSize, fields, sizeof fields);
}

// The sum needs the bytes, which a copy inside the kernel never shows, so it
// reads the files again on a thread of its own, on the other processor, while
// this one copies; each side has half of the one copy buffer.
void WriteInstaller(const BuildOptions& options, const std::vector<PlannedEntry>& entries, InputFile& stub,
                    const std::optional<uint64_t>& blockPosition, const Layout& layout, const std::string& path,
                    std::ostream& progressOut) {
    std::vector<char> buffer(kCopyBufferSize / 2), sumBuffer(kCopyBufferSize / 2);
    std::future<uint32_t> sum;
    if (blockPosition)
        sum = std::async(std::launch::async, [&] { return SumArchive(entries, options.payload, layout, sumBuffer); });

    OutputFile out(path);
    out.Append(stub, 0, stub.Length(), buffer, nullptr);
    const std::vector<char> filler(static_cast<size_t>(layout.fillerBytes), '\0');
    out.Write(filler.data(), filler.size());

    uint64_t dataBytes = 0;
    for (const PlannedEntry& entry : entries) dataBytes += entry.size;
    Progress progress(progressOut, "packed", dataBytes);
    for (const PlannedEntry& entry : entries) WriteEntry(entry, options.payload, out, buffer, progress);

    const std::vector<char> table = TableOf(layout);
    out.Write(table.data(), table.size());
    if (blockPosition) FillBlock(out, *blockPosition, layout.length - stub.Length(), sum.get());
    out.Close();
}

}  // namespace

void BuildInstaller(const BuildOptions& options, std::ostream& progressOut) {
    CheckPaths(options);
    const Plan plan = PlanPayload(ListPayloadFolder(options.payload), options.codePage);
    if (!plan.Ok()) throw Failure(Lines(plan.problems));

    InputFile stub(options.stub);
    const auto blockPosition = [&] {
        std::vector<char> buffer(kCopyBufferSize);
        return FindBlock(stub, stub.Length(), buffer);
    }();
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
        WriteInstaller(options, plan.entries, stub, blockPosition, *layout, partial, progressOut);
        RenameFile(partial, options.out);
    } catch (...) {
        RemoveFile(partial);
        throw;
    }
}

}  // namespace setuppack
