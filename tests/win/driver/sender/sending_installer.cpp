// A driver installer that, as some real ones do, sends messages to the setup
// program's windows while it runs: it asks the main window (its handle in
// SENDER_MAIN_WINDOW) for its text, then the progress bar of the window the
// main window owns for its position. Each send gives up after a few seconds.
// It writes "<text>\n<ms to the answer or -1>\n<position or -1>\n" to the
// file named by SENDER_REPORT.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "win/unique_resource_win32.h"

namespace {

constexpr UINT kSendTimeoutMs = 4000;
constexpr DWORD kStartDelayMs = 500;  // the bar has moved by then

std::string Variable(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, MAX_PATH);
    return length < MAX_PATH ? std::string(value, length) : std::string();
}

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result) != 0;
}

BOOL CALLBACK FindOwned(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(context);
    if (::GetWindow(window, GW_OWNER) != search->first) return TRUE;
    search->second = window;
    return FALSE;
}

HWND ProgressBarOwnedBy(HWND main) {
    std::pair<HWND, HWND> search{main, nullptr};
    ::EnumThreadWindows(::GetWindowThreadProcessId(main, nullptr), FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.second != nullptr ? ::FindWindowExW(search.second, nullptr, PROGRESS_CLASSW, nullptr) : nullptr;
}

}  // namespace

int main() {
    const auto main = reinterpret_cast<HWND>(std::strtoull(Variable("SENDER_MAIN_WINDOW").c_str(), nullptr, 10));
    ::Sleep(kStartDelayMs);

    char text[64] = {};
    DWORD_PTR copied = 0;
    const DWORD start = ::GetTickCount();
    const bool answered = Send(main, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), copied);
    const long answerMs = answered ? static_cast<long>(::GetTickCount() - start) : -1;

    DWORD_PTR position = 0;
    const HWND bar = ProgressBarOwnedBy(main);
    const bool read = bar != nullptr && Send(bar, PBM_GETPOS, 0, 0, position);

    const std::string report = std::string(answered ? text : "") + "\n" + std::to_string(answerMs) + "\n" +
                               std::to_string(read ? static_cast<long>(position) : -1L) + "\n";
    win::UniqueFile file(::CreateFileA(Variable("SENDER_REPORT").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.get(), report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    return 0;
}
