#pragma once
// Whether this program runs on 64-bit Windows.

namespace win {

// The 32-bit build asks IsWow64Process, looked up at run time because older
// systems lack it (absent: false; a failing call: false). The 64-bit build
// runs only on 64-bit Windows and answers true.
bool IsRunningOnWow64();

// Whether Windows redirects this program's accesses below the system folder to
// SysWOW64: only a 32-bit program on 64-bit Windows.
bool IsSystemFolderRedirected();

}  // namespace win
