#include "install/install_path_texts.h"

namespace install {

namespace {

const std::vector<const char*> kCorelDrawVersions{
    "CorelDraw 11",        "CorelDraw 12",        "CorelDraw X3",           "CorelDraw X4",          "CorelDraw X5",
    "CorelDraw X6(32bit)", "CorelDraw X6(64bit)", "CorelDraw X7/X8(32bit)", "CorelDraw X7/X8(64bit)"};

const std::vector<const char*> kIllustratorVersions{
    "CS5",           "CS6(32bit)",     "CS6(64bit)",     "CC(32bit)",      "CC(64bit)",      "CC 2014(32bit)",
    "CC 2014(64bit)", "CC 2015(32bit)", "CC 2015(64bit)", "CC 2017(32bit)", "CC 2017(64bit)"};

}  // namespace

InstallPathTexts InstallPathTextsFor(shared::LanguageIndex language, InstallType type) {
    const bool illustrator = type == InstallType::Illustrator;
    if (shared::IsChinese(language)) {
        return {"选择安装目录", illustrator ? "Illustrator版本:" : "CorelDraw版本:", "自动安装", "安装目录:", "浏览",
                "确定", "取消"};
    }
    return {"Select install path", illustrator ? "Illustrator Version:" : "CorelDraw Version:", "Auto to Install",
            "Install Path:", "Browse", "OK", "Cancel"};
}

VersionChoice VersionChoiceFor(InstallType type) {
    if (type == InstallType::Illustrator) {
        return {kIllustratorVersions, 2, "eg:  C:\\Program Files\\Adobe Illustrator CS6"};
    }
    const char* example =
        type == InstallType::CorelDraw ? "eg:  C:\\Program Files\\Corel\\CorelDRAW Graphics Suite X6" : "";
    return {kCorelDrawVersions, 1, example};
}

InstallPathStates InstallPathStatesFor(InstallType type) {
    switch (type) {
    case InstallType::Product: return {false, false, false};
    case InstallType::CorelDraw: return {true, true, true};
    case InstallType::AutoCad: return {false, true, true};
    case InstallType::Illustrator: return {true, false, false};
    }
    return {true, true, false};  // the template's own states
}

}  // namespace install
