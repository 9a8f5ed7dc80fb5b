#include "net/http_request.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "net/text.h"
#include "runtime/handle.h"
#include "default_header_lines.h"
#include "test_server.h"

namespace qinglan::net {
namespace {

using ::testing::PrintToString;
using testing::OriginUrl;
using testing::TestServer;

const Text& kUserAgent = testing::kUserAgentLine;
const Text& kAccept = testing::kAcceptLine;
const Text& kEncoding = testing::kEncodingLine;
const Text& kLanguage = testing::kLanguageLine;
const Text& kForm = testing::kFormLine;
const Text& kNoCache = testing::kNoCacheLine;

// A request as the echo route gives it back.
struct Echo {
    Text requestLine;
    std::vector<Text> headers;  // every line, in order of arrival
    Text body;

    // The lines the caller controls: without the ones WinHttp adds itself.
    std::vector<Text> OwnHeaders() const {
        std::vector<Text> own;
        for (const Text& line : headers) {
            const Text name = line.substr(0, line.find(':'));
            if (name != "Host" && name != "Connection" && name != "Content-Length") own.push_back(line);
        }
        return own;
    }
    bool Has(const Text& line) const { return IndexOf(line) != -1; }
    int IndexOf(const Text& line) const {
        for (std::size_t i = 0; i < headers.size(); ++i) {
            if (headers[i] == line) return static_cast<int>(i);
        }
        return -1;
    }
};

Echo ParseEcho(const Text& text) {
    Echo echo;
    const int end = Find(text, "\r\n\r\n");
    if (end == -1) return echo;
    std::vector<Text> lines = Split(Left(text, end - 1), "\r\n");
    if (lines.empty()) return echo;
    echo.requestLine = lines.front();
    echo.headers.assign(lines.begin() + 1, lines.end());
    echo.body = text.substr(static_cast<std::size_t>(end + 3));
    return echo;
}

Echo EchoOf(const Text& url, HttpOptions options = {}) {
    Text status;
    options.status = &status;
    const Echo echo = ParseEcho(HttpRequest(url, options));
    EXPECT_EQ(status, "200 OK") << url;
    return echo;
}

// Every test leaves no WinHttp handle open.
class HttpRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(TestServer().origin, 0) << "the net_server fixture did not run";
        handlesBefore_ = LiveHandleCount();
    }
    void TearDown() override { EXPECT_EQ(LiveHandleCount(), handlesBefore_); }

private:
    long handlesBefore_ = 0;
};

TEST_F(HttpRequestTest, GetSendsTheDefaultBlockInOrder) {
    const Echo echo = EchoOf(OriginUrl("/echo/get"), {.method = kHttpGet});
    EXPECT_EQ(echo.requestLine, "GET /echo/get HTTP/1.1");
    EXPECT_EQ(echo.OwnHeaders(), (std::vector<Text>{kUserAgent, kAccept, kEncoding, kLanguage, kNoCache}));
    EXPECT_TRUE(echo.Has("Host: 127.0.0.1:" + std::to_string(TestServer().origin)));
    EXPECT_EQ(echo.body, "");
}

TEST_F(HttpRequestTest, PostSendsTheFormLineAndTheBody) {
    const Echo echo = EchoOf(OriginUrl("/echo/plan"), {.method = kHttpPost, .postData = "id=i3"});
    EXPECT_EQ(echo.requestLine, "POST /echo/plan HTTP/1.1");
    EXPECT_EQ(echo.OwnHeaders(), (std::vector<Text>{kUserAgent, kAccept, kEncoding, kLanguage, kForm, kNoCache}));
    EXPECT_TRUE(echo.Has("Content-Length: 5"));
    EXPECT_EQ(echo.body, "id=i3");

    const Text binary("a\xD6\xD0&b=%41\r\n", 11);  // the text's bytes go out unchanged
    EXPECT_EQ(EchoOf(OriginUrl("/echo/raw"), {.method = kHttpPost, .postData = binary}).body, binary);
}

