#include <gtest/gtest.h>

#include "default_header_lines.h"
#include "net/request_headers.h"
#include "net/response_headers.h"

namespace qinglan::net {
namespace {

using namespace testing;  // the default lines

const Text kUserAgent = kUserAgentLine + "\r\n";
const Text kAccept = kAcceptLine + "\r\n";
const Text kEncoding = kEncodingLine + "\r\n";
const Text kLanguage = kLanguageLine + "\r\n";
const Text kForm = kFormLine + "\r\n";
const Text kNoCache = kNoCacheLine + "\r\n";
const Text kDefaults = kUserAgent + kAccept + kEncoding + kLanguage;

TEST(RequestHeaders, Blocks) {
    struct Case {
        const char* name;
        Text extra;
        Text cookies;
        bool post;
        Text expected;
    };
    const Case cases[] = {
        {"plain GET", "", "", false, kDefaults + kNoCache},
        {"plain POST", "", "", true, kDefaults + kForm + kNoCache},
        {"cookies", "", "a=1; b=2", false, kDefaults + kNoCache + "Cookie: a=1; b=2\r\n"},
        {"user agent in any case", "user-agent: x", "", false,
         "user-agent: x\r\n" + kAccept + kEncoding + kLanguage + kNoCache},
        {"content type only in exact case", "content-type: y", "", true, "content-type: y\r\n" + kDefaults + kForm + kNoCache},
        {"content type given", "Content-Type: text/plain", "", true, "Content-Type: text/plain\r\n" + kDefaults + kNoCache},
        {"key anywhere in the block", "X-Note: ACCEPT: all", "", false,
         "X-Note: ACCEPT: all\r\n" + kUserAgent + kEncoding + kLanguage + kNoCache},
        {"two extra lines", "A: 1\r\nCookie: mine", "a=1", false,
         "A: 1\r\nCookie: mine\r\n" + kDefaults + kNoCache},
        {"cache control given", "CACHE-CONTROL: max-age=0", "", false,
         "CACHE-CONTROL: max-age=0\r\n" + kDefaults},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildRequestHeaders(c.extra, c.cookies, c.post), c.expected) << c.name;
}

TEST(ResponseHeaders, StatusCookiesLocation) {
    const ResponseHeaders headers = ReadResponseHeaders(
        "HTTP/1.1 302 Found\r\nSet-Cookie: a=1; path=/\r\nset-cookie: b=2\r\nSET-COOKIE:c=3;HttpOnly\r\n"
        "location: /next\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(headers.status, "302 Found");
    EXPECT_EQ(headers.cookies, "a=1; b=2; c=3");
    ASSERT_TRUE(headers.location.has_value());
    EXPECT_EQ(*headers.location, "/next");
    EXPECT_EQ(headers.raw,
              "HTTP/1.1 302 Found\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\nSet-Cookie:c=3;HttpOnly\r\n"
              "location: /next\r\nContent-Length: 0\r\n\r\n");
}

TEST(ResponseHeaders, OddBlocks) {
    struct Case {
        const char* raw;
        const char* status;
        const char* cookies;
        const char* location;  // null: none
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\n\r\n", "200 OK", "", nullptr},
        {"HTTP/1.1 200 OK", "", "", nullptr},          // no line break after the status
        {"", "", "", nullptr},
        {"HTTP/1.1\r\n", "", "", nullptr},
        {"HTTP/1.1 200 OK\r\nSet-Cookie:\r\nSet-Cookie: ;\r\n\r\n", "200 OK", "", nullptr},
        {"HTTP/1.1 200 OK\r\nLocation: \r\nX-Location: /no\r\n\r\n", "200 OK", "", ""},
        {"HTTP/1.1 200 OK\r\nLocation:/x\r\n\r\n", "200 OK", "", nullptr},  // needs "Location: "
        {"HTTP/1.1 200 OK\r\nLocation: /a\r\nLocation: /b\r\n\r\n", "200 OK", "", "/b"},
    };
    for (const Case& c : cases) {
        const ResponseHeaders headers = ReadResponseHeaders(c.raw);
        EXPECT_EQ(headers.status, c.status) << c.raw;
        EXPECT_EQ(headers.cookies, c.cookies) << c.raw;
        EXPECT_EQ(headers.location.has_value(), c.location != nullptr) << c.raw;
        if (c.location && headers.location) {
            EXPECT_EQ(*headers.location, c.location) << c.raw;
        }
    }
}

}  // namespace
}  // namespace qinglan::net
