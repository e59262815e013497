#include "guidriver/window.h"

#include "guidriver/text.h"

namespace guidriver {

namespace {

constexpr UINT kAnswerTimeoutMs = 10000;
constexpr int kMessageTextId = 0xFFFF;
constexpr Duration kActivationTimeout(5000);

bool SameClass(const std::string& a, const char* b) { return ::lstrcmpiA(a.c_str(), b) == 0; }

LRESULT SendTo(HWND target, UINT message, WPARAM wParam, LPARAM lParam, const std::string& who) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result)) {
        throw DriverError(who + " does not answer (message " + std::to_string(message) + ")");
    }
    return static_cast<LRESULT>(result);
}

UINT VirtualKeyOf(Key key) {
    switch (key) {
        case Key::Escape: return VK_ESCAPE;
        case Key::Enter: return VK_RETURN;
        case Key::Tab: return VK_TAB;
        case Key::Space: return VK_SPACE;
        case Key::Up: return VK_UP;
        case Key::Down: return VK_DOWN;
    }
    return 0;
}

// Keyboard message parameters as the system fills them for a single press.
LPARAM KeyParameters(UINT virtualKey, bool release) {
    LPARAM value = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (virtualKey == VK_UP || virtualKey == VK_DOWN) value |= LPARAM(1) << 24;
    if (release) value |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    return value;
}

}  // namespace

bool Window::Exists() const { return handle_ && ::IsWindow(handle_); }

DWORD Window::ProcessId() const {
    DWORD id = 0;
    ::GetWindowThreadProcessId(handle_, &id);
    return id;
}

std::string Window::ClassName() const {
    wchar_t name[256] = {};
    ::GetClassNameW(handle_, name, 256);
    return Narrow(name);
}

int Window::Id() const { return ::GetDlgCtrlID(handle_); }

std::string Window::Describe() const {
    if (::GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) return "control " + std::to_string(Id());
    return "window \"" + Text() + "\"";
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendTo(handle_, message, wParam, lParam, Describe());
}

