#pragma once
// The walk over archives held in memory (made with common/archive_builder.h),
// through a reader that fails loudly on any read outside the file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/archive_builder.h"
#include "payload/archive_format.h"

namespace archive_test {

using namespace test_archive;

class MemoryReader {
public:
    explicit MemoryReader(Bytes bytes) : bytes_(std::move(bytes)) {}
    uint64_t Length() { return bytes_.size(); }
    void ReadAt(uint64_t position, void* buffer, size_t size) {
        if (position > bytes_.size() || size > bytes_.size() - position)
            throw std::out_of_range("read past the end of the file");
        std::memcpy(buffer, bytes_.data() + position, size);
    }

private:
    Bytes bytes_;
};

struct Walked {
    payload::WalkResult result;
    std::vector<payload::Entry> entries;
};

inline Walked Walk(const Bytes& bytes, payload::LeadByteTest isLeadByte = payload::NoLeadBytes) {
    MemoryReader reader(bytes);
    Walked walked;
    walked.result = payload::WalkArchive(reader, isLeadByte, [&](const payload::Entry& entry) {
        walked.entries.push_back(entry);
        return true;
    });
    return walked;
}

}  // namespace archive_test
