#pragma once
// The AutoCAD plug-in: the product's files, the start-up files and the shape
// fonts into every AutoCAD served.
#include <optional>
#include <string>
#include <vector>

#include "plugins/plugin_steps.h"
#include "shared/install_plan.h"

namespace plugins {

// Where the products are registered: HKLM\<root>\<release>\<product>, value "AcadLocation".
constexpr const char* kAutoCadRoot = "SOFTWARE\\Autodesk\\AutoCAD";
constexpr const char* kAutoCadLocationValue = "AcadLocation";

struct AutoCadProduct {
    std::string keyPath;   // release key path + "\" + product key name
    std::string location;  // the AcadLocation value
};

// One registry view's products in enumeration order; none when the root key
// does not open in that view.
using AutoCadView = std::optional<std::vector<AutoCadProduct>>;

// The 32-bit view's products, then those of the 64-bit view that the 32-bit
// view did not already name with the same key and location. None when the
// root opened in neither view.
std::optional<std::vector<std::string>> AutoCadLocations(const AutoCadView& view32, const AutoCadView& view64);

// Manual mode: the marker that makes the typed folder an AutoCAD folder.
std::string AutoCadMarkerToTest(const PluginInputs& inputs);

struct AutoCadFacts {
    bool markerFound = false;                            // manual mode
    std::optional<std::vector<std::string>> locations;  // automatic mode
};

shared::Plan PlanAutoCadInstall(const PluginInputs& inputs, const AutoCadFacts& facts);

}  // namespace plugins
