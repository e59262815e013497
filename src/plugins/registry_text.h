#pragma once
// A registry value read into a fixed text buffer as a text.
#include <cstddef>
#include <string>

namespace plugins {

// The registry view of 64-bit Windows to read first: a host registers in the
// view of its own build, and a system may hold both builds of one host.
enum class FirstView { Bits32, Bits64 };

// The value read is `length` bytes of a buffer of `capacity` bytes. It is
// ended at its first NUL, and at the buffer's last byte at the latest: a value
// that fills the buffer or was stored without its NUL loses its last byte
// rather than running past the buffer.
std::string RegistryText(const char* buffer, std::size_t length, std::size_t capacity);

}  // namespace plugins
