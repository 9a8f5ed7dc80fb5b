#include "net/response_headers.h"

#include "net/text.h"
#include "runtime/messages.h"

namespace qinglan::net {
namespace {

// The first name=value of a Set-Cookie line, trimmed.
Text CookieOfLine(const Text& line) {
    if (Find(line, ";") != -1) return Trim(TextBetween(line, "Set-Cookie:", ";"));
    return Trim(Replace(line, "Set-Cookie:", "", true));
}

// The status line's code and reason: from the 10th character to its end.
Text StatusOf(const Text& raw) {
    const int end = Find(raw, "\r\n", 10);
    return end == -1 ? Text() : Mid(raw, 10, end - 10);
}

}  // namespace

ResponseHeaders ReadResponseHeaders(const Text& raw) {
    ResponseHeaders headers;
    headers.status = StatusOf(raw);
    headers.raw = Replace(raw, "Set-Cookie", "Set-Cookie", true);
    for (const Text& line : Split(headers.raw, "\r\n")) {
        if (Find(line, "Set-Cookie") != -1) {
            const Text cookie = CookieOfLine(line);
            // An empty value ("Set-Cookie:" alone) would only add an empty entry.
            if (!cookie.empty()) headers.cookies += cookie + "; ";
        }
        if (Find(Left(line, 10), "Location: ", 0, true) == 1 && line.size() >= 10) headers.location = line.substr(10);
        runtime::DispatchPendingMessages();
    }
    if (!headers.cookies.empty()) headers.cookies.resize(headers.cookies.size() - 2);
    return headers;
}

}  // namespace qinglan::net
