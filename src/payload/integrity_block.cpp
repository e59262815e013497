// The integrity block of this program's image, in a file of its own: the
// marker must stand once in a stub, and only here does it.
#include "payload/integrity.h"

namespace payload {
namespace {

// volatile: the program must read the bytes the packer wrote into its image,
// not the empty block the compiler saw.
const volatile unsigned char kBlock[kIntegrityBlockSize] = {
    'B', 'e', 'a', 'm', 'D', 'r', 'a', 'f', 't', 'S', 'e', 't', 'u', 'p', 0xC3, 0x7E};

static_assert(kIntegrityMarkerSize == 16, "the marker above has 16 bytes");

}  // namespace

std::string IntegrityMarker() { return std::string(kBlock, kBlock + kIntegrityMarkerSize); }

IntegrityBlock OwnIntegrityBlock() {
    unsigned char fields[kIntegrityBlockSize - kIntegrityMarkerSize];
    for (size_t i = 0; i < sizeof fields; ++i) fields[i] = kBlock[kIntegrityMarkerSize + i];
    return ReadIntegrityFields(fields);
}

}  // namespace payload
