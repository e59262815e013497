// Reads the resources of the built Setup.exe files as data, the way Windows
// finds them: dialog templates, strings, icon, version block and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "support/temp_folder.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace {

class SetupResources : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        path = testing_support::WindowsPathOf(GetParam());
        ASSERT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES)
            << path << " is missing: build it first (the release one: cmake --build --preset win32)";
        module.reset(::LoadLibraryExA(path.c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(module) << path;
    }
    bool Has(LPCWSTR type, int id) const {
        return ::FindResourceW(module.get(), MAKEINTRESOURCEW(id), type) != nullptr;
    }
    std::string String(UINT id) const {
        const wchar_t* text = nullptr;
        int length = ::LoadStringW(module.get(), id, reinterpret_cast<LPWSTR>(&text), 0);
        return length > 0 ? win::ToUtf8(std::wstring(text, static_cast<size_t>(length))) : std::string();
    }
    std::string Manifest() const {
        HRSRC found = ::FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
        if (found == nullptr) return {};
        auto* data = static_cast<const char*>(::LockResource(::LoadResource(module.get(), found)));
        return std::string(data, ::SizeofResource(module.get(), found));
    }
    // The header of an extended dialog template: style and size.
    const DLGTEMPLATE* DialogHeader(int id, DWORD& style, short& cx, short& cy) const {
        HRSRC found = ::FindResourceW(module.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
        if (found == nullptr) return nullptr;
        auto* words = static_cast<const WORD*>(::LockResource(::LoadResource(module.get(), found)));
        // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy
        if (words[1] != 0xFFFF) return nullptr;
        style = *reinterpret_cast<const DWORD*>(words + 6);
        cx = static_cast<short>(words[11]);
        cy = static_cast<short>(words[12]);
        return reinterpret_cast<const DLGTEMPLATE*>(words);
    }

    std::string path;
    win::UniqueModule module;
};

TEST_P(SetupResources, HoldsTheDialogsStringsIconAndVersion) {
    EXPECT_TRUE(Has(MAKEINTRESOURCEW(5), IDD_ABOUTBOX));
    EXPECT_TRUE(Has(MAKEINTRESOURCEW(5), IDD_MAIN));
    EXPECT_TRUE(Has(MAKEINTRESOURCEW(14), IDR_MAINFRAME));  // icon group
    EXPECT_TRUE(Has(MAKEINTRESOURCEW(16), 1));              // version block
    EXPECT_EQ(String(IDS_ABOUTBOX), "About Setup(&A)...");
    EXPECT_EQ(String(IDS_SELECT_INSTALL_PATH), "Select the install path");
}

TEST_P(SetupResources, MainDialogTemplateHasItsSizeAndStyles) {
    DWORD style = 0;
    short cx = 0, cy = 0;
    ASSERT_NE(DialogHeader(IDD_MAIN, style, cx, cy), nullptr);
    EXPECT_EQ(cx, 200);
    EXPECT_EQ(cy, 116);
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    ASSERT_NE(DialogHeader(IDD_ABOUTBOX, style, cx, cy), nullptr);
    EXPECT_EQ(cx, 235);
    EXPECT_EQ(cy, 55);
}

TEST_P(SetupResources, ManifestAsksForAdministratorCommonControlsAndDpiAwareness) {
    std::string manifest = Manifest();
    EXPECT_NE(manifest.find("requireAdministrator"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);  // Windows 10/11
    EXPECT_NE(manifest.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"), std::string::npos);  // Vista
    EXPECT_NE(manifest.find("dpiAware"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BuiltExecutables, SetupResources,
                         ::testing::Values(SETUP_EXE_THIS_BUILD, SETUP_EXE_RELEASE));

}  // namespace
