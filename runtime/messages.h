// Message dispatching for long-running work.
#pragma once

#include <windows.h>

namespace qinglan::runtime {

// Dispatches every window message already queued for the calling thread.
void DispatchPendingMessages();

// A hook that sees each message before it is dispatched, in every loop of
// the program (the message loop and the dispatching points of long work); a
// true answer means it consumed the message. Forms use it for their keys.
using MessageFilter = bool (*)(const MSG& msg);
void SetMessageFilter(MessageFilter filter);
// Filters, translates and dispatches one message.
void DispatchOne(const MSG& msg);

// Waits `milliseconds` while dispatching the calling thread's messages.
// Returns false early (and at once) when the program is stopping.
bool DelayDispatching(unsigned milliseconds);

// Set when the main window is gone: worker threads stop touching controls.
bool StopRequested();
void RequestStop();
// Lets a window be run again in the same process after a stop (tests).
void ClearStopRequest();

}  // namespace qinglan::runtime
