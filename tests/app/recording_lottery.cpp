#include "tests/app/recording_lottery.h"

#include <mutex>

#include "lottery/draw_history.h"
#include "lottery/live_poller.h"
#include "lottery/planner_plans.h"

namespace qinglan::lottery {
namespace {
std::mutex guard;
std::vector<std::string> calls;
void Record(std::string call) {
    std::lock_guard lock(guard);
    calls.push_back(std::move(call));
}
}  // namespace

namespace recorded {
std::vector<std::string> Calls() {
    std::lock_guard lock(guard);
    return calls;
}
void Clear() {
    std::lock_guard lock(guard);
    calls.clear();
}
}  // namespace recorded

void LoadDrawHistory() { Record("LoadDrawHistory"); }
void ShowLatestDraw() { Record("ShowLatestDraw"); }
Text FetchPlan(int) { return {}; }
void ShowPlannerPlan(int k) { Record("ShowPlannerPlan(" + std::to_string(k) + ")"); }
void LoadCheckedPlannerPlan() { Record("LoadCheckedPlannerPlan"); }
void PollLiveDraw() { Record("PollLiveDraw"); }

}  // namespace qinglan::lottery
