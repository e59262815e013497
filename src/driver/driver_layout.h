#pragma once
// The driver folders below the system folder, the files the run starts and
// deletes there, and the run's texts (UTF-8).
#include <array>
#include <string>

#include "common/lead_byte.h"
#include "shared/language.h"

namespace driver {

// The system folder with a backslash: both driver folders go directly below it.
std::string DriverRootOf(const std::string& systemFolder, text::LeadByteTest isLeadByte);

// Relative to the driver root.
constexpr const char* kStagingSourceFolder = "LXDriver\\";
constexpr const char* kSerialInstaller = "LXDriver\\UsbDriver.exe";  // started and waited for
constexpr const char* kUsbInstaller = "VRXDriver\\InstallDriver.exe";  // started only
// Deleted after the installers, in this order; the co-installer images and
// the USB driver package stay.
extern const std::array<const char*, 10> kSerialDriverLeftovers;

// The progress window's caption; only Simplified Chinese has its own.
const char* DriverCaptionFor(shared::LanguageIndex language);
// The one failure message of the run, in every language.
constexpr const char* kDriverErrorMessage = "error!";

}  // namespace driver