TEST_F(HttpRequestTest, ExtraHeaders) {
    // A caller's user agent, in any case, replaces the default one.
    Echo echo = EchoOf(OriginUrl("/echo/ua"), {.extraHeaders = "user-agent: x\r\nX-Trace: 7"});
    EXPECT_FALSE(echo.Has(kUserAgent));
    EXPECT_NE(echo.IndexOf("X-Trace: 7"), -1);
    EXPECT_LT(echo.IndexOf("X-Trace: 7"), echo.IndexOf(kAccept));
    // A lower-case content type does not suppress the form line of a POST.
    echo = EchoOf(OriginUrl("/echo/ct"), {.method = kHttpPost, .postData = "a=1", .extraHeaders = "content-type: y"});
    EXPECT_TRUE(echo.Has(kForm));
    // A GET never gets a content type.
    echo = EchoOf(OriginUrl("/echo/get-ct"), {.method = kHttpGet, .postData = "a=1"});
    for (const Text& line : echo.headers) EXPECT_EQ(Find(line, "Content-Type", 0, true), -1) << line;
}

TEST_F(HttpRequestTest, TimeOutsOfAnySize) {
    // 0 and negative mean 30 s; a time-out whose milliseconds pass the int range still works.
    for (int seconds : {0, -5, 5, 3000000, 0x7FFFFFFF}) {
        Text status;
        HttpRequest(OriginUrl("/echo/t"), {.timeoutSeconds = seconds, .status = &status});
        EXPECT_EQ(status, "200 OK") << seconds;
    }
}

