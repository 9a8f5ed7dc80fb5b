#include "lottery/live_poller.h"

#include "app/globals.h"
#include "lottery/draw_history.h"
#include "lottery/endpoints.h"
#include "lottery/planner_plans.h"
#include "net/http_request.h"
#include "net/text.h"
#include "runtime/controls.h"
#include "runtime/messages.h"

namespace qinglan::lottery {
namespace {

void PollOnce() {
    const Text answer = net::HttpRequest(LotteryInfoUrl(), {.method = net::kHttpGet});
    const Text period = net::TextBetween(answer, "CurrentPeriod\":\"20", "\"");
    const Text draw = net::TextBetween(answer, "CurrentLottery\":\"", "\"");
    // No period (a failed request, or an answer without it) is no draw: the
    // history gains only real draws.
    if (period.empty()) return;
    const ControlId list = app::Controls().historyList;
    if (runtime::CellText(list, runtime::RowCount(list) - 1, 1) == period) return;
    const int row = runtime::AppendRow(list);
    runtime::SetCellText(list, row, 1, period);
    runtime::SetCellText(list, row, 2, draw);
    // Control updates are dropped by the runtime once the program stops; the
    // plan's request is not worth making then either.
    if (runtime::StopRequested()) return;
    LoadCheckedPlannerPlan();
    ShowLatestDraw();
}

}  // namespace

void PollLiveDraw() {
    do {
        PollOnce();
    } while (runtime::DelayDispatching(kPollIntervalMs));
}

}  // namespace qinglan::lottery
