#include "install/install_path_dialog_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../common/install_path_rows.h"
#include "install/install_path_texts.h"
#include "res/resource.h"
#include "win/text_win32.h"

namespace install {
namespace {

using expected_rows::kCorelDrawExample;
using expected_rows::kCorelDrawVersions;
using expected_rows::kIllustratorExample;
using expected_rows::kIllustratorVersions;
using expected_rows::Rows;

std::string WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hwnd, text, 256);
    return win::ToUtf8(text);
}

// The dialog created without its modal loop, so a test can look at it and act on it.
class OpenPathDialog : public InstallPathDialog {
public:
    OpenPathDialog(int languageIndex, InstallType type)
        : InstallPathDialog(nullptr, type, shared::LanguageIndex{languageIndex}) {
        CreateModeless();
    }
    std::string Text(int id) const { return WindowText(Item(id)); }
    Rows Texts() const {
        return {WindowText(Handle()), Text(IDC_VERSION_LABEL), Text(IDC_AUTO_INSTALL), Text(IDC_PATH_LABEL),
                Text(IDC_BROWSE), Text(IDOK), Text(IDCANCEL)};
    }
    Rows Versions() const {
        Rows rows;
        HWND list = Item(IDC_VERSION_LIST);
        auto count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
            wchar_t row[64] = {};
            ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(row));
            rows.push_back(win::ToUtf8(row));
        }
        return rows;
    }
    int SelectedVersion() const { return static_cast<int>(::SendMessageW(Item(IDC_VERSION_LIST), CB_GETCURSEL, 0, 0)); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool AutoChecked() const { return ::IsDlgButtonChecked(Handle(), IDC_AUTO_INSTALL) == BST_CHECKED; }
    void ClickAuto() const { ::SendMessageW(Item(IDC_AUTO_INSTALL), BM_CLICK, 0, 0); }
    void Type(const std::string& path) const { TypeWide(win::FromAnsi(path)); }
    void TypeWide(const std::wstring& path) const { ::SetWindowTextW(Item(IDC_INSTALL_PATH), path.c_str()); }
    void ChooseVersion(int row) const {
        ::SendMessageW(Item(IDC_VERSION_LIST), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    void PressOk() const {
        ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
    }
};


struct TypeCase {
    InstallType type;
    const Rows* versions;
    int selected;
    std::string example;
    bool versionListEnabled, autoEnabled, autoChecked;
};

const TypeCase kTypes[] = {
    {InstallType::Product, &kCorelDrawVersions, 1, "", false, false, false},
    {InstallType::CorelDraw, &kCorelDrawVersions, 1, kCorelDrawExample, true, true, true},
    {InstallType::AutoCad, &kCorelDrawVersions, 1, "", false, true, true},
    {InstallType::Illustrator, &kIllustratorVersions, 2, kIllustratorExample, true, false, false},
};

TEST(InstallPathDialog, OpensWithTheStatesOfEachTypeInBothLanguages) {
    for (const TypeCase& expected : kTypes) {
        for (int language : {0, 1, 2, 3}) {
            SCOPED_TRACE("type " + std::to_string(static_cast<int>(expected.type)) + ", language row " + std::to_string(language));
            OpenPathDialog dialog(language, expected.type);
            ASSERT_NE(dialog.Handle(), nullptr);
            const bool illustrator = expected.type == InstallType::Illustrator;
            const Rows texts = language == 0
                ? Rows{"选择安装目录", illustrator ? "Illustrator版本:" : "CorelDraw版本:", "自动安装", "安装目录:",
                       "浏览", "确定", "取消"}
                : Rows{"Select install path", illustrator ? "Illustrator Version:" : "CorelDraw Version:",
                       "Auto to Install", "Install Path:", "Browse", "OK", "Cancel"};
            EXPECT_EQ(dialog.Texts(), texts);
            EXPECT_EQ(dialog.Versions(), *expected.versions);
            EXPECT_EQ(dialog.SelectedVersion(), expected.selected);
            EXPECT_EQ(dialog.Text(IDC_PATH_EXAMPLE), expected.example);
            EXPECT_FALSE(dialog.Enabled(IDC_PATH_EXAMPLE));
            EXPECT_EQ(dialog.Text(IDC_INSTALL_PATH), "C:\\");
            EXPECT_EQ(dialog.Enabled(IDC_VERSION_LIST), expected.versionListEnabled);
            EXPECT_EQ(dialog.Enabled(IDC_AUTO_INSTALL), expected.autoEnabled);
            EXPECT_EQ(dialog.AutoChecked(), expected.autoChecked);
            EXPECT_EQ(dialog.Enabled(IDC_INSTALL_PATH), !expected.autoChecked);
            EXPECT_EQ(dialog.Enabled(IDC_BROWSE), !expected.autoChecked);
        }
    }
}

TEST(InstallPathDialog, AutoBoxTogglesThePathEntryButNeverTheVersionList) {
    for (InstallType type : {InstallType::CorelDraw, InstallType::AutoCad}) {
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
        OpenPathDialog dialog(2, type);
        const bool versionList = type == InstallType::CorelDraw;
        for (bool checked : {false, true, false}) {
            dialog.ClickAuto();
            ASSERT_EQ(dialog.AutoChecked(), checked);
            EXPECT_EQ(dialog.Enabled(IDC_INSTALL_PATH), !checked);
            EXPECT_EQ(dialog.Enabled(IDC_BROWSE), !checked);
            EXPECT_EQ(dialog.Enabled(IDC_VERSION_LIST), versionList);
        }
    }
}

TEST(InstallPathDialog, OkWithAutoCheckedGivesFlagOneAndTheUntouchedPath) {
    OpenPathDialog dialog(0, InstallType::CorelDraw);
    dialog.ChooseVersion(6);
    dialog.PressOk();
    EXPECT_EQ(dialog.Request().type, InstallType::CorelDraw);
    EXPECT_EQ(dialog.Request().language.row, 0);
    EXPECT_TRUE(dialog.Request().findHost);
    EXPECT_EQ(dialog.Request().path, "C:\\");
    EXPECT_EQ(dialog.Request().versionIndex, 6);
}

TEST(InstallPathDialog, OkGivesTheTypedPathAsAnsiAndTheChosenVersion) {
    // GBK bytes of a Chinese folder name where the ANSI code page is 936, else Latin-1 bytes.
    const std::string folder = ::GetACP() == 936 ? "D:\\\xB0\xB2\xD7\xB0" : "D:\\Caf\xE9";
    OpenPathDialog dialog(2, InstallType::AutoCad);
    dialog.ClickAuto();
    dialog.Type(folder);
    dialog.PressOk();
    EXPECT_FALSE(dialog.Request().findHost);
    EXPECT_EQ(dialog.Request().path, folder);
    EXPECT_TRUE(dialog.Request().pathHeld);
    EXPECT_EQ(dialog.Request().versionIndex, 1);

    OpenPathDialog illustrator(3, InstallType::Illustrator);
    illustrator.Type("");
    illustrator.ChooseVersion(10);
    illustrator.PressOk();
    EXPECT_FALSE(illustrator.Request().findHost);
    EXPECT_EQ(illustrator.Request().path, "");
    EXPECT_EQ(illustrator.Request().versionIndex, 10);
}

TEST(InstallPathDialog, APathWithCharactersTheCodePageLacksIsMarkedNotHeld) {
    // U+0100 has the look-alike "A" in code page 1252; U+0E01 is in neither 1252 nor 936.
    for (const std::wstring& path : {std::wstring(L"C:\\\u0100pps"), std::wstring(L"C:\\x\u0E01")}) {
        OpenPathDialog dialog(2, InstallType::Product);
        dialog.TypeWide(path);
        dialog.PressOk();
        EXPECT_FALSE(dialog.Request().pathHeld) << ::GetACP();
    }
}

}  // namespace
}  // namespace install
