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

// Sums a range of a file on a thread of its own. The destructor waits for
// the thread, so that it never outlives the file or the buffer it reads.
class RangeSumThread {
public:
    RangeSumThread(win::File& file, ByteRange range, char* buffer, size_t bufferSize)
        : reader_(file), range_(range), buffer_(buffer), bufferSize_(bufferSize),
          thread_(::CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}
    ~RangeSumThread() { Join(); }
    RangeSumThread(const RangeSumThread&) = delete;
    RangeSumThread& operator=(const RangeSumThread&) = delete;

    bool Started() const { return static_cast<bool>(thread_); }
    // The sum, once the thread has ended; nothing when the file could not be read through.
    std::optional<uint32_t> Result() {
        Join();
        return readThrough_ ? std::optional<uint32_t>(crc_) : std::nullopt;
    }

private:
    static DWORD WINAPI Run(void* self) {
        auto& job = *static_cast<RangeSumThread*>(self);
        try {
            job.crc_ = SumRange(job.reader_, job.range_, job.buffer_, job.bufferSize_);
            job.readThrough_ = true;
        } catch (const win::FileError&) {
        }
        return 0;
    }
    // Both halves take about as long, so this wait is short.
    void Join() {
        if (thread_) ::WaitForSingleObject(thread_.get(), INFINITE);
        thread_.reset();
    }

    ArchiveReader reader_;
    ByteRange range_;
    char* buffer_;
    size_t bufferSize_;
    uint32_t crc_ = 0;
    bool readThrough_ = false;
    win::UniqueHandle thread_;  // last: the thread starts once the rest is set
};

// Summing is bound by memory bandwidth, which a second processor nearly
// doubles: the two halves of the range are summed at once, each through half
// of the one copy buffer and a handle of its own. Throws win::FileError.
uint32_t SumInTwo(win::File& first, win::File& second, ByteRange range, char* buffer) {
    const size_t half = kCopyBufferSize / 2;
    const uint64_t middle = range.begin + (range.end - range.begin) / 2;
    ArchiveReader firstReader(first);
    if (second.IsOpen()) {
        RangeSumThread secondHalf(second, {middle, range.end}, buffer + half, half);
        if (secondHalf.Started()) {
            const uint32_t firstSum = SumRange(firstReader, {range.begin, middle}, buffer, half);
            const std::optional<uint32_t> secondSum = secondHalf.Result();
            if (!secondSum) throw win::FileError("read", second.Path(), ERROR_READ_FAULT);
            return Crc32Combine(firstSum, *secondSum, range.end - middle);
        }
    }
    return SumRange(firstReader, range, buffer, kCopyBufferSize);
}

}  // namespace

IntegrityResult CheckPayloadIntegrity(const ExtractSource& source, const IntegrityBlock& block) {
    if (!block.Stored()) return {};
    win::File archive = OpenArchive(source);
    if (!archive.IsOpen()) return {IntegrityStatus::Damaged, "the installer cannot be opened"};
    win::File secondHandle = OpenArchive(source);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferSize]);
    if (!buffer) return {IntegrityStatus::Damaged, "no memory for the check"};
    ArchiveReader reader(archive);
    try {
        return CheckIntegrity(reader, block,
                              [&](ByteRange range) { return SumInTwo(archive, secondHandle, range, buffer.get()); });
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
