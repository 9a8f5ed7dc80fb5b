#include "gdiplus/string_format.h"

namespace qinglan::gdiplus {

INT PlusStringFormat::GetStringFormatTabStops(REAL& firstOffset, std::vector<REAL>& stops) const {
    INT count = 0;
    stops.clear();
    if (!Keep(flat::GdipGetStringFormatTabStopCount(format_, &count)) || count < 1) return 0;
    stops.assign(count, 0.0f);
    return Act(flat::GdipGetStringFormatTabStops, format_, count, &firstOffset, stops.data()) ? count : 0;
}

}  // namespace qinglan::gdiplus
