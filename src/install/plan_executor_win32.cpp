#include "install/plan_executor_win32.h"

#include <windows.h>

#include "app/profile_file_win32.h"
#include "install/shortcut_win32.h"
#include "payload/folder_ops_win32.h"

namespace install {
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
    case StepKind::RemoveFile: ::DeleteFileA(step.path.c_str()); break;
    case StepKind::WriteProfileKey:
        app::ProfileFile(step.path).WriteString(step.section.c_str(), step.key.c_str(), step.value.c_str());
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

PlanOutcome ApplyPlan(const Plan& plan, const ExecutorSeams& seams, int& resultFlag) {
    for (const Step& step : plan.Steps()) {
        switch (step.kind) {
        case StepKind::ExtractProduct:
            if (!payload::ExtractProductPayload(step.path, seams.extractSource)) {
                seams.showMessage(step.message);
                return PlanOutcome::Stopped;
            }
            break;
        case StepKind::ShowMessageAndStop:
            seams.showMessage(step.message);
            return PlanOutcome::Stopped;
        case StepKind::SetResult:
            resultFlag = 1;
            break;
        default:
            ApplyUnchecked(step);
        }
    }
    return PlanOutcome::Completed;
}

}  // namespace install
