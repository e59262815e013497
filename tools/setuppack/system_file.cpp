// What a SystemFile does the same way on every system: it owns its handle.
#include <utility>

#include "platform.h"

namespace setuppack {

SystemFile::SystemFile(SystemFile&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, kNone);
    }
    return *this;
}

SystemFile::~SystemFile() { Close(); }

}  // namespace setuppack
