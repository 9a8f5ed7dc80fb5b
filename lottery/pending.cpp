// Placeholders until the network layer lands.
#include "lottery/draw_history.h"
#include "lottery/live_poller.h"
#include "lottery/planner_plans.h"

namespace qinglan::lottery {
void LoadDrawHistory() {}
void ShowLatestDraw() {}
Text FetchPlan(int) { return {}; }
void ShowPlannerPlan(int) {}
void LoadCheckedPlannerPlan() {}
void PollLiveDraw() {}
}  // namespace qinglan::lottery
