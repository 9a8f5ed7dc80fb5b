#include "lottery/draw_history.h"

#include "app/globals.h"
#include "lottery/endpoints.h"
#include "net/http_request.h"
#include "net/regex_object.h"
#include "net/text.h"
#include "runtime/controls.h"
#include "runtime/program.h"

namespace qinglan::lottery {
namespace {

// One draw of the trend page: the period in the kjhm attribute, the draw as
// the element's text followed by one space.
constexpr char kRowPattern[] = R"re(<span class="c_ba2636" kjhm="(.*?)">(.*?) </span>)re";

}  // namespace

void LoadDrawHistory() {
    const ControlId list = app::Controls().historyList;
    net::RegexObject rows;
    const Text page = net::HttpRequest(TrendPageUrl(), {.method = net::kHttpGet});
    rows.Create(kRowPattern, page);
    const int count = rows.MatchCount();
    Text fileText;
    int lastRow = 0;
    for (int i = 1; i <= count; ++i) {
        const Text period = rows.SubMatchText(i, 1), draw = rows.SubMatchText(i, 2);
        lastRow = runtime::AppendRow(list);
        runtime::SetCellText(list, lastRow, 1, period);
        runtime::SetCellText(list, lastRow, 2, draw);
        fileText += " " + period + "\t" + draw;
    }
    // Every space becomes a line break: the file holds one draw per line.
    fileText = net::Replace(net::Trim(fileText), " ", "\r\n");
    // A page without draws (a failed request among them) keeps the draw file
    // as it was: the user's record must not be erased by a network failure.
    if (count > 0) runtime::WriteBytesToFile(runtime::RunDirectory() + "/开奖数据.txt", {fileText.begin(), fileText.end()});
    runtime::ScrollRowIntoView(list, lastRow);
    ShowLatestDraw();
}

void ShowLatestDraw() {
    const app::MainControls& controls = app::Controls();
    const int last = runtime::RowCount(controls.historyList) - 1;
    runtime::SetControlText(controls.periodLabel, runtime::CellText(controls.historyList, last, 1) + "期");
    runtime::SetControlText(controls.drawLabel, runtime::CellText(controls.historyList, last, 2));
}

}  // namespace qinglan::lottery
