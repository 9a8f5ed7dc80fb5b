#include "net/charset.h"

#include <windows.h>

#include <cctype>

#include "net/com.h"
#include "net/encoding.h"
#include "net/regex_object.h"
#include "net/text.h"

namespace qinglan::net {
namespace {

struct CharsetEntry {
    const char* name;
    unsigned codePage;
};

constexpr CharsetEntry kCharsets[] = {
    {"utf-8", 65001},        {"utf8", 65001},          {"gbk", 936},           {"gb2312", 936},
    {"x-gbk", 936},          {"cp936", 936},           {"gb18030", 54936},     {"big5", 950},
    {"big5-hkscs", 950},     {"hz-gb-2312", 52936},    {"shift_jis", 932},     {"shift-jis", 932},
    {"sjis", 932},           {"euc-jp", 20932},        {"iso-2022-jp", 50220}, {"euc-kr", 949},
    {"ks_c_5601-1987", 949}, {"us-ascii", 20127},      {"ascii", 20127},       {"iso-8859-1", 28591},
    {"latin1", 28591},       {"iso-8859-2", 28592},    {"iso-8859-5", 28595},  {"iso-8859-7", 28597},
    {"iso-8859-9", 28599},   {"iso-8859-15", 28605},   {"koi8-r", 20866},      {"koi8-u", 21866},
    {"windows-874", 874},    {"windows-1250", 1250},   {"windows-1251", 1251}, {"windows-1252", 1252},
    {"windows-1253", 1253},  {"windows-1254", 1254},   {"windows-1255", 1255}, {"windows-1256", 1256},
    {"windows-1257", 1257},  {"windows-1258", 1258},
};

Text LowerAscii(Text text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The stream component's answer, or nullopt when it cannot be made or stops
// answering on the way.
std::optional<Text> DecodeWithStream(const ByteArray& body, const Text& charset) {
    ComApartment apartment;
    const DispatchRef stream = CreateObject(L"Adodb.Stream");
    if (!stream) return std::nullopt;
    const bool ready = DispatchPut(stream, L"Type", Variant::FromLong(1)) &&
                       DispatchPut(stream, L"Mode", Variant::FromLong(3)) && DispatchCall(stream, L"Open") &&
                       DispatchCall(stream, L"Write", Variant::FromBytes(body)) &&
                       DispatchPut(stream, L"Position", Variant::FromLong(0)) &&
                       DispatchPut(stream, L"Type", Variant::FromLong(2)) &&
                       DispatchPut(stream, L"Charset", Variant::FromText(charset));
    std::optional<Variant> text = ready ? DispatchCall(stream, L"ReadText") : std::nullopt;
    DispatchCall(stream, L"Close");
    if (!text) return std::nullopt;
    return text->ToText();
}

Text DecodeWithCodePage(const ByteArray& body, unsigned codePage) {
    std::wstring units = TextToWide(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()), codePage);
    if (!units.empty() && units.front() == L'\xFEFF') units.erase(0, 1);  // a byte-order mark is no text
    return WideToText(units, kGbkCodePage);
}

}  // namespace

std::optional<unsigned> CharsetCodePage(const Text& charset) {
    const Text wanted = LowerAscii(charset);
    for (const CharsetEntry& entry : kCharsets) {
        if (wanted == entry.name) return entry.codePage;
    }
    return std::nullopt;
}

Text DeclaredCharset(const Text& head) {
    if (Find(head, "<meta", 0, true) == -1 || Find(head, "charset=", 0, true) == -1) return {};
    RegexObject finder;
    if (!finder.Create("<meta.+?charset=[^\\w]?([-\\w]+)", head)) return {};
    return finder.SubMatchText(1, 1);
}

Text DecodeCharset(const ByteArray& body, const Text& charset, const Text& unchanged) {
    if (std::optional<Text> decoded = DecodeWithStream(body, charset)) return *decoded;
    const std::optional<unsigned> codePage = CharsetCodePage(charset);
    return codePage ? DecodeWithCodePage(body, *codePage) : unchanged;
}

}  // namespace qinglan::net
