// The text primitives of the program, over GBK byte strings.
//
// Positions are 1-based byte positions and lengths count bytes; a search that
// finds nothing answers -1. Searching walks whole characters: a GBK lead byte
// (81..FE) and its trail byte are one step, so a match never begins on a
// trail byte even when that byte equals an ASCII letter or sign.
#pragma once

#include <string_view>
#include <vector>

#include "runtime/types.h"

namespace qinglan::net {

// Position of the first occurrence of `wanted` at or after `start` (0 or less:
// from 1). With `anyCase` ASCII letters compare without case. An empty
// `wanted` gives 1 for a non-empty text, -1 for an empty one.
int Find(std::string_view text, std::string_view wanted, int start = 0, bool anyCase = false);

// At most `length` bytes from `start`; empty when `start` is outside the text
// or `length` <= 0.
Text Mid(std::string_view text, int start, int length);
// The first / last `n` bytes; empty for n <= 0, the whole text past its length.
Text Left(std::string_view text, int n);
Text Right(std::string_view text, int n);

// Every occurrence of `old`, left to right, replaced by `replacement`; an
// empty `old` leaves the text as it is.
Text Replace(std::string_view text, std::string_view old, std::string_view replacement, bool anyCase = false);

// The pieces between separators, empty ones included, and the remainder after
// the last separator when it is not empty. An empty text gives no pieces.
std::vector<Text> Split(std::string_view text, std::string_view separator);

// Spaces are the byte 20 and the GBK double-byte space A1 A1.
Text Trim(std::string_view text);
Text RemoveSpaces(std::string_view text);

// The text between the first `leftMarker` found from `start` and the next
// `rightMarker` after it; empty when either is missing. In both markers the
// word "#引号" stands for a double quote.
Text TextBetween(std::string_view text, std::string_view leftMarker, std::string_view rightMarker,
                 int start = 0, bool anyCase = false);

}  // namespace qinglan::net
