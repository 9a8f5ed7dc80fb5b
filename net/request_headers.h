// The header block every request sends.
#pragma once

#include "runtime/types.h"

namespace qinglan::net {

// The caller's `extraHeaders` (with a line break added) followed by the
// default lines whose key does not already occur in the block: User-Agent,
// Accept, Accept-Encoding, Accept-Language, Content-Type (POST only; its key
// is compared in exact case), Cache-Control and Cookie (when `cookies` is not
// empty), in that order.
Text BuildRequestHeaders(const Text& extraHeaders, const Text& cookies, bool post);

}  // namespace qinglan::net
