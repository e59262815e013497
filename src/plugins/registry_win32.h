#pragma once
// Reads of the host applications' registrations under HKEY_LOCAL_MACHINE.
// A 32-bit host registers in the 32-bit view, a 64-bit host on 64-bit Windows
// in the 64-bit view: lookups try the 32-bit view first, then the 64-bit one,
// unless they look for a 64-bit host.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "plugins/autocad_plan.h"
#include "plugins/registry_text.h"

namespace plugins {

// KEY_WOW64_32KEY, and on 64-bit Windows KEY_WOW64_64KEY after it (before it for Bits64).
std::vector<REGSAM> RegistryViews(FirstView first = FirstView::Bits32);

// A value as text, read into a 260-byte buffer; none when the key does not
// open or the value cannot be read.
std::optional<std::string> ReadRegistryValue(HKEY root, const std::string& subKey, const char* valueName,
                                             REGSAM view);

// The first view that gives the value.
std::optional<std::string> ReadRegistryValueInAnyView(HKEY root, const std::string& subKey, const char* valueName,
                                                      FirstView first = FirstView::Bits32);

// Every AutoCAD product key of one view with its AcadLocation, in enumeration order.
AutoCadView FindAutoCadProducts(REGSAM view);

}  // namespace plugins
