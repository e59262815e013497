#pragma once
// The plug-in installers on real folders and real registry
// keys of the throwaway prefix: a small archive of our own, supplied folders
// beside a stand-in setup folder, host folders made by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../common/archive_builder.h"
#include "install/install_command_win32.h"
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

using shared::InstallType;

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
        context.extractSource = {scratch / "Setup.exe", scratch.MakeFolder("windows")};
        context.setupFolder = setup;
    }

    // The request of one press of OK in the path dialog; the message that ended the installation, if any, is in messages.
    void Install(InstallType type, bool findHost, int versionIndex, const std::string& path) {
        shared::InstallRequest request;
        request.type = type;
        request.language = language;
        request.findHost = findHost;
        request.versionIndex = versionIndex;
        request.path = path;
        messages.clear();
        outcome = install::RunInstaller(request, context);
        if (!outcome.message.empty()) messages.push_back(outcome.message);
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
    install::InstallContext context;
    shared::LanguageIndex language{2};  // English unless a test says otherwise
    shared::InstallOutcome outcome;
    std::vector<std::string> messages;
};

}  // namespace plugin_tests
