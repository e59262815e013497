#include "app/main_texts.h"

namespace app {

namespace {
const MainWindowTexts kChineseTexts{"欢迎使用", "类型:", "语言:", "安装", "USB驱动安装"};
const MainWindowTexts kEnglishTexts{"Welcome to use", "Type:", "Lanuage:", "Install", "Install USB Driver"};
}  // namespace

const std::array<const char*, 3> kPluginTypeRows{"Plugin For CorelDraw", "Plugin For AutoCAD",
                                                 "Plugin For Illustrator CS"};
const std::array<const char*, 4> kLanguageRows{"简体中文", "Traditional Chinese", "English", "Other"};

const MainWindowTexts& MainWindowTextsFor(bool chinese) { return chinese ? kChineseTexts : kEnglishTexts; }

}  // namespace app
