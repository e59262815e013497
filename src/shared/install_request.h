#pragma once
// What the user asked the Install command for, and how an installer ended.
// Paths are ANSI, messages UTF-8.
#include <optional>
#include <string>

#include "shared/language.h"

namespace shared {

enum class InstallType { Product, CorelDraw, AutoCad, Illustrator };

// The main window's Type list shows the types in this order; any other row
// (-1: none selected) names no type.
std::optional<InstallType> InstallTypeOfRow(int row);

struct InstallRequest {
    InstallType type = InstallType::Product;
    LanguageIndex language;
    std::string path;       // as typed or browsed in the path dialog
    bool pathHeld = true;   // false when the ANSI code page lacks some of its characters
    bool findHost = false;  // the Auto box: look the host up in the registry
    int versionIndex = -1;  // row of the path dialog's version list
};

struct InstallOutcome {
    bool succeeded = false;
    std::string message;  // what ended an installation that did not succeed; empty when nothing was said
};

// The outcome of a request whose path cannot be used (the path error); nothing
// when it can. With the Auto box checked the path is not used.
std::optional<InstallOutcome> PathRefusal(const InstallRequest& request);

}  // namespace shared
