// The process-wide status of the last flat call made by any wrapper.
#pragma once

#include "gdiplus/flat.h"

namespace qinglan::gdiplus {

namespace detail {
inline Status lastStatus = Ok;
}

// The raw GpStatus of the last flat call a wrapper made (the last one where a
// method makes several). The layer is used from one thread, so a plain word.
inline Status LastStatus() { return detail::lastStatus; }

// Stores `status` as LastStatus; true when it is Ok.
inline bool Keep(Status status) {
    detail::lastStatus = status;
    return status == Ok;
}

}  // namespace qinglan::gdiplus
