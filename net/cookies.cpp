#include "net/cookies.h"

#include "net/text.h"

namespace qinglan::net {
namespace {

bool IsDeleted(const Text& entry) { return Right(entry, 8) == "=deleted"; }

// Joins `pieces` with `separator` (no separator after the last).
Text Join(const std::vector<Text>& pieces, const Text& separator) {
    Text joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) joined += separator;
        joined += pieces[i];
    }
    return joined;
}

}  // namespace

Text CookieName(const Text& entry) {
    const int equals = Find(entry, "=");
    return Trim(equals == -1 ? entry : Left(entry, equals - 1));
}

bool HasCookieName(const std::vector<Text>& entries, const Text& name) {
    for (const Text& entry : entries) {
        if (CookieName(entry) == name) return true;
    }
    return false;
}

int IndexOfText(const std::vector<Text>& list, const Text& wanted) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == wanted) return static_cast<int>(i + 1);
    }
    return -1;
}

Text RemoveDuplicates(const Text& text, const Text& separator) {
    std::vector<Text> seen;
    for (const Text& piece : Split(text, separator)) {
        if (IndexOfText(seen, piece) == -1) seen.push_back(piece);
    }
    return Join(seen, separator);
}

Text MergeCookies(Text& kept, Text& fresh) {
    kept = RemoveSpaces(kept);
    fresh = RemoveSpaces(fresh);
    std::vector<Text> merged = Split(fresh, ";");
    for (const Text& entry : Split(kept, ";")) {
        if (!HasCookieName(merged, CookieName(entry))) merged.push_back(entry);
    }
    std::vector<Text> live;
    for (const Text& entry : merged) {
        // An empty entry comes from two adjacent separators; sending it back
        // would only put an empty "; ; " into the next request.
        if (!entry.empty() && !IsDeleted(entry)) live.push_back(entry);
    }
    kept = RemoveDuplicates(Join(live, "; "), "; ");
    return kept;
}

}  // namespace qinglan::net
