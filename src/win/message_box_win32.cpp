#include "win/message_box_win32.h"

#include "common/path_text.h"
#include "win/text_win32.h"

namespace win {
namespace {

std::wstring ApplicationTitle() { return FromAnsi(text::FileTitleOf(OwnExecutablePath(), AnsiLeadByte)); }

std::wstring SystemReason(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(buffer, length) : L"Error " + std::to_wstring(code);
    ::LocalFree(buffer);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
        reason.pop_back();
    }
    return reason;
}

}  // namespace

void ShowMessage(HWND owner, const std::wstring& text) {
    ::MessageBoxW(owner, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

MessageSink MessageBoxesOver(HWND owner) {
    return [owner](const std::string& text) { ShowMessage(owner, FromUtf8(text)); };
}

std::wstring FileErrorText(const FileError& error) {
    return FromAnsi(error.path()) + L"\r\n" + SystemReason(error.code());
}

}  // namespace win
