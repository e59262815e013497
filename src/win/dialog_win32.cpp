#include "win/dialog_win32.h"

#include <new>

#include "win/message_box_win32.h"

namespace win {

HINSTANCE ResourceModule() { return ::GetModuleHandleW(nullptr); }

std::wstring LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(ResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

namespace {

// Modal dialogs open centred on their owner, or on the work area when they have
// none; modeless windows stay where the template or their caller puts them.
void CenterModal(HWND hwnd) {
    LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    if ((style & (DS_CENTERMOUSE | DS_ABSALIGN)) != 0) return;
    RECT window;
    ::GetWindowRect(hwnd, &window);
    HWND owner = ::GetWindow(hwnd, GW_OWNER);
    RECT area;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() {
    if (hwnd_ != nullptr && !modal_) ::DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal() {
    modal_ = true;
    return ::DialogBoxParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless() {
    modal_ = false;
    return ::CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                                reinterpret_cast<LPARAM>(this));
}

void Dialog::SetItemText(int id, const std::wstring& text) const { ::SetDlgItemTextW(hwnd_, id, text.c_str()); }

void Dialog::SetCaption(const std::wstring& text) const { ::SetWindowTextW(hwnd_, text.c_str()); }

void Dialog::OnCommand(int controlId, int notification, Handler handler) {
    commands_.push_back({controlId, notification, std::move(handler)});
}

INT_PTR Dialog::OnMessage(UINT, WPARAM, LPARAM, bool&) { return 0; }

void Dialog::EndModal(INT_PTR result) {
    if (modal_) ::EndDialog(hwnd_, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        BOOL focusDefault = self->OnInitDialog() ? TRUE : FALSE;
        if (self->modal_) CenterModal(hwnd);
        return focusDefault;
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        if (RunCommand(id, code)) return TRUE;
        if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) {
            EndModal(id);
            return TRUE;
        }
        return FALSE;
    }
    bool handled = false;
    INT_PTR result = OnMessage(message, wParam, lParam, handled);
    if (!handled) return FALSE;
    // Messages that return a value other than TRUE/FALSE from a dialog procedure.
    if (message == WM_QUERYDRAGICON || message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC ||
        message == WM_CTLCOLORBTN || message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        return result;
    }
    ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

bool Dialog::RunCommand(int controlId, int notification) {
    for (const Command& command : commands_) {
        if (command.controlId == controlId && command.notification == notification) {
            // A task that waits answers sent messages, a command among them: it would run inside this one.
            if (!commandRunning_) RunGuarded(command.handler);
            return true;
        }
    }
    return false;
}

void Dialog::ReportFileError(const FileError& error) { ShowMessage(hwnd_, FileErrorText(error)); }

// An exception unwinding through a window procedure ends a 32-bit process.
void Dialog::RunGuarded(const Handler& handler) {
    commandRunning_ = true;
    try {
        handler();
    } catch (const FileError& error) {
        ReportFileError(error);
    } catch (const std::bad_alloc&) {
        ShowMessage(hwnd_, L"Not enough memory.");
    }
    commandRunning_ = false;
}

}  // namespace win
