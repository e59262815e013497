#pragma once
// The setuppack command line: parses the arguments, runs one command, and
// turns every refusal into a message and an exit code.
#include <ostream>
#include <string>
#include <vector>

namespace setuppack {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// arguments exclude the program name; progress and reasons go to err.
int RunSetupPack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace setuppack
