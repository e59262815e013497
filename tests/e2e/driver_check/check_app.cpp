// A small dialog that the driver's own tests act on: an edit box, a check
// box, a list box and a button that shows a message box. The label shows
// the last notification the dialog got; closing it ends the program with
// 21 when the box is checked, else 20.
#include <windows.h>

#include <string>

#include "check_app.h"

namespace {

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[512] = {};
    ::GetDlgItemTextW(dialog, id, text, 512);
    return text;
}

void ShowEvent(HWND dialog, const std::wstring& event) { ::SetDlgItemTextW(dialog, IDC_CHECK_EVENT, event.c_str()); }

void FillList(HWND dialog) {
    for (const wchar_t* row : {L"first", L"第二", L"third"}) {
        ::SendDlgItemMessageW(dialog, IDC_CHECK_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
}

void ShowMessage(HWND dialog) {
    const std::wstring text = ItemText(dialog, IDC_CHECK_EDIT) + L"\n第二行";
    const int answer = ::MessageBoxW(dialog, text.c_str(), L"Check", MB_OK | MB_ICONWARNING);
    ShowEvent(dialog, L"answer " + std::to_wstring(answer));
}

bool OnCommand(HWND dialog, int id, int code) {
    if (id == IDC_CHECK_EDIT && code == EN_CHANGE) ShowEvent(dialog, L"changed " + ItemText(dialog, id));
    else if (id == IDC_CHECK_LIST && code == LBN_SELCHANGE) {
        const auto row = ::SendDlgItemMessageW(dialog, id, LB_GETCURSEL, 0, 0);
        ShowEvent(dialog, L"row " + std::to_wstring(row));
    } else if (id == IDC_CHECK_SHOW && code == BN_CLICKED) ShowMessage(dialog);
    else if (id == IDCANCEL) ::EndDialog(dialog, ::IsDlgButtonChecked(dialog, IDC_CHECK_BOX) ? 21 : 20);
    else return false;
    return true;
}

INT_PTR CALLBACK CheckProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        FillList(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND) return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CHECK), nullptr, CheckProc, 0));
}
