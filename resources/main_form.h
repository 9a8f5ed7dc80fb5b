// The main window's form: its place, settings and controls.
#pragma once

#include "runtime/form_description.h"

namespace qinglan::resources {

extern const runtime::FormDescription kMainForm;

}  // namespace qinglan::resources
