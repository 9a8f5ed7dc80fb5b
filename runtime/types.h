// Value types shared by every module.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qinglan {

// Program text: GBK bytes (code page 936). Positions and lengths count bytes.
using Text = std::string;

// A counted sequence of bytes.
using ByteArray = std::vector<std::uint8_t>;

// Addresses a control: (window number, control number). The zero pair
// addresses nothing.
struct ControlId {
    std::int32_t window = 0;
    std::int32_t control = 0;
    bool IsNull() const { return window == 0 && control == 0; }
    friend bool operator==(const ControlId&, const ControlId&) = default;
};

}  // namespace qinglan
