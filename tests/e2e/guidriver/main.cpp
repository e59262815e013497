// guidriver [-f SCRIPT] [COMMAND ...]
// Runs the commands of SCRIPT (UTF-8, one per line), then each further
// argument as one command line; stops at the first command that fails.
// Exit code: 0 all ok, 1 a command failed, 2 bad usage or unreadable script.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "guidriver/script.h"
#include "guidriver/text.h"
#include "win/unique_resource_win32.h"

namespace {

void WriteOut(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(guidriver::Narrow(words[i]));
    ::LocalFree(words);
    return arguments;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    win::UniqueFile file(::CreateFileW(guidriver::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return true;
}

}  // namespace

int main() {
    std::vector<std::string> arguments = Arguments();
    std::vector<std::string> lines;
    if (arguments.size() >= 2 && arguments[0] == "-f") {
        if (!ReadLines(arguments[1], lines)) {
            WriteOut("fail cannot read " + arguments[1]);
            return 2;
        }
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    lines.insert(lines.end(), arguments.begin(), arguments.end());
    if (lines.empty()) {
        WriteOut("fail usage: guidriver [-f SCRIPT] [COMMAND ...]");
        return 2;
    }
    guidriver::Script script(WriteOut);
    for (const auto& line : lines) {
        if (!script.RunLine(line)) return 1;
    }
    return 0;
}
