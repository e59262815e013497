#include "payload_plan.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "payload/archive_format.h"

namespace setuppack {
namespace {

struct NamedFile {
    std::string stored;
    const PayloadFile* file;
};

struct NamedFolder {
    std::string stored;
    const PayloadFolder* folder;
};

// Characters no Windows file name may hold, and the separator a Linux name may.
bool HasForbiddenCharacter(const std::string& name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || std::string("<>:\"|?*\\/").find(c) != std::string::npos)
            return true;
    }
    return false;
}

std::string FoldCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

class Planner {
public:
    explicit Planner(const std::optional<CodePage>& codePage) : codePage_(codePage) {}

    Plan Run(const PayloadFolder& root) {
        AddFolder(root, "", "");
        if (fileCount_ > payload::kMaxOffsetCount - 1)
            Problem("the payload holds " + std::to_string(fileCount_) + " files; an archive holds at most " +
                    std::to_string(payload::kMaxOffsetCount - 1));
        if (plan_.Ok()) {
            std::vector<std::string> names;
            for (const PlannedEntry& entry : plan_.entries) names.push_back(entry.storedName);
            plan_.problems = FolderOrderProblems(names, codePage_);
        }
        return std::move(plan_);
    }

private:
    void AddFolder(const PayloadFolder& folder, const std::string& storedPrefix, const std::string& sourcePrefix) {
        for (const std::string& other : folder.others)
            Problem(sourcePrefix + other + ": neither a regular file nor a folder (links cannot be stored)");
        const bool isRoot = storedPrefix.empty();
        if (!isRoot && folder.files.empty())
            Problem(sourcePrefix + ": the folder holds no files of its own; the installer creates only the "
                                   "folder of an entry, so every folder needs a file directly in it");

        std::vector<NamedFile> files;
        for (const PayloadFile& file : folder.files)
            if (auto stored = Stored(file.name, sourcePrefix)) files.push_back({*stored, &file});
        std::vector<NamedFolder> folders;
        for (const PayloadFolder& child : folder.folders)
            if (auto stored = Stored(child.name, sourcePrefix)) folders.push_back({*stored, &child});
        CheckCaseCollisions(files, folders, sourcePrefix);

        std::sort(files.begin(), files.end(), [](auto& a, auto& b) { return a.stored < b.stored; });
        std::sort(folders.begin(), folders.end(), [](auto& a, auto& b) { return a.stored < b.stored; });
        fileCount_ += folder.files.size();
        for (const NamedFile& file : files) AddFile(*file.file, storedPrefix + file.stored, sourcePrefix + file.file->name);
        for (const NamedFolder& child : folders)
            AddFolder(*child.folder, storedPrefix + child.stored + "\\", sourcePrefix + child.folder->name + "/");
    }

    void AddFile(const PayloadFile& file, const std::string& storedName, const std::string& sourcePath) {
        const size_t problemsBefore = plan_.problems.size();
        if (file.size == 0) Problem(sourcePath + ": the file is empty; an archive cannot store empty files");
        if (storedName.size() > payload::kMaxNameBytes)
            Problem(sourcePath + ": the stored name is " + std::to_string(storedName.size()) +
                    " bytes long; at most " + std::to_string(payload::kMaxNameBytes) + " fit");
        else if (!payload::IsSafeEntryName(storedName))
            Problem(sourcePath + ": the name would lead out of the installation folder");
        if (plan_.problems.size() == problemsBefore) plan_.entries.push_back({storedName, sourcePath, file.size});
    }

    std::optional<std::string> Stored(const std::string& name, const std::string& sourcePrefix) {
        if (HasForbiddenCharacter(name)) {
            Problem(sourcePrefix + name + ": the name holds a character Windows does not allow in file names");
            return std::nullopt;
        }
        auto stored = StoredName(name, codePage_);
        if (!stored && !codePage_)
            Problem(sourcePrefix + name + ": the name is not ASCII; give --codepage N to store it in a code page");
        else if (!stored)
            Problem(sourcePrefix + name + ": the name cannot be written exactly in code page " +
                    std::to_string(codePage_->number));
        return stored;
    }

    void CheckCaseCollisions(const std::vector<NamedFile>& files, const std::vector<NamedFolder>& folders,
                             const std::string& sourcePrefix) {
        std::map<std::string, std::string> seen;  // folded stored name -> source name
        auto check = [&](const std::string& stored, const std::string& source) {
            auto [it, added] = seen.emplace(FoldCase(stored), source);
            if (!added)
                Problem(sourcePrefix + source + ": differs from " + sourcePrefix + it->second +
                        " only in letter case; Windows would write both to one file");
        };
        for (const NamedFile& file : files) check(file.stored, file.file->name);
        for (const NamedFolder& folder : folders) check(folder.stored, folder.folder->name);
    }

    void Problem(std::string text) { plan_.problems.push_back(std::move(text)); }

    std::optional<CodePage> codePage_;
    Plan plan_;
    size_t fileCount_ = 0;
};

std::string FolderOf(const std::string& name, payload::LeadByteTest isLeadByte) {
    const size_t separator = text::LastBackslash(name, isLeadByte);
    return separator == std::string::npos ? std::string() : name.substr(0, separator);
}

}  // namespace

Plan PlanPayload(const PayloadFolder& root, const std::optional<CodePage>& codePage) {
    return Planner(codePage).Run(root);
}

std::vector<std::string> FolderOrderProblems(const std::vector<std::string>& storedNames,
                                             const std::optional<CodePage>& codePage) {
    const payload::LeadByteTest isLeadByte = codePage ? codePage->isLeadByte : payload::NoLeadBytes;
    std::vector<std::string> problems;
    const std::pair<payload::ExtractMode, const char*> modes[] = {{payload::ExtractMode::Product, "product"},
                                                                  {payload::ExtractMode::Driver, "driver"}};
    for (const auto& [mode, modeName] : modes) {
        std::set<std::string> created{""};
        for (size_t i = 0; i < storedNames.size(); ++i) {
            const std::string folder = FolderOf(storedNames[i], isLeadByte);
            if (payload::DestinationOf(mode, folder) != payload::Destination::UnderRoot) continue;
            const std::string parent = FolderOf(folder, isLeadByte);
            if (!folder.empty() && created.insert(folder).second && created.count(parent) == 0)
                problems.push_back("entry " + std::to_string(i) + " \"" + Utf8Name(storedNames[i], codePage) +
                                   "\": the " + modeName + " extraction writes it before its folder's parent \"" +
                                   Utf8Name(parent, codePage) + "\" exists");
        }
    }
    return problems;
}

}  // namespace setuppack
