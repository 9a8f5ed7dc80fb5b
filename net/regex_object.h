// One regular expression run over one subject text, through the automation
// object "VBScript.RegExp". Every failure of the component answers an empty
// text, 0 or false. An object belongs to the thread that made it; COM is
// initialised on that thread for the object's lifetime.
#pragma once

#include "net/com.h"
#include "runtime/types.h"

namespace qinglan::net {

struct RegexOptions {
    bool caseSensitive = false;
    bool multiLine = true;
    bool global = true;
    // The word "#引号" in the pattern stands for a double quote.
    bool quoteWord = false;
};

class RegexObject {
public:
    RegexObject() = default;
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    // A new object sharing this one's component objects and subject.
    RegexObject Copy() const;

    // Compiles `pattern` and runs it over `subject`. False when the component
    // is missing or the pattern is invalid; a pattern that matches nothing
    // still gives true.
    bool Create(const Text& pattern, const Text& subject, const RegexOptions& options = {});
    // Kept for the operation table's slot order; does nothing.
    void Reserved() {}

    Text GetPattern() const;
    // The subject with every match replaced (the component's "$1" syntax).
    Text Replace(const Text& replacement) const;
    int MatchCount() const;
    // Match `match` (1-based). `position`, when given, receives the match's
    // 0-based byte offset in the subject, or -1.
    Text MatchText(int match, int* position = nullptr) const;
    // Sub-match `sub` (1-based) of match `match` (1-based).
    Text SubMatchText(int match, int sub, int* position = nullptr) const;
    // Sub-matches of the first match.
    int SubMatchCount() const;

private:
    struct CopyTag {};
    RegexObject(const RegexObject& source, CopyTag);
    DispatchRef MatchAt(int match) const;
    void StorePosition(const DispatchRef& matchObject, const Text& found, int* position) const;

    ComApartment apartment_;
    DispatchRef regexp_;
    DispatchRef matches_;
    Variant subject_;
};

}  // namespace qinglan::net
