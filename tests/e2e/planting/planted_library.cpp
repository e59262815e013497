// A library planted beside a program under a system library's name. When a
// process loads it, it leaves "<its name>.loaded" beside itself and refuses
// to stay, so the process goes on as if nothing had been found.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(self, path, MAX_PATH - 8);
    if (length == 0 || length >= MAX_PATH - 8) return FALSE;
    ::lstrcatA(path, ".loaded");
    HANDLE marker = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) ::CloseHandle(marker);
    return FALSE;
}
