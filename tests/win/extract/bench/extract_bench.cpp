// Extraction against a plain copy of the same files on the same disk.
//   extract_bench [rounds]
// Builds a payload of the shipped shape (128 entries in the shipped folders,
// about 118 MB, the largest 20 MB) under the temp folder, then times in each
// round the integrity check plus ExtractProductPayload, as a command runs them,
// and CopyFileA of exactly the files it writes,
// alternating which goes first. Prints the medians and their ratio, and the
// peak working set that one extraction adds to a fresh process: this process
// has already peaked while building the inputs, so its own peak says nothing.
//   extract_bench --memory INSTALLER ROOT WINDOWS   (that fresh process)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "payload/archive_format.h"
#include "payload/extract_win32.h"
#include "support/temp_folder.h"
#include "win/file_win32.h"

namespace {

constexpr uint64_t kMiB = 1024 * 1024;
constexpr uint64_t kPayloadBytes = 118 * kMiB;
constexpr uint32_t kLargestEntry = 20 * kMiB;

struct BenchEntry {
    std::string name;
    uint32_t size = 0;
};

// The shipped folder order and entry counts; the first VRXPrograms entry is the largest.
std::vector<BenchEntry> ShippedShape() {
    const std::pair<const char*, int> folders[] = {
        {"LXDriver", 14}, {"VRXDriver", 10}, {"VRXDriver\\amd64", 3}, {"VRXDriver\\x86", 3}, {"VrxAi", 13},
        {"VRXCad", 5},    {"VRXCorel", 11},  {"VRXFonts", 6},         {"VRXPrograms", 63}};
    std::vector<BenchEntry> entries;
    std::vector<double> weights;
    uint32_t state = 12345;
    for (const auto& [folder, count] : folders) {
        for (int i = 0; i < count; ++i) {
            entries.push_back({std::string(folder) + "\\file" + std::to_string(i) + ".bin", 0});
            state = state * 1103515245u + 12345u;
            const double u = 0.02 + (state >> 8 & 0xFFFF) / 65536.0;
            weights.push_back(u * u * u * u);  // many small files, a few large ones
        }
    }
    const size_t largest = entries.size() - 63;
    weights[largest] = 0;
    double total = 0;
    for (double w : weights) total += w;
    const double rest = static_cast<double>(kPayloadBytes - kLargestEntry);
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].size = std::max<uint32_t>(1, static_cast<uint32_t>(rest * weights[i] / total));
    entries[largest].size = kLargestEntry;
    return entries;
}

// Fills buffer with bytes that depend on the entry and the position.
void FillChunk(std::vector<char>& buffer, uint32_t seed, uint64_t position) {
    uint32_t state = seed * 2654435761u ^ static_cast<uint32_t>(position);
    for (char& byte : buffer) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
}

// Appends to the installer and sums what it appends, as the packer does.
class SummedWriter {
public:
    explicit SummedWriter(win::File& out) : out_(out) {}
    void Write(const void* data, size_t size) {
        out_.Write(data, size);
        crc_ = payload::Crc32(crc_, data, size);
        length_ += size;
    }
    payload::IntegrityBlock Block() const { return {length_, crc_}; }

private:
    win::File& out_;
    uint32_t crc_ = 0;
    uint64_t length_ = 0;
};

template <typename Out>
void WriteData(Out& out, uint32_t seed, uint32_t size, std::vector<char>& chunk) {
    for (uint64_t done = 0; done < size; done += chunk.size()) {
        FillChunk(chunk, seed, done);
        out.Write(chunk.data(), static_cast<size_t>(std::min<uint64_t>(chunk.size(), size - done)));
    }
}

void CreateFolders(const std::string& root, const std::vector<BenchEntry>& entries) {
    ::CreateDirectoryA(root.c_str(), nullptr);
    for (const BenchEntry& entry : entries) {
        const std::string folder = root + entry.name.substr(0, entry.name.rfind('\\'));
        ::CreateDirectoryA(folder.substr(0, folder.find('\\', root.size())).c_str(), nullptr);
        ::CreateDirectoryA(folder.c_str(), nullptr);
    }
}

