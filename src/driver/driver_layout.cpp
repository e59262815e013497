#include "driver/driver_layout.h"

#include "common/path_text.h"

namespace driver {

const std::array<const char*, 10> kSerialDriverLeftovers{
    "LXDriver\\UsbDriver.exe",  "LXDriver\\ftd2xx.dll",    "LXDriver\\Usbvcommtp.inf", "LXDriver\\Usbvcommtp.cat",
    "LXDriver\\vrx246m.005",    "LXDriver\\vrx246u.005",   "LXDriver\\vrx246m.006",    "LXDriver\\vrx246u.006",
    "LXDriver\\vrx246m2.006",   "LXDriver\\vrx246u2.006"};

std::string DriverRootOf(const std::string& systemFolder, text::LeadByteTest isLeadByte) {
    return text::WithBackslash(systemFolder, isLeadByte);
}

const char* DriverCaptionFor(shared::LanguageIndex language) {
    return shared::IsChinese(language) ? "安装驱动..." : "Installing the driver...";
}

}  // namespace driver
