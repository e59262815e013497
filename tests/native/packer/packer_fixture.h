#pragma once
// Real folders and files under the system's temporary folder, and the packer's
// command line run in-process with its streams captured.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "common/archive_builder.h"
#include "payload/integrity.h"

namespace packer_test {

namespace fs = std::filesystem;
using test_archive::Bytes;

struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

inline RunResult RunPacker(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    RunResult result;
    result.code = setuppack::RunSetupPack(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

using test_archive::Le32;
using test_archive::RandomBytes;

// A stub that reserves an empty integrity block, as Setup.exe does, between other bytes.
inline Bytes StubWithBlock(Bytes head = RandomBytes(600, 21)) {
    const std::string marker = payload::IntegrityMarker();
    head.insert(head.end(), marker.begin(), marker.end());
    head.resize(head.size() + payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize, 0);
    const Bytes tail = RandomBytes(400, 22);
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A scratch folder per test, removed afterwards.
class PackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("setuppack-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(std::random_device{}()));
        fs::remove_all(root_);
        fs::create_directories(Payload());
        WriteAll(Stub(), RandomBytes(1001, 7));
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Root() const { return root_; }
    fs::path Payload() const { return root_ / "payload"; }
    fs::path Stub() const { return root_ / "Setup.exe"; }
    fs::path Installer() const { return root_ / "installer.exe"; }

    void AddFile(const std::string& relative, const Bytes& bytes) { WriteAll(Payload() / relative, bytes); }
    void AddFile(const std::string& relative, const std::string& text) { AddFile(relative, Text(text)); }

    RunResult Build(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> arguments = {"build", "--stub", Stub().string(), "--payload", Payload().string(),
                                              "--out", Installer().string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunPacker(arguments);
    }

private:
    fs::path root_;
};

}  // namespace packer_test
