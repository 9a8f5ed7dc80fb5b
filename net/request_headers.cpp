#include "net/request_headers.h"

#include "net/text.h"

namespace qinglan::net {
namespace {

struct DefaultLine {
    const char* key;
    bool anyCase;
    const char* line;
};

constexpr DefaultLine kBeforeContentType[] = {
    {"User-Agent: ", true, "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"},
    {"Accept: ", true, "Accept: text/html, application/xhtml+xml, */*\r\n"},
    {"Accept-Encoding: ", true, "Accept-Encoding: gbk, GB2312\r\n"},
    {"Accept-Language: ", true, "Accept-Language: zh-cn\r\n"},
};
constexpr DefaultLine kContentType = {"Content-Type:", false, "Content-Type: application/x-www-form-urlencoded\r\n"};
constexpr DefaultLine kCacheControl = {"Cache-Control: ", true, "Cache-Control: no-cache\r\n"};

void AppendUnlessPresent(Text& block, const char* key, bool anyCase, const Text& line) {
    if (Find(block, key, 0, anyCase) == -1) block += line;
}

void AppendUnlessPresent(Text& block, const DefaultLine& entry) {
    AppendUnlessPresent(block, entry.key, entry.anyCase, entry.line);
}

}  // namespace

Text BuildRequestHeaders(const Text& extraHeaders, const Text& cookies, bool post) {
    Text block = extraHeaders.empty() ? Text() : extraHeaders + "\r\n";
    for (const DefaultLine& entry : kBeforeContentType) AppendUnlessPresent(block, entry);
    if (post) AppendUnlessPresent(block, kContentType);
    AppendUnlessPresent(block, kCacheControl);
    if (!cookies.empty()) AppendUnlessPresent(block, "Cookie: ", true, "Cookie: " + cookies + "\r\n");
    return block;
}

}  // namespace qinglan::net
