#pragma once
// setuppack build: the stub, then the payload folder as an archive.
#include <optional>
#include <ostream>
#include <string>

#include "code_page.h"

namespace setuppack {

struct BuildOptions {
    std::string stub;
    std::string payload;
    std::string out;
    std::optional<CodePage> codePage;
};

// Throws Failure (listing every problem, one a line) or FileError.
void BuildInstaller(const BuildOptions& options, std::ostream& progressOut);

}  // namespace setuppack
