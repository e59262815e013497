// The path dialog's layout for every install type and language, at the
// prefix's DPI and at 144 DPI: each text fits its control, and the controls
// lie inside the dialog without covering one another.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "install/install_path_dialog_win32.h"
#include "install/install_path_texts.h"
#include "win/unique_resource_win32.h"

namespace install {
namespace {

constexpr char kExpectedDpiVariable[] = "LAYOUT_EXPECTED_DPI";

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
    for (int type : {kProductInstall, kCorelDrawPlugin, kAutoCadPlugin, kIllustratorPlugin}) {
        for (int language : {0, 2}) {
            SCOPED_TRACE("type " + std::to_string(type) + ", language row " + std::to_string(language) + ", " +
                         std::to_string(dpi) + " DPI");
            InstallPathDialog dialog(nullptr);
            dialog.SetLanguageIndex(language);
            dialog.SetInstallType(type);
            ASSERT_NE(dialog.CreateModeless(), nullptr);
            ExpectTidy(dialog.Handle());
        }
    }
}

// The DPI a new process takes at start-up, set for the user until this goes away.
class NewProcessDpi {
public:
    explicit NewProcessDpi(DWORD dpi) {
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                              nullptr, key_.put(), nullptr) != ERROR_SUCCESS) {
            return;
        }
        DWORD size = sizeof previous_;
        hadPrevious_ = ::RegQueryValueExW(key_.get(), kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                          &size) == ERROR_SUCCESS;
        set_ = ::RegSetValueExW(key_.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) ==
               ERROR_SUCCESS;
    }
    ~NewProcessDpi() {
        if (!set_) return;
        if (hadPrevious_) {
            ::RegSetValueExW(key_.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_), sizeof previous_);
        } else {
            ::RegDeleteValueW(key_.get(), kValue);
        }
    }
    NewProcessDpi(const NewProcessDpi&) = delete;
    NewProcessDpi& operator=(const NewProcessDpi&) = delete;
    bool IsSet() const { return set_; }

private:
    static constexpr const wchar_t* kValue = L"LogPixels";
    win::UniqueHkey key_;
    DWORD previous_ = 0;
    bool hadPrevious_ = false;
    bool set_ = false;
};

// This test program once more, running only the layout test; its exit code.
DWORD RunLayoutTestInNewProcess() {
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --gtest_filter=InstallPathDialogLayout.TextsFitAndControlsStayApart";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return static_cast<DWORD>(-1);
    }
    win::UniqueHandle process(info.hProcess);
    win::UniqueHandle thread(info.hThread);
    if (::WaitForSingleObject(process.get(), 120000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 1);
        return static_cast<DWORD>(-2);
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

TEST(InstallPathDialogLayout, TextsFitAndControlsStayApartAt144Dpi) {
    if (std::getenv(kExpectedDpiVariable)) GTEST_SKIP() << "already the process at the other DPI";
    NewProcessDpi dpi(144);
    ASSERT_TRUE(dpi.IsSet());
    ::SetEnvironmentVariableA(kExpectedDpiVariable, "144");
    const DWORD exitCode = RunLayoutTestInNewProcess();
    ::SetEnvironmentVariableA(kExpectedDpiVariable, nullptr);
    EXPECT_EQ(exitCode, 0u) << "the layout test at 144 DPI failed; its output is above";
}

}  // namespace
}  // namespace install
