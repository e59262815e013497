#pragma once
// A branch of HKLM\SOFTWARE written by a test in one registry view, as a host
// application's installer would, and removed again with the object.
#include <windows.h>

#include <string>

#include "win/unique_resource_win32.h"

namespace testing_support {

class RegistryTree {
public:
    RegistryTree(std::string top, REGSAM view) : top_(std::move(top)), view_(view) { Remove(); }
    ~RegistryTree() { Remove(); }
    RegistryTree(const RegistryTree&) = delete;
    RegistryTree& operator=(const RegistryTree&) = delete;

    // Creates SOFTWARE\<top>\<below> with a string value; false when the registry refuses.
    bool Set(const std::string& below, const std::string& name, const std::string& value) const {
        win::UniqueHkey key;
        const std::string path = "SOFTWARE\\" + top_ + "\\" + below;
        return ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                                 key.put(), nullptr) == ERROR_SUCCESS &&
               ::RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

private:
    void Remove() const {
        win::UniqueHkey software;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | view_, software.put()) ==
            ERROR_SUCCESS) {
            ::RegDeleteTreeA(software.get(), top_.c_str());
        }
    }
    std::string top_;
    REGSAM view_;
};

}  // namespace testing_support
