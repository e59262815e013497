#include "plugins/autocad_plan.h"

#include <algorithm>

#include "common/path_text.h"

namespace plugins {
namespace {

constexpr const char* kStartupFiles[] = {"VRXSrtCad.dll", "VRXStart.bmp", "acad.dvb"};
constexpr const char* kFonts[] = {"Fs.shx", "gbcbig.shx", "HT.SHX", "Hztxt.shx", "Khz.shx", "txt.shx"};

bool SameProduct(const AutoCadProduct& a, const AutoCadProduct& b) {
    return a.keyPath == b.keyPath && a.location == b.location;
}

bool NamedIn(const std::vector<AutoCadProduct>& products, const AutoCadProduct& product) {
    return std::any_of(products.begin(), products.end(),
                       [&](const AutoCadProduct& other) { return SameProduct(other, product); });
}

std::string AutoCadFolderOf(const PluginInputs& inputs) {
    return text::WithBackslash(inputs.installPath, inputs.isLeadByte);
}

// The font paths join a suffix that starts with a backslash to a folder that
// ends in one; Windows reads the doubled separator as one.
void CopyFonts(shared::Plan& plan, const std::string& folder) {
    for (const char* font : kFonts) {
        plan.CopyOneFile(folder + "\\VRXFonts\\" + font, folder + "\\Fonts\\" + font);
    }
}

void Serve(shared::Plan& plan, const PluginInputs& inputs, const std::string& folder) {
    const std::string cad = folder + "VRXCad\\";
    plan.ExtractProduct(folder, inputs.messages.closeAutoCad);
    for (const char* name : kStartupFiles) plan.CopyOneFile(cad + name, folder + name);
    plan.CopyOneFile(cad + (shared::IsChinese(inputs.language) ? "acad_CH.lsp" : "acad_EN.lsp"), folder + "acad.lsp");
    DropFolder(plan, cad);
    DropFolder(plan, folder + "VRXCorel\\");
    PlaceSuppliedFolders(plan, folder, inputs);
    WriteLanguage(plan, folder, inputs);
    CopyFonts(plan, folder);
}

shared::Plan PlanManual(const PluginInputs& inputs, const AutoCadFacts& facts) {
    shared::Plan plan;
    if (!facts.markerFound) {
        plan.ShowMessageAndStop(inputs.messages.pathError);
        return plan;
    }
    Serve(plan, inputs, AutoCadFolderOf(inputs));
    plan.SetResult();
    return plan;
}

// Every product found is served; none found is still a completed run.
shared::Plan PlanAutomatic(const PluginInputs& inputs, const AutoCadFacts& facts) {
    shared::Plan plan;
    if (!facts.locations) {
        plan.ShowMessageAndStop(inputs.messages.autoCadMissing);
        return plan;
    }
    for (const std::string& location : *facts.locations) Serve(plan, inputs, location + "\\");
    plan.SetResult();
    return plan;
}

}  // namespace

std::optional<std::vector<std::string>> AutoCadLocations(const AutoCadView& view32, const AutoCadView& view64) {
    if (!view32 && !view64) return std::nullopt;
    std::vector<std::string> locations;
    const std::vector<AutoCadProduct> none;
    const std::vector<AutoCadProduct>& first = view32 ? *view32 : none;
    for (const AutoCadProduct& product : first) locations.push_back(product.location);
    if (view64) {
        for (const AutoCadProduct& product : *view64) {
            if (!NamedIn(first, product)) locations.push_back(product.location);
        }
    }
    return locations;
}

std::string AutoCadMarkerToTest(const PluginInputs& inputs) { return AutoCadFolderOf(inputs) + "acad.exe"; }

shared::Plan PlanAutoCadInstall(const PluginInputs& inputs, const AutoCadFacts& facts) {
    return inputs.findHost ? PlanAutomatic(inputs, facts) : PlanManual(inputs, facts);
}

}  // namespace plugins
