// The driver-store folder of the modem INF package, found in setup-log bytes.
#include "driver/modem_log.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

const std::string kStore = "C:\\Windows\\System32\\DriverStore\\FileRepository\\";
const std::string kFolder = "mdmcpq.inf_amd64_neutral_b53453733bd795bc";  // 41 characters

TEST(ModemLog, FindsAFolderEndedByABackslashOrByAnApostrophe) {
    const std::string byBackslash =
        "     sto: {Setup Import Driver Package: C:\\Windows\\inf\\mdmcpq.inf}\r\n"
        "     inf: Driver Store Path: " + kStore + kFolder + "\\mdmcpq.inf\r\n";
    EXPECT_EQ(FindModemStoreFolder(byBackslash), kFolder);

    const std::string byApostrophe = "     flq: Copying '" + kStore + "mdmcpq.inf_x86_neutral_2f2a0d8e'\r\n";
    EXPECT_EQ(FindModemStoreFolder(byApostrophe), "mdmcpq.inf_x86_neutral_2f2a0d8e");
}

TEST(ModemLog, PassesOverCandidatesOfNineteenAndOfFiftyNineCharacters) {
    const std::string nineteen = "mdmcpq.inf_12345678";  // shortest + 1 too short
    const std::string twenty = "mdmcpq.inf_123456789";
    const std::string fiftyEight = "mdmcpq.inf_" + std::string(47, 'a');
    const std::string fiftyNine = "mdmcpq.inf_" + std::string(48, 'b');
    ASSERT_EQ(nineteen.size(), 19u);
    ASSERT_EQ(fiftyNine.size(), 59u);

    EXPECT_EQ(FindModemStoreFolder("x\\" + nineteen + "\\ x\\" + fiftyNine + "\\ x\\" + twenty + "\\"), twenty);
    EXPECT_EQ(FindModemStoreFolder("x\\" + fiftyNine + "'\\" + fiftyEight + "'"), fiftyEight);
    EXPECT_EQ(FindModemStoreFolder("x\\" + nineteen + "\\" + fiftyNine + "\\"), std::nullopt);
}

TEST(ModemLog, TheUpperCasePrefixIsNotFound) {
    EXPECT_EQ(FindModemStoreFolder(kStore + "MDMCPQ.INF_amd64_neutral_b53453733bd795bc\\mdmcpq.inf"), std::nullopt);
    EXPECT_EQ(FindModemStoreFolder(kStore + "Mdmcpq.inf_amd64_neutral_b53453733bd795bc\\mdmcpq.inf"), std::nullopt);
}

TEST(ModemLog, TwoPathsOnOneLineGiveTheFirst) {
    const std::string line = "     cpy: '" + kStore + "mdmcpq.inf_x86_neutral_11111111\\usbser.sys' to '" + kStore +
                             "mdmcpq.inf_x86_neutral_22222222\\usbser.sys'\r\n";
    EXPECT_EQ(FindModemStoreFolder(line), "mdmcpq.inf_x86_neutral_11111111");
}

TEST(ModemLog, AnEmptyLogOrOneWithoutAnEndingByteHasNoFolder) {
    EXPECT_EQ(FindModemStoreFolder(""), std::nullopt);
    EXPECT_EQ(FindModemStoreFolder(kStore + kFolder), std::nullopt);
}

TEST(ModemLog, AnApostropheEndsACandidateButStartsNone) {
    // After the apostrophe the candidate still counts from the backslash before it.
    EXPECT_EQ(FindModemStoreFolder("\\ab'mdmcpq.inf_amd64_neutral_b53453733bd795bc\\"), std::nullopt);
    // The log's first byte stands in for a backslash before it.
    EXPECT_EQ(FindModemStoreFolder("'" + kFolder + "'"), kFolder);
}

TEST(ModemLog, ANameThatIsNoSingleFolderIsPassedOver) {
    // Forward slashes would lead the store copies out of the driver store.
    const std::string escaping = "mdmcpq.inf_/../../../../Temp/x";
    EXPECT_EQ(FindModemStoreFolder("x\\" + escaping + "\\ " + kStore + kFolder + "\\"), kFolder);
    EXPECT_EQ(FindModemStoreFolder("x\\mdmcpq.inf_amd64:stream_0123\\"), std::nullopt);
    EXPECT_EQ(FindModemStoreFolder("x\\mdmcpq.inf_amd64\r\n  next line\\"), std::nullopt);
}

}  // namespace
}  // namespace driver