// The source files for the copy, and the installer: an image stand-in plus the
// archive. Returns the block the packer would store for it.
payload::IntegrityBlock MakeInputs(const std::string& sources, const std::string& installer,
                                   const std::vector<BenchEntry>& entries) {
    std::vector<char> chunk(kMiB);
    CreateFolders(sources, entries);
    win::File setup = win::File::CreateAlways(installer);
    const std::string image(1 << 20, 'I');
    setup.Write(image.data(), image.size());
    SummedWriter archive(setup);
    std::vector<uint32_t> offsets;
    uint64_t position = image.size();
    for (uint32_t i = 0; i < entries.size(); ++i) {
        win::File source = win::File::CreateAlways(sources + entries[i].name);
        WriteData(source, i, entries[i].size, chunk);
        std::string header = entries[i].name;
        header.resize(payload::kNameHeaderSize, '\0');
        archive.Write(header.data(), header.size());
        WriteData(archive, i, entries[i].size, chunk);
        offsets.push_back(static_cast<uint32_t>(position));
        position += header.size() + entries[i].size;
    }
    offsets.push_back(static_cast<uint32_t>(position));
    offsets.push_back(static_cast<uint32_t>(offsets.size()));  // the count follows the table
    archive.Write(offsets.data(), offsets.size() * sizeof(uint32_t));  // little-endian on x86
    return archive.Block();
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double Timed(Work work) {
    LARGE_INTEGER from, to;
    ::QueryPerformanceCounter(&from);
    work();
    ::QueryPerformanceCounter(&to);
    return Seconds(from, to);
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MiB(uint64_t bytes) { return static_cast<double>(bytes) / kMiB; }

// The fresh process: the peak after one extraction against the working set
// before it (not the peak before, which start-up may have raised).
int MeasureExtraction(const std::string& installer, const std::string& root, const std::string& windows) {
    const PROCESS_MEMORY_COUNTERS before = Memory();
    if (!payload::ExtractProductPayload(root, {installer, windows})) {
        std::fprintf(stderr, "extraction failed\n");
        return 1;
    }
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::printf("peak working set added by one extraction in a fresh process: %.2f MiB "
                "(working set before %.2f MiB, peak before %.2f MiB, peak after %.2f MiB)\n",
                MiB(after.PeakWorkingSetSize - before.WorkingSetSize), MiB(before.WorkingSetSize),
                MiB(before.PeakWorkingSetSize), MiB(after.PeakWorkingSetSize));
    return 0;
}

// A command-line argument in quotes; a trailing backslash is doubled so that it
// does not escape the closing quote.
std::string Quoted(const std::string& path) {
    return "\"" + path + (!path.empty() && path.back() == '\\' ? "\\" : "") + "\"";
}

// Runs this program again with --memory and waits for it; it prints its own line.
bool MeasureInFreshProcess(const std::string& installer, const std::string& root, const std::string& windows) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = Quoted(self) + " --memory " + Quoted(installer) + " " + Quoted(root) + " " + Quoted(windows);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info = {};
    std::fflush(stdout);
    if (!::CreateProcessA(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return false;
    win::UniqueHandle process(info.hProcess), thread(info.hThread);
    DWORD code = 1;
    ::WaitForSingleObject(process.get(), INFINITE);
    ::GetExitCodeProcess(process.get(), &code);
    return code == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--memory")
        return argc == 5 ? MeasureExtraction(argv[2], argv[3], argv[4]) : 3;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string work = std::string(temp) + "extract_bench\\";
    testing_support::RemoveTree(work);
    ::CreateDirectoryA(work.c_str(), nullptr);
    const std::string sources = work + "sources\\", installer = work + "Setup.exe";
    const std::string extracted = work + "extracted\\", copied = work + "copied\\", windows = work + "windows\\";

    const std::vector<BenchEntry> entries = ShippedShape();
    std::vector<BenchEntry> written;  // what the product mode writes, and so what the copy copies
    uint64_t writtenBytes = 0, payloadBytes = 0;
    for (const BenchEntry& entry : entries) {
        payloadBytes += entry.size;
        const std::string folder = entry.name.substr(0, entry.name.rfind('\\'));
        if (payload::DestinationOf(payload::ExtractMode::Product, folder) != payload::Destination::UnderRoot) continue;
        written.push_back(entry);
        writtenBytes += entry.size;
    }
    const payload::IntegrityBlock block = MakeInputs(sources, installer, entries);
    ::CreateDirectoryA(windows.c_str(), nullptr);
    std::printf("payload: %zu entries, %.1f MiB, largest %.1f MiB; product mode writes %zu files, %.1f MiB\n",
                entries.size(), MiB(payloadBytes), MiB(kLargestEntry), written.size(), MiB(writtenBytes));

    ::CreateDirectoryA(extracted.c_str(), nullptr);
    if (!MeasureInFreshProcess(installer, extracted, windows)) {
        std::fprintf(stderr, "the memory measurement failed\n");
        return 1;
    }
    std::vector<double> extractTimes, copyTimes, checkTimes;
    for (int round = 0; round < rounds; ++round) {
        testing_support::RemoveTree(extracted);
        testing_support::RemoveTree(copied);
        ::CreateDirectoryA(extracted.c_str(), nullptr);
        // As Setup.exe runs a command: the check, then the extraction.
        double checkTime = 0;
        const auto extract = [&] {
            checkTime = Timed([&] {
                if (payload::CheckPayloadIntegrity({installer, windows}, block).status !=
                    payload::IntegrityStatus::Intact) {
                    std::fprintf(stderr, "the integrity check failed\n");
                    std::exit(1);
                }
            });
            if (!payload::ExtractProductPayload(extracted, {installer, windows})) {
                std::fprintf(stderr, "extraction failed\n");
                std::exit(1);
            }
        };
        const auto copy = [&] {
            CreateFolders(copied, written);
            for (const BenchEntry& entry : written) {
                if (!::CopyFileA((sources + entry.name).c_str(), (copied + entry.name).c_str(), FALSE)) {
                    std::fprintf(stderr, "copy of %s failed\n", entry.name.c_str());
                    std::exit(1);
                }
            }
        };
        double extractTime = 0, copyTime = 0;
        if (round % 2 == 0) {
            extractTime = Timed(extract);
            copyTime = Timed(copy);
        } else {
            copyTime = Timed(copy);
            extractTime = Timed(extract);
        }
        std::printf("round %d: check and extract %.3f s (the check %.3f s), copy %.3f s\n", round + 1, extractTime,
                    checkTime, copyTime);
        checkTimes.push_back(checkTime);
        extractTimes.push_back(extractTime);
        copyTimes.push_back(copyTime);
    }

    const double extractMedian = Median(extractTimes), copyMedian = Median(copyTimes);
    std::printf("median of %d rounds: check and extract %.3f s (%.0f MiB/s), CopyFileA %.3f s (%.0f MiB/s), ratio %.3f\n",
                rounds, extractMedian, MiB(writtenBytes) / extractMedian, copyMedian,
                MiB(writtenBytes) / copyMedian, extractMedian / copyMedian);
    std::printf("median of the check alone: %.3f s, %.3f of CopyFileA\n", Median(checkTimes),
                Median(checkTimes) / copyMedian);
    testing_support::RemoveTree(work);
    return 0;
}
