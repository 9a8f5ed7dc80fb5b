#include "lottery/planner_plans.h"

#include <string>

#include "app/globals.h"
#include "lottery/endpoints.h"
#include "net/encoding.h"
#include "net/http_request.h"
#include "net/text.h"
#include "runtime/controls.h"

namespace qinglan::lottery {

Text FetchPlan(int number) {
    const Text answer =
        net::HttpRequest(PlanServiceUrl(), {.method = net::kHttpPost, .postData = "id=i" + std::to_string(number)});
    const Text decoded = net::PercentDecode(answer, true);
    const Text plan = net::TextBetween(decoded, "{\"values\":\"", "\",\"time\"");
    return net::Replace(plan, "<br />", "\r\n");
}

void ShowPlannerPlan(int k) {
    const ControlId button = app::PlannerRadioIds()[k];
    Text plan = FetchPlan(k - 1);
    // The author's name, wherever it stands, becomes the button's caption.
    const Text name = net::TextBetween(plan, "【", "】");
    if (!name.empty()) plan = net::Replace(plan, name, runtime::ControlText(button));
    runtime::SetControlText(app::Controls().planBox, plan);
}

void LoadCheckedPlannerPlan() {
    for (int k = 1; k <= app::PlannerIds::Size(); ++k)
        if (runtime::ControlChecked(app::PlannerRadioIds()[k])) ShowPlannerPlan(k);
}

}  // namespace qinglan::lottery