// Edit and combo boxes keep their text themselves and must be asked; every
// other window's text is read without a message, so it reads even while the
// program is busy and not answering messages.
std::string Window::Text() const {
    if (!Exists()) throw DriverError("the window is gone");
    const std::string className = ClassName();
    if (SameClass(className, "Edit") || SameClass(className, "ComboBox")) {
        std::wstring text(static_cast<size_t>(Send(WM_GETTEXTLENGTH)) + 1, L'\0');
        text.resize(static_cast<size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
        return Narrow(text);
    }
    std::wstring text(32768, L'\0');
    text.resize(static_cast<size_t>(::InternalGetWindowText(handle_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::optional<Window> Window::FindControl(int id) const {
    HWND control = ::GetDlgItem(handle_, id);
    if (!control) return std::nullopt;
    return Window(control);
}

Window Window::Control(int id) const {
    if (auto control = FindControl(id)) return *control;
    throw DriverError(Describe() + " has no control " + std::to_string(id));
}

std::vector<Window> Window::Children() const {
    std::vector<Window> children;
    for (HWND child = ::GetWindow(handle_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.emplace_back(child);
    }
    return children;
}

bool Window::IsList() const {
    const std::string className = ClassName();
    return SameClass(className, "ComboBox") || SameClass(className, "ListBox");
}

std::vector<std::string> Window::Items() const {
    if (!IsList()) throw DriverError(Describe() + " is not a list");
    const bool combo = SameClass(ClassName(), "ComboBox");
    const LRESULT count = Send(combo ? CB_GETCOUNT : LB_GETCOUNT);
    std::vector<std::string> items;
    for (LRESULT row = 0; row < count; ++row) {
        const LRESULT length = Send(combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, row);
        std::wstring item(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const LRESULT copied =
            Send(combo ? CB_GETLBTEXT : LB_GETTEXT, row, reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        items.push_back(Narrow(item));
    }
    return items;
}

int Window::SelectedRow() const {
    if (!IsList()) throw DriverError(Describe() + " is not a list");
    const bool combo = SameClass(ClassName(), "ComboBox");
    return static_cast<int>(Send(combo ? CB_GETCURSEL : LB_GETCURSEL));
}

bool Window::IsVisible() const { return (::GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }

bool Window::IsEnabled() const { return (::GetWindowLongW(handle_, GWL_STYLE) & WS_DISABLED) == 0; }

bool Window::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

bool Window::IsActive() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(handle_, nullptr), &info) && info.hwndActive == handle_;
}

std::optional<Window> Window::FocusedControl() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(handle_, nullptr), &info)) return std::nullopt;
    HWND focus = info.hwndFocus;
    if (!focus || focus == handle_ || !::IsChild(handle_, focus)) return std::nullopt;
    // The focus may sit in a part of a control (the edit field of a combo box).
    while (::GetParent(focus) != handle_) focus = ::GetParent(focus);
    return Window(focus);
}

void Window::RequireUsable() const {
    if (!Exists()) throw DriverError("the window is gone");
    if (!::IsWindowVisible(handle_)) throw DriverError(Describe() + " is hidden");
    if (!::IsWindowEnabled(handle_)) throw DriverError(Describe() + " is disabled");
    HWND root = ::GetAncestor(handle_, GA_ROOT);
    if (root != handle_ && !::IsWindowEnabled(root)) {
        throw DriverError(Window(root).Describe() + " is disabled (a modal window is open)");
    }
}

// As a user's choice in the drop-down list: the row is selected and the
// owner gets the selection-change notification before this returns.
void Window::SelectRow(int row) const {
    RequireUsable();
    const auto count = static_cast<int>(Items().size());
    if (row < 0 || row >= count) {
        throw DriverError(Describe() + " has no row " + std::to_string(row) + " (rows: " + std::to_string(count) + ")");
    }
    const bool combo = SameClass(ClassName(), "ComboBox");
    Send(combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(row));
    const WORD notification = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    SendTo(::GetParent(handle_), WM_COMMAND, MAKEWPARAM(Id(), notification), reinterpret_cast<LPARAM>(handle_),
           "the owner of " + Describe());
}

int Window::SelectText(const std::string& text) const {
    const auto items = Items();
    for (size_t row = 0; row < items.size(); ++row) {
        if (items[row] == text) {
            SelectRow(static_cast<int>(row));
            return static_cast<int>(row);
        }
    }
    throw DriverError(Describe() + " has no row \"" + text + "\"");
}

void Window::Type(const std::string& text) const {
    RequireUsable();
    const std::wstring wide = Widen(text);
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// Posted, not sent: the click may open a modal window that runs until the
// test closes it.
void Window::Click() const {
    RequireUsable();
    if (!::PostMessageW(handle_, BM_CLICK, 0, 0)) throw DriverError("cannot click " + Describe());
}

void Window::Focus() const {
    RequireUsable();
    SendTo(::GetParent(handle_), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(handle_), TRUE, "the owner of " + Describe());
}

// The key goes where the keyboard focus of the window is, through the
// program's own message loop, as a real key press does.
void Window::PressKey(Key key) const {
    RequireUsable();
    const Window root(::GetAncestor(handle_, GA_ROOT));
    // A dialog that has just opened takes the focus when it is activated.
    PollUntil(kActivationTimeout, [&] { return root.IsActive(); });
    const HWND target = root.FocusedControl().value_or(root).Handle();
    const UINT virtualKey = VirtualKeyOf(key);
    if (!::PostMessageW(target, WM_KEYDOWN, virtualKey, KeyParameters(virtualKey, false)) ||
        !::PostMessageW(target, WM_KEYUP, virtualKey, KeyParameters(virtualKey, true))) {
        throw DriverError("cannot send a key to " + root.Describe());
    }
}

void Window::SystemCommand(UINT command) const {
    RequireUsable();
    if (!::PostMessageW(handle_, WM_SYSCOMMAND, command, 0)) {
        throw DriverError("cannot send system command " + std::to_string(command) + " to " + Describe());
    }
}

std::string Window::MessageText() const {
    const Window text = Control(kMessageTextId);
    if (!SameClass(text.ClassName(), "Static")) throw DriverError(Describe() + " is not a message box");
    return text.Text();
}

void Window::PressOk() const { Control(IDOK).Click(); }

void Window::WaitUntilClosed(Duration timeout) const {
    if (!PollUntil(timeout, [&] { return !Exists(); })) {
        throw DriverError(Describe() + " is still open after " + std::to_string(timeout.count() / 1000) + " s");
    }
}

void Window::WaitForText(const std::string& text, Duration timeout) const {
    if (!PollUntil(timeout, [&] { return Text() == text; })) {
        throw DriverError(Describe() + " reads \"" + Text() + "\", not \"" + text + "\", after " +
                          std::to_string(timeout.count() / 1000) + " s");
    }
}

}  // namespace guidriver