TEST_F(HttpRequestTest, ObjectNames) {
    const int port = TestServer().origin;
    struct Case {
        Text url;
        const char* requestLine;
    };
    const Case cases[] = {
        {"http://127.0.0.1:" + std::to_string(port), "GET / HTTP/1.1"},
        {"http://127.0.0.1:" + std::to_string(port) + "?periodNumber=30", "GET / HTTP/1.1"},
        {"http://127.0.0.1:" + std::to_string(port) + "/echo/q?periodNumber=30&x=%41", "GET /echo/q?periodNumber=30&x=%41 HTTP/1.1"},
        {"http://127.0.0.1:" + std::to_string(port) + "/api/lotteryinfo/cqssc?", "GET /api/lotteryinfo/cqssc? HTTP/1.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseEcho(HttpRequest(c.url)).requestLine, c.requestLine) << c.url;
    }
}

TEST_F(HttpRequestTest, Methods) {
    const char* const verbs[] = {"GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE"};
    for (int method = kHttpGet; method <= kHttpTrace; ++method) {
        Text status;
        ByteArray bytes;
        const Text text = HttpRequest(OriginUrl("/echo/verb"), {.method = method, .status = &status, .responseBytes = &bytes});
        EXPECT_EQ(status, "200 OK") << verbs[method];
        if (method == kHttpHead) {
            EXPECT_EQ(text, "");  // a HEAD answer has no body
        } else {
            EXPECT_EQ(ParseEcho(text).requestLine, Text(verbs[method]) + " /echo/verb HTTP/1.1");
        }
    }
    Text status;
    EXPECT_EQ(HttpRequest(OriginUrl("/echo/verb"), {.method = 8, .status = &status}), "");
    EXPECT_EQ(status, "704 创建WinHttp请求失败!");
}

TEST_F(HttpRequestTest, CookiesFromMixedCaseLines) {
    Text returned = "stale";
    Text headers;
    // No cookie variable: the response's cookies come back as they are.
    EXPECT_EQ(HttpRequest(OriginUrl("/cookies"), {.returnedCookies = &returned, .returnedHeaders = &headers}), "ok");
    EXPECT_EQ(returned, "a=1; b=2");
    EXPECT_NE(Find(headers, "\r\nSet-Cookie: b=2\r\n"), -1) << headers;
    EXPECT_EQ(Find(headers, "set-cookie"), -1) << headers;

    // A cookie variable: it is sent, then receives the merged cookies.
    Text cookies = "a=0; z=9";
    HttpRequest(OriginUrl("/cookies"), {.cookies = &cookies, .returnedCookies = &returned});
    EXPECT_EQ(cookies, "a=1; b=2; z=9");
    EXPECT_EQ(returned, "a=1; b=2; z=9");
    EXPECT_TRUE(EchoOf(OriginUrl("/echo/cookie"), {.cookies = &cookies}).Has("Cookie: a=1; b=2; z=9"));
    EXPECT_EQ(cookies, "a=1; b=2; z=9");  // the echo set none: nothing changes

    // Merging switched off: the variable is only sent.
    cookies = "a=0";
    HttpRequest(OriginUrl("/cookies"), {.cookies = &cookies, .returnedCookies = &returned, .mergeCookies = false});
    EXPECT_EQ(cookies, "a=0");
    EXPECT_EQ(returned, "a=1; b=2");

    // No Set-Cookie line at all.
    HttpRequest(OriginUrl("/echo/none"), {.returnedCookies = &returned});
    EXPECT_EQ(returned, "");
}

TEST_F(HttpRequestTest, LocationAndStatus) {
    Text location = "before";
    Text status;
    HttpRequest(OriginUrl("/location"), {.location = &location, .status = &status});
    EXPECT_EQ(location, "/next");
    EXPECT_EQ(status, "200 OK");

    location = "before";
    HttpRequest(OriginUrl("/echo/x"), {.location = &location});
    EXPECT_EQ(location, "before");

    EXPECT_EQ(HttpRequest(OriginUrl("/teapot"), {.status = &status}), "short and stout");
    EXPECT_EQ(status, "418 I'm a teapot");
    HttpRequest(OriginUrl("/no/such/route"), {.status = &status});
    EXPECT_EQ(status, "404 Not Found");
}

TEST_F(HttpRequestTest, Redirects) {
    for (const char* code : {"301", "302", "307"}) {
        const Text url = OriginUrl(Text("/redirect?code=") + code + "&to=/echo/landed");
        Text status;
        Text location = "before";
        const Text followed = HttpRequest(url, {.location = &location, .status = &status});
        EXPECT_EQ(status, "200 OK") << code;
        EXPECT_EQ(ParseEcho(followed).requestLine, "GET /echo/landed HTTP/1.1") << code;

        const Text stopped = HttpRequest(url, {.disableRedirects = 1, .location = &location, .status = &status});
        EXPECT_EQ(stopped, "") << code;
        EXPECT_EQ(status, Text(code) + " Moved");
        EXPECT_EQ(location, "/echo/landed");
    }
}

TEST_F(HttpRequestTest, ServerCredentials) {
    Echo echo = EchoOf(OriginUrl("/echo/auth"), {.userName = "user", .password = "pass"});
    EXPECT_TRUE(echo.Has("Authorization: Basic dXNlcjpwYXNz")) << PrintToString(echo.headers);
    // Both are needed; one alone sends nothing.
    echo = EchoOf(OriginUrl("/echo/auth"), {.userName = "user"});
    for (const Text& line : echo.headers) EXPECT_EQ(Find(line, "Authorization"), -1) << line;
}

TEST_F(HttpRequestTest, NamedProxy) {
    const Text proxy = "127.0.0.1:" + std::to_string(TestServer().proxy);
    // A plain URL goes through the proxy: the request line is absolute.
    const Echo echo = EchoOf("http://plans.invalid/int.ashx?x=1", {.proxy = proxy});
    // (Wine writes the default port into the absolute form; both forms are valid.)
    EXPECT_TRUE(echo.requestLine == "GET http://plans.invalid/int.ashx?x=1 HTTP/1.1" ||
                echo.requestLine == "GET http://plans.invalid:80/int.ashx?x=1 HTTP/1.1")
        << echo.requestLine;
    EXPECT_TRUE(echo.Has(kUserAgent));
    // A proxy that asks for credentials gets the ones given.
    const Echo withCredentials =
        EchoOf("http://auth.invalid/", {.proxy = proxy, .proxyUserName = "pu", .proxyPassword = "pp"});
    EXPECT_TRUE(withCredentials.Has("Proxy-Authorization: Basic cHU6cHA=")) << PrintToString(withCredentials.headers);

    Text status;
    HttpRequest("http://auth.invalid/", {.proxy = proxy, .status = &status});
    EXPECT_EQ(status, "407 Proxy Authentication Required");

    // A secure URL hands the proxy text over unchanged: the proxy is asked to
    // tunnel. It refuses, so the exchange fails, but the request was recorded.
    EXPECT_EQ(HttpRequest("https://secure.invalid/x", {.proxy = proxy, .timeoutSeconds = 5, .status = &status}), "");
    EXPECT_FALSE(status.empty());
    const Text log = HttpRequest("http://" + proxy + "/_log");
    EXPECT_NE(Find(log, "CONNECT secure.invalid:443 HTTP/1.1"), -1) << log;
}

TEST_F(HttpRequestTest, FailuresLeaveTheOutputsAlone) {
    struct Case {
        Text url;
        HttpOptions options;
        const char* status;
    };
    const Text closed = "http://127.0.0.1:" + std::to_string(TestServer().closed) + "/";
    const Case cases[] = {
        {closed, {}, "711 发送请求失败!"},
        {"http://unresolvable.invalid/", {.timeoutSeconds = 5}, "711 发送请求失败!"},
        {OriginUrl("/silent"), {.timeoutSeconds = 1}, "712 服务器未响应!"},
        {"not a url", {}, "701 解析URL地址失败!"},
        {"", {}, "701 解析URL地址失败!"},
        {"ftp://127.0.0.1/file", {}, "701 解析URL地址失败!"},
    };
    for (Case c : cases) {
        Text returned = "r";
        Text headers = "h";
        Text location = "l";
        Text status;
        ByteArray bytes = {1};
        c.options.returnedCookies = &returned;
        c.options.returnedHeaders = &headers;
        c.options.location = &location;
        c.options.status = &status;
        c.options.responseBytes = &bytes;
        const ULONGLONG started = GetTickCount64();
        EXPECT_EQ(HttpRequest(c.url, c.options), "") << c.url;
        const ULONGLONG seconds = (GetTickCount64() - started) / 1000;
        EXPECT_EQ(status, c.status) << c.url;
        // Not a speed check: a time-out of 1-5 s must not become the default 30 s.
        EXPECT_LT(seconds, 20u) << c.url;
        EXPECT_EQ(returned, "r");
        EXPECT_EQ(headers, "h");
        EXPECT_EQ(location, "l");
        EXPECT_EQ(bytes, ByteArray{1});
    }
}

const Text kPageText = "中文 第123期 大小";

Text CharsetPage(const Text& name) {
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + name +
           "\" /></head><body>" + kPageText + "</body></html>";
}

TEST_F(HttpRequestTest, DeclaredCharsets) {
    // utf-8 and big5 are decoded into GBK text; gb2312 and GBK read as they are;
    // an unknown name leaves the raw bytes (GBK here).
    for (const char* name : {"utf-8", "gb2312", "GBK", "big5", "x-unknown"}) {
        Text status;
        ByteArray bytes;
        const Text text = HttpRequest(OriginUrl(Text("/charset/") + name), {.status = &status, .responseBytes = &bytes});
        EXPECT_EQ(status, "200 OK");
        EXPECT_EQ(text, CharsetPage(name)) << name;
    }
    ByteArray bytes;
    HttpRequest(OriginUrl("/charset/utf-8"), {.responseBytes = &bytes});
    EXPECT_NE(Find(Text(bytes.begin(), bytes.end()), "\xE4\xB8\xAD"), -1);  // the raw bytes stay UTF-8
}

TEST_F(HttpRequestTest, BigAndZeroBodies) {
    ByteArray bytes;
    Text text = HttpRequest(OriginUrl("/big"), {.responseBytes = &bytes});
    ASSERT_EQ(bytes.size(), 5u * 1024 * 1024);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != i % 250 + 1) FAIL() << "byte " << i << " is " << int(bytes[i]);
    }
    EXPECT_EQ(text.size(), bytes.size());

    text = HttpRequest(OriginUrl("/zero"), {.responseBytes = &bytes});
    EXPECT_EQ(bytes, (ByteArray{'a', 'b', 'c', 0, 'd', 'e', 'f'}));
    EXPECT_EQ(text, "abc");

    Text status;
    bytes = {1, 2};
    EXPECT_EQ(HttpRequest(OriginUrl("/empty"), {.status = &status, .responseBytes = &bytes}), "");
    EXPECT_EQ(status, "204 No Content");
    EXPECT_TRUE(bytes.empty());
}

