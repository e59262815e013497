#include "shared/message_set.h"

namespace shared {
namespace {

constexpr MessageSet kChinese{"安装失败! 关闭正在运行的BeamDraft后重试", "错误的文件目录!",
                          "请关闭CorelDraw,然后再重试!",            "找不到CorelDraw!",
                          "请关闭AutoCAD,然后再重试!",              "找不到AutoCAD!",
                          "无法将文件解压到Illustrator目录,请关闭Illustrator,然后再重试!",
                          "安装程序已损坏,请重新下载!"};
constexpr MessageSet kEnglishForTraditional{"error! please Close the BeamDraft!",
                                        "The path is error!",
                                        "Please Close CorelDraw, and try to Install!",
                                        "Can't find Coreldraw!",
                                        "Please Close AutoCAD, and try to Install!",
                                        "Can't find AutoCAD!",
                                        "Can't unpack the files into the Illustrator folder, "
                                        "please Close Illustrator, and try to Install!",
                                        "The Setup is damaged, please download it again!"};
constexpr MessageSet kEnglish{"Can't copy files, error!",
                          kEnglishForTraditional.pathError,
                          kEnglishForTraditional.closeCorelDraw,
                          kEnglishForTraditional.corelDrawMissing,
                          kEnglishForTraditional.closeAutoCad,
                          kEnglishForTraditional.autoCadMissing,
                          kEnglishForTraditional.closeIllustrator,
                          kEnglishForTraditional.setupDamaged};

}  // namespace

const MessageSet& MessageSetFor(LanguageIndex language) {
    if (language.row == 0) return kChinese;
    if (language.row == 1) return kEnglishForTraditional;
    return kEnglish;
}

const char* SuccessMessageFor(LanguageIndex language) { return IsChinese(language) ? "安装成功!" : "Install OK!"; }

}  // namespace shared
