// The install worker with the product type on real folders: a small archive of
// our own, supplied folders beside a stand-in setup folder, and shortcut
// folders of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../../common/archive_builder.h"
#include "install/install_command_win32.h"
#include "res/resource.h"
#include "support/shell_link_reader.h"
#include "support/temp_folder.h"
#include "win/dialog_win32.h"
#include "win/message_box_win32.h"
#include "win/text_win32.h"

namespace {

using testing_support::Exists;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

const std::vector<std::pair<std::string, std::string>> kPayload = {
    {"LXDriver\\UsbDriver.exe", "serial driver"},      {"VRXCad\\acad.lsp", "lisp"},
    {"VRXCad\\Fonts\\vrx.shx", "cad font"},            {"VRXCorel\\VRX.gms", "macro"},
    {"VRXDriver\\VrxUsb.inf", "usb inf"},              {"VRXFonts\\vrx.ttf", "font"},
    {"VRXPrograms\\BeamDraft.exe", "product"},         {"VRXPrograms\\Uninstall.exe", "uninstaller"},
    {"VrxAi\\VRXPlugin_CS6.aip", "illustrator plug-in"}};

constexpr int kRunWorker = 4000;  // a command row of the test's own

// Runs the installer as a command of a window of ours, and records the
// file-layer errors that end the command instead of showing them.
class RecordingDialog : public win::Dialog {
public:
    explicit RecordingDialog(std::function<void()> task) : win::Dialog(IDD_BUSY, nullptr) {
        OnCommand(kRunWorker, BN_CLICKED, std::move(task));
    }
    void RunAsCommand() { ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(kRunWorker, BN_CLICKED), 0); }
    std::vector<std::string> fileErrors;

protected:
    void ReportFileError(const win::FileError& error) override {
        fileErrors.push_back(win::ToUtf8(win::FileErrorText(error)));
    }
};

std::string WithoutBackslash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// The product installer with every seam pointing into a scratch folder.
class ProductInstall : public ::testing::Test {
protected:
    void SetUp() override {
        test_archive::ArchiveBuilder builder;
        const test_archive::Bytes archive = builder.AddAll(kPayload).Build();
        WriteBytes(scratch / "Setup.exe", std::string(archive.begin(), archive.end()));
        context.productName = "BeamDraft";
        context.extractSource = {scratch / "Setup.exe", scratch.MakeFolder("windows")};
        context.setupFolder = setup;
        context.shellFolder = [this](int csidl) -> std::optional<std::string> {
            return csidl == 0 ? desktop : programs;
        };
        request.type = shared::InstallType::Product;
        request.path = target;  // no trailing backslash
        request.language = shared::LanguageIndex{2};
    }

    // One installation; the message that ended it, if any, joins messages.
    void Install() {
        outcome = install::RunInstaller(request, context);
        if (!outcome.message.empty()) messages.push_back(outcome.message);
    }
    void ChooseLanguage(int row) { request.language = shared::LanguageIndex{row}; }
    std::string Product(const std::string& name) const { return target + "\\BeamDraft\\" + name; }
    std::string Installed(const std::string& name) const { return ReadBytes(Product(name)).value_or("<missing>"); }
    void Supply(const std::string& name, const std::string& bytes) {
        const size_t slash = name.find('\\');
        ::CreateDirectoryA((setup + name.substr(0, slash)).c_str(), nullptr);
        WriteBytes(setup + name, bytes);
    }

    TempFolder scratch;
    const std::string setup = scratch.MakeFolder("dist");
    // Folders as the user types them and as the shell names them: no trailing backslash.
    const std::string target = WithoutBackslash(scratch.MakeFolder("apps"));
    const std::string desktop = WithoutBackslash(scratch.MakeFolder("desktop"));
    const std::string programs = WithoutBackslash(scratch.MakeFolder("programs"));
    install::InstallContext context;
    shared::InstallRequest request;
    shared::InstallOutcome outcome;
    std::vector<std::string> messages;
};

