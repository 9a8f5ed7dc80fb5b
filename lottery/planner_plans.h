// The planners' plans, fetched from the plan service and shown in the plan box.
#pragma once

#include "runtime/types.h"

namespace qinglan::lottery {

// The plan text of the planner the service knows as `number` (0..10).
Text FetchPlan(int number);

// Fetches planner k's plan (1..11), puts the button's caption in place of the
// author's name and shows it.
void ShowPlannerPlan(int k);

// Shows the plan of the planner whose button is checked.
void LoadCheckedPlannerPlan();

}  // namespace qinglan::lottery
