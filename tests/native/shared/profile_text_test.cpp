#include "shared/profile_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shared {
namespace {

std::string List(std::initializer_list<const char*> items) {
    std::string list;
    for (const char* item : items) list.append(item).push_back('\0');
    list.push_back('\0');
    return list;
}

std::vector<std::string> Items(const char* list) {
    std::vector<std::string> items;
    WalkStringList(
        list, [](const char* item, void* context) {
            static_cast<std::vector<std::string>*>(context)->emplace_back(item);
            return true;
        },
        &items);
    return items;
}

TEST(TrimBlanks, RemovesBlanksTabsAndLineEndsOnBothSides) {
    std::string text = "\t Language \r\n";
    EXPECT_TRUE(TrimBlanks(text));
    EXPECT_EQ(text, "Language");

    std::string allBlank = "\t \r\n";
    EXPECT_TRUE(TrimBlanks(allBlank));
    EXPECT_EQ(allBlank, "");

    std::string clean = "Soft Ver";
    EXPECT_FALSE(TrimBlanks(clean));
    EXPECT_EQ(clean, "Soft Ver");
}

TEST(WalkStringList, StopsWhenVisitorSaysSoAndRejectsAbsentArguments) {
    std::string list = List({"a", "b", "c"});
    int seen = 0;
    auto stopAtSecond = [](const char*, void* context) { return ++*static_cast<int*>(context) < 2; };
    EXPECT_FALSE(WalkStringList(list.c_str(), stopAtSecond, &seen));
    EXPECT_EQ(seen, 2);
    EXPECT_FALSE(WalkStringList(nullptr, stopAtSecond, &seen));
    EXPECT_FALSE(WalkStringList(list.c_str(), nullptr, nullptr));
    EXPECT_TRUE(WalkStringList("\0", stopAtSecond, &seen));
}

TEST(PackKeyNames, SkipsLinesWithoutNameAndTrimsNames) {
    std::string lines = List({"SoftVer=BeamDraft", "=orphan value", "no equals sign", " \tLanguage \t=3"});
    size_t needed = PackKeyNames(lines.c_str(), nullptr, 0, text::NoLeadBytes);
    EXPECT_EQ(needed, std::string("SoftVer").size() + 1 + std::string("Language").size() + 1);

    std::vector<char> buffer(needed + 1, 'x');
    EXPECT_EQ(PackKeyNames(lines.c_str(), buffer.data(), needed, text::NoLeadBytes), needed);
    EXPECT_EQ(Items(buffer.data()), (std::vector<std::string>{"SoftVer", "Language"}));
}

TEST(PackKeyNames, KeepsDuplicatesInFileOrder) {
    std::string lines = List({"A=1", "B=2", "A=3"});
    std::vector<char> buffer(16, 'x');
    PackKeyNames(lines.c_str(), buffer.data(), 15, text::NoLeadBytes);
    EXPECT_EQ(Items(buffer.data()), (std::vector<std::string>{"A", "B", "A"}));
}

TEST(PackKeyNames, FindsEqualsOnlyAsACharacterOfItsOwn) {
    // 0x81 0x3D is one double-byte character whose trail byte is '='.
    std::string lines = List({"\x81=Name=value"});
    std::vector<char> buffer(16, 'x');
    PackKeyNames(lines.c_str(), buffer.data(), 15, text::GbkLeadByte);
    EXPECT_EQ(Items(buffer.data()), (std::vector<std::string>{"\x81=Name"}));
}

TEST(PackKeyNames, CutsToTheBufferWithoutSplittingACharacterOrOverrunning) {
    std::string lines = List({"ab\xB0\xA1=1", "cd=2", "ef=3"});
    // Room for "ab" + NUL only: the double-byte character must not be split.
    std::vector<char> buffer(6, 'x');
    size_t used = PackKeyNames(lines.c_str(), buffer.data(), 4, text::GbkLeadByte);
    EXPECT_EQ(std::string(buffer.data()), "ab");
    EXPECT_LE(used, 4u);
    EXPECT_EQ(buffer[5], 'x');  // nothing written past size + 1 bytes
}

}  // namespace
}  // namespace shared
