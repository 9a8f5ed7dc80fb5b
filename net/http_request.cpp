#include "net/http_request.h"

#include <algorithm>
#include <string>

#include "net/charset.h"
#include "net/cookies.h"
#include "net/encoding.h"
#include "net/request_headers.h"
#include "net/response_headers.h"
#include "net/text.h"
#include "net/winhttp_api.h"
#include "runtime/messages.h"

namespace qinglan::net {
namespace {

// Error numbers written to `status`; there is no 706.
enum HttpError : int {
    kNoError = 0,
    kNoPlatform = 700,
    kBadUrl = 701,
    kNoSession = 702,
    kNoConnection = 703,
    kNoRequest = 704,
    kNoTimeouts = 705,
    kNoCredentials = 707,
    kNoCookieOption = 708,
    kNoRedirectOption = 709,
    kNoHeaders = 710,
    kSendFailed = 711,
    kNoResponse = 712,
    kReadFailed = 713,
};

const char* ErrorText(HttpError error) {
    switch (error) {
        case kNoPlatform: return "700 当前系统不支持WinHttp服务!";
        case kBadUrl: return "701 解析URL地址失败!";
        case kNoSession: return "702 创建WinHttp会话失败!";
        case kNoConnection: return "703 创建WinHttp连接失败!";
        case kNoRequest: return "704 创建WinHttp请求失败!";
        case kNoTimeouts: return "705 设置超时时间失败!";
        case kNoCredentials: return "707 设置代理凭证失败!";
        case kNoCookieOption: return "708 禁止自动设置Cookies失败!";
        case kNoRedirectOption: return "709 重定向设置失败!";
        case kNoHeaders: return "710 设置协议头失败!";
        case kSendFailed: return "711 发送请求失败!";
        case kNoResponse: return "712 服务器未响应!";
        case kReadFailed: return "713 读取数据失败!";
        case kNoError: break;
    }
    return "";
}

constexpr std::size_t kMaxBodyBytes = 64u << 20;

constexpr const wchar_t* kVerbs[] = {L"GET", L"POST", L"HEAD", L"PUT", L"OPTIONS", L"DELETE", L"TRACE", L"CONNECT"};

const Text& TextOr(const std::optional<Text>& value) {
    static const Text kEmpty;
    return value ? *value : kEmpty;
}

struct Target {
    std::wstring host;
    INTERNET_PORT port = 0;
    bool secure = false;
    std::wstring objectName;  // path and query; "/" (and no query) when the path is empty
};

bool CrackUrl(const WinHttpApi& api, const Text& url, Target& target) {
    const std::wstring wide = TextToWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (wide.empty() || !api.CrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) return false;
    target.host.assign(parts.lpszHostName ? parts.lpszHostName : L"", parts.lpszHostName ? parts.dwHostNameLength : 0);
    target.port = parts.nPort;
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    if (parts.dwUrlPathLength < 1 || !parts.lpszUrlPath) {
        target.objectName = L"/";
    } else {
        target.objectName.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
        if (parts.lpszExtraInfo) target.objectName.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    }
    return true;
}

// The three handles of one exchange; they close request first, session last.
class Exchange {
public:
    explicit Exchange(const WinHttpApi& api) : api_(api) {}

    HttpError Open(const Target& target, const HttpOptions& options);
    HttpError Configure(const HttpOptions& options);
    HttpError Send(const HttpOptions& options);
    // The body; `readFailed` tells whether a read stopped it early.
    ByteArray ReadBody(bool& readFailed);
    std::optional<Text> RawHeaders();

private:
    bool SetDword(DWORD option, DWORD value) {
        return api_.SetOption(request_.Get(), option, &value, sizeof(value));
    }
    bool SetCredentials(DWORD authTarget, const std::optional<Text>& user, const std::optional<Text>& password);

