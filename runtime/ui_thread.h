// Runs control operations on the thread that owns the windows, so worker
// threads can use them safely.
#pragma once

#include <functional>

namespace qinglan::runtime {

// Makes the calling thread the user-interface thread (once, at start-up).
bool MakeUiThread();

// Runs `work` on the user-interface thread and waits for it; on that thread
// it runs at once. Once the program is stopping, work from other threads is
// dropped, so nothing touches state that the exit is releasing.
void RunOnUiThread(const std::function<void()>& work);

}  // namespace qinglan::runtime