TEST_F(HttpRequestTest, AnEndlessBodyIsCutAt64MiB) {
    ByteArray bytes;
    Text status;
    const Text text = HttpRequest(OriginUrl("/endless"), {.status = &status, .responseBytes = &bytes});
    EXPECT_EQ(bytes.size(), 64u << 20);
    EXPECT_EQ(text.size(), bytes.size());
    EXPECT_EQ(status, "200 OK");
}

TEST_F(HttpRequestTest, GarbageAnswersAreSurvived) {
    for (int i = 0; i < 13; ++i) {
        Text status = "unset";
        Text cookies;
        Text location;
        ByteArray bytes;
        const Text text = HttpRequest(OriginUrl(Text("/garbage/") + std::to_string(i)),
                                      {.returnedCookies = &cookies, .timeoutSeconds = 2, .location = &location,
                                       .status = &status, .responseBytes = &bytes});
        // The text never holds more than the body's bytes could decode to.
        EXPECT_LE(text.size(), 2 * bytes.size() + 1) << i;
        ::testing::Test::RecordProperty(Text("garbage") + std::to_string(i), status);
    }
    // A body shorter than announced keeps what arrived.
    ByteArray bytes;
    HttpRequest(OriginUrl("/garbage/3"), {.timeoutSeconds = 2, .responseBytes = &bytes});
    EXPECT_EQ(Text(bytes.begin(), bytes.end()), "only ten b");
    // Empty Set-Cookie lines add nothing; "=;=" keeps its first "name=value", "=".
    Text cookies = "x";
    Text location = "x";
    HttpRequest(OriginUrl("/garbage/5"), {.returnedCookies = &cookies, .location = &location});
    EXPECT_EQ(cookies, "=");
    EXPECT_EQ(location, "x");  // "Location:" without its space is not a location line
}

TEST_F(HttpRequestTest, TwoThreadsAtOnce) {
    auto worker = [](int id, int* failures) {
        for (int i = 0; i < 10; ++i) {
            const Text path = "/echo/thread" + std::to_string(id) + "/" + std::to_string(i);
            Text status;
            const Text text = HttpRequest(OriginUrl(path), {.status = &status});
            if (status != "200 OK" || ParseEcho(text).requestLine != "GET " + path + " HTTP/1.1") ++*failures;
        }
    };
    int failures[2] = {0, 0};
    std::thread first(worker, 1, &failures[0]);
    std::thread second(worker, 2, &failures[1]);
    first.join();
    second.join();
    EXPECT_EQ(failures[0], 0);
    EXPECT_EQ(failures[1], 0);
}

}  // namespace
}  // namespace qinglan::net
