// Cookie texts: name=value entries, ";"-separated on input, "; " on output.
#pragma once

#include <vector>

#include "runtime/types.h"

namespace qinglan::net {

// Folds the cookies of a response (`fresh`) into the kept cookie text (`kept`).
// Spaces are removed from both variables first; the response's entries come
// first, in its order, then the kept ones it did not set. Entries ending in
// "=deleted" and empty entries are dropped, then exact duplicates. `kept`
// receives the result, which is also returned.
Text MergeCookies(Text& kept, Text& fresh);

// The characters before the first "=", trimmed; the whole entry trimmed when
// it has none.
Text CookieName(const Text& entry);

// Whether any entry's CookieName equals `name` exactly.
bool HasCookieName(const std::vector<Text>& entries, const Text& name);

// The pieces of `text` split at `separator`, each kept once (first wins, exact
// comparison), joined again by `separator`.
Text RemoveDuplicates(const Text& text, const Text& separator);

// 1-based position of the first item equal to `wanted`, or -1.
int IndexOfText(const std::vector<Text>& list, const Text& wanted);

}  // namespace qinglan::net
