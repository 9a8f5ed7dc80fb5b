#include "net/text.h"

#include <cstddef>

namespace qinglan::net {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

bool IsLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

// Bytes of the character that starts at `i`: a lead byte with a byte after it
// makes a pair.
std::size_t CharLength(std::string_view text, std::size_t i) {
    return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `wanted` stands at byte `i` of `text`. Double-byte characters
// compare exactly, so a trail byte is never case-folded.
bool MatchesAt(std::string_view text, std::size_t i, std::string_view wanted, bool anyCase) {
    if (text.size() - i < wanted.size()) return false;
    for (std::size_t j = 0; j < wanted.size();) {
        const std::size_t step = CharLength(wanted, j);
        if (step == 2 || !anyCase) {
            if (text.compare(i + j, step, wanted, j, step) != 0) return false;
        } else if (FoldAscii(text[i + j]) != FoldAscii(wanted[j])) {
            return false;
        }
        j += step;
    }
    return true;
}

// The first character boundary at or after byte `from`.
std::size_t AlignedStart(std::string_view text, std::size_t from) {
    std::size_t i = 0;
    while (i < from && i < text.size()) i += CharLength(text, i);
    return i;
}

// 0-based index of `wanted` (not empty) from the character boundary `i`.
std::size_t FindAligned(std::string_view text, std::string_view wanted, std::size_t i, bool anyCase) {
    for (; i < text.size() && text.size() - i >= wanted.size(); i += CharLength(text, i)) {
        if (MatchesAt(text, i, wanted, anyCase)) return i;
    }
    return kNotFound;
}

bool IsSpaceAt(std::string_view text, std::size_t i) {
    return text[i] == ' ' || (CharLength(text, i) == 2 && text[i] == '\xA1' && text[i + 1] == '\xA1');
}

}  // namespace

int Find(std::string_view text, std::string_view wanted, int start, bool anyCase) {
    if (wanted.empty()) return text.empty() ? -1 : 1;
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start - 1);
    const std::size_t found = FindAligned(text, wanted, AlignedStart(text, from), anyCase);
    return found == kNotFound ? -1 : static_cast<int>(found + 1);
}

Text Mid(std::string_view text, int start, int length) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || length <= 0) return {};
    return Text(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length)));
}

Text Left(std::string_view text, int n) {
    if (n <= 0) return {};
    return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text Right(std::string_view text, int n) {
    if (n <= 0) return {};
    const std::size_t count = static_cast<std::size_t>(n);
    return Text(count >= text.size() ? text : text.substr(text.size() - count));
}

Text Replace(std::string_view text, std::string_view old, std::string_view replacement, bool anyCase) {
    if (old.empty()) return Text(text);
    Text result;
    std::size_t done = 0;
    for (std::size_t found; (found = FindAligned(text, old, done, anyCase)) != kNotFound;) {
        result.append(text.substr(done, found - done)).append(replacement);
        done = found + old.size();
    }
    return result.append(text.substr(done));
}

std::vector<Text> Split(std::string_view text, std::string_view separator) {
    std::vector<Text> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {Text(text)};
    std::size_t done = 0;
    for (std::size_t found; (found = FindAligned(text, separator, done, false)) != kNotFound;) {
        pieces.emplace_back(text.substr(done, found - done));
        done = found + separator.size();
    }
    if (done < text.size()) pieces.emplace_back(text.substr(done));
    return pieces;
}

Text Trim(std::string_view text) {
    std::size_t first = text.size();
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (IsSpaceAt(text, i)) continue;
        if (first == text.size()) first = i;
        end = i + CharLength(text, i);
    }
    return first < end ? Text(text.substr(first, end - first)) : Text();
}

Text RemoveSpaces(std::string_view text) {
    Text result;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (!IsSpaceAt(text, i)) result.append(text.substr(i, CharLength(text, i)));
    }
    return result;
}

Text TextBetween(std::string_view text, std::string_view leftMarker, std::string_view rightMarker, int start,
                 bool anyCase) {
    static constexpr std::string_view kQuoteWord = "#引号";
    const Text left = Replace(leftMarker, kQuoteWord, "\"");
    const Text right = Replace(rightMarker, kQuoteWord, "\"");
    int p = Find(text, left, start, anyCase);
    if (p == -1) return {};
    p += static_cast<int>(left.size());
    const int q = Find(text, right, p, anyCase);
    if (q == -1) return {};
    return Mid(text, p, q - p);
}

}  // namespace qinglan::net
