// The structures this program hands to the system, checked against the sizes
// and offsets Windows expects in each build. The 32-bit build is compiled but
// never run on the build machines, so a header or packing mistake in its
// layouts must stop the compile.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstddef>

namespace {

constexpr bool k64 = sizeof(void*) == 8;

constexpr std::size_t Expected(std::size_t in32, std::size_t in64) { return k64 ? in64 : in32; }

static_assert(sizeof(BROWSEINFOA) == Expected(32, 64));
static_assert(offsetof(BROWSEINFOA, lpfn) == Expected(20, 40));
static_assert(offsetof(BROWSEINFOA, lParam) == Expected(24, 48));
static_assert(sizeof(STARTUPINFOA) == Expected(68, 104));
static_assert(offsetof(STARTUPINFOA, dwFlags) == Expected(44, 60));
static_assert(offsetof(STARTUPINFOA, hStdInput) == Expected(56, 80));
static_assert(sizeof(PROCESS_INFORMATION) == Expected(16, 24));
static_assert(offsetof(PROCESS_INFORMATION, dwProcessId) == Expected(8, 16));
static_assert(sizeof(PAINTSTRUCT) == Expected(64, 72));
// The same in both builds; the system checks their size fields.
static_assert(sizeof(OSVERSIONINFOA) == 148);
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
static_assert(sizeof(WIN32_FIND_DATAA) == 320);

}  // namespace
