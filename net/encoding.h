// Conversions between program text (GBK, code page 936), UTF-16 and UTF-8,
// and the percent-decoding of service answers.
#pragma once

#include <string>
#include <string_view>

#include "runtime/types.h"

namespace qinglan::net {

inline constexpr unsigned kGbkCodePage = 936;
inline constexpr unsigned kUtf8CodePage = 65001;

// Program text as UTF-16 code units, without a terminator. The building block
// of the byte-array forms below and of every call into a wide-character API.
std::wstring TextToWide(std::string_view text, unsigned codePage = kGbkCodePage);
// UTF-16 code units as text of `codePage`; ends at the first zero.
Text WideToText(std::wstring_view units, unsigned codePage = kGbkCodePage);

// Little-endian UTF-16 bytes of `text` with a two-byte terminator (dropped
// when `dropTerminator`); an empty text gives an empty array.
ByteArray TextToUtf16(const Text& text, bool dropTerminator = false);
// GBK text of little-endian UTF-16 bytes, up to the first zero character.
// An odd last byte is ignored.
Text Utf16ToText(const ByteArray& bytes);

// `text` read in `codePage`, as terminated UTF-16 bytes.
ByteArray MultiByteToUtf16(const Text& text, unsigned codePage = kUtf8CodePage);
// Terminated UTF-16 bytes as text of `codePage` (0: the ANSI code page).
Text Utf16ToMultiByte(const ByteArray& units, unsigned codePage = 0);

// UTF-8 bytes as GBK text.
Text Utf8ToText(const Text& utf8);

// Decodes every "%hh" escape; a "%" not followed by two hex digits is kept
// as it stands. "+" stays "+"; an escape of byte 0 contributes nothing.
// With `thenUtf8` the decoded bytes are read as UTF-8.
Text PercentDecode(const Text& text, bool thenUtf8);

}  // namespace qinglan::net
