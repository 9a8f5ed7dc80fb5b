// One synchronous HTTP or HTTPS exchange over WinHttp, answering the body as
// program text. Failures are reported through `status` as numbered texts
// (700..713) with an empty result. Re-entrant: each call opens and closes its
// own session, connection and request and keeps nothing afterwards.
#pragma once

#include <optional>

#include "runtime/types.h"

namespace qinglan::net {

enum HttpMethod : int {
    kHttpGet = 0,
    kHttpPost = 1,
    kHttpHead = 2,
    kHttpPut = 3,
    kHttpOptions = 4,
    kHttpDelete = 5,
    kHttpTrace = 6,
    kHttpConnect = 7,
};

// The optional parameters, in their fixed order. An unset optional (or a null
// pointer for an output) means "not supplied": texts read as empty, numbers
// as 0. Write only what a call needs, e.g. {.method = kHttpPost, .postData = "id=3"}.
struct HttpOptions {
    std::optional<int> method{};            // HttpMethod index, default GET
    std::optional<Text> postData{};         // request body, sent as its bytes
    Text* cookies = nullptr;              // in/out: cookies to send, then the merged cookies
    Text* returnedCookies = nullptr;      // out: "; "-separated cookies the response set
    std::optional<Text> extraHeaders{};     // "\r\n"-separated lines, no final line break
    Text* returnedHeaders = nullptr;      // out: the raw response header block
    std::optional<int> disableRedirects{};  // non-zero: do not follow redirects
    std::optional<Text> userName{};         // basic authentication with the server
    std::optional<Text> password{};
    std::optional<Text> proxy{};  // "host:port"; empty: no proxy
    std::optional<Text> proxyUserName{};
    std::optional<Text> proxyPassword{};
    std::optional<int> timeoutSeconds{};  // 0 or less: 30 seconds
    Text* location = nullptr;           // out: value of a "Location: " line; else unchanged
    Text* status = nullptr;             // out: "200 OK" or an error text; else unchanged
    ByteArray* responseBytes = nullptr; // out: the raw body
    std::optional<bool> mergeCookies{};   // default true: merge returned cookies into `cookies`
};

Text HttpRequest(const Text& url, const HttpOptions& options = {});

}  // namespace qinglan::net