TEST_F(ProductInstall, InstallsTheTreeAndASecondRunReplacesEverything) {
    Supply("VRXCfg\\SoftCfg.ini", "[BaseCfg]\r\nLanguage=1\r\nUnit=0\r\n[Laser]\r\nPower=60\r\n");
    Supply("VRXDoc\\Guide.txt", "guide");
    ::CreateDirectoryA((setup + "VRXDoc\\deep").c_str(), nullptr);
    WriteBytes(setup + "VRXDoc\\deep\\Deep.txt", "one level only");
    Supply("VRXRes\\title.ico", "icon");

    Install();
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Installed("VRXPrograms\\BeamDraft.exe"), "product");
    EXPECT_EQ(Installed("VRXFonts\\vrx.ttf"), "font");
    EXPECT_EQ(Installed("VRXDriver\\VrxUsb.inf"), "usb inf");
    EXPECT_FALSE(Exists(Product("LXDriver")));
    // Plug-in folders go; one with a sub-folder stays, emptied of its own files.
    EXPECT_FALSE(Exists(Product("VRXCorel")));
    EXPECT_FALSE(Exists(Product("VRXAi")));
    EXPECT_FALSE(Exists(Product("VRXCad\\acad.lsp")));
    EXPECT_TRUE(Exists(Product("VRXCad\\Fonts\\vrx.shx")));
    EXPECT_EQ(Installed("VRXDoc\\Guide.txt"), "guide");
    EXPECT_FALSE(Exists(Product("VRXDoc\\deep")));
    EXPECT_TRUE(Exists(Product("VRXLanguage")));
    EXPECT_EQ(Installed("VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=3\r\nUnit=0\r\n[Laser]\r\nPower=60\r\n");

    const std::string executable = Product("VRXPrograms\\BeamDraft.exe");
    for (const std::string& link : {desktop + "\\BeamDraft.lnk", programs + "\\BeamDraft\\BeamDraft.lnk"}) {
        const testing_support::LinkContents contents = testing_support::ReadLink(link);
        EXPECT_EQ(contents.target, executable) << link;
        EXPECT_EQ(contents.description, executable) << link;
        EXPECT_EQ(contents.iconFile, Product("VRXRes\\title.ico")) << link;
    }
    EXPECT_EQ(testing_support::ReadLink(programs + "\\BeamDraft\\Uninstall.lnk").target,
              Product("VRXPrograms\\Uninstall.exe"));

    WriteBytes(executable, "changed");
    WriteBytes(Product("VRXDoc\\Guide.txt"), "changed");
    ::DeleteFileA((desktop + "\\BeamDraft.lnk").c_str());
    ChooseLanguage(0);
    Install();
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Installed("VRXPrograms\\BeamDraft.exe"), "product");
    EXPECT_EQ(Installed("VRXDoc\\Guide.txt"), "guide");
    EXPECT_EQ(Installed("VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=1\r\nUnit=0\r\n[Laser]\r\nPower=60\r\n");
    EXPECT_TRUE(Exists(desktop + "\\BeamDraft.lnk"));
}

TEST_F(ProductInstall, APathTheCodePageCannotHoldWritesNothing) {
    request.pathHeld = false;
    ChooseLanguage(0);
    Install();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(messages, std::vector<std::string>{"错误的文件目录!"});
    EXPECT_FALSE(Exists(target + "\\BeamDraft"));
    EXPECT_FALSE(Exists(desktop + "\\BeamDraft.lnk"));
}

TEST_F(ProductInstall, WithoutSuppliedConfigurationTheSettingsHoldOnlyTheLanguage) {
    request.path = target + "\\";
    ChooseLanguage(1);
    Install();
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Installed("VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=2\r\n");
}

TEST_F(ProductInstall, AnUnwritableProductFileStopsBeforeCleaningUpAndShortcuts) {
    Install();
    ::DeleteFileA((desktop + "\\BeamDraft.lnk").c_str());
    testing_support::AddAttributes(Product("VRXPrograms\\BeamDraft.exe"), FILE_ATTRIBUTE_READONLY);
    ChooseLanguage(1);

    Install();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(messages, std::vector<std::string>{"error! please Close the BeamDraft!"});
    EXPECT_TRUE(Exists(Product("VRXCorel\\VRX.gms")));  // extracted again before the failure, and kept
    EXPECT_FALSE(Exists(desktop + "\\BeamDraft.lnk"));
}

// The ctest fixture makes BeamDraft\VRXCfg\SoftCfg.ini of this folder a
// link to /dev/full, where every write fails as on a full disk.
TEST_F(ProductInstall, AWriteFaultEndsTheCommandNamingTheFile) {
    Supply("VRXCfg\\SoftCfg.ini", "[BaseCfg]\r\nLanguage=1\r\n");
    std::string folder = WRITE_FAULT_FOLDER;
    for (char& c : folder) c = c == '/' ? '\\' : c;
    request.path = folder;

    RecordingDialog window([this] { Install(); });
    ASSERT_NE(window.CreateModeless(), nullptr);
    window.RunAsCommand();
    ASSERT_EQ(window.fileErrors.size(), 1u);
    const std::string named = folder + "\\BeamDraft\\VRXCfg\\SoftCfg.ini\r\n";
    EXPECT_EQ(window.fileErrors[0].rfind(named, 0), 0u) << window.fileErrors[0];
    EXPECT_GT(window.fileErrors[0].size(), named.size()) << "the system's reason follows the file";
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_TRUE(::IsWindow(window.Handle()));
    EXPECT_EQ(ReadBytes(folder + "\\BeamDraft\\VRXPrograms\\BeamDraft.exe"), "product");
}

}  // namespace
