#pragma once
// Applies a plan to the real system, step by step.
#include "payload/extract_win32.h"
#include "shared/install_plan.h"
#include "shared/install_request.h"

namespace shared {

struct ExecutorSeams {
    payload::ExtractSource extractSource;  // production default: this program's archive
};

// Steps run in order; a failed extraction or a message step stops the plan
// with its message. Only the plan's SetResult step makes the outcome a
// success. A file-layer error (win::FileError) passes through to the command.
InstallOutcome ApplyPlan(const Plan& plan, const ExecutorSeams& seams = {});

}  // namespace shared
