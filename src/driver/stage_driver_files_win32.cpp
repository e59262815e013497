#include "driver/stage_driver_files_win32.h"

#include <windows.h>

#include <cstdint>
#include <new>
#include <stdexcept>

#include "driver/modem_log.h"
#include "shared/plan_executor_win32.h"
#include "win/unique_resource_win32.h"
#include "win/text_win32.h"

namespace driver {
namespace {

// The log is read whole, with one read into one buffer of its length.
constexpr std::uint64_t kLongestLog = 0xFFFFFFFFu;

// The platform may be writing its log while we read it.
win::UniqueFile OpenLog(const std::string& path) {
    return win::UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::optional<std::string> ReadWholeLog(const std::string& path) {
    const win::UniqueFile log = OpenLog(path);
    LARGE_INTEGER length;
    if (!log || !::GetFileSizeEx(log.get(), &length)) return std::nullopt;
    if (static_cast<std::uint64_t>(length.QuadPart) > kLongestLog) return std::nullopt;
    std::string bytes;
    try {
        bytes.resize(static_cast<size_t>(length.QuadPart));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
    DWORD got = 0;
    if (!::ReadFile(log.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::optional<std::string> FindModemStoreFolderInFile(const std::string& logPath) {
    const std::optional<std::string> log = ReadWholeLog(logPath);
    return log ? FindModemStoreFolder(*log) : std::nullopt;
}

void StageDriverFiles(const std::string& sourceFolder, const SystemFacts& givenFacts) {
    const SystemFacts system = Completed(givenFacts);
    const std::optional<std::string> systemFolder = system.systemFolder();
    if (!systemFolder) return;

    StagingFacts facts;
    facts.windowsBase = WindowsBaseOf(*systemFolder, win::AnsiLeadByte);
    facts.version = system.windowsVersion();
    facts.is64Bit = system.is64Bit();
    facts.systemFolderRedirected = system.systemFolderRedirected();
    if (NeedsModemStoreFolder(facts.version)) {
        facts.modemStoreFolder = FindModemStoreFolderInFile(SetupLogPathOf(facts.windowsBase));
    }
    shared::ApplyPlan(PlanDriverStaging(sourceFolder, facts));
}

}  // namespace driver
