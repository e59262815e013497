// The path dialog's layout for every install type and language at the
// prefix's DPI: each text fits its control, and the controls lie inside the
// dialog without covering one another. ctest runs it in the shared prefix at
// 96 DPI and in a prefix of its own at 144 DPI (extra.cmake), which names the
// DPI it expects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "install/install_path_dialog_win32.h"
#include "install/install_path_texts.h"

namespace install {
namespace {

constexpr char kExpectedDpiVariable[] = "LAYOUT_EXPECTED_DPI";  // set by the 144 DPI run

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// The size `text` takes in the control's font; `width` > 0 wraps it there.
SIZE TextSize(HWND control, const std::wstring& text, int width = 0) {
    HDC dc = ::GetDC(control);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box{0, 0, width, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
    ::DrawTextW(dc, text.c_str(), -1, &box, format);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return {box.right, box.bottom};
}

SIZE ClientSize(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return {client.right, client.bottom};
}

// What a control needs beside its text: a push button's edges, a check box's box.
int Decoration(HWND control) {
    const LONG kind = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX) return ::GetSystemMetrics(SM_CXMENUCHECK) + 2 * edge;
    return 4 * edge;
}

void ExpectTextFits(HWND control) {
    const std::wstring kind = ClassOf(control);
    const std::wstring text = TextOf(control);
    if (kind == L"ComboBox") {
        const auto rows = ::SendMessageW(control, CB_GETCOUNT, 0, 0);
        for (WPARAM row = 0; row < static_cast<WPARAM>(rows); ++row) {
            wchar_t item[256] = {};
            ::SendMessageW(control, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(item));
            EXPECT_LE(TextSize(control, item).cx + ::GetSystemMetrics(SM_CXVSCROLL), ClientSize(control).cx)
                << "combo box row " << row;
        }
    } else if (kind == L"Edit" && (::GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE)) {
        RECT format{};
        ::SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_LE(TextSize(control, text, format.right - format.left).cy, format.bottom - format.top)
            << "example text, wrapped";
    } else if (kind == L"Static" || (kind == L"Button" && !text.empty())) {
        const SIZE size = TextSize(control, text);
        const SIZE client = ClientSize(control);
        EXPECT_LE(size.cx, client.cx - (kind == L"Button" ? Decoration(control) : 0))
            << "text of control " << ::GetDlgCtrlID(control);
        EXPECT_LE(size.cy, client.cy) << "text of control " << ::GetDlgCtrlID(control);
    }
}

bool IsGroupBox(HWND control) {
    return ClassOf(control) == L"Button" && (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

RECT RectIn(HWND dialog, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void ExpectTidy(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    std::vector<HWND> controls;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    ASSERT_FALSE(controls.empty());
    for (size_t i = 0; i < controls.size(); ++i) {
        const RECT rect = RectIn(dialog, controls[i]);
        const int id = ::GetDlgCtrlID(controls[i]);
        EXPECT_TRUE(Contains(client, rect)) << "control " << id << " reaches outside the dialog";
        ExpectTextFits(controls[i]);
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const RECT other = RectIn(dialog, controls[j]);
            RECT overlap{};
            if (!::IntersectRect(&overlap, &rect, &other)) continue;
            // A group box frames controls; it must not cut through one.
            const bool framed = (IsGroupBox(controls[i]) && Contains(rect, other)) ||
                                (IsGroupBox(controls[j]) && Contains(other, rect));
            EXPECT_TRUE(framed) << "controls " << id << " and " << ::GetDlgCtrlID(controls[j]) << " overlap";
        }
    }
}

TEST(InstallPathDialogLayout, TextsFitAndControlsStayApart) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    if (const char* expected = std::getenv(kExpectedDpiVariable)) {
        ASSERT_EQ(dpi, std::atoi(expected));
    }
    for (InstallType type : {InstallType::Product, InstallType::CorelDraw, InstallType::AutoCad, InstallType::Illustrator}) {
        for (int language : {0, 2}) {
            SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)) + ", language row " + std::to_string(language) + ", " +
                         std::to_string(dpi) + " DPI");
            InstallPathDialog dialog(nullptr, type, shared::LanguageIndex{language});
            ASSERT_NE(dialog.CreateModeless(), nullptr);
            ExpectTidy(dialog.Handle());
        }
    }
}

}  // namespace
}  // namespace install
