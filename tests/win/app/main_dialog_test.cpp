#include "app/main_dialog_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "support/window_text.h"
#include "win/text_win32.h"

namespace app {
namespace {

using testing_support::ComboRows;
using testing_support::WindowText;
using Rows = std::vector<std::string>;

// The main window created without its modal loop, so a test can look at it.
class OpenMainDialog : public MainDialog {
public:
    OpenMainDialog(const std::string& product, int languageCode) {
        SetProductName(product);
        SetLanguageCode(shared::LanguageCode{languageCode});
        CreateModeless();
    }
    std::string Text(int id) const { return WindowText(Item(id)); }
    std::string Caption() const { return WindowText(Handle()); }
    int Selected(int id) const { return static_cast<int>(::SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
    void ChooseLanguage(int row) const {
        ::SendMessageW(Item(IDC_LANGUAGE_LIST), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Item(IDC_LANGUAGE_LIST)));
    }
};

void ExpectChinese(const OpenMainDialog& dialog) {
    EXPECT_EQ(dialog.Caption(), "欢迎使用");
    EXPECT_EQ(dialog.Text(IDC_TYPE_LABEL), "类型:");
    EXPECT_EQ(dialog.Text(IDC_LANGUAGE_LABEL), "语言:");
    EXPECT_EQ(dialog.Text(IDC_INSTALL), "安装");
    EXPECT_EQ(dialog.Text(IDC_USB_DRIVER), "USB驱动安装");
}

void ExpectEnglish(const OpenMainDialog& dialog) {
    EXPECT_EQ(dialog.Caption(), "Welcome to use");
    EXPECT_EQ(dialog.Text(IDC_TYPE_LABEL), "Type:");
    EXPECT_EQ(dialog.Text(IDC_LANGUAGE_LABEL), "Lanuage:");
    EXPECT_EQ(dialog.Text(IDC_INSTALL), "Install");
    EXPECT_EQ(dialog.Text(IDC_USB_DRIVER), "Install USB Driver");
}

TEST(MainDialog, FillsBothListsAndUsesChineseForCodeOne) {
    OpenMainDialog dialog("BeamDraft", 1);
    ASSERT_NE(dialog.Handle(), nullptr);
    ExpectChinese(dialog);
    EXPECT_EQ(ComboRows(dialog.Item(IDC_TYPE_LIST)),
              (Rows{"BeamDraft", "Plugin For CorelDraw", "Plugin For AutoCAD",
                                        "Plugin For Illustrator CS"}));
    EXPECT_EQ(ComboRows(dialog.Item(IDC_LANGUAGE_LIST)),
              (Rows{"简体中文", "Traditional Chinese", "English", "Other"}));
    EXPECT_EQ(dialog.Selected(IDC_TYPE_LIST), 0);
    EXPECT_EQ(dialog.Selected(IDC_LANGUAGE_LIST), 0);
}

TEST(MainDialog, OtherCodesUseEnglishAndSelectTheirRow) {
    for (int code : {2, 3, 4}) {
        OpenMainDialog dialog("BeamDraft", code);
        ExpectEnglish(dialog);
        EXPECT_EQ(dialog.Selected(IDC_LANGUAGE_LIST), code - 1);
    }
}

TEST(MainDialog, ShowsTheProductNameAsGivenEvenWhenEmpty) {
    OpenMainDialog dialog("", 3);
    EXPECT_EQ(ComboRows(dialog.Item(IDC_TYPE_LIST)).at(0), "");
    EXPECT_EQ(::SendMessageW(dialog.Item(IDC_TYPE_LIST), CB_GETCOUNT, 0, 0), 4);
}

TEST(MainDialog, RelabelsOnLanguageChangeWithoutTouchingTheLists) {
    OpenMainDialog dialog("BeamDraft", 1);
    ::SendMessageW(dialog.Item(IDC_TYPE_LIST), CB_SETCURSEL, 2, 0);
    dialog.ChooseLanguage(3);
    ExpectEnglish(dialog);
    dialog.ChooseLanguage(1);
    ExpectEnglish(dialog);
    dialog.ChooseLanguage(0);
    ExpectChinese(dialog);
    EXPECT_EQ(dialog.Selected(IDC_TYPE_LIST), 2);
    EXPECT_EQ(ComboRows(dialog.Item(IDC_LANGUAGE_LIST)).size(), 4u);
}

TEST(MainDialog, AddsTheAboutItemAndKeepsTheSpareDriverButtonHidden) {
    OpenMainDialog dialog("BeamDraft", 1);
    HMENU menu = ::GetSystemMenu(dialog.Handle(), FALSE);
    int items = ::GetMenuItemCount(menu);
    ASSERT_GE(items, 2);
    EXPECT_EQ(::GetMenuItemID(menu, items - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, IDM_ABOUTBOX, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(win::ToUtf8(text), "About Setup(&A)...");
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(items - 2), TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    HWND spare = dialog.Item(IDC_DRIVER_HIDDEN);
    ASSERT_NE(spare, nullptr);
    EXPECT_FALSE(::IsWindowVisible(spare));
    EXPECT_FALSE(::IsWindowEnabled(spare));
    HWND usbDriver = dialog.Item(IDC_USB_DRIVER);
    EXPECT_TRUE(::IsWindowVisible(usbDriver) && ::IsWindowEnabled(usbDriver)) << "the way to the drivers is this button";
    EXPECT_NE(::SendMessageW(dialog.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(::SendMessageW(dialog.Handle(), WM_QUERYDRAGICON, 0, 0), 0);
}

}  // namespace
}  // namespace app
