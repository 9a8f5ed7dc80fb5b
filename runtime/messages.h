// Message dispatching for long-running work.
#pragma once

namespace qinglan::runtime {

// Dispatches every window message already queued for the calling thread.
void DispatchPendingMessages();

// Waits `milliseconds` while dispatching the calling thread's messages.
// Returns false early (and at once) when the program is stopping.
bool DelayDispatching(unsigned milliseconds);

// Set when the main window is gone: worker threads stop touching controls.
bool StopRequested();
void RequestStop();
// Lets a window be run again in the same process after a stop (tests).
void ClearStopRequest();

}  // namespace qinglan::runtime
