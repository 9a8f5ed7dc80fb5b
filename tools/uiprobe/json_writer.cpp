#include "tools/uiprobe/json_writer.h"

#include <cstdio>

namespace uiprobe {

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasItems_.empty()) {
        if (hasItems_.back()) out_ += ',';
        hasItems_.back() = true;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    hasItems_.push_back(false);
}

void JsonWriter::Close(char bracket) {
    out_ += bracket;
    hasItems_.pop_back();
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
    String(name);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    out_ += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                    out_ += escape;
                } else {
                    out_ += c;  // UTF-8 bytes pass through
                }
        }
    }
    out_ += '"';
}

void JsonWriter::Number(long long value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

}  // namespace uiprobe
