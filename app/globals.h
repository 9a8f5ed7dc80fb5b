// Process-wide state of the application shell.
#pragma once

#include "runtime/fatal.h"
#include "runtime/types.h"

namespace qinglan::app {

using PlannerIds = runtime::IndexedArray<ControlId, 11>;

// Entry k holds the identifier of planner k's radio button (1..11). The
// storage lives for the whole process, so a worker thread still reading it
// while the program exits reads zero pairs, never freed memory.
PlannerIds& PlannerRadioIds();

// The main window's controls that the lottery modules read and write.
struct MainControls {
    ControlId historyList;   // 超级列表框1
    ControlId periodLabel;   // 透明标签2
    ControlId drawLabel;     // 透明标签1
    ControlId planBox;       // 编辑框1
    ControlId panel;         // 分组框2
    ControlId radioTemplate; // 单选框1
};
MainControls& Controls();

}  // namespace qinglan::app
