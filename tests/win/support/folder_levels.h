#pragma once
// Host folder layouts made by a test, one level at a time as a user's
// installation would have them.
#include <windows.h>

#include <algorithm>
#include <string>

namespace testing_support {

// Creates base + relative ("A\B\C") level by level; base ends in a backslash.
// Returns the deepest folder without a trailing backslash.
inline std::string MakeFolderLevels(const std::string& base, const std::string& relative) {
    std::string path = base;
    for (size_t start = 0; start <= relative.size();) {
        const size_t end = std::min(relative.find('\\', start), relative.size());
        path += relative.substr(start, end - start);
        ::CreateDirectoryA(path.c_str(), nullptr);
        path += "\\";
        start = end + 1;
    }
    return path.substr(0, path.size() - 1);
}

}  // namespace testing_support
