#include "shared/plan_executor_win32.h"

#include <windows.h>

#include "payload/folder_ops_win32.h"
#include "shared/profile_file_win32.h"
#include "shared/shortcut_win32.h"

namespace shared {
namespace {

// Folders, copies, deletions, profile writes and shortcuts are not checked:
// the installation goes on whatever they did.
void ApplyUnchecked(const Step& step) {
    switch (step.kind) {
    case StepKind::CreateFolder: ::CreateDirectoryA(step.path.c_str(), nullptr); break;
    case StepKind::EmptyFolder: payload::EmptyFolder(step.path); break;
    case StepKind::RemoveFolder: ::RemoveDirectoryA(step.path.c_str()); break;
    case StepKind::CopyFolderFiles: payload::CopyFolderFiles(step.source, step.path); break;
    case StepKind::RewriteFolderFiles: payload::RewriteFolderFiles(step.source, step.path); break;
    case StepKind::CopyOneFile: ::CopyFileA(step.source.c_str(), step.path.c_str(), FALSE); break;
    case StepKind::CopyIfAbsent: ::CopyFileA(step.source.c_str(), step.path.c_str(), TRUE); break;
    case StepKind::RemoveFile: ::DeleteFileA(step.path.c_str()); break;
    case StepKind::WriteProfileKey:
        shared::ProfileFile(step.path).WriteString(step.section.c_str(), step.key.c_str(), step.value.c_str());
        break;
    case StepKind::CreateShortcut:
        if (step.icon.empty()) {
            CreateLink(step.source, step.path, step.description);
        } else {
            CreateLinkWithIcon(step.source, step.path, step.description, step.icon);
        }
        break;
    default: break;
    }
}

}  // namespace

InstallOutcome ApplyPlan(const Plan& plan, const ExecutorSeams& seams) {
    InstallOutcome outcome;
    for (const Step& step : plan.Steps()) {
        switch (step.kind) {
        case StepKind::ExtractProduct:
            if (!payload::ExtractProductPayload(step.path, seams.extractSource)) return {false, step.message};
            break;
        case StepKind::ShowMessageAndStop: return {false, step.message};
        case StepKind::SetResult: outcome.succeeded = true; break;
        default: ApplyUnchecked(step);
        }
    }
    return outcome;
}

}  // namespace shared
