#pragma once
// The three plug-in installers: each reads what it needs from the system,
// plans, and applies the plan.
#include "install/plan_executor_win32.h"
#include "plugins/plugin_steps.h"

namespace plugins {

void InstallCorelDraw(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag);
void InstallAutoCad(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag);
void InstallIllustrator(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag);

}  // namespace plugins
