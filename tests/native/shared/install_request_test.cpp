#include "shared/install_request.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(PathRefusal, APathTheCodePageCannotHoldIsThePathErrorUnlessTheHostIsLookedUp) {
    InstallRequest request;
    request.pathHeld = false;
    request.language = LanguageIndex{0};
    auto refusal = PathRefusal(request);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_FALSE(refusal->succeeded);
    EXPECT_EQ(refusal->message, "错误的文件目录!");
    request.language = LanguageIndex{2};
    EXPECT_EQ(PathRefusal(request)->message, "The path is error!");

    request.findHost = true;  // the path box is not used then
    EXPECT_FALSE(PathRefusal(request).has_value());
    request.findHost = false;
    request.pathHeld = true;
    EXPECT_FALSE(PathRefusal(request).has_value());
}

}  // namespace
}  // namespace shared
