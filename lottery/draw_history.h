// The draw history: the last 30 draws at start, and the panel's latest draw.
#pragma once

namespace qinglan::lottery {

// Fetches the trend page, lists its draws, writes the draw file, scrolls to
// the last row and shows the latest draw.
void LoadDrawHistory();

// Shows the history list's last row in the panel labels.
void ShowLatestDraw();

}  // namespace qinglan::lottery
