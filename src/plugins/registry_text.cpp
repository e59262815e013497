#include "plugins/registry_text.h"

#include <algorithm>
#include <cstring>

namespace plugins {

std::string RegistryText(const char* buffer, std::size_t length, std::size_t capacity) {
    if (capacity == 0) return {};
    const std::size_t end = std::min(length, capacity - 1);
    const void* nul = std::memchr(buffer, '\0', end);
    return std::string(buffer, nul ? static_cast<const char*>(nul) - buffer : end);
}

}  // namespace plugins
