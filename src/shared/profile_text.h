#pragma once
// Text handling of profile files that needs no Windows: NUL-separated lists,
// blank trimming and turning a section's lines into key names.
#include <cstddef>
#include <string>

#include "common/lead_byte.h"

namespace shared {

using text::LeadByteTest;

// Removes trailing, then leading blanks, tabs, CR and LF; true when anything went.
bool TrimBlanks(std::string& text);

// Hands each item of a NUL-separated list (ended by an empty item) to visitor.
// True when the end was reached; false when the visitor stopped or an argument is absent.
using StringListVisitor = bool (*)(const char* item, void* context);
bool WalkStringList(const char* list, StringListVisitor visitor, void* context);

// Packs the key names of a section's "key=value" lines (a NUL-separated list)
// into buffer as a NUL-separated list of at most capacity bytes plus its
// terminator. Lines without "=" or starting with "=" are skipped, names are
// trimmed and never cut inside a double-byte character. Without a buffer it
// returns the bytes needed; with one, the bytes used without the terminator.
size_t PackKeyNames(const char* sectionLines, char* buffer, size_t capacity, LeadByteTest isLeadByte);

}  // namespace shared
