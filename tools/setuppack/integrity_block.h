#pragma once
// The integrity block that the stub reserves (see payload/integrity.h): found
// by its marker in the stub, filled in by build, read back by list and verify.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "payload/integrity.h"

namespace setuppack {

class InputFile;

// Every position at which marker starts in the first length bytes that read
// gives (read(position, buffer, size) reads exactly size bytes), reading
// through buffer, which must be longer than the marker.
std::vector<uint64_t> FindMarker(const std::string& marker, uint64_t length,
                                 const std::function<void(uint64_t, char*, size_t)>& read, std::vector<char>& buffer);

// Where the block starts in the first stubLength bytes of file; nullopt when
// the stub reserves none. Throws Failure when the marker stands more than once
// or the block does not fit in the stub.
std::optional<uint64_t> FindBlock(InputFile& file, uint64_t stubLength, std::vector<char>& buffer);

// What list and verify say about an installer's block, and whether it matches.
struct IntegrityReport {
    payload::IntegrityResult result;
    std::string text;  // one line for people
};
IntegrityReport ReportIntegrity(InputFile& installer, uint64_t stubLength, std::vector<char>& buffer);

}  // namespace setuppack
