#pragma once
// An installation or the driver staging as an ordered list of steps, made by a
// planner from its inputs and the facts it read from the system, and applied
// by one executor.
// Folder paths end in a backslash; paths are ANSI, messages UTF-8.
#include <string>
#include <vector>

namespace shared {

enum class StepKind {
    CreateFolder,        // one level; the outcome is ignored
    ExtractProduct,      // the product payload under path; on failure show message and stop
    EmptyFolder,         // delete the files directly in path
    RemoveFolder,        // outcome ignored (a remaining sub-folder keeps it)
    CopyFolderFiles,     // files of source into path, by file copy
    RewriteFolderFiles,  // files of source into path, read and written anew
    CopyOneFile,         // source onto path, replacing it
    CopyIfAbsent,        // source onto path, leaving an existing path as it is
    RemoveFile,          // path
    WriteProfileKey,     // section/key = value in the profile file path
    CreateShortcut,      // link path to target source, with description and icon (none when empty)
    ShowMessageAndStop,  // message
    SetResult,           // the installation completed
};

struct Step {
    StepKind kind;
    std::string path;
    std::string source;
    std::string section;
    std::string key;
    std::string value;
    std::string description;
    std::string icon;
    std::string message;
};

class Plan {
public:
    void CreateFolder(const std::string& folder);
    void ExtractProduct(const std::string& root, const std::string& failureMessage);
    void EmptyFolder(const std::string& folder);
    void RemoveFolder(const std::string& folder);
    void CopyFolderFiles(const std::string& from, const std::string& to);
    void RewriteFolderFiles(const std::string& from, const std::string& to);
    void CopyOneFile(const std::string& from, const std::string& to);
    void CopyIfAbsent(const std::string& from, const std::string& to);
    void RemoveFile(const std::string& file);
    void WriteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value);
    void CreateShortcut(const std::string& link, const std::string& target, const std::string& description,
                        const std::string& icon = {});
    void ShowMessageAndStop(const std::string& message);
    void SetResult();

    const std::vector<Step>& Steps() const { return steps_; }

private:
    Step& Add(StepKind kind, const std::string& path);
    std::vector<Step> steps_;
};

// One line per step, for people and for tests: "create folder C:\BeamDraft\".
std::string Describe(const Step& step);
std::vector<std::string> Describe(const Plan& plan);

}  // namespace shared
