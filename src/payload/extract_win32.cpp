#include "payload/extract_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "payload/archive_format.h"
#include "win/file_win32.h"
#include "win/text_win32.h"

namespace payload {
namespace {

// The archive as WalkArchive reads it; an I/O fault throws win::FileError.
class ArchiveReader {
public:
    explicit ArchiveReader(win::File& file) : file_(file) {}
    uint64_t Length() { return file_.Length(); }
    void ReadAt(uint64_t position, void* buffer, size_t size) {
        file_.Seek(position);
        file_.ReadExact(buffer, size);
    }

private:
    win::File& file_;
};

std::optional<std::string> RealWindowsFolder() {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, CSIDL_WINDOWS, FALSE)) return std::nullopt;
    return std::string(path);
}

// Writes the entries the mode selects.
class EntryWriter {
public:
    EntryWriter(ExtractMode mode, const std::string& root, const std::string& windowsFolder,
                win::File& archive, char* copyBuffer)
        : mode_(mode), root_(root), windowsFolder_(windowsFolder), archive_(archive),
          copyBuffer_(copyBuffer) {}

    // False stops the walk: the entry could not be written.
    bool Write(const Entry& entry) {
        switch (DestinationOf(mode_, entry.folder)) {
        case Destination::Skip:
            return true;
        case Destination::UnderRoot:
            return CopyTo(PrepareUnderRoot(entry), entry);
        case Destination::WindowsFolder: {
            std::optional<std::string> folder = WindowsFolder();
            return folder && CopyTo(text::WithBackslash(*folder, win::AnsiLeadByte) + entry.fileName, entry);
        }
        }
        return false;
    }

private:
    // Creates only the entry's own folder: the archive lists parents first.
    std::string PrepareUnderRoot(const Entry& entry) const {
        std::string folder = entry.folder.empty() ? root_ : root_ + entry.folder + '\\';
        ::CreateDirectoryA(folder.c_str(), nullptr);
        return root_ + entry.name;
    }

    std::optional<std::string> WindowsFolder() const {
        if (!windowsFolder_.empty()) return windowsFolder_;
        return RealWindowsFolder();
    }

    // Piece by piece through the one copy buffer: a buffer of the entry's own
    // size may not be had in a 32-bit address space, and memory would grow
    // with the largest entry.
    bool CopyTo(const std::string& target, const Entry& entry) {
        win::File out = win::File::CreateAlways(target);
        if (!out.IsOpen()) return false;
        archive_.Seek(entry.DataOffset());
        for (uint32_t left = entry.DataSize(); left > 0;) {
            const uint32_t piece = std::min(left, kCopyBufferSize);
            archive_.ReadExact(copyBuffer_, piece);
            out.Write(copyBuffer_, piece);
            left -= piece;
        }
        return true;
    }

    ExtractMode mode_;
    const std::string& root_;
    const std::string& windowsFolder_;
    win::File& archive_;
    char* copyBuffer_;
};

win::File OpenArchive(const ExtractSource& source) {
    return win::File::OpenRead(source.archivePath.empty() ? win::OwnExecutablePath() : source.archivePath);
}

bool Extract(ExtractMode mode, const std::string& root, const ExtractSource& source) {
    win::File archive = OpenArchive(source);
    if (!archive.IsOpen()) return false;
    std::unique_ptr<char[]> copyBuffer(new (std::nothrow) char[kCopyBufferSize]);
    if (!copyBuffer) return false;

    ArchiveReader reader(archive);
    EntryWriter writer(mode, root, source.windowsFolder, archive, copyBuffer.get());
    return WalkArchive(reader, win::AnsiLeadByte, [&](const Entry& entry) { return writer.Write(entry); }).Ok();
}

}  // namespace

IntegrityResult CheckPayloadIntegrity(const ExtractSource& source, const IntegrityBlock& block) {
    if (!block.Stored()) return {};
    win::File archive = OpenArchive(source);
    if (!archive.IsOpen()) return {IntegrityStatus::Damaged, "the installer cannot be opened"};
    ArchiveReader reader(archive);
    try {
        return CheckIntegrity(reader, block);
    } catch (const win::FileError&) {
        return {IntegrityStatus::Damaged, "the installer cannot be read through"};
    }
}

bool ExtractProductPayload(const std::string& root, const ExtractSource& source) {
    return Extract(ExtractMode::Product, root, source);
}

bool ExtractDriverPayload(const std::string& root, const ExtractSource& source) {
    return Extract(ExtractMode::Driver, root, source);
}

}  // namespace payload
