#pragma once
// setuppack list, verify and extract: read an installer's archive with the
// installer's own checks. A signature appended by a signing tool is tolerated.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "code_page.h"
#include "payload/archive_format.h"

namespace setuppack {

class InputFile;

// Every entry of the archive, after all of them passed the checks; throws Failure otherwise.
std::vector<payload::Entry> CheckedEntries(InputFile& installer, const std::optional<CodePage>& codePage);

// Each throws Failure or FileError.
// list writes the entries to out and what the integrity block says to err.
void ListInstaller(const std::string& installer, const std::optional<CodePage>& codePage, std::ostream& out,
                   std::ostream& err);
void VerifyInstaller(const std::string& installer, const std::optional<std::string>& payloadFolder,
                     const std::optional<CodePage>& codePage, std::ostream& out);
void ExtractInstaller(const std::string& installer, const std::string& outFolder,
                      const std::optional<CodePage>& codePage, std::ostream& progressOut);

}  // namespace setuppack
