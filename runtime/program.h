// Process-level services: worker threads, files, the run directory and the
// routine that runs when the program ends.
#pragma once

#include "runtime/types.h"

namespace qinglan::runtime {

// Registers the routine run once by RunExitRoutine (the last one wins).
void RegisterExitRoutine(void (*routine)());
// Runs the registered routine, once; later calls do nothing.
void RunExitRoutine();

// Starts a thread running `body`; the thread is not joined (its handle is
// closed at once) and ends with its body or with the process.
bool StartWorkerThread(void (*body)());

// The directory of the running program, without a trailing separator.
Text RunDirectory();

// Creates or replaces the file `path` (program text) with `bytes`.
bool WriteBytesToFile(const Text& path, const ByteArray& bytes);

}  // namespace qinglan::runtime
