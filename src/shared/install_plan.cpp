#include "shared/install_plan.h"

namespace shared {

Step& Plan::Add(StepKind kind, const std::string& path) {
    Step step{};
    step.kind = kind;
    step.path = path;
    steps_.push_back(std::move(step));
    return steps_.back();
}

void Plan::CreateFolder(const std::string& folder) { Add(StepKind::CreateFolder, folder); }

void Plan::ExtractProduct(const std::string& root, const std::string& failureMessage) {
    Add(StepKind::ExtractProduct, root).message = failureMessage;
}

void Plan::EmptyFolder(const std::string& folder) { Add(StepKind::EmptyFolder, folder); }

void Plan::RemoveFolder(const std::string& folder) { Add(StepKind::RemoveFolder, folder); }

void Plan::CopyFolderFiles(const std::string& from, const std::string& to) {
    Add(StepKind::CopyFolderFiles, to).source = from;
}

void Plan::RewriteFolderFiles(const std::string& from, const std::string& to) {
    Add(StepKind::RewriteFolderFiles, to).source = from;
}

void Plan::CopyOneFile(const std::string& from, const std::string& to) { Add(StepKind::CopyOneFile, to).source = from; }

void Plan::CopyIfAbsent(const std::string& from, const std::string& to) {
    Add(StepKind::CopyIfAbsent, to).source = from;
}

void Plan::RemoveFile(const std::string& file) { Add(StepKind::RemoveFile, file); }

void Plan::WriteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) {
    Step& step = Add(StepKind::WriteProfileKey, file);
    step.section = section;
    step.key = key;
    step.value = value;
}

void Plan::CreateShortcut(const std::string& link, const std::string& target, const std::string& description,
                          const std::string& icon) {
    Step& step = Add(StepKind::CreateShortcut, link);
    step.source = target;
    step.description = description;
    step.icon = icon;
}

void Plan::ShowMessageAndStop(const std::string& message) { Add(StepKind::ShowMessageAndStop, {}).message = message; }

void Plan::SetResult() { Add(StepKind::SetResult, {}); }

std::string Describe(const Step& step) {
    switch (step.kind) {
    case StepKind::CreateFolder: return "create folder " + step.path;
    case StepKind::ExtractProduct: return "extract product into " + step.path + " else say " + step.message;
    case StepKind::EmptyFolder: return "empty folder " + step.path;
    case StepKind::RemoveFolder: return "remove folder " + step.path;
    case StepKind::CopyFolderFiles: return "copy files " + step.source + " -> " + step.path;
    case StepKind::RewriteFolderFiles: return "rewrite files " + step.source + " -> " + step.path;
    case StepKind::CopyOneFile: return "copy file " + step.source + " -> " + step.path;
    case StepKind::CopyIfAbsent: return "copy file " + step.source + " -> " + step.path + " if absent";
    case StepKind::RemoveFile: return "delete file " + step.path;
    case StepKind::WriteProfileKey:
        return "write [" + step.section + "] " + step.key + "=" + step.value + " in " + step.path;
    case StepKind::CreateShortcut:
        return "shortcut " + step.path + " -> " + step.source + " (" + step.description + ")" +
               (step.icon.empty() ? std::string() : " icon " + step.icon);
    case StepKind::ShowMessageAndStop: return "say " + step.message + " and stop";
    case StepKind::SetResult: return "set result";
    }
    return "unknown step";
}

std::vector<std::string> Describe(const Plan& plan) {
    std::vector<std::string> lines;
    for (const Step& step : plan.Steps()) lines.push_back(Describe(step));
    return lines;
}

}  // namespace shared
