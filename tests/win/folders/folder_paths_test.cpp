// Which entries of a folder listing the folder operations act on.
#include "payload/folder_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderListing, EveryEntryIsListedAndDotsAreNoFiles) {
    EXPECT_EQ(payload::EveryEntryPattern("C:\\Dist\\VRXRes\\"), "C:\\Dist\\VRXRes\\*.*");
    EXPECT_TRUE(payload::IsDotsEntry("."));
    EXPECT_TRUE(payload::IsDotsEntry(".."));
    EXPECT_FALSE(payload::IsDotsEntry("...cfg"));
    EXPECT_FALSE(payload::IsDotsEntry(".hidden"));
}

}  // namespace
