// A label window that paints only its text, over what its parent painted.
#pragma once

namespace qinglan::runtime {

inline constexpr char kTransparentLabelClass[] = "QinglanTransparentLabel";

// Registers the window class (once per process).
bool RegisterTransparentLabelClass();

}  // namespace qinglan::runtime
