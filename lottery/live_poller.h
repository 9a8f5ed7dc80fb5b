// The worker that keeps the draw history current.
#pragma once

namespace qinglan::lottery {

// Polls the lottery-information service until the program stops.
void PollLiveDraw();

}  // namespace qinglan::lottery
