// Texts for GDI+: the program's ANSI (GBK) texts to UTF-16 and back, and
// GUIDs as their 38-character registry text.
#pragma once

#include <string>

#include "runtime/types.h"
#include "gdiplus/flat.h"

namespace qinglan::gdiplus {

// UTF-16 of an ANSI text, followed by one zero unit ("" gives {0, 0}).
ByteArray ToWideText(const Text& text);
// ANSI text of UTF-16 units, read up to the first zero unit.
Text ToAnsiText(const wchar_t* wide);
Text ToAnsiText(const ByteArray& wide);
// "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}" form of 16 GUID bytes.
Text GuidToText(const GUID& guid);
// The GUID a text names; all zero when the text is no GUID.
GUID TextToGuid(const Text& text);

namespace detail {
// A zero-terminated UTF-16 text for a flat call, with its lstrlenW length.
// Built from an ANSI text, or from a byte array of UTF-16 units that is read
// no further than its own end even when it holds no zero unit.
class WideArg {
public:
    explicit WideArg(const Text& text);
    explicit WideArg(const ByteArray& utf16);
    const WCHAR* c_str() const { return text_.c_str(); }
    INT Length() const { return static_cast<INT>(text_.size()); }

private:
    std::wstring text_;
};
}  // namespace detail

}  // namespace qinglan::gdiplus
