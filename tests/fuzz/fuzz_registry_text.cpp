// Feeds a registry value as the system hands it over: two bytes of buffer
// capacity (12 bits), two of the length the system reported (13 bits, so it
// may pass the buffer), then the buffer's bytes. The buffer is allocated to its exact size,
// so any read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "plugins/registry_text.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    // Real buffers hold a path or two; 4 KiB is room enough.
    const size_t capacity = data[0] | (data[1] & 0x0F) << 8;
    const size_t length = data[2] | (data[3] & 0x1F) << 8;
    data += 4;
    size -= 4;
    const std::unique_ptr<char[]> buffer(new char[capacity]);
    for (size_t i = 0; i < capacity; ++i) buffer[i] = i < size ? static_cast<char>(data[i]) : 'x';

    const std::string text = plugins::RegistryText(buffer.get(), length, capacity);
    Require(capacity == 0 ? text.empty() : text.size() < capacity);
    Require(text.size() <= length);
    Require(text.find('\0') == std::string::npos);
    Require(std::memcmp(text.data(), buffer.get(), text.size()) == 0);
    // Cut only at a NUL or at the limit.
    const size_t limit = capacity == 0 ? 0 : std::min(length, capacity - 1);
    Require(text.size() == limit || buffer[text.size()] == '\0');
    return 0;
}
