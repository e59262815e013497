// Extracts an archive in an address space with no free block as large as its
// entry, as in a crowded 32-bit process. Run under `ulimit -v`: Wine's address
// space is far too large to fill without a cap.
//   extract_crowded ROOT ARCHIVE ENTRY_BYTES
// Exit code 0: extracted, 1: the extraction returned false, 2: a file fault,
// 4: a buffer of ENTRY_BYTES could still be had, so the run proves nothing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "payload/extract_win32.h"
#include "win/file_win32.h"

namespace {

constexpr size_t kSmallestReservation = 8 * 1024 * 1024;

// Reserves every block of kSmallestReservation bytes or more, then gives one
// back so the extraction has room to work in; the largest free block is then
// below twice that size.
class CrowdedAddressSpace {
public:
    CrowdedAddressSpace() {
        blocks_.reserve(4096);  // the vector must not grow once the space is full
        for (size_t size = size_t{1} << (sizeof(size_t) * 8 - 2); size >= kSmallestReservation; size /= 2) {
            while (blocks_.size() < blocks_.capacity()) {
                void* block = ::VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
                if (block == nullptr) break;
                blocks_.push_back(block);
            }
        }
        if (!blocks_.empty()) {
            ::VirtualFree(blocks_.back(), 0, MEM_RELEASE);
            blocks_.pop_back();
        }
    }
    ~CrowdedAddressSpace() {
        for (void* block : blocks_) ::VirtualFree(block, 0, MEM_RELEASE);
    }
    CrowdedAddressSpace(const CrowdedAddressSpace&) = delete;
    CrowdedAddressSpace& operator=(const CrowdedAddressSpace&) = delete;

private:
    std::vector<void*> blocks_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: extract_crowded ROOT ARCHIVE ENTRY_BYTES\n");
        return 3;
    }
    const CrowdedAddressSpace crowded;
    if (std::unique_ptr<char[]> whole{new (std::nothrow) char[std::strtoull(argv[3], nullptr, 10)]}) {
        std::fprintf(stderr, "a buffer of the whole entry can still be had\n");
        return 4;
    }
    try {
        return payload::ExtractProductPayload(argv[1], {argv[2], ""}) ? 0 : 1;
    } catch (const win::FileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
