#include "plugins/registry_win32.h"

#include "plugins/registry_text.h"
#include "win/unique_resource_win32.h"
#include "win/wow64_win32.h"

namespace plugins {
namespace {

constexpr DWORD kValueBufferSize = 260;
constexpr DWORD kKeyNameBufferSize = 260;

win::UniqueHkey OpenKey(HKEY root, const std::string& subKey, REGSAM view) {
    win::UniqueHkey key;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | view, key.put()) != ERROR_SUCCESS) key.reset();
    return key;
}

std::vector<std::string> SubKeyNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[kKeyNameBufferSize];
        DWORD length = kKeyNameBufferSize;
        if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<AutoCadProduct> ProductsOfRelease(const std::string& releasePath, REGSAM view) {
    std::vector<AutoCadProduct> products;
    const win::UniqueHkey release = OpenKey(HKEY_LOCAL_MACHINE, releasePath, view);
    if (!release) return products;
    for (const std::string& name : SubKeyNames(release.get())) {
        const std::string productPath = releasePath + "\\" + name;
        if (auto location = ReadRegistryValue(HKEY_LOCAL_MACHINE, productPath, kAutoCadLocationValue, view)) {
            products.push_back({productPath, *location});
        }
    }
    return products;
}

}  // namespace

std::vector<REGSAM> RegistryViews(FirstView first) {
    if (!win::IsRunningOnWow64()) return {KEY_WOW64_32KEY};
    if (first == FirstView::Bits64) return {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
    return {KEY_WOW64_32KEY, KEY_WOW64_64KEY};
}

std::optional<std::string> ReadRegistryValue(HKEY root, const std::string& subKey, const char* valueName,
                                             REGSAM view) {
    const win::UniqueHkey key = OpenKey(root, subKey, view);
    if (!key) return std::nullopt;
    char buffer[kValueBufferSize];
    DWORD length = kValueBufferSize;
    if (::RegQueryValueExA(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &length) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryText(buffer, length, kValueBufferSize);
}

std::optional<std::string> ReadRegistryValueInAnyView(HKEY root, const std::string& subKey, const char* valueName,
                                                      FirstView first) {
    for (REGSAM view : RegistryViews(first)) {
        if (auto value = ReadRegistryValue(root, subKey, valueName, view)) return value;
    }
    return std::nullopt;
}

AutoCadView FindAutoCadProducts(REGSAM view) {
    const win::UniqueHkey root = OpenKey(HKEY_LOCAL_MACHINE, kAutoCadRoot, view);
    if (!root) return std::nullopt;
    std::vector<AutoCadProduct> products;
    for (const std::string& release : SubKeyNames(root.get())) {
        for (AutoCadProduct& product : ProductsOfRelease(std::string(kAutoCadRoot) + "\\" + release, view)) {
            products.push_back(std::move(product));
        }
    }
    return products;
}

}  // namespace plugins
