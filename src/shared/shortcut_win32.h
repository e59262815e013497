#pragma once
// Shortcut (.lnk) files written through the shell-link object. Every string is
// ANSI (system code page). The result is the shell link's save-interface
// request: a save that fails afterwards (missing folder, no rights) still
// returns success, so callers need not examine it.
#include <windows.h>

#include <string>

namespace shared {

// A shortcut that keeps the target's own icon.
HRESULT CreateLink(const std::string& target, const std::string& linkFile, const std::string& description);

// A shortcut showing the first icon of iconFile.
HRESULT CreateLinkWithIcon(const std::string& target, const std::string& linkFile,
                           const std::string& description, const std::string& iconFile);

}  // namespace shared
