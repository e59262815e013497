#pragma once
#include <stdexcept>
#include <string>

namespace setuppack {

// A refusal: the inputs are not what an archive may carry, or an archive fails a check.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace setuppack
