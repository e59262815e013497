#pragma once
// The install worker with a plug-in type on real folders and real registry
// keys of the throwaway prefix: a small archive of our own, supplied folders
// beside a stand-in setup folder, host folders made by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../common/archive_builder.h"
#include "app/main_dialog_win32.h"
#include "install/install_command_win32.h"
#include "res/resource.h"
#include "support/folder_levels.h"
#include "support/registry_tree.h"
#include "support/temp_folder.h"
#include "win/unique_resource_win32.h"

namespace plugin_tests {

using testing_support::Exists;
using testing_support::ReadBytes;
using testing_support::RegistryTree;
using testing_support::TempFolder;
using testing_support::WriteBytes;

inline const std::vector<std::pair<std::string, std::string>> kPayload = {
    {"LXDriver\\UsbDriver.exe", "serial driver"},
    {"VRXCad\\VRXSrtCad.dll", "cad dll"},
    {"VRXCad\\VRXStart.bmp", "cad bmp"},
    {"VRXCad\\acad.dvb", "dvb"},
    {"VRXCad\\acad_CH.lsp", "lsp ch"},
    {"VRXCad\\acad_EN.lsp", "lsp en"},
    {"VRXCorel\\VRXCorel11.gms", "gms 11"},
    {"VRXCorel\\VRXCorelEx64.gms", "gms ex64"},
    {"VRXCorel\\VRXCorelX34.gms", "gms x34"},
    {"VRXCorel\\VRXIptBdf.dll", "corel dll"},
    {"VRXDriver\\VrxUsb.inf", "usb inf"},
    {"VRXFonts\\Fs.shx", "font fs"},
    {"VRXFonts\\txt.shx", "font txt"},
    {"VRXPrograms\\BeamDraft.exe", "product"},
    {"VrxAi\\VRXPlugin_C6X64.aip", "ai c6 x64"},
    {"VrxAi\\VRXPlugin_CC2014x64.aip", "ai cc2014 x64"},
};

// Rows of the Type list.
constexpr int kCorelDraw = 1;
constexpr int kAutoCad = 2;
constexpr int kIllustrator = 3;

// Opens a file without sharing, as a running host holds its files.
inline win::UniqueFile HoldOpen(const std::string& path) {
    return win::UniqueFile(
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

class PluginInstall : public ::testing::Test {
protected:
    void SetUp() override {
        const test_archive::Bytes archive = test_archive::ArchiveBuilder().AddAll(kPayload).Build();
        WriteBytes(scratch / "Setup.exe", std::string(archive.begin(), archive.end()));
        Supply("VRXCfg\\SoftCfg.ini", "[BaseCfg]\r\nLanguage=1\r\nUnit=0\r\n");
        Supply("VRXLanguage\\en.lng", "english");
        Supply("VRXRes\\title.ico", "icon");
        main.installEnvironment.showMessage = [this](const std::string& text) { messages.push_back(text); };
        main.installEnvironment.extractSource = {scratch / "Setup.exe", scratch.MakeFolder("windows")};
        main.installEnvironment.setupFolder = setup;
        main.CreateModeless();
        Choose(IDC_LANGUAGE_LIST, 2);
    }

    void Choose(int list, int row) { ::SendMessageW(main.Item(list), CB_SETCURSEL, static_cast<WPARAM>(row), 0); }

    // One press of OK in the path dialog for the type, as the install worker sees it.
    void Install(int type, int autoFlag, int versionIndex, const std::string& path) {
        Choose(IDC_TYPE_LIST, type);
        main.autoFlag = autoFlag;
        main.versionIndex = versionIndex;
        main.installPath = path;
        messages.clear();
        install::RunInstallWorker(main);
    }

    // A folder path below the scratch folder, made level by level; no trailing backslash.
    std::string MakeFolders(const std::string& relative) const {
        return testing_support::MakeFolderLevels(scratch.Path(), relative);
    }

    static std::string Content(const std::string& path) { return ReadBytes(path).value_or("<missing>"); }

    void Supply(const std::string& name, const std::string& bytes) {
        ::CreateDirectoryA((setup + name.substr(0, name.find('\\'))).c_str(), nullptr);
        WriteBytes(setup + name, bytes);
    }

    TempFolder scratch;
    const std::string setup = scratch.MakeFolder("dist");
    app::MainDialog main;
    std::vector<std::string> messages;
};

}  // namespace plugin_tests
