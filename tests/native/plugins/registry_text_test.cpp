// Registry values taken out of the fixed read buffer.
#include "plugins/registry_text.h"

#include <gtest/gtest.h>

#include <string>

namespace plugins {
namespace {

TEST(RegistryText, EndsAtTheNulOrInsideTheBuffer) {
    const std::string stored("C:\\Corel\0junk", 13);
    EXPECT_EQ(RegistryText(stored.data(), 13, 260), "C:\\Corel");
    // Stored without its NUL: the length read ends it.
    EXPECT_EQ(RegistryText("C:\\Corel!!!", 8, 260), "C:\\Corel");
    // A value that fills the whole buffer keeps all but its last byte.
    const std::string full(260, 'x');
    EXPECT_EQ(RegistryText(full.data(), 260, 260), std::string(259, 'x'));
    EXPECT_EQ(RegistryText(full.data(), 0, 260), "");
}

}  // namespace
}  // namespace plugins
