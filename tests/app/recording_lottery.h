// Stand-ins for the lottery modules that record what the shell asked of them.
#pragma once

#include <string>
#include <vector>

namespace qinglan::lottery::recorded {

// One entry per call, in call order: "LoadDrawHistory", "PollLiveDraw",
// "LoadCheckedPlannerPlan", "ShowPlannerPlan(k)".
std::vector<std::string> Calls();
void Clear();

}  // namespace qinglan::lottery::recorded
