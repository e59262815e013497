#pragma once
// The three plug-in installers: each reads what it needs from the system,
// plans, applies the plan and returns how it ended.
#include <string>

#include "shared/install_request.h"
#include "shared/plan_executor_win32.h"

namespace plugins {

// setupFolder holds the supplied folders and ends in a backslash.
shared::InstallOutcome InstallCorelDraw(const shared::InstallRequest& request, const std::string& setupFolder,
                                        const shared::ExecutorSeams& seams);
shared::InstallOutcome InstallAutoCad(const shared::InstallRequest& request, const std::string& setupFolder,
                                      const shared::ExecutorSeams& seams);
shared::InstallOutcome InstallIllustrator(const shared::InstallRequest& request, const std::string& setupFolder,
                                          const shared::ExecutorSeams& seams);

}  // namespace plugins
