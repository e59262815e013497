#pragma once
// A dialog is a template id plus a table that maps (control id, notification)
// to a handler. IDOK and IDCANCEL end a modal dialog unless the table maps them.
// The object's pointer travels in the creation parameter and is kept in DWLP_USER.
// Exceptions never leave a handler: a file-layer error ends only its command.
// Commands do not nest: one that arrives while another runs is ignored.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/file_win32.h"

namespace win {

class Dialog {
public:
    Dialog(int templateId, HWND parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value it ended with (-1 when it could not start).
    INT_PTR RunModal();
    // Creates the dialog as a modeless window owned by the parent; the object destroys it.
    HWND CreateModeless();

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    void SetItemText(int id, const std::wstring& text) const;
    void SetCaption(const std::wstring& text) const;

protected:
    using Handler = std::function<void()>;
    // Adds a row to the command table: notification code of control id runs handler.
    void OnCommand(int controlId, int notification, Handler handler);

    // The window exists; return true to let the platform focus the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // Messages other than commands; set handled to stop default processing.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    void EndModal(INT_PTR result);
    // A file-layer error ended a command: by default one message box naming the
    // file and the system's reason. The program goes on.
    virtual void ReportFileError(const FileError& error);

private:
    struct Command {
        int controlId;
        int notification;
        Handler handler;
    };
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool RunCommand(int controlId, int notification);
    void RunGuarded(const Handler& handler);

    int templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    bool commandRunning_ = false;  // a command that arrives meanwhile is ignored
    std::vector<Command> commands_;
};

// The module whose resources the dialogs use: the running executable.
HINSTANCE ResourceModule();
std::wstring LoadResourceString(UINT id);

}  // namespace win
