#include "app/globals.h"

namespace qinglan::app {

PlannerIds& PlannerRadioIds() {
    static PlannerIds ids("PlannerRadioIds");
    return ids;
}

MainControls& Controls() {
    static MainControls controls;
    return controls;
}

}  // namespace qinglan::app
