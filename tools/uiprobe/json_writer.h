// A small streaming JSON writer: compact output, commas placed for the caller.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace uiprobe {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the current object.
    void Key(std::string_view name);
    void String(std::string_view utf8);
    void Number(long long value);
    void Bool(bool value);

    const std::string& Text() const { return out_; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string out_;
    std::vector<bool> hasItems_;  // one entry per open object or array
    bool afterKey_ = false;
};

}  // namespace uiprobe
