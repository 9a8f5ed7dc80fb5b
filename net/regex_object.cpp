#include "net/regex_object.h"

#include "net/text.h"

namespace qinglan::net {

RegexObject::RegexObject(const RegexObject& source, CopyTag)
    : regexp_(source.regexp_), matches_(source.matches_), subject_(source.subject_) {}

RegexObject RegexObject::Copy() const { return RegexObject(*this, CopyTag{}); }

bool RegexObject::Create(const Text& pattern, const Text& subject, const RegexOptions& options) {
    regexp_.Reset();
    matches_.Reset();
    regexp_ = CreateObject(L"VBScript.RegExp");
    DispatchPut(regexp_, L"IgnoreCase", Variant::FromBool(!options.caseSensitive));
    DispatchPut(regexp_, L"Multiline", Variant::FromBool(options.multiLine));
    DispatchPut(regexp_, L"Singleline", Variant::FromBool(true));  // not a member: the write fails, harmlessly
    DispatchPut(regexp_, L"Global", Variant::FromBool(options.global));
    const Text effective = options.quoteWord ? net::Replace(pattern, "#引号", "\"") : pattern;
    DispatchPut(regexp_, L"Pattern", Variant::FromText(effective));
    subject_ = Variant::FromText(subject);
    if (auto found = DispatchCall(regexp_, L"Execute", subject_)) matches_ = found->ToDispatch();
    return static_cast<bool>(matches_);
}

Text RegexObject::GetPattern() const {
    auto pattern = DispatchGet(regexp_, L"Pattern");
    return pattern ? pattern->ToText() : Text();
}

Text RegexObject::Replace(const Text& replacement) const {
    auto replaced = DispatchCall(regexp_, L"Replace", subject_, Variant::FromText(replacement));
    return replaced ? replaced->ToText() : Text();
}

int RegexObject::MatchCount() const {
    auto count = DispatchGet(matches_, L"Count");
    return count ? static_cast<int>(count->ToLong()) : 0;
}

DispatchRef RegexObject::MatchAt(int match) const {
    auto item = DispatchGet(matches_, L"Item", Variant::FromLong(match - 1));
    return item ? item->ToDispatch() : DispatchRef();
}

void RegexObject::StorePosition(const DispatchRef& matchObject, const Text& found, int* position) const {
    if (!position) return;
    auto firstIndex = DispatchGet(matchObject, L"FirstIndex");
    // FirstIndex counts UTF-16 units, never more than the bytes before the
    // match, so searching from it (read as a 1-based byte position) finds it.
    const int at = firstIndex ? Find(subject_.ToText(), found, static_cast<int>(firstIndex->ToLong())) : -1;
    *position = at == -1 ? -1 : at - 1;
}

Text RegexObject::MatchText(int match, int* position) const {
    const DispatchRef matchObject = MatchAt(match);
    auto value = DispatchGet(matchObject, L"Value");
    Text text = value ? value->ToText() : Text();
    StorePosition(matchObject, text, position);
    return text;
}

Text RegexObject::SubMatchText(int match, int sub, int* position) const {
    const DispatchRef matchObject = MatchAt(match);
    auto subMatches = DispatchGet(matchObject, L"SubMatches");
    const DispatchRef collection = subMatches ? subMatches->ToDispatch() : DispatchRef();
    auto value = DispatchGet(collection, L"Item", Variant::FromLong(sub - 1));
    Text text = value ? value->ToText() : Text();
    StorePosition(matchObject, text, position);
    return text;
}

int RegexObject::SubMatchCount() const {
    auto subMatches = DispatchGet(MatchAt(1), L"SubMatches");
    auto count = subMatches ? DispatchGet(subMatches->ToDispatch(), L"Count") : std::nullopt;
    return count ? static_cast<int>(count->ToLong()) : 0;
}

}  // namespace qinglan::net
