#include "win/wow64_win32.h"

#include <windows.h>

namespace win {
namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

bool AskIsWow64Process() {
    HMODULE kernel = ::GetModuleHandleA("kernel32");
    if (!kernel) return false;
    FARPROC entry = ::GetProcAddress(kernel, "IsWow64Process");
    if (!entry) return false;
    // GetProcAddress hands out a generic pointer; its real type is known.
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void (*)()>(entry));
    BOOL wow64 = FALSE;
    if (!isWow64Process(::GetCurrentProcess(), &wow64)) return false;
    return wow64 != FALSE;
}

}  // namespace

bool IsRunningOnWow64() {
    if constexpr (sizeof(void*) == 8) return true;
    return AskIsWow64Process();
}

bool IsSystemFolderRedirected() {
    if constexpr (sizeof(void*) == 8) return false;
    return AskIsWow64Process();
}

}  // namespace win
