#pragma once
// Applies an installation plan to the real system, step by step.
#include <string>

#include "install/install_plan.h"
#include "payload/extract_win32.h"
#include "win/message_box_win32.h"

namespace install {

using win::MessageSink;

struct ExecutorSeams {
    MessageSink showMessage;
    payload::ExtractSource extractSource;  // production default: this program's archive
};

enum class PlanOutcome { Completed, Stopped };

// Steps run in order; a failed extraction or a message step shows its
// message and stops. Only the plan's SetResult step sets resultFlag to 1.
// A file-layer error (win::FileError) passes through to the command.
PlanOutcome ApplyPlan(const Plan& plan, const ExecutorSeams& seams, int& resultFlag);

}  // namespace install
