// Turning a response body of a declared charset into program text.
#pragma once

#include <optional>

#include "runtime/types.h"

namespace qinglan::net {

// The Windows code page of a charset name (any case), or nullopt when the
// name is unknown.
std::optional<unsigned> CharsetCodePage(const Text& charset);

// The charset named by the page's first <meta ... charset=...> in `head`, or
// an empty text. The regular expression (and with it COM) is only brought up
// when `head` holds both "<meta" and "charset=", which any match needs.
Text DeclaredCharset(const Text& head);

// `body` decoded from `charset` into GBK text (ending at the first zero).
// Tries the "Adodb.Stream" component first; when it is missing or does not
// answer, converts from the charset's code page. An unknown name answers
// `unchanged`.
Text DecodeCharset(const ByteArray& body, const Text& charset, const Text& unchanged);

}  // namespace qinglan::net
