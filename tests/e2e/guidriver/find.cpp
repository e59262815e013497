#include "guidriver/find.h"

namespace guidriver {

namespace {

struct Search {
    DWORD processId;
    std::vector<Window> found;
};

BOOL CALLBACK CollectWindow(HWND handle, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    const Window window(handle);
    if (window.IsVisible() && (search.processId == 0 || window.ProcessId() == search.processId)) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::string Captions(const std::vector<Window>& windows) {
    std::string list;
    for (const auto& window : windows) {
        if (window.Exists()) list += (list.empty() ? "\"" : ", \"") + window.Text() + "\"";
    }
    return list.empty() ? "none" : list;
}

// A window may close while it is looked at; then it is no match.
template <typename Match>
bool MatchesStill(const Window& window, Match& match) {
    try {
        return match(window);
    } catch (const DriverError&) {
        return false;
    }
}

template <typename Match>
Window WaitForMatch(DWORD processId, Duration timeout, const std::string& what, Match match) {
    const auto found = PollUntil(timeout, [&]() -> std::optional<Window> {
        for (const auto& window : TopLevelWindows(processId)) {
            if (MatchesStill(window, match)) return window;
        }
        return std::nullopt;
    });
    if (found) return *found;
    throw DriverError("no " + what + " after " + std::to_string(timeout.count() / 1000) +
                      " s; windows: " + Captions(TopLevelWindows(processId)));
}

bool IsMessageBox(const Window& window) {
    if (window.ClassName() != "#32770" || !window.IsEnabled()) return false;
    const auto text = window.FindControl(0xFFFF);
    return text && ::lstrcmpiA(text->ClassName().c_str(), "Static") == 0;
}

}  // namespace

std::vector<Window> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Window WaitForWindow(const std::string& caption, DWORD processId, Duration timeout) {
    return WaitForMatch(processId, timeout, "window \"" + caption + "\"",
                        [&](const Window& window) { return window.Text() == caption; });
}

Window WaitForAnyWindow(DWORD processId, Duration timeout) {
    return WaitForMatch(processId, timeout, "window", [](const Window&) { return true; });
}

Window WaitForMessageBox(DWORD processId, Duration timeout, const std::string& caption) {
    return WaitForMatch(processId, timeout, "message box", [&](const Window& window) {
        return IsMessageBox(window) && (caption.empty() || window.Text() == caption);
    });
}

}  // namespace guidriver