    const WinHttpApi& api_;
    UniqueInternet session_;
    UniqueInternet connection_;
    UniqueInternet request_;
};

HttpError Exchange::Open(const Target& target, const HttpOptions& options) {
    // The proxy text goes over as it stands, for plain and secure URLs alike.
    // Windows would also read "http=" + proxy as this proxy for a plain URL,
    // but Wine takes everything before the first ":" as the proxy's host, so
    // that form fails every proxied plain request there.
    const Text& proxy = TextOr(options.proxy);
    const std::wstring proxyName = TextToWide(proxy);
    const DWORD access = proxy.empty() ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_NAMED_PROXY;
    session_.Reset(api_.Open(nullptr, access, proxy.empty() ? WINHTTP_NO_PROXY_NAME : proxyName.c_str(),
                             WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session_) return kNoSession;
    connection_.Reset(api_.Connect(session_.Get(), target.host.c_str(), target.port, 0));
    if (!connection_) return kNoConnection;
    const int method = options.method.value_or(kHttpGet);
    if (method < kHttpGet || method > kHttpConnect) return kNoRequest;
    request_.Reset(api_.OpenRequest(connection_.Get(), kVerbs[method], target.objectName.c_str(), nullptr,
                                    WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                    target.secure ? WINHTTP_FLAG_SECURE : 0));
    return request_ ? kNoError : kNoRequest;
}

bool Exchange::SetCredentials(DWORD authTarget, const std::optional<Text>& user, const std::optional<Text>& password) {
    if (TextOr(user).empty() || TextOr(password).empty()) return true;
    return api_.SetCredentials(request_.Get(), authTarget, WINHTTP_AUTH_SCHEME_BASIC, TextToWide(*user).c_str(),
                               TextToWide(*password).c_str(), nullptr);
}

HttpError Exchange::Configure(const HttpOptions& options) {
    // Whole seconds to milliseconds, held below the int range: a product
    // that wrapped round would be refused by WinHttp as a negative time-out.
    const long long seconds = options.timeoutSeconds.value_or(0);
    const int timeout = seconds > 0 ? static_cast<int>(std::min(seconds * 1000, 0x7FFFFFFFLL)) : 30000;
    if (!api_.SetTimeouts(request_.Get(), timeout, timeout, timeout, timeout)) return kNoTimeouts;
    // Windows also bounds the wait for the response headers by the receive
    // time-out; Wine keeps a separate limit (none by default), so a server
    // that accepts and never answers would hold the caller for ever.
    if (!SetDword(WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, static_cast<DWORD>(timeout))) return kNoTimeouts;
    if (!SetCredentials(WINHTTP_AUTH_TARGET_SERVER, options.userName, options.password)) return kNoCredentials;
    if (!SetCredentials(WINHTTP_AUTH_TARGET_PROXY, options.proxyUserName, options.proxyPassword)) return kNoCredentials;
    const bool cookieOption = options.cookies ? SetDword(WINHTTP_OPTION_ENABLE_FEATURE, 1)
                                              : SetDword(WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES);
    if (!cookieOption) return kNoCookieOption;
    if (options.disableRedirects.value_or(0) != 0 &&
        !SetDword(WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_REDIRECTS)) {
        return kNoRedirectOption;
    }
    const Text cookies = options.cookies ? *options.cookies : Text();
    const std::wstring block = TextToWide(
        BuildRequestHeaders(TextOr(options.extraHeaders), cookies, options.method.value_or(kHttpGet) == kHttpPost));
    const bool added = api_.AddRequestHeaders(request_.Get(), block.c_str(), static_cast<DWORD>(block.size()),
                                              WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE);
    return added ? kNoError : kNoHeaders;
}

HttpError Exchange::Send(const HttpOptions& options) {
    const Text& body = TextOr(options.postData);
    const DWORD length = static_cast<DWORD>(body.size());
    void* data = body.empty() ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(body.data());
    if (!api_.SendRequest(request_.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, data, length, length, 0)) {
        return kSendFailed;
    }
    return api_.ReceiveResponse(request_.Get(), nullptr) ? kNoError : kNoResponse;
}

ByteArray Exchange::ReadBody(bool& readFailed) {
    ByteArray body;
    ByteArray chunk;
    readFailed = false;
    for (DWORD available = 0; api_.QueryDataAvailable(request_.Get(), &available) && available >= 1;) {
        chunk.resize(available);
        DWORD read = 0;
        if (!api_.ReadData(request_.Get(), chunk.data(), available, &read)) {
            readFailed = true;
            break;
        }
        body.insert(body.end(), chunk.begin(), chunk.begin() + std::min(read, available));
        // An answer that never ends would hold the caller and its memory for
        // ever; the read stops at a size no page of this program comes near.
        if (body.size() >= kMaxBodyBytes) {
            body.resize(kMaxBodyBytes);
            readFailed = true;
            break;
        }
    }
    return body;
}

std::optional<Text> Exchange::RawHeaders() {
    DWORD size = 0;
    DWORD index = 0;
    api_.QueryHeaders(request_.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      &index);
    ByteArray buffer(size);
    index = 0;
    if (size == 0 || !api_.QueryHeaders(request_.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                                        buffer.data(), &size, &index)) {
        return std::nullopt;
    }
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    return Utf16ToText(buffer);
}

// Ends a call that failed at `error`: the text goes to `status`, pending
// messages are dispatched, and the handles close as the exchange goes.
Text Failed(HttpError error, Text& status) {
    status = ErrorText(error);
    runtime::DispatchPendingMessages();
    return {};
}

// The body's text, decoded when the page declares a charset other than GBK.
Text BodyText(const ByteArray& body) {
    Text text(body.begin(), std::find(body.begin(), body.end(), 0));
    const Text charset = DeclaredCharset(Left(text, 1024));
    if (!charset.empty() && charset != "gbk" && charset != "gb2312") text = DecodeCharset(body, charset, text);
    runtime::DispatchPendingMessages();
    return text;
}

void StoreCookies(const HttpOptions& options, Text& returned) {
    if (options.mergeCookies.value_or(true) && options.cookies) {
        returned = MergeCookies(*options.cookies, returned);
    }
    if (options.returnedCookies) *options.returnedCookies = returned;
}

}  // namespace

Text HttpRequest(const Text& url, const HttpOptions& options) {
    Text ownStatus;
    Text& status = options.status ? *options.status : ownStatus;

    const WinHttpApi* api = LoadWinHttp();
    if (!api || !api->CheckPlatform()) return Failed(kNoPlatform, status);
    Target target;
    if (!CrackUrl(*api, url, target)) return Failed(kBadUrl, status);
    Exchange exchange(*api);
    if (HttpError error = exchange.Open(target, options); error != kNoError) return Failed(error, status);
    if (HttpError error = exchange.Configure(options); error != kNoError) return Failed(error, status);
    if (HttpError error = exchange.Send(options); error != kNoError) return Failed(error, status);

    bool readFailed = false;
    ByteArray body = exchange.ReadBody(readFailed);
    if (readFailed) status = ErrorText(kReadFailed);
    const std::optional<Text> raw = exchange.RawHeaders();
    if (!raw) return {};

    ResponseHeaders headers = ReadResponseHeaders(*raw);
    status = headers.status;
    if (options.returnedHeaders) *options.returnedHeaders = headers.raw;
    if (options.location && headers.location) *options.location = *headers.location;
    StoreCookies(options, headers.cookies);
    Text text = BodyText(body);
    if (options.responseBytes) *options.responseBytes = std::move(body);
    return text;
}

}  // namespace qinglan::net
