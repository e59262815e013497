#pragma once
// A window or control of another process, as a user sees and handles it.
// Window does not own the handle: the program under test does.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "guidriver/wait.h"

namespace guidriver {

enum class Key { Escape, Enter, Tab, Space, Up, Down };

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    bool Exists() const;
    DWORD ProcessId() const;
    std::string ClassName() const;
    int Id() const;

    // Caption of a top-level window, text of a control.
    std::string Text() const;
    Window Control(int id) const;  // throws when the window has no such control
    std::optional<Window> FindControl(int id) const;
    std::vector<Window> Children() const;  // direct children in tab (z-) order

    // Combo boxes and list boxes.
    std::vector<std::string> Items() const;
    int SelectedRow() const;  // -1 when no row is selected

    // Style flags: WS_VISIBLE / not WS_DISABLED of the window itself.
    bool IsVisible() const;
    bool IsEnabled() const;
    bool IsChecked() const;
    // The window is the active window of its thread (it has taken its activation).
    bool IsActive() const;
    // The control of this window that has the keyboard focus, if any.
    std::optional<Window> FocusedControl() const;

    // User actions. Actions that a user could not do (a hidden or disabled
    // control, or one behind a modal dialog) are refused with DriverError.
    void SelectRow(int row) const;
    int SelectText(const std::string& text) const;  // returns the row chosen
    void Type(const std::string& text) const;
    void Click() const;
    void Focus() const;
    void PressKey(Key key) const;
    void SystemCommand(UINT command) const;

    // Message boxes: the text is the static control 0xFFFF, OK is IDOK.
    std::string MessageText() const;
    void PressOk() const;

    void WaitUntilClosed(Duration timeout) const;
    void WaitForText(const std::string& text, Duration timeout) const;

private:
    std::string Describe() const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool IsList() const;
    void RequireUsable() const;

    HWND handle_ = nullptr;
};

}  // namespace guidriver
