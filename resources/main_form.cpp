#include "resources/main_form.h"

#include <commctrl.h>

namespace qinglan::resources {
namespace {

using runtime::ColumnDescription;
using runtime::ControlDescription;
using runtime::ControlKind;
using runtime::FontDescription;

// Column 0 stays empty and hidden; column 1 holds the period, column 2 the draw.
constexpr ColumnDescription kHistoryColumns[] = {
    {"", 0, LVCFMT_LEFT},
    {"期号", 100, LVCFMT_CENTER},
    {"奖号", 70, LVCFMT_CENTER},
};

const ControlDescription kMainControls[] = {
    {.name = "透明标签3", .kind = ControlKind::TransparentLabel, .left = 208, .top = 42, .width = 536, .height = 96,
     .text = "承接各类彩票软件定制。（计划出号，方案缩水，自动投注，大数据统计。）\r\n更多免费软件联系Q:1234567890",
     .font = FontDescription{.face = "华文行楷", .height = 24, .bold = false, .charset = GB2312_CHARSET},
     .textColour = RGB(255, 128, 0)},
    {.name = "时钟1", .kind = ControlKind::Timer, .left = 128, .top = 224, .width = 26, .height = 26,
     .timerIntervalMs = 1000},
    {.name = "单选框1", .kind = ControlKind::RadioButton, .left = 665, .top = 145, .width = 75, .height = 32,
     .text = "单选框"},
    {.name = "编辑框1", .kind = ControlKind::EditBox, .left = 208, .top = 143, .width = 456, .height = 520,
     .text = "", .textColour = RGB(255, 0, 0), .multiLine = true, .verticalScroll = true},
    {.name = "分组框2", .kind = ControlKind::GroupBox, .left = 5, .top = 37, .width = 194, .height = 99, .text = ""},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "分组框2", .left = 10, .top = 73,
     .width = 174, .height = 19, .text = "20170235-0125",
     .font = FontDescription{.face = nullptr, .height = 24, .bold = true, .charset = GB2312_CHARSET},
     .textColour = RGB(0, 0, 255)},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "分组框2", .left = 10, .top = 14,
     .width = 174, .height = 45, .text = "99999",
     .font = FontDescription{.face = "新宋体", .height = 48, .bold = true, .charset = GB2312_CHARSET},
     .textColour = RGB(255, 0, 0)},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 5, .top = 144, .width = 194, .height = 520,
     .columns = kHistoryColumns},
};

}  // namespace

const runtime::FormDescription kMainForm = {
    .title = "青岚计划软件免费版本 更多免费咨询Q：1234567890",
    .left = 50, .top = 50, .width = 748, .height = 665,
    .centred = true,
    .border = false,
    .controlMenu = true,
    .minimiseBox = true,
    .maximiseBox = false,
    .movable = true,
    .inTaskbar = true,
    .escapeCloses = true,
    .controls = kMainControls,
};

}  // namespace qinglan::resources
