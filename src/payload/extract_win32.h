#pragma once
// Writes the files of the payload archive to disk, in the two modes the
// installers use. Both return false when the archive is unusable or an entry
// cannot be written (earlier entries stay written); a read or write fault in
// the middle of a copy is thrown as win::FileError after all files are closed.
#include <string>

#include "payload/integrity.h"

namespace payload {

// Where an extraction reads from. Empty fields take the production defaults:
// this program's own executable and the real Windows folder.
struct ExtractSource {
    std::string archivePath;
    std::string windowsFolder;
};

// Every entry but the serial-port driver set; "Contour" entries go into the
// Windows folder. root ends with a backslash and exists.
bool ExtractProductPayload(const std::string& root, const ExtractSource& source = {});

// Only the driver folders, under root.
bool ExtractDriverPayload(const std::string& root, const ExtractSource& source = {});

// The archive against the checksum the packer stored in block; an archive
// that cannot be read through is damaged too.
IntegrityResult CheckPayloadIntegrity(const ExtractSource& source = {},
                                      const IntegrityBlock& block = OwnIntegrityBlock());

}  // namespace payload
