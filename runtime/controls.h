// Control properties and list-view rows, addressed by control identifier.
// Every operation may be called from any thread: it runs on the thread that
// owns the window. Unknown identifiers read as empty / 0 and change nothing.
#pragma once

#include <windows.h>

#include "runtime/types.h"

namespace qinglan::runtime {

HWND WindowOf(ControlId id);

int ControlLeft(ControlId id);
int ControlTop(ControlId id);
int ControlWidth(ControlId id);
int ControlHeight(ControlId id);
void SetControlTop(ControlId id, int top);
bool ControlVisible(ControlId id);
void SetControlVisible(ControlId id, bool visible);

// The caption of a label or button, the content of an edit box.
Text ControlText(ControlId id);
void SetControlText(ControlId id, const Text& text);

bool ControlChecked(ControlId id);
void SetControlChecked(ControlId id, bool checked);

// List-view rows are 0-based, columns as the form numbers them.
int AppendRow(ControlId listView);  // the new row's index, or -1
int RowCount(ControlId listView);
void SetCellText(ControlId listView, int row, int column, const Text& text);
Text CellText(ControlId listView, int row, int column);
void ScrollRowIntoView(ControlId listView, int row);

}  // namespace qinglan::runtime
