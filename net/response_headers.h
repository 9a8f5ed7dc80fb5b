// What HttpRequest takes from a response's raw header block.
#pragma once

#include <optional>

#include "runtime/types.h"

namespace qinglan::net {

struct ResponseHeaders {
    Text raw;                      // the block, every "Set-Cookie" (any case) written so
    Text status;                   // "200 OK": the status line after "HTTP/1.1 "
    Text cookies;                  // first name=value of each Set-Cookie line, "; "-separated
    std::optional<Text> location;  // value of the last "Location: " line (any case)
};

// Reads the block line by line, dispatching the thread's pending window
// messages after each line.
ResponseHeaders ReadResponseHeaders(const Text& raw);

}  // namespace qinglan::net
